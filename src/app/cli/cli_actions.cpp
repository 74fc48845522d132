#include "app/cli/cli_actions.h"

#include <functional>
#include <utility>

#include "app/analysis_steps.h"
#include "app/input_fields.h"
#include "charts/curve_charts.h"
#include "energy/costs.h"

namespace wattora {
namespace {

using Handler = std::function<void(MainWindowState&)>;

const std::pair<std::string_view, Handler> kButtons[] = {
    {"ADVANCED", AdvancedClick},
    {"DUTYCYCLE", OpenDutyCyclePage},
    {"GOBACKSTEP2",
     [](MainWindowState& s) {
       if (s.form.Visible("DutyCyclePanel")) LeaveDutyCyclePage(s);
       else GoBackToStep2Click(s);
     }},
    {"RESTORE2", [](MainWindowState& s) { RestoreStep2Defaults(s); }},
    {"RESTORE4", [](MainWindowState& s) { RestoreStep4Defaults(s); }},
    {"RESTOREDUTY", [](MainWindowState& s) { RestoreDutyCycleDefaults(s); }},
    {"RESTOREADVANCED", AdvancedRestoreClick},
    {"ZOOMGRAPH", ZoomGraphClick},
    {"GOBACKADVANCED", GoBackToAdvancedModeClick},
    {"CONTINUE", ContinueClick},
    {"GOBACK", GoBackClick},
};

}  // namespace

std::string SetComponentText(MainWindowState& state, std::string_view name, std::string_view text) {
  if (!state.form.HasField(name)) return "no field named " + std::string(name);
  state.form.SetText(name, "");
  TypeIntoField(state, name, text);
  CheckFieldOnExit(state, name);
  return {};
}

std::string ClickComponent(MainWindowState& state, std::string_view name) {
  Form& form = state.form;
  for (std::size_t i = 0; i < kComparisonButtons.size(); ++i) {
    if (name != kComparisonButtons[i] || name == "R3") continue;
    const auto system = static_cast<ComparisonSystem>(i);
    if (!form.ChoiceNamed(name).Visible()) return std::string(name) + " is not offered";
    form.SetChecked(name, true);
    ComparisonClick(state, system);
    return {};
  }
  if (name == "HORIZ") {
    form.SetChecked(name, !form.Checked(name));
    HorizClick(state);
    return {};
  }
  if (name == "LOCKA144" || name == "LOCKA149") {
    form.SetChecked(name, true);
    LockClick(state, name);
    return {};
  }
  for (std::string_view graph : kReportGraphChoices) {
    if (name == graph) {
      form.SetChecked(name, !form.Checked(name));
      return {};
    }
  }
  for (const auto& [button, handler] : kButtons) {
    if (name == button) {
      handler(state);
      return {};
    }
  }
  return "nothing to click named " + std::string(name);
}

}  // namespace wattora
