#pragma once
// Input power at every percent of design flow for the drive and each conventional control.

#include "app/main_window_state.h"
#include "energy/calculation_failure.h"

namespace wattora {

// The flow loop alone: writes the efficiency curve, the shaft power in HP and the input
// powers and limit marks of the active application's results, and says how it ended. It
// stops at the first fault; the steps above it keep their new values.
PowerRun RunPowerAtFlow(MainWindowState& state);

// RunPowerAtFlow, and the message, page change or check note of a failure.
void ComputePowerAtFlow(MainWindowState& state);
// ComputePowerAtFlow, ComputeAnnualEnergy and the display of the drive results as one
// protected unit. True when the unit completed, so that the drive charts are drawn next.
bool ComputePowerAndEnergy(MainWindowState& state);

}  // namespace wattora
