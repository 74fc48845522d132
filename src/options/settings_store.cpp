#include "options/settings_store.h"

#include <charconv>

namespace wattora {

std::string ReadText(const SettingsStore& store, std::string_view section, std::string_view name,
                     std::string_view fallback) {
  std::optional<std::string> text = store.Read(section, name);
  return text ? std::move(*text) : std::string(fallback);
}

bool ReadBool(const SettingsStore& store, std::string_view section, std::string_view name,
              bool fallback) {
  const std::optional<std::string> text = store.Read(section, name);
  if (!text) return fallback;
  return !text->empty() && text->front() == '1';
}

int ReadInteger(const SettingsStore& store, std::string_view section, std::string_view name,
                int fallback) {
  const std::optional<std::string> text = store.Read(section, name);
  if (!text || text->empty()) return fallback;
  const char* begin = text->data();
  const char* end = begin + text->size();
  if (*begin == '+') ++begin;
  int value = 0;
  auto [ptr, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || ptr != end) return fallback;
  return value;
}

std::vector<std::string> ReadLines(const SettingsStore& store, std::string_view section,
                                   std::string_view name) {
  const std::string text = ReadText(store, section, name);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void WriteText(SettingsStore& store, std::string_view section, std::string_view name,
               std::string_view text) {
  store.Write(section, name, text);
}

void WriteBool(SettingsStore& store, std::string_view section, std::string_view name, bool value) {
  store.Write(section, name, value ? "1" : "0");
}

void WriteInteger(SettingsStore& store, std::string_view section, std::string_view name, int value) {
  store.Write(section, name, std::to_string(value));
}

void WriteLines(SettingsStore& store, std::string_view section, std::string_view name,
                const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  store.Write(section, name, text);
}

}  // namespace wattora
