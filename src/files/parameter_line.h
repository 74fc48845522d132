#pragma once
// The parameter lines of the "[DATA RUXS]" section of an analysis file:
// "P001=A1-01=24;" followed by padding, the unit text and the description.

#include <string>
#include <string_view>

#include "analysis/parameter_table.h"

namespace wattora {

// Decimals a value is written with: 0 for step 1, 1 for 10, 2 for 100, 3 for 1000,
// 4 for 10000 and for any other step.
int FileDecimals(float step);

// Fixed notation with "." as the point and no thousands separator, independent of the
// locale; a value that rounds to zero carries no sign.
std::string FixedText(double value, int decimals);

// The whole line (UTF-8, without its line end) for an entry and its current value.
std::string FormatParameterLine(const ParameterEntry& entry);

enum class ParameterLineKind {
  Ignored,    // not a parameter line: skipped without a message
  Malformed,  // shaped like a parameter line but unreadable: the reader asks
  Assignment, // a value for the entry with the line's letter, digit and number
};

struct ParameterLine {
  ParameterLineKind kind = ParameterLineKind::Ignored;
  int position = 0;
  char groupLetter = 'A';
  char groupDigit = '1';
  int number = 0;
  double value = 0;
};

// Classifies a line whose leading and trailing spaces are already removed.
ParameterLine ParseParameterLine(std::string_view trimmed);

}  // namespace wattora
