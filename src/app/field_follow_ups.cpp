#include "app/field_follow_ups.h"

#include "charts/curve_charts.h"
#include "curve/build_curve_model.h"
#include "energy/costs.h"
#include "energy/duty_cycle.h"
#include "energy/recalculate.h"

namespace wattora {
namespace {

void RecalculateWhenSystemDataHold(MainWindowState& state) {
  if (CheckSystemData(state, false)) Recalculate(state);
}

}  // namespace

void AfterDutyFieldExit(MainWindowState& state) { ComputeDutyCycle(state); }

void AfterSystemFieldExit(MainWindowState& state, std::string_view) {
  TrackHeadAndPower(state);
  RecalculateWhenSystemDataHold(state);
}

void AfterDriveCostExit(MainWindowState& state) { RecalculateWhenSystemDataHold(state); }

void AfterCostFieldExit(MainWindowState& state) { ComputeCostTotals(state); }

void AfterStep2Restore(MainWindowState& state) {
  ResetCurveTracking(state);
  Recalculate(state);
}

void AfterStep4Restore(MainWindowState& state) { ComputeCostTotals(state); }

void AfterDutyCycleRestore(MainWindowState& state) { ComputeDutyCycle(state); }

}  // namespace wattora
