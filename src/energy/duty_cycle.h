#pragma once
// Operating hours and the duty cycle.

#include "app/main_window_state.h"

namespace wattora {

// Reads hours and shares, writes state.energy.Duty and its labels, redraws the duty charts.
void ComputeDutyCycle(MainWindowState& state);

}  // namespace wattora
