#include "app/main_window_state.h"

#include "analysis/parameter_catalog.h"
#include "analysis/unit_labels.h"
#include "app/input_fields.h"
#include "app/navigation_components.h"
#include "charts/chart_components.h"
#include "curve/check_note.h"
#include "curve/curve_components.h"
#include "energy/energy_components.h"

namespace wattora {

MainWindowState::MainWindowState(UserInterface& port) : ui(port) {
  AddUnitLabels(form);
  AddCheckNote(form);
  AddNavigationComponents(form);
  AddCurveComponents(form);
  AddEnergyComponents(form);
  AddChartComponents(form, charts);
}

void CreateMainWindow(MainWindowState& state) {
  state.units.CurrencySymbol = "$";
  BuildParameterTable(state.table, state.ui, false, state.record.Application, state.units);
  BindInputFields(state);
  state.WindowCreated = true;
}

void RebuildParameterTable(MainWindowState& state) {
  BuildParameterTable(state.table, state.ui, true, state.record.Application, state.units);
  RefreshMoneyAndPowerLabels(state.form, state.units);
  BindInputFields(state);
}

}  // namespace wattora
