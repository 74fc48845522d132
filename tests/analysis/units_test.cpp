#include "analysis/unit_settings.h"

#include <gtest/gtest.h>

#include "analysis/number_notation.h"

namespace wattora {
namespace {

TEST(Units, HundredPascalIsTheExactReciprocalAndShowsBack) {
  UnitSettings units;
  units.FanPressureUnit = 2;
  EXPECT_DOUBLE_EQ(ToCalculation(units, UnitKind::FanPressure, 100), 0.40147421331127901655);
  EXPECT_EQ(FormatDisplayNumber(units, FromCalculation(units, UnitKind::FanPressure, 0.4014742), 2),
            "100.00");
}

TEST(Units, FlowsUseTheSystemsOwnFactors) {
  UnitSettings units;
  units.FanFlowUnit = 1;
  EXPECT_EQ(FormatDisplayNumber(units, FromCalculation(units, UnitKind::FanFlow, 1000), 2), "28.30");
  units.FanFlowUnit = 5;
  EXPECT_NEAR(ToCalculation(units, UnitKind::FanFlow, 1), 2118.8801972, 1e-7);
  units.PumpFlowUnit = 1;
  EXPECT_DOUBLE_EQ(FromCalculation(units, UnitKind::PumpFlow, 1000), 3.8);
  units.PumpPressureUnit = 2;
  EXPECT_DOUBLE_EQ(ToCalculation(units, UnitKind::PumpHead, 1), 3.2800005248000839680);
}

TEST(Units, KilowattsConvertWithPoint746) {
  UnitSettings units;
  units.PowerUnit = 1;
  EXPECT_NEAR(ToCalculation(units, UnitKind::Power, 10), 13.404825737, 1e-9);
  EXPECT_DOUBLE_EQ(FromCalculation(units, UnitKind::Power, 100), 74.6);
  units.PowerUnit = 0;
  EXPECT_DOUBLE_EQ(ToCalculation(units, UnitKind::Power, 10), 10);
}

TEST(Units, CaptionsAndTableTexts) {
  UnitSettings units;
  units.FanFlowUnit = 2;
  units.PumpPressureUnit = 0;
  EXPECT_EQ(UnitCaption(units, UnitKind::FanFlow), "m3/h");
  EXPECT_EQ(UnitTableText(UnitKind::FanFlow, 2), "M3/h");
  EXPECT_EQ(UnitCaption(units, UnitKind::PumpHead), "PSI");
  EXPECT_EQ(UnitCaption(units, UnitKind::FanPressure), "in wg");
  EXPECT_EQ(UnitCaptionAt(UnitKind::Power, 1), "kW");
}

TEST(Units, CurrencySymbolsAndAmountLabels) {
  UnitSettings units;
  const char* expected[] = {"$", "\xC2\xA3 ", "\xE2\x82\xAC", "CHF"};
  units.CustomCurrency = "CHF";
  for (int choice = 0; choice < 4; ++choice) {
    units.CurrencyChoice = choice;
    UpdateCurrencySymbol(units);
    EXPECT_EQ(units.CurrencySymbol, expected[choice]);
  }
  units.CurrencyChoice = 1;
  UpdateCurrencySymbol(units);
  EXPECT_EQ(AmountText(units, FormatDisplayNumber(units, 1000, 0)), "\xC2\xA3  1,000");
}

}  // namespace
}  // namespace wattora
