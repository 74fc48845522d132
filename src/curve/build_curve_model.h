#pragma once
// Construction of the curve model from the design point and the curve points.

#include "app/main_window_state.h"

namespace wattora {

// Rewrites state.curve.Model from the curve inputs; may write A144, A147, A148, A149, A153,
// A156 and A158; sets CalcError when it fails.
void BuildCurveModel(MainWindowState& state);
// The default curve, when CurveDefaultsPending is set; false ends the recalculation.
bool ApplyCurveDefaults(MainWindowState& state);
// Point 2 and the end point at twice the design flow, the peak-efficiency flow at the design
// flow and the additional efficiency point at half of it.
void PlaceDefaultPointsAroundDesignFlow(MainWindowState& state);
// After leaving A102, A102A, A104 to A108, A120 to A123 or A125.
void TrackHeadAndPower(MainWindowState& state);
// After an analysis has been read from a file.
void StoreHeadAndPower(MainWindowState& state);

}  // namespace wattora
