#include "curve/build_curve_model.h"

#include <gtest/gtest.h>

#include "curve/curve_arithmetic.h"
#include "curve_test_window.h"
#include "ui/messages.h"

namespace wattora {
namespace {

using testing::CurveWindow;

constexpr double kFanK = 6362;
constexpr double kPumpK = 3960;

// The default fan analysis with the example shaft power: 50 HP, 4 in. wg.
struct FanCurve : CurveWindow {
  FanCurve() { Set({{"A122", "50"}}); }
};

// A pump analysis in ft and GPM with 50 HP at a design head of 4 ft.
struct PumpCurve : CurveWindow {
  PumpCurve() : CurveWindow(ApplicationKind::Pump) {
    Set({{"A120", "4.00"}, {"A121", "0.80"}, {"A123", "0.00"}, {"A122", "50"}});
  }
};

// 6362 x 0.85 x 50 / 4 = 67596.25 cfm.
TEST(BuildCurveModel, DesignEfficiencyLockGivesTheDesignFlow) {
  FanCurve w;
  BuildCurveModel(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_DOUBLE_EQ(w.Model().DesignFlow, 67596.25);
  EXPECT_EQ(w.Text("A149"), "67,596.25");
  EXPECT_EQ(w.Text("A153"), "67,596.25");
  EXPECT_DOUBLE_EQ(w.Model().DesignEfficiency, 0.85);
  EXPECT_DOUBLE_EQ(w.Model().PeakEfficiency, 0.85);
  EXPECT_DOUBLE_EQ(w.Model().AddEfficiency, 0.68);
  EXPECT_EQ(w.Model().ShaftPowerHP, 50);
  EXPECT_TRUE(w.ui.Messages().empty());
}

TEST(BuildCurveModel, ReadsTheSystemValuesAndThePointsInCalculationUnits) {
  FanCurve w;
  w.state.units.FanPressureUnit = 2;  // Pa: 249.082 Pa per in. wg
  w.Set({{"A120", "996.33"},
         {"A121", "199.27"},
         {"A123", "99.63"},
         {"A155", "1,195.59"},
         {"A157", "0.00"}});
  BuildCurveModel(w.state);
  EXPECT_NEAR(w.Model().DesignHead, 996.33 / 249.082, 1e-12);
  EXPECT_NEAR(w.Model().SetPointHead, 199.27 / 249.082, 1e-12);
  EXPECT_NEAR(w.Model().RemovedPressureDrop, 99.63 / 249.082, 1e-12);
  EXPECT_NEAR(w.Model().Point1Pressure, 1195.59 / 249.082, 1e-12);
  EXPECT_EQ(w.Model().DesignPointPressure, w.Model().DesignHead);
  EXPECT_EQ(w.Text("A156"), "996.33");  // the design head, back in Pa
  EXPECT_EQ(w.Model().Point1Flow, 0);
  EXPECT_EQ(w.Model().Point2Flow, 135193);
  EXPECT_EQ(w.Model().CurveEndFlow, 135193);
  EXPECT_EQ(w.Model().PeakEfficiencyFlow, 67596);
  EXPECT_EQ(w.Model().AddEfficiencyFlow, 33798);
}

TEST(BuildCurveModel, KilowattShaftPowerIsTakenToHorsepower) {
  FanCurve w;
  w.state.units.PowerUnit = 1;
  w.Set({{"A122", "37.285"}});
  BuildCurveModel(w.state);
  EXPECT_DOUBLE_EQ(w.Model().ShaftPowerHP, 37.285 / 0.746);  // about 49.98 HP
  EXPECT_DOUBLE_EQ(w.Model().DesignFlow, RoundThroughText(kFanK * 0.85 * (37.285 / 0.746) / 4, 2));
}

// Procedure E: A147 shows the design efficiency, A148 0.9 of it, both with 1 decimal.
TEST(BuildCurveModel, HiddenEfficiencyFields) {
  FanCurve w;
  w.Set({{"A144", "80"}});
  BuildCurveModel(w.state);
  EXPECT_EQ(w.Text("A147"), "80.0");
  EXPECT_EQ(w.Text("A148"), "72.0");
}

// Step 11: the normalized points in the hidden labels, each x 100 with no decimals and "%".
TEST(BuildCurveModel, NormalizedPointsInTheHiddenLabels) {
  FanCurve w;
  w.Set({{"A154", "135,192.50"}});
  BuildCurveModel(w.state);
  EXPECT_EQ(w.state.form.LabelNamed("H1").Caption(), "120%");
  EXPECT_EQ(w.state.form.LabelNamed("H2").Caption(), "100%");
  EXPECT_EQ(w.state.form.LabelNamed("H3").Caption(), "0%");
  EXPECT_EQ(w.state.form.LabelNamed("Q1").Caption(), "0%");
  EXPECT_EQ(w.state.form.LabelNamed("Q2").Caption(), "100%");
  EXPECT_EQ(w.state.form.LabelNamed("Q3").Caption(), "200%");
  EXPECT_FALSE(w.state.form.LabelNamed("H1").Visible());
  // The default points give the documented cubic.
  EXPECT_NEAR(w.Model().A_Horiz, -0.1, 1e-12);
  EXPECT_NEAR(w.Model().B_Horiz, -0.1, 1e-12);
  EXPECT_NEAR(w.Model().C_Horiz, 0.0, 1e-12);
  EXPECT_NEAR(w.Model().D_Horiz, 1.2, 1e-12);
}

TEST(BuildCurveModel, ParabolaWhenHorizIsNotChecked) {
  FanCurve w;
  w.SetHorizontal(false);
  w.Set({{"A154", "135,192.50"}});
  BuildCurveModel(w.state);
  EXPECT_NEAR(w.Model().A_Horiz, -0.4, 1e-12);
  EXPECT_NEAR(w.Model().B_Horiz, 0.2, 1e-12);
  EXPECT_NEAR(w.Model().C_Horiz, 1.2, 1e-12);
  EXPECT_EQ(w.Model().D_Horiz, 0);
}

// Design flow lock: 63620 cfm implies 63620 / (6362 x 50 / 4) = 80 %.
TEST(BuildCurveModel, DesignFlowLockGivesTheEfficiency) {
  FanCurve w;
  w.SelectLock("LOCKA149");
  w.Set({{"A149", "63,620.00"}});
  ShowCheckNote(w.state.form, "an earlier note");
  BuildCurveModel(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_DOUBLE_EQ(w.Model().DesignFlow, 63620);
  EXPECT_DOUBLE_EQ(w.Model().DesignEfficiency, 0.8);
  EXPECT_EQ(w.Text("A144"), "80.0");
  EXPECT_EQ(w.Text("A147"), "80.0");
  EXPECT_EQ(w.Text("A149"), "63,620.00");  // the input stays
  EXPECT_EQ(w.Text("A153"), "63,620.00");
  EXPECT_FALSE(w.NoteShown());  // hidden when nothing is limited
}

TEST(BuildCurveModel, DesignFlowLockRoundsTheEfficiencyToOneDecimalOfAPercent) {
  FanCurve w;
  w.SelectLock("LOCKA149");
  w.Set({{"A149", "60,000.00"}});  // 60000 / 79525 = 75.448 %
  BuildCurveModel(w.state);
  EXPECT_DOUBLE_EQ(w.Model().DesignEfficiency, 0.754);
  EXPECT_EQ(w.Text("A144"), "75.4");
}

struct LimitCase {
  ApplicationKind kind;
  const char* flow;       // A149
  const char* peak;       // A145
  const char* shownEff;   // A144 afterwards
  const char* shownFlow;  // A149 afterwards
  const char* note;       // key of the check note, empty when hidden
  friend std::ostream& operator<<(std::ostream& os, const LimitCase& c) {
    return os << (c.kind == ApplicationKind::Pump ? "pump " : "fan ") << c.flow << " peak "
              << c.peak;
  }
};

class EfficiencyLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(EfficiencyLimit, AboveThePeakIsLimitedWithTheCheckNote) {
  const LimitCase& c = GetParam();
  CurveWindow w(c.kind);
  if (c.kind == ApplicationKind::Pump) w.Set({{"A120", "4.00"}});
  w.Set({{"A122", "50"}, {"A149", c.flow}, {"A145", c.peak}});
  w.SelectLock("LOCKA149");
  BuildCurveModel(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_EQ(w.Text("A144"), c.shownEff);
  EXPECT_EQ(w.Text("A149"), c.shownFlow);
  EXPECT_EQ(w.Text("A153"), c.shownFlow);
  if (std::string_view(c.note).empty()) {
    EXPECT_FALSE(w.NoteShown());
  } else {
    EXPECT_TRUE(w.NoteShown());
    EXPECT_EQ(w.NoteText(), Message(TextTable::MainWindow, c.note));
  }
  EXPECT_TRUE(w.ui.Messages().empty());  // the note is not modal
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EfficiencyLimit,
    ::testing::Values(
        // 70000 / 79525 = 88.0 % above 85 %: limited; the flow of 85 % is 67596.25 cfm.
        LimitCase{ApplicationKind::Fan, "70,000.00", "85.0", "85.0", "67,596.25", "IDS_26"},
        // 1.04 x 79525 = 82706 implies 104 %: cut to 100 % first, which the peak allows.
        LimitCase{ApplicationKind::Fan, "82,706.00", "100.0", "100.0", "82,706.00", ""},
        // ... and with a peak of 90 % limited again: 6362 x 0.9 x 50 / 4 = 71572.5.
        LimitCase{ApplicationKind::Fan, "82,706.00", "90.0", "90.0", "71,572.50", "IDS_26"},
        // Pump: 3960 x 50 / 4 = 49500 GPM at 100 %; 45000 GPM implies 90.9 %, the flow of 85 %
        // is 42075 GPM.
        LimitCase{ApplicationKind::Pump, "45,000.00", "85.0", "85.0", "42,075.00", "IDS_28"},
        LimitCase{ApplicationKind::Pump, "40,000.00", "85.0", "80.8", "40,000.00", ""}));

TEST(BuildCurveModel, PumpUsesThePumpConstant) {
  PumpCurve w;
  BuildCurveModel(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_DOUBLE_EQ(w.Model().DesignFlow, kPumpK * 0.85 * 50 / 4);  // 42075 GPM
  EXPECT_EQ(w.Text("A149"), "42,075.00");
  EXPECT_EQ(w.Text("A153"), "42,075.00");
  EXPECT_EQ(w.Text("A156"), "4.00");
}

// Step 3: end point 1000 below start point 2000.
TEST(BuildCurveModel, EndBeforeStartInAFanResetsTheStartToZero) {
  FanCurve w;
  w.Set({{"A158", "2,000.00"}, {"A159", "1,000.00"}});
  BuildCurveModel(w.state);
  ASSERT_EQ(w.Keys(), std::vector<std::string>{"IDS_25"});
  EXPECT_EQ(w.ui.Messages()[0].type, MessageType::Information);
  EXPECT_EQ(w.ui.Messages()[0].buttons, std::vector<Button>{Button::OK});
  EXPECT_EQ(w.ui.Messages()[0].text, "Curve end point needs to be greater than the start point.");
  EXPECT_EQ(w.Text("A158"), "0");
  EXPECT_EQ(w.Model().CurveStartFlow, 1000);  // the range of this construction is one flow
  EXPECT_EQ(w.Model().CurveEndFlow, 1000);
  EXPECT_DOUBLE_EQ(w.Model().CurveStart, 1000 / 67596.25);
}

TEST(BuildCurveModel, EndBeforeStartInAPumpTakesTheEndPointText) {
  PumpCurve w;
  w.Set({{"A158", "2,000.00"}, {"A159", "1,000.00"}});
  BuildCurveModel(w.state);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_27"});
  EXPECT_EQ(w.Text("A158"), "1,000.00");
  EXPECT_EQ(w.Model().CurveStartFlow, 1000);
}

TEST(BuildCurveModel, EqualStartAndEndPassQuietly) {
  FanCurve w;
  w.Set({{"A158", "1,000.00"}, {"A159", "1,000.00"}});
  BuildCurveModel(w.state);
  EXPECT_TRUE(w.ui.Messages().empty());
  EXPECT_EQ(w.Text("A158"), "1,000.00");
}

// Step 8: a zero design flow (zero shaft power) continues with 0.0001 in a fan analysis.
TEST(BuildCurveModel, ZeroDesignFlowInAFanContinuesWithATenThousandth) {
  FanCurve w;
  w.Set({{"A122", "0"}});
  BuildCurveModel(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_EQ(w.Model().DesignFlow, 0.0001);
  EXPECT_EQ(w.Text("A149"), "0.00");
  EXPECT_EQ(w.Text("A153"), "0.00");
  EXPECT_EQ(w.Model().CurveStart, 0);
}

TEST(BuildCurveModel, ZeroDesignFlowUnderTheFlowLockInAFanContinuesToo) {
  FanCurve w;
  w.SelectLock("LOCKA149");
  w.Set({{"A149", "0"}});
  BuildCurveModel(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_EQ(w.Model().DesignFlow, 0.0001);
  EXPECT_EQ(w.Text("A144"), "0.0");
  EXPECT_EQ(w.Text("A148"), "0.0");
}

// ... and stops with CalcError in a pump analysis: CurveStart = start / 0.
TEST(BuildCurveModel, ZeroDesignFlowInAPumpFails) {
  PumpCurve w;
  w.Set({{"A122", "0"}});
  const double curveStartBefore = w.Model().CurveStart;
  const std::string pointBefore = w.Text("A153");
  BuildCurveModel(w.state);
  EXPECT_TRUE(w.state.CalcError);
  EXPECT_EQ(w.Model().DesignFlow, 0);
  EXPECT_EQ(w.Text("A149"), "0.00");  // written before the failure
  EXPECT_EQ(w.Model().CurveStart, curveStartBefore);
  EXPECT_EQ(w.Text("A153"), pointBefore);  // not reached
  EXPECT_TRUE(w.ui.Messages().empty());
}

struct FailureCase {
  const char* name;
  bool flowLock;
  std::vector<std::pair<const char*, const char*>> texts;
  friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) { return os << c.name; }
};

class ArithmeticFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ArithmeticFailure, SetsCalcErrorAndKeepsTheRestOfTheModel) {
  const FailureCase& c = GetParam();
  FanCurve w;
  BuildCurveModel(w.state);  // a good model first
  const CurveModel good = w.Model();
  if (c.flowLock) w.SelectLock("LOCKA149");
  for (const auto& [field, text] : c.texts) w.state.form.SetText(field, text);
  BuildCurveModel(w.state);
  EXPECT_TRUE(w.state.CalcError);
  EXPECT_TRUE(w.ui.Messages().empty());
  EXPECT_EQ(w.Model().A_Horiz, good.A_Horiz);
  EXPECT_EQ(w.Model().D_Horiz, good.D_Horiz);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArithmeticFailure,
    ::testing::Values(
        FailureCase{"ZeroDesignHead", false, {{"A120", "0"}}},
        FailureCase{"ZeroDesignHeadUnderTheFlowLock", true, {{"A120", "0"}}},
        FailureCase{"ZeroShaftPowerUnderTheFlowLock", true, {{"A122", ""}}},
        // Point 1 and point 2 at the same flow and pressure: a zero determinant.
        FailureCase{"SameFlowForTwoPoints", false, {{"A152", "135,193.00"}, {"A155", "0.00"}}}));

TEST(BuildCurveModel, SameFlowAsTheDesignPointWithAParabolaGivesAZeroDeterminant) {
  FanCurve w;
  w.SetHorizontal(false);
  w.Set({{"A152", "67,596.25"}, {"A155", "4.00"}});
  BuildCurveModel(w.state);
  EXPECT_TRUE(w.state.CalcError);
}

TEST(BuildCurveModel, ZeroDesignHeadKeepsTheDesignFlowButTakesTheHead) {
  FanCurve w;
  BuildCurveModel(w.state);
  w.Set({{"A120", "0"}});
  BuildCurveModel(w.state);
  EXPECT_TRUE(w.state.CalcError);
  EXPECT_EQ(w.Model().DesignHead, 0);         // step 1 ran
  EXPECT_EQ(w.Model().DesignFlow, 67596.25);  // step 6 did not finish
}

TEST(BuildCurveModel, WithoutAnAnalysisOnlyTheFitRuns) {
  testing::TestWindow w;
  w.state.form.SetText("A149", "1");
  BuildCurveModel(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_EQ(w.state.form.Text("A149"), "1");
  EXPECT_EQ(w.state.curve.Model.DesignHead, 4.0);        // the start values
  EXPECT_NEAR(w.state.curve.Model.D_Horiz, 1.2, 1e-12);  // the fit of the default points
}

}  // namespace
}  // namespace wattora
