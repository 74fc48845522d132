#include "analysis/number_notation.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <langinfo.h>
#include <locale.h>

namespace wattora {
namespace {

const NumberSeparators kDefaultSeparators{".", ","};

bool Contains(std::string_view text, std::size_t at, std::string_view part) {
  return !part.empty() && text.substr(at, part.size()) == part;
}

}  // namespace

NumberSeparators LocaleSeparators() {
  NumberSeparators result = kDefaultSeparators;
  locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return result;
  const char* decimal = nl_langinfo_l(RADIXCHAR, locale);
  const char* thousands = nl_langinfo_l(THOUSEP, locale);
  std::string d = decimal ? decimal : "";
  std::string t = thousands ? thousands : "";
  freelocale(locale);
  if (!d.empty() && !t.empty() && d != t) result = {d, t};
  return result;
}

NumberSeparators SeparatorsForNotation(int notation, const NumberSeparators& locale) {
  switch (notation) {
    case 1: return {".", ","};
    case 2: return {",", "."};
    default:
      if (locale.decimal.empty() || locale.thousands.empty() || locale.decimal == locale.thousands) {
        return kDefaultSeparators;
      }
      return locale;
  }
}

void ApplyNumberNotation(UnitSettings& units, int notation) {
  ApplyNumberNotation(units, notation, notation == 0 ? LocaleSeparators() : kDefaultSeparators);
}

void ApplyNumberNotation(UnitSettings& units, int notation, const NumberSeparators& locale) {
  NumberSeparators pair = SeparatorsForNotation(notation, locale);
  units.NumberNotation = (notation >= 0 && notation <= 2) ? notation : 0;
  units.DecimalSeparator = std::move(pair.decimal);
  units.ThousandsSeparator = std::move(pair.thousands);
}

void AppendDisplayNumber(std::string& out, const UnitSettings& units, double value, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > 4) decimals = 4;
  if (!std::isfinite(value)) value = 0;
  const bool negative = value < 0;
  const double magnitude = std::fabs(value);

  char digits[400];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude,
                                 std::chars_format::fixed, decimals);
  if (ec != std::errc()) {
    end = digits;
    *end++ = '0';
  }
  const std::string_view fixed(digits, static_cast<std::size_t>(end - digits));
  const std::size_t integerDigits = decimals > 0 ? fixed.size() - decimals - 1 : fixed.size();

  int separators = 0;
  if (magnitude >= 1000) ++separators;
  if (magnitude >= 1000000) ++separators;
  if (magnitude >= 1000000000) ++separators;
  // The first separator goes before this digit; the others follow every 3 digits. An
  // integer part of n digits with k separators always has n > 3k.
  const std::size_t firstGroup = integerDigits - 3 * static_cast<std::size_t>(separators);

  if (negative) out += '-';
  for (std::size_t i = 0; i < integerDigits; ++i) {
    if (separators > 0 && i >= firstGroup && (i - firstGroup) % 3 == 0 &&
        static_cast<int>((i - firstGroup) / 3) < separators) {
      out += units.ThousandsSeparator;
    }
    out += fixed[i];
  }
  if (decimals > 0) {
    out += units.DecimalSeparator;
    out.append(fixed.substr(integerDigits + 1));
  }
}

std::string FormatDisplayNumber(const UnitSettings& units, double value, int decimals) {
  std::string out;
  AppendDisplayNumber(out, units, value, decimals);
  return out;
}

bool ReadPlainNumber(std::string_view text, double& value) {
  std::size_t begin = 0;
  while (begin < text.size() && text[begin] == ' ') ++begin;
  std::size_t end = text.size();
  while (end > begin && text[end - 1] == ' ') --end;
  std::string_view number = text.substr(begin, end - begin);
  if (number.empty()) return false;
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
    if (number.empty() || number.front() == '+' || number.front() == '-') return false;
  }
  double parsed = 0;
  auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), parsed,
                                   std::chars_format::general);
  if (ec == std::errc::result_out_of_range) return false;
  if (ec != std::errc() || ptr != number.data() + number.size()) return false;
  if (!std::isfinite(parsed)) return false;
  value = negative ? -parsed : parsed;
  return true;
}

double ParseDisplayNumber(const UnitSettings& units, std::string_view text) {
  char buffer[128];
  std::size_t length = 0;
  const std::string_view decimal = units.DecimalSeparator;
  const std::string_view thousands = units.ThousandsSeparator;
  for (std::size_t i = 0; i < text.size();) {
    if (Contains(text, i, decimal)) {
      if (length < sizeof buffer) buffer[length++] = '.';
      i += decimal.size();
    } else if (Contains(text, i, thousands)) {
      i += thousands.size();
    } else {
      if (length < sizeof buffer) buffer[length++] = text[i];
      ++i;
    }
    if (length == sizeof buffer) return 0;  // far longer than any number
  }
  double value = 0;
  if (!ReadPlainNumber(std::string_view(buffer, length), value)) return 0;
  return value;
}

std::string ReformatFixedText(const UnitSettings& units, std::string_view text, int decimals) {
  double value = 0;
  if (!ReadPlainNumber(text, value)) value = 0;
  return FormatDisplayNumber(units, value, decimals);
}

}  // namespace wattora
