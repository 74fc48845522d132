#include "charts/chart_components.h"

namespace wattora {

void AddChartComponents(Form&, ChartSet&) {}

std::span<const MessageText> ChartMessages() { return {}; }

}  // namespace wattora
