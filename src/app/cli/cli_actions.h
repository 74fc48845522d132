#pragma once
// What a user does on the main window, by component name: typing into a field and leaving
// it, clicking a radio button, check box or button.

#include <string>
#include <string_view>

#include "app/main_window_state.h"

namespace wattora {

// Replaces the field's text by typing `text` (key filter and length apply), then leaves the
// field. Returns an empty text, or what is wrong.
std::string SetComponentText(MainWindowState& state, std::string_view name, std::string_view text);

// Clicks R1, R2, R4, R5, HORIZ, LOCKA144, LOCKA149, G1 to G5 or a button (see the README for
// the button names). Returns an empty text, or what is wrong.
std::string ClickComponent(MainWindowState& state, std::string_view name);

}  // namespace wattora
