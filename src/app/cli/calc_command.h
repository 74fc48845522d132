#pragma once
// wattora-cli calc: runs an analysis headless and prints its figures as one JSON object.

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/application_kind.h"
#include "app/main_window_state.h"

namespace wattora {

struct CalcAction {
  bool isClick = false;
  std::string name;
  std::string text;
};

struct CalcRequest {
  std::vector<std::pair<std::string, std::string>> options;
  std::optional<ApplicationKind> newKind;
  std::string file;
  std::vector<CalcAction> actions;  // in the order given
  std::string saveAs;               // "Save analysis as" with this name after the actions
  int page = 4;
};

enum class CalcOutcome {
  Completed,    // the step change completed and nothing failed
  EndedEarly,   // a refusal, a failed calculation or a failed save
  WrongRequest  // wrong arguments or an unreadable file
};

// Reads the arguments after "calc"; nullopt (with the reason on err) when they are wrong.
std::optional<CalcRequest> ParseCalcRequest(std::span<const std::string_view> args, std::ostream& err);

// Runs the request on a main window it creates: options, new analysis or file, the typing
// and clicks, the save, then the step change. `problem` says what is wrong with a request
// that cannot run.
CalcOutcome ExecuteCalcRequest(const CalcRequest& request, MainWindowState& state,
                               std::string& problem);

// Exit status 0 when the step change completed, 1 when it ended early or a calculation
// failed, 2 for wrong arguments or an unreadable file.
int RunCalcCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace wattora
