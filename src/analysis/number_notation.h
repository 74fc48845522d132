#pragma once
// Display numbers: every number shown or typed goes through FormatDisplayNumber and
// ParseDisplayNumber, which follow the program's number notation.

#include <string>
#include <string_view>

#include "analysis/unit_settings.h"

namespace wattora {

struct NumberSeparators {
  std::string decimal;
  std::string thousands;
};

// The separators of the process's default locale ("." and "," where the locale gives the
// same character for both or none for thousands).
NumberSeparators LocaleSeparators();

// The pair for a notation: 0 follows the given locale pair, 1 "." and ",", 2 "," and ".".
NumberSeparators SeparatorsForNotation(int notation, const NumberSeparators& locale);

// Sets NumberNotation and the two separators of the settings.
void ApplyNumberNotation(UnitSettings& units, int notation);
void ApplyNumberNotation(UnitSettings& units, int notation, const NumberSeparators& locale);

// Fixed notation with `decimals` (0 to 4) decimals and the separators of the settings.
std::string FormatDisplayNumber(const UnitSettings& units, double value, int decimals);
// Appends to `out` what FormatDisplayNumber returns.
void AppendDisplayNumber(std::string& out, const UnitSettings& units, double value, int decimals);

// Reads display text: thousands separators vanish, decimal separators become ".". Empty
// text and text that is not a number read as 0.
double ParseDisplayNumber(const UnitSettings& units, std::string_view text);

// Reads a number written with "." and no separators and formats it for display.
std::string ReformatFixedText(const UnitSettings& units, std::string_view text, int decimals);

// Reads a decimal number ("." as point, optional sign and exponent, surrounding spaces
// allowed). False when the text is not exactly a number.
bool ReadPlainNumber(std::string_view text, double& value);

}  // namespace wattora
