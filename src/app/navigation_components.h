#pragma once
// The screens, step pages and panels of the main window.

#include <span>

#include "ui/form.h"
#include "ui/messages.h"

namespace wattora {

inline constexpr int kStepPageCount = 6;   // CalcPanel: pages 0 to 5
inline constexpr int kGraphPageCount = 5;  // GraphControl: pages 0 to 4

void AddNavigationComponents(Form& form);
std::span<const MessageText> NavigationMessages();

}  // namespace wattora
