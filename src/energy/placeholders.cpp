#include "energy/costs.h"
#include "energy/duty_cycle.h"
#include "energy/power_at_flow.h"

// Placeholders until the energy and cost calculations land.

namespace wattora {

void ComputePowerAtFlow(MainWindowState&) {}
bool ComputePowerAndEnergy(MainWindowState&) { return true; }
void ComputeDutyCycle(MainWindowState&) {}
void ComputeAnnualEnergy(MainWindowState&) {}
void ComputeCostTotals(MainWindowState&) {}
void ComparisonClick(MainWindowState&, ComparisonSystem) {}
void ShowSavingsAndPayback(MainWindowState&) {}
void RebuildTextLists(MainWindowState& state) { state.record.RebuildMemos(); }

}  // namespace wattora
