#pragma once
// The consistency rules of the advanced-mode curve inputs.

#include "app/main_window_state.h"

namespace wattora {

// True when the curve inputs describe a curve that can be fitted; the first failing rule
// shows its text in the check note and, with showMessages, in a message box.
bool ValidateCurveInputs(MainWindowState& state, bool showMessages);

}  // namespace wattora
