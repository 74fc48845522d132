#include "ui/utf8.h"

namespace wattora {
namespace {

// Length in bytes of the character that starts at text[at].
std::size_t CharacterSize(std::string_view text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  std::size_t size = 1;
  if (lead >= 0xF0 && lead < 0xF8) size = 4;
  else if (lead >= 0xE0) size = lead < 0xF0 ? 3 : 1;
  else if (lead >= 0xC0) size = 2;
  if (at + size > text.size()) return 1;
  for (std::size_t i = 1; i < size; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
  }
  return size;
}

}  // namespace

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterSize(text, at)) ++count;
  return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxCharacters) {
  std::size_t at = 0;
  for (std::size_t count = 0; at < text.size() && count < maxCharacters; ++count) {
    at += CharacterSize(text, at);
  }
  return text.substr(0, at);
}

std::vector<std::string_view> Utf8Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t size = CharacterSize(text, at);
    characters.push_back(text.substr(at, size));
    at += size;
  }
  return characters;
}

}  // namespace wattora
