#include "options/EngUnits.h"

#include <gtest/gtest.h>

namespace wattora {
namespace {

TEST(SetupOverview, ShowsTheCurrentSetupAndKeepsItsCheckBox) {
  UnitSettings units;
  units.PowerUnit = 1;
  units.FanFlowUnit = 3;
  units.PumpPressureUnit = 5;
  units.CurrencyChoice = 2;
  UpdateCurrencySymbol(units);
  ProgramOptions options;
  SetupOverviewContent shown = SetupOverviewFor(units, options);
  EXPECT_EQ(shown.CurrencySymbol, "\xE2\x82\xAC");
  EXPECT_EQ(shown.PowerUnits, "kW");
  EXPECT_EQ(shown.FanPressureUnits, "in wg");
  EXPECT_EQ(shown.FanFlowUnits, "l/s");
  EXPECT_EQ(shown.PumpPressureUnits, "Bar");
  EXPECT_EQ(shown.PumpFlowUnits, "GPM");
  EXPECT_TRUE(shown.ShowBeforeNewAnalysis);
  shown.ShowBeforeNewAnalysis = false;
  CloseSetupOverview(options, shown);
  EXPECT_FALSE(options.ShowSetupOverview);
}

}  // namespace
}  // namespace wattora
