#pragma once
// The graph page: opening it at the tab that fits the button and the step, and going back.

#include "app/main_window_state.h"

namespace wattora {

enum class GraphButton {
  PowerGraphs,         // "Power Graphs" on step 5
  AnnualEnergyGraphs,  // "Annual Energy Graphs" on step 5
  PaybackGraph,        // "Payback Graph" on step 6
  Graphs,              // "&Graphs" on step 7
};

// Shows the graph page in place of the step pages. From the energy savings step it opens
// the payback tab; otherwise the annual energy tab for "Annual Energy Graphs" and the power
// tab for the others.
void OpenGraphPage(MainWindowState& state, GraphButton button);
// "&Go Back" of the graph page.
void GraphPageGoBackClick(MainWindowState& state);

}  // namespace wattora
