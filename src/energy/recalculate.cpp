#include "energy/recalculate.h"

#include <charconv>

#include "analysis/number_notation.h"
#include "analysis/unit_labels.h"
#include "app/input_fields.h"
#include "charts/curve_charts.h"
#include "charts/result_charts.h"
#include "curve/build_curve_model.h"
#include "curve/validate_curve_inputs.h"
#include "energy/costs.h"
#include "energy/duty_cycle.h"
#include "energy/power_at_flow.h"
#include "ui/messages.h"

namespace wattora {
namespace {

constexpr MessageText kMessages[] = {
    {TextTable::MainWindow, "IDS_01",
     "The Design Head and Static Head Set Point entry are out of range! Please re-enter Design "
     "Head and Static Head Set Point."},
    {TextTable::MainWindow, "IDS_02",
     "The Design Head must be greater than the removed pressure drop! Please re-enter the "
     "Design Head or Removed Pressure drop."},
    {TextTable::MainWindow, "IDS_03",
     "The Static Head Set Point must be smaller or equal to Design Head! Please re-enter "
     "Design Head and Static Head Set Point."},
    {TextTable::MainWindow, "IDS_04",
     "Motor Power must be greater or equal to the Shaft Power! Please re-enter Motor Power and "
     "Shaft Power."},
    {TextTable::MainWindow, "IDS_05",
     "Drive Power must be greater or equal to the Shaft Power! Please re-enter Drive Power and "
     "Shaft Power."},
    {TextTable::MainWindow, "IDS_06",
     "Drive Power must be greater or equal to the Motor Power! Please re-enter Drive Power or "
     "Motor Power."},
    {TextTable::MainWindow, "IDS_14",
     "Total Duty Cycle Percentages entered do not equal 100%. Please adjust the duty cycle "
     "percentages before proceeding."},
    {TextTable::MainWindow, "IDS_22",
     "Please fill out all fields in STEP 2 to continue to the next step."},
};

// Design head times this is the default pressure of curve point 1.
constexpr double kPointOnePressureRatio = 1.2;

double RoundedToTwoDecimals(double value) {
  char text[400];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  if (ec != std::errc()) return value;
  double rounded = 0;
  return ReadPlainNumber(std::string_view(text, static_cast<std::size_t>(end - text)), rounded)
             ? rounded
             : value;
}

bool Fail(MainWindowState& state, bool showMessages, std::string_view key) {
  if (showMessages) {
    ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information, key, {Button::OK});
  }
  return false;
}

void Inform(MainWindowState& state, std::string_view key) {
  ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information, key, {Button::OK});
}

}  // namespace

std::span<const MessageText> PipelineMessages() { return kMessages; }

bool StepTwoComplete(MainWindowState& state) {
  const Form& form = state.form;
  bool complete = true;
  auto require = [&](std::initializer_list<std::string_view> fields) {
    for (std::string_view field : fields) complete = complete && !form.Field(field).Empty();
  };
  if (state.record.Application == ApplicationKind::Pump) {
    require({"A120", "A121", "A122", "A123", "A105", "A125", "A109", "A104"});
  } else if (state.record.Application == ApplicationKind::Fan) {
    require({"A122", "A105", "A125", "A109", "A104"});
  }
  if (form.Field("A109").Empty()) state.form.SetText("A109", "0");
  return complete;
}

bool CheckSystemData(MainWindowState& state, bool showMessages) {
  const Form& form = state.form;
  auto value = [&](std::string_view field) { return ParseDisplayNumber(state.units, form.Text(field)); };
  auto filled = [&](std::string_view field) { return !form.Field(field).Empty(); };

  if (filled("A120")) {
    const double head = value("A120");
    if (!(RoundedToTwoDecimals(kPointOnePressureRatio * head) > RoundedToTwoDecimals(head))) {
      return Fail(state, showMessages, "IDS_01");
    }
  }
  if (value("A120") < value("A123")) return Fail(state, showMessages, "IDS_02");
  if (filled("A120") && filled("A121") && value("A121") > value("A120")) {
    return Fail(state, showMessages, "IDS_03");
  }
  if (filled("A122") && filled("A105") && value("A122") > value("A105")) {
    return Fail(state, showMessages, "IDS_04");
  }
  if (filled("A122") && filled("A125") && value("A122") > value("A125")) {
    return Fail(state, showMessages, "IDS_05");
  }
  if (filled("A125") && filled("A105") && value("A105") > value("A125")) {
    return Fail(state, showMessages, "IDS_06");
  }
  return true;
}

void Recalculate(MainWindowState& state) {
  RefreshUnitLabels(state.form, state.record, state.units);
  state.CalcError = false;
  if (!StepTwoComplete(state)) return;
  if (state.WindowCreated && state.curve.CurveDefaultsPending && !ApplyCurveDefaults(state)) return;
  BuildCurveModel(state);
  ComputeDutyCycle(state);
  DrawCurveCharts(state);
  if (ComputePowerAndEnergy(state)) DrawDriveCharts(state);
  ComputeCostTotals(state);
  DrawCurveCharts(state);
}

void GoBackToCurve(MainWindowState& state) {
  state.form.SetVisible("DutyCyclePanel", false);
  state.form.SetVisible("FanAdvanced", true);
  state.form.SetVisible("ADVANCEDGRAPH", false);
  state.form.Pages("CalcPanel").SetActivePage(1);
}

void CalcPanelChange(MainWindowState& state) {
  Form& form = state.form;
  state.StepChangeBusy = true;
  StoreFieldsToTable(state);
  if (form.Visible("FanAdvanced")) {
    if (!ValidateCurveInputs(state, true)) {
      GoBackToCurve(state);
      return;
    }
    BuildCurveModel(state);
  }
  if (!CheckSystemData(state, true)) {
    GoBackToCurve(state);
    return;
  }
  Recalculate(state);
  if (state.CalcError) {
    GoBackToCurve(state);
    return;
  }
  ShowSavingsAndPayback(state);
  PageControl& pages = form.Pages("CalcPanel");
  if (form.Visible("Step2") && !StepTwoComplete(state) && pages.ActivePage() >= 2) {
    Inform(state, "IDS_22");
    pages.SetActivePage(1);
    return;
  }
  if (form.Visible("DutyCyclePanel")) {
    CopyMirrorsToHours(form);
    ComputeDutyCycle(state);
    if (state.energy.Duty.DutyTotal != 100) {
      Inform(state, "IDS_14");
      pages.SetActivePage(1);
      return;
    }
  }
  form.SetVisible("GraphPanel", false);
  pages.SetVisible(true);
  form.SetVisible("Step6Panel", true);
  form.SetVisible("Step2", true);
  form.SetVisible("DutyCyclePanel", false);
  form.SetVisible("FanAdvanced", false);
  form.SetVisible("ADVANCEDGRAPH", false);
  RebuildTextLists(state);
  state.StepChangeBusy = false;
}

}  // namespace wattora
