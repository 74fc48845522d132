#include "files/parameter_line.h"

#include <charconv>
#include <cmath>

#include "ui/utf8.h"

namespace wattora {
namespace {

constexpr std::size_t kValueFieldWidth = 15;
constexpr std::size_t kUnitFieldWidth = 7;
// Zero-based indices of the value field: it starts at character 12, and its ";" stands at
// character 30 at the latest.
constexpr std::size_t kValueStart = 11;
constexpr std::size_t kValueLimit = 30;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
  out += text;
  for (std::size_t n = Utf8Length(text); n < width; ++n) out += ' ';
}

std::string ZeroPadded(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

ParameterLine Malformed() { return {ParameterLineKind::Malformed}; }

}  // namespace

int FileDecimals(float step) {
  if (step == 1.0f) return 0;
  if (step == 10.0f) return 1;
  if (step == 100.0f) return 2;
  if (step == 1000.0f) return 3;
  return 4;
}

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  char buffer[400];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string FormatParameterLine(const ParameterEntry& entry) {
  std::string line = "P";
  line += ZeroPadded(entry.position, 3);
  line += '=';
  line += entry.groupLetter;
  line += entry.groupDigit;
  line += '-';
  line += ZeroPadded(entry.number, 2);
  line += '=';
  std::string value = FixedText(entry.currentValue, FileDecimals(entry.step));
  value += ';';
  AppendPadded(line, value, kValueFieldWidth);
  AppendPadded(line, entry.unitText, kUnitFieldWidth);
  line += entry.description;
  return line;
}

ParameterLine ParseParameterLine(std::string_view t) {
  if (t.size() < 12 || t[0] != 'P' || t[5] != 'A' || t[6] != '1' || t[7] != '-' ||
      !IsDigit(t[8]) || !IsDigit(t[9])) {
    return {};
  }
  ParameterLine line;
  bool separator = false;
  for (std::size_t i = 1; i < 5; ++i) {
    const char c = t[i];
    if (IsDigit(c)) {
      line.position = line.position * 10 + (c - '0');
    } else if (c == ',' || c == ':' || c == '=') {
      separator = true;
      break;
    } else {
      return Malformed();
    }
  }
  if (!separator) return Malformed();

  std::size_t end = kValueStart;
  for (;; ++end) {
    if (end >= kValueLimit || end >= t.size()) return Malformed();
    const char c = t[end];
    if (c == ';') {
      if (end == kValueStart) return Malformed();
      break;
    }
    if (!IsDigit(c) && c != '-' && c != '.') return Malformed();
  }
  if (line.position == 0) return Malformed();

  // Only digits, "-" and "." were collected, but not every such text is a number ("-",
  // "1.2.3", "5-"): those lines are malformed too.
  const std::string_view text = t.substr(kValueStart, end - kValueStart);
  auto [ptr, error] =
      std::from_chars(text.data(), text.data() + text.size(), line.value, std::chars_format::fixed);
  if (error != std::errc() || ptr != text.data() + text.size()) return Malformed();

  line.kind = ParameterLineKind::Assignment;
  line.groupLetter = t[5];
  line.groupDigit = t[6];
  line.number = (t[8] - '0') * 10 + (t[9] - '0');
  return line;
}

}  // namespace wattora
