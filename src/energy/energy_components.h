#pragma once
// The main-window components and message texts of the energy subsystem.

#include <span>

#include "ui/form.h"
#include "ui/messages.h"

namespace wattora {

void AddEnergyComponents(Form& form);
std::span<const MessageText> EnergyMessages();

}  // namespace wattora
