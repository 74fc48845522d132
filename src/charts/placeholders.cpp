#include "app/field_follow_ups.h"
#include "charts/curve_charts.h"
#include "charts/result_charts.h"

// Placeholders until the chart data land.

namespace wattora {

void DrawCurveCharts(MainWindowState&) {}
void ResetCurveTracking(MainWindowState& state) {
  state.curve.CurveDefaultsPending = true;
  state.curve.LastDesignHead = -1.0;
  state.curve.LastShaftPower = -1.0;
}
void AdvancedClick(MainWindowState&) {}
void HorizClick(MainWindowState&) {}
void LockClick(MainWindowState&, std::string_view) {}
void GoBackToStep2Click(MainWindowState&) {}
void AdvancedRestoreClick(MainWindowState&) {}
void ZoomGraphClick(MainWindowState&) {}
void GoBackToAdvancedModeClick(MainWindowState&) {}

void AfterCurveFieldExit(MainWindowState&, std::string_view) {}
void AfterAdvancedRestore(MainWindowState&) {}

void DrawDutyCharts(MainWindowState&) {}
void DrawDriveCharts(MainWindowState&) {}
void DrawComparisonCharts(MainWindowState&, const SystemResult&) {}
void DrawPaybackChart(MainWindowState&) {}
void YearsComboChange(MainWindowState&, int) {}
void SetFanTitles(MainWindowState&) {}
void SetPumpTitles(MainWindowState&) {}

}  // namespace wattora
