#pragma once
// The JSON object wattora-cli calc prints.

#include <string>

#include "app/main_window_state.h"
#include "ui/scripted_user_interface.h"

namespace wattora {

std::string CalcJson(const MainWindowState& state, const ScriptedUserInterface& ui);

}  // namespace wattora
