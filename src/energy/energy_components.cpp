#include "energy/energy_components.h"

namespace wattora {

void AddEnergyComponents(Form&) {}

std::span<const MessageText> EnergyMessages() { return {}; }

}  // namespace wattora
