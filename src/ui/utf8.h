#pragma once
// Character counts of UTF-8 text: limits of text fields are in characters, not bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wattora {

// Number of characters (code points; a malformed byte counts as one).
std::size_t Utf8Length(std::string_view text);
// The first `maxCharacters` characters of the text.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxCharacters);
// The text split into characters, each a UTF-8 sequence.
std::vector<std::string_view> Utf8Characters(std::string_view text);

}  // namespace wattora
