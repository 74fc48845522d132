// The default curve and the tracking of the design head and shaft power that asks for it;
// declared in curve/build_curve_model.h.
#include "app/input_fields.h"
#include "charts/curve_charts.h"
#include "curve/build_curve_model.h"
#include "curve/curve_arithmetic.h"
#include "curve/design_point.h"
#include "curve/validate_curve_inputs.h"

namespace wattora {
namespace {

// The default curve's point 2 and end point lie at this multiple of the design flow, the
// additional efficiency point at this share of the peak-efficiency flow, and point 1 at
// this multiple of the design head.
constexpr double kPoint2FlowRatio = 2.0;
constexpr double kAddEfficiencyFlowRatio = 0.5;
constexpr double kPoint1PressureRatio = 1.2;

void AskForDefaultCurve(CurveState& curve) {
  curve.CurveDefaultsPending = true;
  curve.LastPeakEffText.clear();
  curve.LastPeakFlowText.clear();
}

}  // namespace

void PlaceDefaultPointsAroundDesignFlow(MainWindowState& state) {
  Form& form = state.form;
  auto write = [&](std::string_view field, double value) {
    form.SetText(field, RoundedDisplayText(state.units, value, 2));
  };
  const double endFlow = kPoint2FlowRatio * FieldValue(state, "A153");
  write("A154", endFlow);
  write("A159", endFlow);
  form.SetText("A150", form.Text("A149"));
  write("A151", kAddEfficiencyFlowRatio * FieldValue(state, "A150"));
}

bool ApplyCurveDefaults(MainWindowState& state) {
  CurveState& curve = state.curve;
  Form& form = state.form;
  curve.LastPeakEffText.clear();
  curve.LastPeakFlowText.clear();
  curve.CurveDefaultsPending = false;

  // Selects LOCKA144 and hides the check note before the fields; the click keeps A144 and
  // A149 enabled as the selected radio button says.
  FillFieldsFromDefaults(state, FieldGroup::Advanced);
  LockClick(state, "LOCKA144");

  if (!ValidateCurveInputs(state, false)) return false;
  BuildCurveModel(state);

  PlaceDefaultPointsAroundDesignFlow(state);
  form.SetText("A155", RoundedDisplayText(state.units, kPoint1PressureRatio * FieldValue(state, "A120"), 2));
  return true;
}

void TrackHeadAndPower(MainWindowState& state) {
  CurveState& curve = state.curve;
  const double head = FieldValue(state, "A120");
  if (head != curve.LastDesignHead) {
    curve.LastDesignHead = head;
    AskForDefaultCurve(curve);
  }
  const double power = FieldValue(state, "A122");
  if (power != curve.LastShaftPower) {
    curve.LastShaftPower = power;
    AskForDefaultCurve(curve);
  }
}

void StoreHeadAndPower(MainWindowState& state) {
  CurveState& curve = state.curve;
  const double head = FieldValue(state, "A120");
  if (head != curve.LastDesignHead) curve.LastDesignHead = head;
  const double power = FieldValue(state, "A122");
  if (power != curve.LastShaftPower) curve.LastShaftPower = power;
}

}  // namespace wattora
