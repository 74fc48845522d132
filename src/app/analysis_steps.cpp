#include "app/analysis_steps.h"

#include <algorithm>

#include "app/input_fields.h"
#include "app/navigation_components.h"
#include "app/new_analysis.h"
#include "charts/curve_charts.h"
#include "charts/result_charts.h"
#include "energy/duty_cycle.h"
#include "energy/recalculate.h"
#include "ui/messages.h"

namespace wattora {
namespace {

constexpr MessageText kMessages[] = {
    {TextTable::MainWindow, "IDS_20",
     "Please fill out all fields in STEP 2 to go to the duty cycle screen."},
    {TextTable::MainWindow, "IDS_56", " Fan Application > Project: "},
    {TextTable::MainWindow, "IDS_57", " Pump Application > Project: "},
};

constexpr std::string_view kProgramTitle = "KRA\xC2\xAE Wattora";

void ShowSystemDataPage(Form& form) {
  form.SetVisible("Step2", true);
  form.SetVisible("DutyCyclePanel", false);
  form.SetVisible("FanAdvanced", false);
  form.SetVisible("ADVANCEDGRAPH", false);
}

void ChangeStepTo(MainWindowState& state, int page) {
  state.form.Pages("CalcPanel").SetActivePage(std::clamp(page, 0, kStepPageCount - 1));
  CalcPanelChange(state);
}

}  // namespace

std::span<const MessageText> NavigationMessages() { return kMessages; }

std::string StepsWindowTitle(const MainWindowState& state) {
  std::string title(kProgramTitle);
  const std::string& project = state.form.Text("QNUM");
  if (project.empty()) return title;
  const bool pump = state.record.Application == ApplicationKind::Pump;
  title += Message(TextTable::MainWindow, pump ? "IDS_57" : "IDS_56");
  title += project;
  return title;
}

void StartAnalysis(MainWindowState& state, ApplicationKind kind) {
  Form& form = state.form;
  ResetRecordForNewAnalysis(state, kind);
  ResetCurveTracking(state);
  state.WindowTitle = std::string(kProgramTitle);
  Recalculate(state);
  form.Pages("CalcPanel").SetActivePage(0);
  form.SetVisible("GraphsScreen", false);
  ShowSystemDataPage(form);
  if (kind == ApplicationKind::Pump) {
    SetPumpTitles(state);
    state.record.RestrictComparisonToPump();
  } else {
    SetFanTitles(state);
  }
  form.SetText("QNUM1", form.Text("QNUM"));
  ComputeDutyCycle(state);
  const bool guide = state.options.ShowIntroduction;
  form.SetVisible("MainMenuScreen", false);
  form.SetVisible("GuideScreen", guide);
  form.SetVisible("StepsScreen", !guide);
  if (!guide) state.WindowTitle = StepsWindowTitle(state);
}

void ContinueClick(MainWindowState& state) {
  ChangeStepTo(state, state.form.Pages("CalcPanel").ActivePage() + 1);
}

void GoBackClick(MainWindowState& state) {
  ChangeStepTo(state, state.form.Pages("CalcPanel").ActivePage() - 1);
}

void TabClick(MainWindowState& state, int page) { ChangeStepTo(state, page); }

void OpenDutyCyclePage(MainWindowState& state) {
  if (!StepTwoComplete(state)) {
    ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information, "IDS_20", {Button::OK});
    return;
  }
  if (!CheckSystemData(state, true)) return;
  Form& form = state.form;
  form.SetVisible("Step2", false);
  form.SetVisible("FanAdvanced", false);
  form.SetVisible("ADVANCEDGRAPH", false);
  form.SetVisible("DutyCyclePanel", true);
  CopyHoursToMirrors(form);
}

void LeaveDutyCyclePage(MainWindowState& state) {
  if (state.energy.Duty.DutyTotal != 100) {
    ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information, "IDS_14", {Button::OK});
    return;
  }
  ShowSystemDataPage(state.form);
  CopyMirrorsToHours(state.form);
  ComputeDutyCycle(state);
}

}  // namespace wattora
