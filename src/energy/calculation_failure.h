#pragma once
// The two ways a power and energy run can fail, and what the user sees of each.

#include "app/main_window_state.h"

namespace wattora {

enum class PowerRun { Completed, InvalidSystemCurve, ArithmeticFailure };

// The system curve with the drive falls below zero: the message, then back to the system data
// page. The calculation error flag is left alone.
void ReportInvalidSystemCurve(MainWindowState& state);
// A division by zero, a logarithm or root out of range or a result that is not finite: the
// message box during a step change, the check note always, and the calculation error flag.
void ReportArithmeticFailure(MainWindowState& state);
void ReportPowerFailure(MainWindowState& state, PowerRun run);

}  // namespace wattora
