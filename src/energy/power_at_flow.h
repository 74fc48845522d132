#pragma once
// Input power at every percent of design flow for the drive and each conventional control.

#include "app/main_window_state.h"

namespace wattora {

void ComputePowerAtFlow(MainWindowState& state);
// ComputePowerAtFlow, ComputeAnnualEnergy and the display of the drive results as one
// protected unit. True when the unit completed, so that the drive charts are drawn next.
bool ComputePowerAndEnergy(MainWindowState& state);

}  // namespace wattora
