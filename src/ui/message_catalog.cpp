#include "ui/message_catalog.h"

namespace wattora {

std::vector<std::span<const MessageText>> MessageCatalogParts() {
  return {InputFieldMessages(), NavigationMessages(), PipelineMessages(), CurveMessages(), EnergyMessages(),
          ChartMessages(), FileMessages()};
}

}  // namespace wattora
