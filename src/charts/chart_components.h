#pragma once
// The main-window components, charts and message texts of the chart subsystem.

#include <span>

#include "charts/chart_model.h"
#include "ui/form.h"
#include "ui/messages.h"

namespace wattora {

void AddChartComponents(Form& form, ChartSet& charts);
std::span<const MessageText> ChartMessages();

}  // namespace wattora
