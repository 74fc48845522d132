#pragma once
// The core state of the main window: its form, the analysis record, the parameter table
// and the unit settings, with the user-interface port its handlers talk through.

#include "analysis/analysis_record.h"
#include "analysis/parameter_table.h"
#include "analysis/unit_settings.h"
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
  bool WindowCreated = false;
};

// What creating the main window does to the core state: the currency symbol back to "$",
// the first build of the parameter table, the binding of the input fields.
void CreateMainWindow(MainWindowState& state);

// Rebuilds the parameter table for the active application and units, refreshes the money
// and power labels and binds the input fields again.
void RebuildParameterTable(MainWindowState& state);

}  // namespace wattora
