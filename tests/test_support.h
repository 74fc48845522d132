#pragma once

#include <stdexcept>

#include "app/main_window_state.h"
#include "ui/fatal.h"
#include "ui/scripted_user_interface.h"

namespace wattora::testing {

// Thrown by the terminate hook that tests install, so that a fatal error can be observed.
struct ProgramTerminated : std::runtime_error {
  ProgramTerminated() : std::runtime_error("program terminated") {}
};

class TerminateHookGuard {
 public:
  TerminateHookGuard() : previous_(SetTerminateHook([] { throw ProgramTerminated(); })) {}
  ~TerminateHookGuard() { SetTerminateHook(previous_); }

 private:
  TerminateHook previous_;
};

// A created main window with a scripted user interface.
struct TestWindow {
  TerminateHookGuard hook;
  ScriptedUserInterface ui;
  MainWindowState state{ui};
  TestWindow() { CreateMainWindow(state); }
};

}  // namespace wattora::testing
