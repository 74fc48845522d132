#pragma once
// The duty-cycle, power, annual-energy and payback charts, and the fan or pump titles.

#include "app/main_window_state.h"
#include "energy/system_result.h"

namespace wattora {

void DrawDutyCharts(MainWindowState& state);
void DrawDriveCharts(MainWindowState& state);
void DrawComparisonCharts(MainWindowState& state, const SystemResult& comparison);
void DrawPaybackChart(MainWindowState& state);
void YearsComboChange(MainWindowState& state, int index);
void SetFanTitles(MainWindowState& state);
void SetPumpTitles(MainWindowState& state);

}  // namespace wattora
