#include "curve/validate_curve_inputs.h"

#include <gtest/gtest.h>

#include "curve/build_curve_model.h"
#include "curve_test_window.h"
#include "ui/messages.h"

namespace wattora {
namespace {

using testing::CurveWindow;
using Texts = std::vector<std::pair<const char*, const char*>>;

// The default fan analysis (parameter defaults: point 1 at (0, 4.8), design point at
// (67596, 4), point 2 at (135193, 0), efficiencies 85 / 85 / 68 % at 67596 / 67596 /
// 33798 cfm) with 50 HP. The curve model still has its start values, so H = 4 in. wg and
// K x P / H = 6362 x 50 / 4 = 79525 cfm at 100 %.
struct FanInputs : CurveWindow {
  FanInputs() { Set({{"A122", "50"}}); }
};

struct RuleCase {
  const char* name;
  const char* lock;  // the selected radio button
  bool horizontal;
  Texts texts;
  const char* key;  // the failing rule's message; empty when none
  bool result;
  bool note;    // the check note shows the message
  Texts after;  // field texts afterwards (repairs)
  friend std::ostream& operator<<(std::ostream& os, const RuleCase& c) { return os << c.name; }
};

class Rules : public ::testing::TestWithParam<RuleCase> {
 protected:
  void Prepare(FanInputs& w) const {
    const RuleCase& c = GetParam();
    w.SelectLock(c.lock);
    w.SetHorizontal(c.horizontal);
    for (const auto& [field, text] : c.texts) w.state.form.SetText(field, text);
  }
  void ExpectOutcome(const FanInputs& w, bool result) const {
    const RuleCase& c = GetParam();
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(w.NoteShown(), c.note);
    if (c.note) {
      EXPECT_EQ(w.NoteText(), Message(TextTable::MainWindow, c.key));
    } else {
      EXPECT_EQ(w.NoteText(), "");
    }
    for (const auto& [field, text] : c.after) EXPECT_EQ(w.Text(field), text) << field;
  }
};

TEST_P(Rules, WithoutMessageBoxes) {
  FanInputs w;
  Prepare(w);
  const bool result = ValidateCurveInputs(w.state, false);
  EXPECT_TRUE(w.ui.Messages().empty());
  ExpectOutcome(w, result);
}

TEST_P(Rules, WithMessageBoxes) {
  const RuleCase& c = GetParam();
  FanInputs w;
  Prepare(w);
  const bool result = ValidateCurveInputs(w.state, true);
  if (std::string_view(c.key).empty()) {
    EXPECT_TRUE(w.ui.Messages().empty());
  } else {
    ASSERT_EQ(w.Keys(), std::vector<std::string>{c.key});
    EXPECT_EQ(w.ui.Messages()[0].type, MessageType::Information);
    EXPECT_EQ(w.ui.Messages()[0].buttons, std::vector<Button>{Button::OK});
    EXPECT_EQ(w.ui.Messages()[0].text, Message(TextTable::MainWindow, c.key));
  }
  ExpectOutcome(w, result);
}

constexpr const char* k144 = "LOCKA144";
constexpr const char* k149 = "LOCKA149";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CurveInputs, Rules,
    ::testing::Values(
        RuleCase{"DefaultsPass", k144, true, {}, "", true, false, {{"A153", "67,596.00"}}},
        RuleCase{"DesignFlowIsCopiedIntoA153", k144, true, {{"A149", "63,620.00"}},
                 "", true, false, {{"A153", "63,620.00"}}},
        // Preparation step 4: an empty point flow passes without a rule (A146 would fail 15).
        RuleCase{"EmptyPointOneFlowPasses", k144, true, {{"A152", ""}, {"A146", "90"}},
                 "", true, false, {{"A146", "90"}}},
        RuleCase{"EmptyPointTwoFlowPasses", k144, true, {{"A154", ""}, {"A146", "90"}},
                 "", true, false, {}},
        RuleCase{"EmptyDesignFlowPasses", k144, true, {{"A149", ""}, {"A146", "90"}},
                 "", true, false, {{"A153", ""}}},
        // Pressure rules 1 to 9.
        RuleCase{"R1PointOneAtDesignFlowWhenHorizontal", k144, true, {{"A152", "67,596.00"}},
                 "IDS_60", false, true, {}},
        RuleCase{"R1PointOneBeyondDesignFlowWhenHorizontal", k144, true, {{"A152", "70,000.00"}},
                 "IDS_60", false, true, {}},
        RuleCase{"R2PointOneAtDesignFlowOtherPressure", k144, false, {{"A152", "67,596.00"}},
                 "IDS_61", false, true, {}},
        // Point 1 equal to the design point passes every rule (the fit then fails).
        RuleCase{"PointOneOnTheDesignPointPasses", k144, false, {{"A152", "67,596.00"}, {"A155", "4.00"}},
                 "", true, false, {}},
        RuleCase{"R3PointsOneAndTwoSameFlowOtherPressure", k144, true, {{"A154", "0.00"}, {"A157", "1.00"}},
                 "IDS_62", false, true, {}},
        RuleCase{"R4PointTwoAtDesignFlowOtherPressure", k144, true, {{"A154", "67,596.00"}, {"A157", "1.00"}},
                 "IDS_63", false, true, {}},
        RuleCase{"R5PointTwoOnTheDesignPoint", k144, true, {{"A154", "67,596.00"}, {"A157", "4.00"}},
                 "IDS_64", false, true, {}},
        RuleCase{"R6PointOneBeyondDesignNotBelowItsPressure", k144, false, {{"A152", "100,000.00"}, {"A155", "4.00"}},
                 "IDS_65", false, true, {}},
        RuleCase{"R7PointTwoBeyondDesignNotBelowItsPressure", k144, true, {{"A157", "4.00"}},
                 "IDS_66", false, true, {}},
        RuleCase{"R8PointOneBeforeDesignNotAboveItsPressure", k144, true, {{"A155", "4.00"}},
                 "IDS_67", false, true, {}},
        RuleCase{"R9PointTwoBeforeDesignNotAboveItsPressure", k144, true, {{"A154", "10,000.00"}, {"A157", "3.00"}},
                 "IDS_68", false, true, {}},
        // Efficiency rules 10 to 13 (design flow lock).
        RuleCase{"R10SameFlowAsPeakOtherEfficiency", k149, true, {{"A144", "80.0"}},
                 "IDS_69", false, true, {}},
        // 63620 cfm implies 80 %: the repair brings the design efficiency within the peak.
        RuleCase{"R11RepairedWithinThePeak", k149, true, {{"A149", "63,620.00"}, {"A144", "90.0"}, {"A145", "85"}},
                 "IDS_70", true, true, {{"A144", "80.0"}, {"A145", "85.0"}}},
        // 70000 cfm implies 88.02 %: still above the peak.
        RuleCase{"R11RepairedButStillAboveThePeak", k149, true, {{"A149", "70,000.00"}, {"A144", "90"}},
                 "IDS_70", false, true, {{"A144", "88.0"}, {"A145", "85.0"}}},
        RuleCase{"R12ImpliedEfficiencyAboveThePeak", k149, true, {{"A149", "70,000.00"}},
                 "IDS_71", false, true, {{"A144", "88.0"}}},
        // 79556.81 cfm implies 100.04 %: 100.0 after rounding passes rule 12 at a peak of
        // 100 %, the unrounded value fails rule 13.
        RuleCase{"R13ImpliedEfficiencyAboveAHundred", k149, true, {{"A149", "79,556.81"}, {"A145", "100.0"}, {"A146", "80.0"}},
                 "IDS_72", false, true, {{"A144", "100.0"}}},
        RuleCase{"DesignFlowLockWithinThePeakPasses", k149, true, {{"A149", "63,620.00"}, {"A144", "80.0"}},
                 "", true, false, {{"A144", "80.0"}}},
        // Zero shaft power: the implied efficiency cannot be computed.
        RuleCase{"ZeroShaftPowerUnderTheFlowLockFailsSilently", k149, true, {{"A122", ""}},
                 "", false, false, {}},
        RuleCase{"ZeroShaftPowerUnderTheEfficiencyLockPasses", k144, true, {{"A122", ""}},
                 "", true, false, {}},
        // Rules 14 to 16 (both locks).
        RuleCase{"R14AddPointAtPeakFlowOtherEfficiency", k144, true, {{"A151", "67,596.00"}},
                 "IDS_73", false, false, {}},
        RuleCase{"R14UnderTheFlowLockToo", k149, true, {{"A151", "67,596.00"}},
                 "IDS_73", false, false, {}},
        RuleCase{"AddPointAtPeakWithPeakEfficiencyPasses", k144, true, {{"A151", "67,596.00"}, {"A146", "85.0"}},
                 "", true, false, {}},
        RuleCase{"R15AddEfficiencyAboveThePeak", k144, true, {{"A146", "90"}, {"A145", "85"}},
                 "IDS_74", false, true, {{"A146", "90.0"}, {"A145", "85.0"}}},
        RuleCase{"AddEfficiencyEqualToThePeakPasses", k144, true, {{"A146", "85.0"}},
                 "", true, false, {}},
        RuleCase{"R16AddEfficiencyBelowHalfThePeak", k144, true, {{"A146", "42"}, {"A145", "85"}},
                 "IDS_75", false, true, {{"A146", "42.0"}, {"A145", "85.0"}}},
        RuleCase{"AddEfficiencyAtHalfThePeakPasses", k144, true, {{"A146", "42.5"}},
                 "", true, false, {}},
        // Rule 17 (efficiency lock): the peak is raised and the design flow recomputed from
        // 90 %: 6362 x 0.9 x 50 / 4 = 71572.5 cfm.
        RuleCase{"R17DesignEfficiencyAboveThePeak", k144, true, {{"A144", "90"}, {"A145", "85"}, {"A146", "68"}},
                 "IDS_76", false, true, {{"A144", "90.0"}, {"A145", "90.0"}, {"A149", "71,572.50"}}}));
// clang-format on

// Preparation step 3: the end point below the design flow.
TEST(ValidateCurveInputs, EndPointBelowTheDesignFlowIsResetEvenWithoutMessageBoxes) {
  for (bool showMessages : {false, true}) {
    FanInputs w;
    w.Set({{"A159", "50,000.00"}, {"A158", "1,000.00"}});
    EXPECT_TRUE(ValidateCurveInputs(w.state, showMessages));
    ASSERT_EQ(w.Keys(), std::vector<std::string>{"IDS_10"});
    EXPECT_EQ(w.ui.Messages()[0].type, MessageType::Information);
    EXPECT_EQ(w.Text("A159"), "135,192.00");  // 2 x 67596
    EXPECT_EQ(w.Text("A158"), "0");
  }
}

TEST(ValidateCurveInputs, EndPointAtTheDesignFlowStays) {
  FanInputs w;
  w.Set({{"A159", "67,596.00"}});
  EXPECT_TRUE(ValidateCurveInputs(w.state, true));
  EXPECT_TRUE(w.ui.Messages().empty());
  EXPECT_EQ(w.Text("A159"), "67,596.00");
}

TEST(ValidateCurveInputs, EndPointResetThenARuleFails) {
  FanInputs w;
  w.Set({{"A159", "1.00"}, {"A146", "90"}});
  EXPECT_FALSE(ValidateCurveInputs(w.state, true));
  EXPECT_EQ(w.Keys(), (std::vector<std::string>{"IDS_10", "IDS_74"}));
}

TEST(ValidateCurveInputs, HidesAnEarlierCheckNote) {
  FanInputs w;
  ShowCheckNote(w.state.form, "Design Point Efficiency has been limited to the Peak Efficiency!");
  EXPECT_TRUE(ValidateCurveInputs(w.state, false));
  EXPECT_FALSE(w.NoteShown());
}

// two points with the same flow and pressure (point 1 and point 2)
// pass every rule; the construction then finds a zero determinant.
TEST(ValidateCurveInputs, SameFlowAndPressureForPointsOneAndTwoPassButTheFitFails) {
  FanInputs w;
  w.Set({{"A152", "30,000.00"}, {"A155", "5.00"}, {"A154", "30,000.00"}, {"A157", "5.00"}});
  EXPECT_TRUE(ValidateCurveInputs(w.state, true));
  EXPECT_TRUE(w.ui.Messages().empty());
  BuildCurveModel(w.state);
  EXPECT_TRUE(w.state.CalcError);
}

// The pump uses its own constant: 3960 x 50 / 4 = 49500 GPM at 100 %.
TEST(ValidateCurveInputs, PumpImpliedEfficiencyUsesThePumpConstant) {
  CurveWindow w(ApplicationKind::Pump);
  w.Set({{"A120", "4.00"}, {"A121", "0.80"}, {"A123", "0.00"}, {"A122", "50"}});
  w.SelectLock("LOCKA149");
  w.Set({{"A149", "45,000.00"}, {"A150", "42,075.00"}, {"A144", "85.0"}});  // implies 90.9 %
  EXPECT_FALSE(ValidateCurveInputs(w.state, false));
  EXPECT_EQ(w.NoteText(), Message(TextTable::MainWindow, "IDS_71"));
  EXPECT_EQ(w.Text("A144"), "90.9");
}

TEST(ValidateCurveInputs, KilowattShaftPowerInTheImpliedEfficiency) {
  FanInputs w;
  w.state.units.PowerUnit = 1;
  w.Set({{"A122", "37.3"}});  // 50.0 HP
  w.SelectLock("LOCKA149");
  w.Set({{"A149", "70,000.00"}});
  EXPECT_FALSE(ValidateCurveInputs(w.state, false));
  // 70000 / (6362 x (37.3 / 0.746) / 4) = 88.02 %
  EXPECT_EQ(w.Text("A144"), "88.0");
}

}  // namespace
}  // namespace wattora
