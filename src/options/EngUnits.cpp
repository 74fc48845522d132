#include "options/EngUnits.h"

namespace wattora {

SetupOverviewContent SetupOverviewFor(const UnitSettings& units, const ProgramOptions& options) {
  SetupOverviewContent content;
  content.CurrencySymbol = units.CurrencySymbol;
  content.PowerUnits = std::string(UnitCaption(units, UnitKind::Power));
  content.FanPressureUnits = std::string(UnitCaption(units, UnitKind::FanPressure));
  content.FanFlowUnits = std::string(UnitCaption(units, UnitKind::FanFlow));
  content.PumpPressureUnits = std::string(UnitCaption(units, UnitKind::PumpHead));
  content.PumpFlowUnits = std::string(UnitCaption(units, UnitKind::PumpFlow));
  content.ShowBeforeNewAnalysis = options.ShowSetupOverview;
  return content;
}

void CloseSetupOverview(ProgramOptions& options, const SetupOverviewContent& shown) {
  options.ShowSetupOverview = shown.ShowBeforeNewAnalysis;
}

}  // namespace wattora
