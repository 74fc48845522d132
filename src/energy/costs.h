#pragma once
// Annual energy, cost totals, the comparison display, savings and payback.

#include "analysis/analysis_record.h"
#include "app/main_window_state.h"

namespace wattora {

void ComputeAnnualEnergy(MainWindowState& state);
void ComputeCostTotals(MainWindowState& state);
// The comparison display of R1, R2, R4 and R5 (a click on the radio button).
void ComparisonClick(MainWindowState& state, ComparisonSystem system);
void ShowSavingsAndPayback(MainWindowState& state);
void RebuildTextLists(MainWindowState& state);

}  // namespace wattora
