#include "energy/costs.h"

#include <gtest/gtest.h>

#include "analysis/number_notation.h"
#include "energy/energy_test_window.h"

namespace wattora {
namespace {

using testing::EnergyWindow;

TEST(CostTotals, FourGroupsAsAmounts) {
  EnergyWindow w;
  for (auto [field, text] : {std::pair{"A126", "1,000"}, {"A130", "250"}, {"A131", "2,000"},
                             {"A135", "5"}, {"A139", "40"}, {"A140", "60"}, {"A143", "0.4"}}) {
    w.state.form.SetText(field, text);
  }
  ComputeCostTotals(w.state);
  const CostValues& c = w.state.energy.Costs;
  EXPECT_EQ(c.DriveInitialTotal, 1250);
  EXPECT_EQ(c.ComparisonInitialTotal, 2005);
  EXPECT_EQ(c.DriveAnnualTotal, 40);
  EXPECT_DOUBLE_EQ(c.ComparisonAnnualTotal, 60.4);
  EXPECT_EQ(w.Caption("TOTAL_INI_COST_DRIVE"), "$ 1,250");
  EXPECT_EQ(w.Caption("TOTAL_INI_COST_COMPARE"), "$ 2,005");
  EXPECT_EQ(w.Caption("TOTAL_ANU_COST_DRIVE"), "$ 40");
  EXPECT_EQ(w.Caption("TOTAL_ANU_COST_COMPARE"), "$ 60");
}

struct PaybackCase {
  const char* name;
  const char* driveCost;
  double energyCostSavings;   // per year, against constant volume
  const char* otherSavings;   // comparison maintenance per year
  const char* incentiveRate;  // per HP of the 50 HP motor
  double years;
  const char* text;
  friend std::ostream& operator<<(std::ostream& os, const PaybackCase& c) { return os << c.name; }
};

class PaybackRules : public ::testing::TestWithParam<PaybackCase> {};

TEST_P(PaybackRules, YearsAndText) {
  const PaybackCase& c = GetParam();
  EnergyWindow w;
  w.state.form.SetText("A109", c.driveCost);
  w.state.form.SetText("A140", c.otherSavings);
  w.state.form.SetText("A108", c.incentiveRate);
  w.state.energy.Results.ConstantVolumeResult.AnnualEnergyCost = 20000 + c.energyCostSavings;
  w.state.energy.Results.DriveResult.AnnualEnergyCost = 20000;
  w.state.record.SetComparison(ComparisonSystem::ConstantVolume);
  ComputeCostTotals(w.state);
  ShowSavingsAndPayback(w.state);
  EXPECT_NEAR(w.state.energy.Costs.PaybackYears, c.years, 1e-9);
  EXPECT_EQ(w.Caption("PAYBACKLABEL"), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PaybackRules,
    ::testing::Values(
        PaybackCase{"three years", "15000", 5000, "0", "0", 3, "3.00 Years"},
        PaybackCase{"other annual savings count too", "15000", 0, "6000", "0", 2.5, "2.50 Years"},
        // An incentive of 400 x 50 HP = 20000 exceeds the drive cost.
        PaybackCase{"incentive above the cost", "15000", 5000, "0", "400", -1, "Immediate"},
        PaybackCase{"one hundredth", "50", 5000, "0", "0", 0.01, "Immediate"},
        PaybackCase{"no savings", "15000", 0, "0", "0", 10000, "More than 5 years"},
        PaybackCase{"negative savings", "15000", -100, "0", "0", 10000, "More than 5 years"},
        PaybackCase{"just over five years", "5001", 1000, "0", "0", 5.001, "More than 5 years"},
        PaybackCase{"five years", "5000", 1000, "0", "0", 5, "5.00 Years"}));

TEST(Payback, CumulativeSavingsAndTheSavingsPage) {
  EnergyWindow w;
  w.state.energy.Results.ConstantVolumeResult.AnnualEnergyCost = 25000;
  w.state.energy.Results.DriveResult.AnnualEnergyCost = 20000;
  w.state.energy.Results.DriveResult.AnnualEnergy = 123456.4;
  w.state.record.SetComparison(ComparisonSystem::ConstantVolume);
  ComputeCostTotals(w.state);
  ShowSavingsAndPayback(w.state);
  const CostValues& c = w.state.energy.Costs;
  EXPECT_EQ(c.CumulativeSavings, (std::array<double, 6>{-15000, -10000, -5000, 0, 5000, 10000}));
  EXPECT_EQ(c.EnergyCostSavings, 5000);
  EXPECT_EQ(w.Caption("SystemName"), "Constant Volume System");
  EXPECT_EQ(w.Caption("SystemCompareLabel2"), "Constant Volume System");
  EXPECT_EQ(w.Caption("DRIVEPR"), "$ 15,000");
  EXPECT_EQ(w.Caption("INITIALCOSTSAVINGS"), "$ 15,000");
  EXPECT_EQ(w.Caption("ENERGYCOSTSAVINGS"), "$ 5,000");
  EXPECT_EQ(w.Caption("ENERGYCOSTDRIVE"), "$ 20,000");
  EXPECT_EQ(w.Caption("DRIVETOTALKWHR"), "123,456");
  EXPECT_EQ(w.Caption("UTILITYINCENTIVE"), "$ 0");
}

TEST(Payback, YearsUseAPointWhateverTheNotation) {
  EnergyWindow w;
  ApplyNumberNotation(w.state.units, 2, {".", ","});
  w.state.form.SetText("A109", "12.345");
  w.state.energy.Results.ConstantVolumeResult.AnnualEnergyCost = 5000;
  w.state.energy.Results.DriveResult.AnnualEnergyCost = 0;
  w.state.record.SetComparison(ComparisonSystem::ConstantVolume);
  ShowSavingsAndPayback(w.state);
  EXPECT_EQ(w.Caption("PAYBACKLABEL"), "2.47 Years");
  EXPECT_EQ(w.Caption("DRIVEPR"), "$ 12.345");
}

TEST(Payback, IncentiveIsPerHorsepowerAlsoForKilowatts) {
  EnergyWindow w;
  w.state.units.PowerUnit = 1;
  w.state.form.SetText("A105", "37.3");
  w.state.form.SetText("A108", "100");
  ShowSavingsAndPayback(w.state);
  EXPECT_NEAR(w.state.energy.Costs.IncentiveTotal, 5000, 1e-9);
  EXPECT_EQ(w.Caption("UTILITYINCENTIVE"), "$ 5,000");
}

TEST(Comparison, DisplaysTheResultOfItsButton) {
  EnergyWindow w;
  ASSERT_TRUE(w.Run());
  ComparisonClick(w.state, ComparisonSystem::ConstantVolume);
  // 55.556 HP = 41.44 kW for 8760 hours at 0.10 per kWh.
  EXPECT_EQ(w.Caption("POWER10"), "41");
  EXPECT_EQ(w.Caption("COMPARETOTALKWHR"), "363,053");
  EXPECT_EQ(w.Caption("ENERGYCOSTCOMPARE"), "$ 36,305");
  EXPECT_EQ(w.Caption("ENC10"), "0");

  ComparisonClick(w.state, ComparisonSystem::DamperOrValve);
  const SystemResult& dampers = w.state.energy.Results.OutletDamperResult;
  EXPECT_EQ(w.Caption("SystemName"), "Outlet Damper System");
  EXPECT_EQ(w.Caption("POWER50"), "30");  // 40.60 HP
  EXPECT_EQ(w.state.energy.Costs.ComparisonAnnualEnergy, dampers.AnnualEnergy);

  ComparisonClick(w.state, ComparisonSystem::InletGuideVanes);
  EXPECT_EQ(w.Caption("SystemName"), "Inlet Guide Vane System");

  EnergyWindow pump(ApplicationKind::Pump);
  ASSERT_TRUE(pump.Run());
  ComparisonClick(pump.state, ComparisonSystem::DamperOrValve);
  EXPECT_EQ(pump.Caption("SystemName"), "Throttling Valve System");
  EXPECT_EQ(pump.state.energy.Costs.ComparisonAnnualEnergy,
            pump.state.energy.Results.ThrottlingValveResult.AnnualEnergy);
}

TEST(Comparison, NoEnergyCostWithoutAPricePerKilowattHour) {
  EnergyWindow w;
  w.state.form.SetText("A104", "0");
  ASSERT_TRUE(w.Run());
  w.state.record.SetComparison(ComparisonSystem::DamperOrValve);
  ShowSavingsAndPayback(w.state);
  const PowerResults& r = w.state.energy.Results;
  for (const SystemResult* result : {&r.DriveResult, &r.ConstantVolumeResult, &r.CyclingResult,
                                     &r.OutletDamperResult, &r.InletGuideVaneResult}) {
    EXPECT_EQ(result->AnnualEnergyCost, 0);
    EXPECT_GT(result->AnnualEnergy, 0);
  }
  EXPECT_EQ(w.state.energy.Costs.EnergyCostSavings, 0);
  EXPECT_EQ(w.Caption("PAYBACKLABEL"), "More than 5 years");
}

}  // namespace
}  // namespace wattora
