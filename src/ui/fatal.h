#pragma once
// Defects of the built-in tables end the program after their fixed message. The ending goes
// through one replaceable hook so that tests can observe it.

#include <functional>
#include <string_view>

#include "ui/user_interface.h"

namespace wattora {

using TerminateHook = std::function<void()>;

// Installs the hook and returns the previous one. The default hook ends the process.
TerminateHook SetTerminateHook(TerminateHook hook);

// Shows text in a message box of the given type and button, then runs the terminate hook.
// Should the hook return, the process is aborted.
[[noreturn]] void FatalError(UserInterface& ui, std::string_view text,
                             MessageType type = MessageType::Error, Button button = Button::OK);

}  // namespace wattora
