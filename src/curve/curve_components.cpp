#include "curve/curve_components.h"

namespace wattora {

void AddCurveComponents(Form&) {}

std::span<const MessageText> CurveMessages() { return {}; }

}  // namespace wattora
