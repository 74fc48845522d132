#include "energy/power_at_flow.h"

#include <gtest/gtest.h>

#include "energy/costs.h"
#include "energy/energy_test_window.h"
#include "ui/messages.h"

namespace wattora {
namespace {

using testing::EnergyWindow;

SystemResult PowerResults::*const kDrive = &PowerResults::DriveResult;
SystemResult PowerResults::*const kConstantVolume = &PowerResults::ConstantVolumeResult;
SystemResult PowerResults::*const kCycling = &PowerResults::CyclingResult;
SystemResult PowerResults::*const kDampers = &PowerResults::OutletDamperResult;
SystemResult PowerResults::*const kGuideVanes = &PowerResults::InletGuideVaneResult;

struct PowerCase {
  const char* system;
  SystemResult PowerResults::*result;
  int percent;
  double horsepower;
  double tolerance;
  friend std::ostream& operator<<(std::ostream& os, const PowerCase& c) {
    return os << c.system << " at " << c.percent << " %";
  }
};

class DefaultFanPower : public ::testing::TestWithParam<PowerCase> {};

// Reference figures of the default fan analysis, worked out by hand from the control models.
TEST_P(DefaultFanPower, MatchesTheReferenceFigure) {
  const PowerCase& c = GetParam();
  EnergyWindow w;
  ASSERT_TRUE(w.Run());
  EXPECT_NEAR((w.state.energy.Results.*c.result).InputPower[c.percent], c.horsepower, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceFigures, DefaultFanPower,
    ::testing::Values(PowerCase{"constant volume", kConstantVolume, 100, 55.556, 5e-4},
                      PowerCase{"constant volume", kConstantVolume, 10, 55.556, 5e-4},
                      PowerCase{"cycling", kCycling, 100, 55.556, 5e-4},
                      PowerCase{"cycling", kCycling, 50, 27.778, 5e-4},
                      PowerCase{"cycling", kCycling, 10, 5.556, 5e-4},
                      PowerCase{"drive", kDrive, 100, 52.49, 5e-3},
                      PowerCase{"drive", kDrive, 50, 14.66, 5e-3},
                      PowerCase{"drive", kDrive, 10, 4.89, 5e-3},
                      PowerCase{"outlet dampers", kDampers, 100, 55.556, 5e-4},
                      PowerCase{"outlet dampers", kDampers, 50, 40.60, 5e-3},
                      PowerCase{"outlet dampers", kDampers, 10, 14.00, 5e-3},
                      PowerCase{"inlet guide vanes", kGuideVanes, 100, 55.556, 5e-4},
                      PowerCase{"inlet guide vanes", kGuideVanes, 50, 31.69, 5e-3},
                      PowerCase{"inlet guide vanes", kGuideVanes, 10, 26.48, 5e-3}));

TEST(PowerAtFlow, DefaultFanEfficiencyCurveEnergyAndDriveTable) {
  EnergyWindow w;
  ASSERT_TRUE(w.Run());
  const PowerResults& r = w.state.energy.Results;
  EXPECT_NEAR(r.MinEfficiency, 0.2833, 5e-5);
  EXPECT_NEAR(r.EfficiencyWidth, 0.00014267, 5e-9);
  for (const SystemResult* result : {&r.DriveResult, &r.ConstantVolumeResult, &r.CyclingResult,
                                     &r.OutletDamperResult, &r.InletGuideVaneResult}) {
    EXPECT_EQ(result->InputPower[0], 0);
  }
  // 21 % of 8760 hours at 70 % flow.
  EXPECT_NEAR(w.state.energy.Duty.StepHours[6], 1839.6, 1e-9);
  // Reference figure: the drive powers at the ten steps weighted with the default shares.
  EXPECT_NEAR(r.DriveResult.AnnualEnergy, 126833.5, 0.5);
  EXPECT_NEAR(r.DriveResult.AnnualEnergyCost, 12683.35, 0.05);
  // Constant volume draws 55.556 HP for all 8760 hours.
  EXPECT_NEAR(r.ConstantVolumeResult.AnnualEnergy, 0.746 * 8760 * 500.0 / 9, 1e-6);

  EXPECT_EQ(w.Caption("POWERD100"), "39");  // 39.16 kW
  EXPECT_EQ(w.Caption("POWERD50"), "11");   // 14.66 HP = 10.93 kW
  EXPECT_EQ(w.Caption("DRIVETOTALKWHR"), "126,834");
  EXPECT_EQ(w.Caption("END100"), "0");  // no time at full flow
  // Start point 0: nothing is marked and no legend shows.
  EXPECT_EQ(w.Caption("SurgeLabel2"), "");
  EXPECT_EQ(w.Caption("SD010"), " ");
  EXPECT_FALSE(w.state.charts.Named("CurveChart").SeriesNamed("SurgeSeries3").Active);
}

TEST(PowerAtFlow, StepsBeyondTheDesignLimitAreMarkedAndTakeThePowerAbove) {
  EnergyWindow w;
  // The surge line through the curve at 30.5 % flow lies above the drive's system curve
  // below about 12.9 % flow; the usable curve starts above the 30 % step.
  w.StartCurveAt(0.305);
  ASSERT_TRUE(w.Run());
  const PowerResults& r = w.state.energy.Results;
  for (int i = 1; i <= 100; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(r.OutletDamperResult.LimitMark[i], i <= 30);
    EXPECT_EQ(r.DriveResult.LimitMark[i], i <= 12);
    EXPECT_EQ(r.InletGuideVaneResult.LimitMark[i], i <= 12);
    if (i <= 30) {
      EXPECT_EQ(r.OutletDamperResult.InputPower[i], r.OutletDamperResult.InputPower[31]);
    }
    if (i <= 12) {
      EXPECT_EQ(r.DriveResult.InputPower[i], r.DriveResult.InputPower[13]);
    }
  }
  EXPECT_LT(r.DriveResult.InputPower[13], r.DriveResult.InputPower[14]);

  const std::string legend = " * = System Design Limits";
  EXPECT_EQ(w.Caption("SurgeLabel2"), legend);
  EXPECT_EQ(w.Caption("SD010"), "*");
  EXPECT_EQ(w.Caption("SD020"), " ");
  for (auto [chart, series] : {std::pair{"Chart1", "SurgeSeries1"}, {"Chart2", "SurgeSeries2"},
                               {"CurveChart", "SurgeSeries3"}, {"ControlChart2", "SurgeSeries4"}}) {
    EXPECT_TRUE(w.state.charts.Named(chart).SeriesNamed(series).Active) << series;
  }
  // The run clears the comparison marks; the outlet-damper display shows its own.
  EXPECT_EQ(w.Caption("SurgeLabel"), "");
  ComparisonClick(w.state, ComparisonSystem::DamperOrValve);
  EXPECT_EQ(w.Caption("SurgeLabel"), legend);
  EXPECT_EQ(w.Caption("SURGE030"), "*");
  EXPECT_EQ(w.Caption("SURGE040"), " ");
  // Constant volume has no design limit: the marks of the dampers do not stay beside it.
  ComparisonClick(w.state, ComparisonSystem::ConstantVolume);
  EXPECT_EQ(w.Caption("SurgeLabel"), "");
  EXPECT_EQ(w.Caption("SURGE030"), " ");
}

TEST(PowerAtFlow, AMarkAtFullFlowKeepsItsOwnPower) {
  EnergyWindow w;
  w.StartCurveAt(1.5);  // every step lies below the start of the usable curve
  ASSERT_TRUE(w.Run());
  const SystemResult& dampers = w.state.energy.Results.OutletDamperResult;
  EXPECT_TRUE(dampers.LimitMark[100]);
  EXPECT_NEAR(dampers.InputPower[100], 55.556, 5e-4);
  EXPECT_EQ(dampers.InputPower[1], dampers.InputPower[100]);
}

TEST(PowerAtFlow, SystemCurveBelowZeroReturnsToTheSystemData) {
  for (ApplicationKind kind : {ApplicationKind::Fan, ApplicationKind::Pump}) {
    EnergyWindow w(kind);
    CurveModel& m = w.state.curve.Model;
    m.RemovedPressureDrop = 1.25 * m.DesignHead;  // s < 0 already at full flow
    w.state.form.Pages("CalcPanel").SetActivePage(3);
    w.state.form.SetVisible("FanAdvanced", true);
    w.state.energy.Results.DriveResult.AnnualEnergy = -1;
    w.state.form.SetCaption("DRIVETOTALKWHR", "before");

    EXPECT_FALSE(w.Run());
    ASSERT_EQ(w.ui.Messages().size(), 1u);
    EXPECT_EQ(w.ui.Messages()[0].key, kind == ApplicationKind::Fan ? "IDS_16" : "IDS_17");
    EXPECT_EQ(w.ui.Messages()[0].text,
              "The System Data entered is not valid! Please re-enter the system data in order to "
              "continue.");
    EXPECT_EQ(w.state.form.Pages("CalcPanel").ActivePage(), 1);
    EXPECT_FALSE(w.state.form.Visible("FanAdvanced"));
    EXPECT_TRUE(w.state.form.Visible("Step2"));
    EXPECT_FALSE(w.state.CalcError);
    EXPECT_EQ(w.state.energy.Results.DriveResult.AnnualEnergy, -1);  // energy did not run
    EXPECT_EQ(w.Caption("DRIVETOTALKWHR"), "before");
  }
}

struct FailureCase {
  const char* name;
  void (*spoil)(EnergyWindow&);
  bool stepChangeBusy;
  friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) {
    return os << c.name << (c.stepChangeBusy ? " during a step change" : "");
  }
};

class PowerArithmeticFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PowerArithmeticFailure, SetsTheErrorAndShowsTheCheckNote) {
  const FailureCase& c = GetParam();
  EnergyWindow w;
  c.spoil(w);
  w.state.StepChangeBusy = c.stepChangeBusy;
  w.state.form.SetCaption("POWERD100", "before");

