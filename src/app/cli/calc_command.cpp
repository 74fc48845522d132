#include "app/cli/calc_command.h"

#include <optional>
#include <string>
#include <vector>

#include "app/analysis_steps.h"
#include "app/cli/calc_json.h"
#include "app/cli/cli_actions.h"
#include "app/cli/cli_options.h"
#include "app/main_window_state.h"
#include "files/analysis_commands.h"
#include "options/memory_settings_store.h"
#include "energy/recalculate.h"
#include "ui/scripted_user_interface.h"

namespace wattora {
namespace {

bool SplitAssignment(std::string_view text, std::string& name, std::string& value) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) return false;
  name = std::string(text.substr(0, equals));
  value = std::string(text.substr(equals + 1));
  return true;
}

}  // namespace

std::optional<CalcRequest> ParseCalcRequest(std::span<const std::string_view> args,
                                            std::ostream& err) {
  CalcRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    auto next = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= args.size()) {
        err << "wattora-cli calc: " << arg << " needs a value\n";
        return std::nullopt;
      }
      return args[++i];
    };
    if (arg == "--option" || arg == "--set") {
      auto value = next();
      if (!value) return std::nullopt;
      std::string name, text;
      if (!SplitAssignment(*value, name, text)) {
        err << "wattora-cli calc: " << arg << " expects NAME=VALUE, got '" << *value << "'\n";
        return std::nullopt;
      }
      if (arg == "--option") request.options.emplace_back(name, text);
      else request.actions.push_back({false, name, text});
    } else if (arg == "--click") {
      auto value = next();
      if (!value) return std::nullopt;
      request.actions.push_back({true, std::string(*value), {}});
    } else if (arg == "--new") {
      auto value = next();
      if (!value) return std::nullopt;
      if (*value == "fan") request.newKind = ApplicationKind::Fan;
      else if (*value == "pump") request.newKind = ApplicationKind::Pump;
      else {
        err << "wattora-cli calc: --new expects fan or pump\n";
        return std::nullopt;
      }
    } else if (arg == "--save-as") {
      auto value = next();
      if (!value) return std::nullopt;
      request.saveAs = std::string(*value);
    } else if (arg == "--page") {
      auto value = next();
      if (!value) return std::nullopt;
      if (value->size() != 1 || (*value)[0] < '0' || (*value)[0] > '5') {
        err << "wattora-cli calc: --page expects 0 to 5\n";
        return std::nullopt;
      }
      request.page = (*value)[0] - '0';
    } else if (!arg.empty() && arg[0] == '-') {
      err << "wattora-cli calc: unknown option " << arg << "\n";
      return std::nullopt;
    } else if (request.file.empty()) {
      request.file = std::string(arg);
    } else {
      err << "wattora-cli calc: more than one file given\n";
      return std::nullopt;
    }
  }
  if (request.newKind.has_value() == !request.file.empty()) {
    err << "wattora-cli calc: give either --new fan|pump or FILE\n";
    return std::nullopt;
  }
  return request;
}

CalcOutcome ExecuteCalcRequest(const CalcRequest& request, MainWindowState& state,
                               std::string& problem) {
  CreateMainWindow(state);
  for (const auto& [key, value] : request.options) {
    problem = ApplyCliOption(state.units, key, value);
    if (!problem.empty()) return CalcOutcome::WrongRequest;
  }
  state.options.ShowIntroduction = false;
  // A run from the command line leaves the user's recent list alone.
  MemorySettingsStore store;
  if (request.file.empty()) {
    StartAnalysis(state, *request.newKind);
  } else {
    switch (OpenNamedAnalysis(state, store, request.file)) {
      case OpenOutcome::Loaded: break;
      case OpenOutcome::Refused: return CalcOutcome::EndedEarly;
      case OpenOutcome::Unreadable:
        problem = "cannot read " + request.file;
        return CalcOutcome::WrongRequest;
    }
  }
  for (const CalcAction& action : request.actions) {
    problem = action.isClick ? ClickComponent(state, action.name)
                             : SetComponentText(state, action.name, action.text);
    if (!problem.empty()) return CalcOutcome::WrongRequest;
  }
  bool saved = true;
  if (!request.saveAs.empty()) {
    saved = SaveAnalysisAs(state, store, request.saveAs) == SaveOutcome::Saved;
  }
  TabClick(state, request.page);
  const bool completed = saved && !state.StepChangeBusy && !state.CalcError;
  return completed ? CalcOutcome::Completed : CalcOutcome::EndedEarly;
}

int RunCalcCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  std::optional<CalcRequest> request = ParseCalcRequest(args, err);
  if (!request) return 2;
  ScriptedUserInterface ui;
  MainWindowState state(ui);
  std::string problem;
  const CalcOutcome outcome = ExecuteCalcRequest(*request, state, problem);
  if (outcome == CalcOutcome::WrongRequest) {
    err << "wattora-cli calc: " << problem << "\n";
    return 2;
  }
  out << CalcJson(state, ui) << '\n';
  return outcome == CalcOutcome::Completed ? 0 : 1;
}

}  // namespace wattora
