// The advanced-mode panel of step 2: entering it, leaving it, its zoomed graph, its curve
// fields, choices and restore command.
#include "analysis/number_notation.h"
#include "app/field_follow_ups.h"
#include "app/input_fields.h"
#include "charts/curve_charts.h"
#include "curve/build_curve_model.h"
#include "curve/curve_arithmetic.h"
#include "curve/design_point.h"
#include "curve/validate_curve_inputs.h"
#include "energy/recalculate.h"
#include "ui/messages.h"

namespace wattora {
namespace {

// A changed peak efficiency puts the additional efficiency point at this share of it, a
// changed peak-efficiency flow puts its flow at this share; the restored curve's point 2
// and end point lie at twice the design flow.
constexpr double kAddEfficiencyRatio = 0.8;
constexpr double kAddEfficiencyFlowRatio = 0.5;

void ShowPanelsOfStep2(Form& form, std::string_view shown) {
  for (std::string_view panel : {"Step2", "DutyCyclePanel", "FanAdvanced", "ADVANCEDGRAPH"}) {
    form.SetVisible(panel, panel == shown);
  }
}

// A follow-up field takes a share of its source when the source's text changed since the
// last time; `last` remembers the text.
void FollowChangedText(MainWindowState& state, std::string_view source, std::string& last,
                       std::string_view target, double ratio, int decimals) {
  const std::string& text = state.form.Text(source);
  if (text == last) return;
  last = text;
  state.form.SetText(target, FormatDisplayNumber(state.units, ratio * FieldValue(state, source), decimals));
}

void EnableSelectedLock(Form& form) {
  form.Field("A144").SetEnabled(form.Checked("LOCKA144"));
  form.Field("A149").SetEnabled(form.Checked("LOCKA149"));
}

void CheckHorizontal(MainWindowState& state) {
  if (state.form.Checked("HORIZ")) return;
  state.form.SetChecked("HORIZ", true);
  HorizClick(state);
}

}  // namespace

void AdvancedClick(MainWindowState& state) {
  if (!StepTwoComplete(state)) {
    ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information, "IDS_24", {Button::OK});
    return;
  }
  if (!CheckSystemData(state, true)) return;
  ShowPanelsOfStep2(state.form, "FanAdvanced");
  Recalculate(state);
}

void GoBackToStep2Click(MainWindowState& state) {
  if (!ValidateCurveInputs(state, true)) return;
  BuildCurveModel(state);
  Recalculate(state);
  if (!state.CalcError) ShowPanelsOfStep2(state.form, "Step2");
  // Leaving the panel also ends a step change that an earlier failure left unfinished.
  state.StepChangeBusy = false;
}

void ZoomGraphClick(MainWindowState& state) {
  // The zoomed graph covers the advanced panel, which stays the panel a step change checks.
  state.form.SetVisible("ADVANCEDGRAPH", true);
}

void GoBackToAdvancedModeClick(MainWindowState& state) {
  state.form.SetVisible("ADVANCEDGRAPH", false);
  state.form.SetVisible("FanAdvanced", true);
}

void HorizClick(MainWindowState& state) {
  if (state.ApplyingFile) return;  // a file being loaded sets the check box, not the user
  if (!ValidateCurveInputs(state, true)) return;
  BuildCurveModel(state);
  DrawCurveCharts(state);
}

void LockClick(MainWindowState& state, std::string_view lock) {
  Form& form = state.form;
  if (lock == "LOCKA149" && FieldValue(state, "A144") > FieldValue(state, "A145")) {
    form.SetText("A144", form.Text("A145"));
    form.SetText("A149", form.Text("A150"));
    // Only the check note and the repairs matter here; the curve is not rebuilt.
    ValidateCurveInputs(state, false);
  }
  EnableSelectedLock(form);
}

void AfterCurveFieldExit(MainWindowState& state, std::string_view field) {
  ClampFieldToLimits(state, field, true);
  CurveState& curve = state.curve;
  if (field == "A145") {
    FollowChangedText(state, "A145", curve.LastPeakEffText, "A146", kAddEfficiencyRatio, 1);
  } else if (field == "A150") {
    FollowChangedText(state, "A150", curve.LastPeakFlowText, "A151", kAddEfficiencyFlowRatio, 2);
  }
  if (!ValidateCurveInputs(state, false)) return;
  BuildCurveModel(state);
  Recalculate(state);
  DrawCurveCharts(state);
}

void AdvancedRestoreClick(MainWindowState& state) {
  if (ShowMessage(state.ui, TextTable::MainWindow, MessageType::Confirmation, "IDS_33",
                  {Button::Yes, Button::Cancel}) != Button::Yes) {
    return;
  }
  // The curve form is set back before the fields, so that its check runs on the user's
  // own points.
  CheckHorizontal(state);
  FillFieldsFromDefaults(state, FieldGroup::Advanced);
  AfterAdvancedRestore(state);
}

void AfterAdvancedRestore(MainWindowState& state) {
  CheckHorizontal(state);  // already done when the advanced panel's button started it
  CurveState& curve = state.curve;
  curve.CurveDefaultsPending = true;
  curve.LastPeakEffText.clear();
  curve.LastPeakFlowText.clear();
  EnableSelectedLock(state.form);
  if (CheckSystemData(state, false)) {
    TrackHeadAndPower(state);
    Recalculate(state);
  }
  if (!ValidateCurveInputs(state, false)) return;
  BuildCurveModel(state);
  PlaceDefaultPointsAroundDesignFlow(state);
  BuildCurveModel(state);
  DrawCurveCharts(state);
}

}  // namespace wattora
