#include "curve/build_curve_model.h"

// Placeholder until curve construction lands.

namespace wattora {

void BuildCurveModel(MainWindowState&) {}
bool ApplyCurveDefaults(MainWindowState&) { return true; }
void TrackHeadAndPower(MainWindowState&) {}
void StoreHeadAndPower(MainWindowState&) {}

}  // namespace wattora
