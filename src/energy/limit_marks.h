#pragma once
// The "*" marks beside the results whose flow step lies beyond the system design limit, the
// legend that explains them, and the surge lines of the curve charts, shown only while the
// drive crosses the limit.

#include "app/main_window_state.h"
#include "energy/system_result.h"

namespace wattora {

inline constexpr std::string_view kMarkSet = "*";
inline constexpr std::string_view kMarkClear = " ";

// Clears the drive and comparison marks and legends and hides the surge lines; then shows
// the marks of the drive result.
void ShowDriveLimitMarks(MainWindowState& state);

// The comparison marks of a result with a limit test; a result without one clears them.
void ShowComparisonLimitMarks(MainWindowState& state, const SystemResult* result);

}  // namespace wattora
