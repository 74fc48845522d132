#pragma once
// The main-window components and message texts of the curve subsystem.

#include <span>

#include "ui/form.h"
#include "ui/messages.h"

namespace wattora {

void AddCurveComponents(Form& form);
std::span<const MessageText> CurveMessages();

}  // namespace wattora
