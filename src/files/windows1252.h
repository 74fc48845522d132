#pragma once
// Analysis files are 8-bit Windows-1252 text; the program holds UTF-8. The conversion
// happens here, at the file boundary.

#include <string>
#include <string_view>

namespace wattora {

// UTF-8 to Windows-1252. A character the code page lacks, and a malformed UTF-8 byte,
// become "?".
std::string Utf8ToWindows1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to the control
// characters of the same number, so that every byte survives a round trip.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace wattora
