#include "curve/curve_arithmetic.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "analysis/number_notation.h"

namespace wattora {

double CheckedDivide(double a, double b) {
  if (b == 0) throw ArithmeticFault{};
  const double quotient = a / b;
  if (!std::isfinite(quotient)) throw ArithmeticFault{};
  return quotient;
}

double RoundThroughText(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  char text[400];  // room for the largest double in fixed notation
  const auto [end, ec] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return value;
  double rounded = value;
  if (!ReadPlainNumber(std::string_view(text, static_cast<std::size_t>(end - text)), rounded)) {
    return value;
  }
  return rounded;
}

std::string RoundedDisplayText(const UnitSettings& units, double value, int decimals) {
  return FormatDisplayNumber(units, RoundThroughText(value, decimals), decimals);
}

}  // namespace wattora
