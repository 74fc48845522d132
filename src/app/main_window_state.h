#pragma once
// The core state of the main window: its form, the analysis record, the parameter table
// and the unit settings, with the user-interface port its handlers talk through.

#include <string>

#include "analysis/analysis_record.h"
#include "analysis/parameter_table.h"
#include "analysis/unit_settings.h"
#include "charts/chart_model.h"
#include "curve/curve_model.h"
#include "energy/system_result.h"
#include "options/program_options.h"
#include "ui/form.h"
#include "ui/user_interface.h"

namespace wattora {

struct MainWindowState {
  explicit MainWindowState(UserInterface& port);
  MainWindowState(const MainWindowState&) = delete;
  MainWindowState& operator=(const MainWindowState&) = delete;

  UserInterface& ui;
  UnitSettings units;
  ParameterTable table;
  Form form;
  AnalysisRecord record{form};
  ChartSet charts;
  CurveState curve;
  EnergyState energy;
  double SurgePressure = 0;  // curve pressure at the curve start point, from the curve drawing
  bool CalcError = false;    // an arithmetic failure happened in the last recalculation
  bool StepChangeBusy = false;
  bool ApplyingFile = false;  // set while the values of an analysis file are applied
  bool WindowCreated = false;
  ProgramOptions options;
  std::string WindowTitle;
};

// What creating the main window does to the core state: the currency symbol back to "$",
// the first build of the parameter table, the binding of the input fields.
void CreateMainWindow(MainWindowState& state);

// Rebuilds the parameter table for the active application and units, refreshes the money
// and power labels and binds the input fields again.
void RebuildParameterTable(MainWindowState& state);

}  // namespace wattora
