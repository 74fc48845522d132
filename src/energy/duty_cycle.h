#pragma once
// Operating hours and the duty cycle.

#include "app/main_window_state.h"
#include "energy/system_result.h"

namespace wattora {

// Reads hours and shares, writes state.energy.Duty and its labels, redraws the duty charts.
void ComputeDutyCycle(MainWindowState& state);

// The hours per year spent at a duty-cycle step (0 = 10 % flow ... 9 = 100 % flow).
double HoursAtStep(const DutyCycle& duty, int step);
// StepHours from the shares and the operating hours.
void UpdateStepHours(DutyCycle& duty);

}  // namespace wattora