  EXPECT_FALSE(w.Run());
  EXPECT_TRUE(w.state.CalcError);
  EXPECT_TRUE(CheckNoteVisible(w.state.form));
  EXPECT_EQ(w.Caption("NOTE2"), "The data you have entered is not valid! Please adjust your data.");
  EXPECT_EQ(w.Caption("POWERD100"), "before");
  if (c.stepChangeBusy) {
    ASSERT_EQ(w.ui.Messages().size(), 1u);
    EXPECT_EQ(w.ui.Messages()[0].key, "IDS_18");
  } else {
    EXPECT_TRUE(w.ui.Messages().empty());
  }
}

void AddBelowMinimum(EnergyWindow& w) { w.state.curve.Model.AddEfficiency = 0.25; }
void AddAtPeakFlow(EnergyWindow& w) {
  w.state.curve.Model.AddEfficiencyFlow = w.state.curve.Model.PeakEfficiencyFlow;
}
void NoMotorPower(EnergyWindow& w) { w.state.form.SetText("A105", "0"); }

INSTANTIATE_TEST_SUITE_P(
    Causes, PowerArithmeticFailure,
    ::testing::Values(FailureCase{"additional efficiency below a third of the peak",
                                  AddBelowMinimum, true},
                      FailureCase{"additional efficiency below a third of the peak",
                                  AddBelowMinimum, false},
                      FailureCase{"additional point at the peak flow", AddAtPeakFlow, false},
                      FailureCase{"zero motor power", NoMotorPower, true}));

TEST(PowerAtFlow, AFailedFitKeepsTheMinimumButNotTheWidth) {
  EnergyWindow w;
  w.state.energy.Results.EfficiencyWidth = 7;
  AddBelowMinimum(w);
  EXPECT_FALSE(w.Run());
  EXPECT_NEAR(w.state.energy.Results.MinEfficiency, 0.85 / 3, 1e-12);
  EXPECT_EQ(w.state.energy.Results.EfficiencyWidth, 7);
}

TEST(PowerAtFlow, KilowattInputsEnterTheModelInHorsepower) {
  EnergyWindow w;
  w.state.units.PowerUnit = 1;
  for (const char* field : {"A105", "A122", "A125"}) w.state.form.SetText(field, "37.3");
  ASSERT_TRUE(w.Run());
  EXPECT_NEAR(w.state.curve.Model.ShaftPowerHP, 50, 1e-9);
  EXPECT_NEAR(w.state.energy.Results.ConstantVolumeResult.InputPower[50], 55.556, 5e-4);
}

TEST(PowerAtFlow, APumpRunRewritesOnlyThePumpResults) {
  EnergyWindow w(ApplicationKind::Pump);
  w.state.energy.Results.OutletDamperResult.InputPower[50] = -1;
  w.state.energy.Results.InletGuideVaneResult.InputPower[50] = -1;
  ASSERT_TRUE(w.Run());
  const PowerResults& r = w.state.energy.Results;
  EXPECT_EQ(r.OutletDamperResult.InputPower[50], -1);
  EXPECT_EQ(r.InletGuideVaneResult.InputPower[50], -1);
  // At the design point the pump rides its curve at its design efficiency: the valve is
  // fully open and the pump draws what a constant-volume pump draws.
  EXPECT_NEAR(r.ThrottlingValveResult.InputPower[100], r.ConstantVolumeResult.InputPower[100],
              1e-9);
  EXPECT_GT(r.ThrottlingValveResult.AnnualEnergy, r.DriveResult.AnnualEnergy);
}

}  // namespace
}  // namespace wattora
