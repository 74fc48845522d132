#pragma once
// Arithmetic of the curve subsystem: checked division (the original platform raised a
// floating-point exception that ended the operation) and rounding through decimal text.

#include <string>

#include "analysis/unit_settings.h"

namespace wattora {

// A division by zero, or a quotient that is not finite: the operation that meets it stops
// and takes its failure path.
struct ArithmeticFault {};

// a / b; throws ArithmeticFault when b is 0 or the quotient is not finite.
double CheckedDivide(double a, double b);

// The value written as decimal text with `decimals` decimals and read back.
double RoundThroughText(double value, int decimals);

// FormatDisplayNumber of the value rounded through text to `decimals` decimals.
std::string RoundedDisplayText(const UnitSettings& units, double value, int decimals);

}  // namespace wattora
