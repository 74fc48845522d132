#include "ui/fatal.h"

#include <cstdlib>
#include <utility>

namespace wattora {
namespace {

TerminateHook& CurrentHook() {
  static TerminateHook hook = [] { std::exit(EXIT_FAILURE); };
  return hook;
}

}  // namespace

TerminateHook SetTerminateHook(TerminateHook hook) {
  return std::exchange(CurrentHook(), std::move(hook));
}

void FatalError(UserInterface& ui, std::string_view text, MessageType type, Button button) {
  Ask(ui, type, text, {button});
  if (CurrentHook()) CurrentHook()();
  std::abort();
}

}  // namespace wattora
