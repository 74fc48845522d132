#pragma once
// What the exit rules and restore commands of the input fields start once their own work is
// done: the duty cycle, the curve tracking, the system data check, the recalculation and the
// cost totals. This is the one place where the input fields meet the calculation.

#include <string_view>

#include "app/main_window_state.h"

namespace wattora {

void AfterDutyFieldExit(MainWindowState& state);
void AfterSystemFieldExit(MainWindowState& state, std::string_view field);
void AfterDriveCostExit(MainWindowState& state);
void AfterCostFieldExit(MainWindowState& state);
// The curve rule and the rest of the advanced restore belong to the advanced mode
// (charts/advanced_mode.cpp).
void AfterCurveFieldExit(MainWindowState& state, std::string_view field);

void AfterStep2Restore(MainWindowState& state);
void AfterStep4Restore(MainWindowState& state);
void AfterDutyCycleRestore(MainWindowState& state);
void AfterAdvancedRestore(MainWindowState& state);

}  // namespace wattora
