#pragma once
// Every subsystem contributes the English texts of the messages it shows; the catalog is the
// union of these lists.

#include <span>
#include <vector>

#include "ui/messages.h"

namespace wattora {

std::span<const MessageText> InputFieldMessages();
std::span<const MessageText> NavigationMessages();
std::span<const MessageText> PipelineMessages();
std::span<const MessageText> CurveMessages();
std::span<const MessageText> EnergyMessages();
std::span<const MessageText> ChartMessages();
std::span<const MessageText> FileMessages();

std::vector<std::span<const MessageText>> MessageCatalogParts();

}  // namespace wattora
