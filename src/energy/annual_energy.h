#pragma once
// Annual energy and energy cost of every result of the active application, and the drive's
// step-5 table.

#include "app/main_window_state.h"

namespace wattora {

// Weights the input powers at 10 % ... 100 % flow with the hours at each duty-cycle step.
// False on a result that is not finite; the results before it keep their new values.
bool AccumulateAnnualEnergy(MainWindowState& state);

// POWERD100 ... POWERD10, END100 ... END10 and DRIVETOTALKWHR.
void ShowDriveResults(MainWindowState& state);

}  // namespace wattora
