#pragma once
// The program setup overview shown before a new analysis: the current units and currency,
// and whether to show it again.

#include <string>

#include "analysis/unit_settings.h"
#include "options/program_options.h"

namespace wattora {

enum class SetupOverviewResult { Continue, ChangeSetup, Cancelled };

struct SetupOverviewContent {
  std::string CurrencySymbol;
  std::string PowerUnits;
  std::string FanPressureUnits;
  std::string FanFlowUnits;
  std::string PumpPressureUnits;
  std::string PumpFlowUnits;
  bool ShowBeforeNewAnalysis = true;  // "Show this overview before start of a new analysis."
};

SetupOverviewContent SetupOverviewFor(const UnitSettings& units, const ProgramOptions& options);

// Closing the overview keeps its check box in option "L9" whatever button closed it.
void CloseSetupOverview(ProgramOptions& options, const SetupOverviewContent& shown);

}  // namespace wattora
