#pragma once
// The recalculation pipeline, the step-2 and system data checks, and the step change.

#include "app/main_window_state.h"

namespace wattora {

// Recomputes every result of the analysis in the fixed order of its stages.
void Recalculate(MainWindowState& state);
// True when the required fields of step 2 are filled; an empty drive cost becomes "0".
bool StepTwoComplete(MainWindowState& state);
// True when design head, set-point head, removed pressure drop and the three powers are
// consistent; with showMessages the first failing rule shows its message.
bool CheckSystemData(MainWindowState& state, bool showMessages);
// The change handler of the step pages; runs after the page has changed.
void CalcPanelChange(MainWindowState& state);
// Shows the advanced curve panel of step 2.
void GoBackToCurve(MainWindowState& state);

}  // namespace wattora
