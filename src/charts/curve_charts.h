#pragma once
// The fan (or pump) and control curve charts, the surge line and the advanced mode.

#include <string_view>

#include "app/main_window_state.h"

namespace wattora {

// The "Draw" action: series colours and widths, fan and control curves, surge line; sets
// state.SurgePressure.
void DrawCurveCharts(MainWindowState& state);
// The fan curve of the model between the curve start and end points, and the surge line.
void DrawFanCurve(MainWindowState& state);
// The system curve from 0 to 110 % of the design flow.
void DrawControlCurve(MainWindowState& state);
// Resets the curve model's change tracking and clears the curve charts, as for a new
// analysis.
void ResetCurveTracking(MainWindowState& state);

// Advanced-mode handlers.
void AdvancedClick(MainWindowState& state);  // "Advanced" on step 2 or a click on its chart
void HorizClick(MainWindowState& state);
void LockClick(MainWindowState& state, std::string_view lock);  // "LOCKA144" or "LOCKA149"
void GoBackToStep2Click(MainWindowState& state);
void AdvancedRestoreClick(MainWindowState& state);
void ZoomGraphClick(MainWindowState& state);  // also a click on Chart1
void GoBackToAdvancedModeClick(MainWindowState& state);

}  // namespace wattora
