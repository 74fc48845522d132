#include "energy/calculation_failure.h"

#include "curve/check_note.h"
#include "ui/messages.h"

namespace wattora {
namespace {

constexpr int kSystemDataPage = 1;

void ShowSystemDataPage(Form& form) {
  form.Pages("CalcPanel").SetActivePage(kSystemDataPage);
  form.SetVisible("GraphPanel", false);
  form.Pages("CalcPanel").SetVisible(true);
  form.SetVisible("Step6Panel", true);
  form.SetVisible("Step2", true);
  form.SetVisible("DutyCyclePanel", false);
  form.SetVisible("FanAdvanced", false);
  form.SetVisible("ADVANCEDGRAPH", false);
}

}  // namespace

void ReportInvalidSystemCurve(MainWindowState& state) {
  const bool pump = state.record.Application == ApplicationKind::Pump;
  ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information,
              pump ? "IDS_17" : "IDS_16", {Button::OK});
  ShowSystemDataPage(state.form);
}

void ReportArithmeticFailure(MainWindowState& state) {
  if (state.StepChangeBusy) {
    ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information, "IDS_18",
                {Button::OK});
  }
  ShowCheckNote(state.form, Message(TextTable::MainWindow, "IDS_19"));
  state.CalcError = true;
}

void ReportPowerFailure(MainWindowState& state, PowerRun run) {
  if (run == PowerRun::InvalidSystemCurve) ReportInvalidSystemCurve(state);
  if (run == PowerRun::ArithmeticFailure) ReportArithmeticFailure(state);
}

}  // namespace wattora
