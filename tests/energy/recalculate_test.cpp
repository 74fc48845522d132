#include "energy/recalculate.h"

#include <gtest/gtest.h>

#include "app/analysis_steps.h"
#include "app/input_fields.h"
#include "test_support.h"

namespace wattora {
namespace {

// A new fan analysis with the step-2 fields a user must fill typed in.
struct StartedFan : testing::TestWindow {
  explicit StartedFan(ApplicationKind kind = ApplicationKind::Fan) {
    ShowIntroductionOff();
    StartAnalysis(state, kind);
    if (kind == ApplicationKind::Fan) {
      for (auto [field, text] : {std::pair{"A104", "0.1"}, {"A105", "50"}, {"A122", "50"},
                                 {"A125", "50"}, {"A109", "15000"}}) {
        state.form.SetText(field, text);
      }
    }
    ui.Clear();
  }
  void ShowIntroductionOff() { state.options.ShowIntroduction = false; }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const auto& m : ui.Messages()) keys.push_back(m.key);
    return keys;
  }
};

struct SystemDataCase {
  const char* field;
  const char* text;
  const char* key;  // empty: the check passes
  friend std::ostream& operator<<(std::ostream& os, const SystemDataCase& c) {
    return os << c.field << "=" << c.text;
  }
};

class SystemDataRules : public ::testing::TestWithParam<SystemDataCase> {};

TEST_P(SystemDataRules, FirstFailingRuleShowsItsMessage) {
  const SystemDataCase& c = GetParam();
  StartedFan w;
  w.state.form.SetText("A123", "0.40");
  w.state.form.SetText("A121", "0.10");
  w.state.form.SetText(c.field, c.text);
  const bool expectPass = std::string_view(c.key).empty();
  EXPECT_EQ(CheckSystemData(w.state, false), expectPass);
  EXPECT_TRUE(w.ui.Messages().empty());  // silent without the flag
  EXPECT_EQ(CheckSystemData(w.state, true), expectPass);
  if (expectPass) {
    EXPECT_TRUE(w.ui.Messages().empty());
  } else {
    ASSERT_EQ(w.ui.Messages().size(), 1u);
    EXPECT_EQ(w.ui.Messages()[0].key, c.key);
    EXPECT_EQ(w.ui.Messages()[0].type, MessageType::Information);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SystemDataRules,
    ::testing::Values(
        // 0.02 and 1.2 x 0.02 = 0.024 both round to 0.02; 0.03 against 0.04 passes.
        SystemDataCase{"A120", "0.02", "IDS_01"}, SystemDataCase{"A120", "0.01", "IDS_01"},
        SystemDataCase{"A120", "0.40", ""},  // equal to the removed pressure drop
        SystemDataCase{"A120", "0.39", "IDS_02"},
        SystemDataCase{"A121", "4.01", "IDS_03"}, SystemDataCase{"A121", "4.00", ""},
        SystemDataCase{"A122", "50.1", "IDS_04"},
        SystemDataCase{"A125", "49.9", "IDS_05"},  // shaft above drive comes before motor above drive
        SystemDataCase{"A105", "50.1", "IDS_06"}));

TEST(SystemData, ThreeHundredthsPassTheFirstRule) {
  StartedFan w;
  w.state.form.SetText("A120", "0.03");
  w.state.form.SetText("A121", "0");
  w.state.form.SetText("A123", "0");
  EXPECT_TRUE(CheckSystemData(w.state, true));
}

TEST(SystemData, ShaftFiftyMotorFiftyDriveFortyIsTheDriveShaftRule) {
  StartedFan w;
  w.state.form.SetText("A125", "40");
  EXPECT_FALSE(CheckSystemData(w.state, true));
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_05"});
}

TEST(StepTwo, EmptyPumpAnalysisIsIncompleteButConsistent) {
  StartedFan w(ApplicationKind::Pump);
  EXPECT_FALSE(StepTwoComplete(w.state));
  EXPECT_TRUE(CheckSystemData(w.state, true));
  EXPECT_TRUE(w.ui.Messages().empty());
  const CurveModel before = w.state.curve.Model;
  Recalculate(w.state);
  EXPECT_EQ(w.state.curve.Model.A_Horiz, before.A_Horiz);
  EXPECT_EQ(w.state.curve.Model.DesignFlow, before.DesignFlow);
  EXPECT_FALSE(w.state.CalcError);
}

TEST(StepTwo, EmptyDriveCostFailsOnceAndBecomesZero) {
  StartedFan w;
  w.state.form.SetText("A109", "");
  EXPECT_FALSE(StepTwoComplete(w.state));
  EXPECT_EQ(w.state.form.Text("A109"), "0");
  EXPECT_TRUE(StepTwoComplete(w.state));
}

TEST(StepChange, ShaftAboveMotorSkipsRecalculationAndStopsTheNextStepChange) {
  StartedFan w;
  w.state.form.SetText("A122", "");
  TypeIntoField(w.state, "A122", "60");
  CheckFieldOnExit(w.state, "A122");
  EXPECT_TRUE(w.ui.Messages().empty());
  TabClick(w.state, 2);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_04"});
  EXPECT_EQ(w.state.form.Pages("CalcPanel").ActivePage(), 1);
  EXPECT_TRUE(w.state.form.Visible("FanAdvanced"));  // back on the curve
  EXPECT_TRUE(w.state.StepChangeBusy);
}

TEST(StepChange, ContinueFromStepOneWithEmptyStepTwoNeedsNoMessage) {
  StartedFan w(ApplicationKind::Pump);
  ContinueClick(w.state);
  EXPECT_EQ(w.state.form.Pages("CalcPanel").ActivePage(), 1);
  EXPECT_TRUE(w.ui.Messages().empty());
  EXPECT_FALSE(w.state.StepChangeBusy);

  ContinueClick(w.state);  // step 2 incomplete
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_22"});
  EXPECT_EQ(w.state.form.Pages("CalcPanel").ActivePage(), 1);
}

TEST(StepChange, TabClickFromStepOneLandsOnStepTwo) {
  StartedFan w(ApplicationKind::Pump);
  TabClick(w.state, 4);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_22"});
  EXPECT_EQ(w.state.form.Pages("CalcPanel").ActivePage(), 1);
}

TEST(StepChange, CompleteStepTwoMovesOnAndRebuildsTheMemos) {
  StartedFan w;
  w.state.form.SetText("OTHER1_INI_C", "Crane");
  TabClick(w.state, 4);
  EXPECT_EQ(w.state.form.Pages("CalcPanel").ActivePage(), 4);
  EXPECT_FALSE(w.state.StepChangeBusy);
  EXPECT_EQ(w.state.form.MemoNamed("COSTMEMO").Lines().front(), "Crane");
  EXPECT_EQ(w.state.table.At(104 - 100)->currentValue, 0.1f);  // fields stored
}

TEST(DutyCyclePage, NeedsStepTwoAndKeepsTheUserOnAWrongTotal) {
  StartedFan pump(ApplicationKind::Pump);
  OpenDutyCyclePage(pump.state);
  EXPECT_EQ(pump.Keys(), std::vector<std::string>{"IDS_20"});
  EXPECT_FALSE(pump.state.form.Visible("DutyCyclePanel"));

  StartedFan w;
  OpenDutyCyclePage(w.state);
  ASSERT_TRUE(w.state.form.Visible("DutyCyclePanel"));
  w.state.energy.Duty.DutyTotal = 99;
  LeaveDutyCyclePage(w.state);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_14"});
  EXPECT_TRUE(w.state.form.Visible("DutyCyclePanel"));
}

TEST(DutyCyclePage, AStepChangeKeepsTheHoursEditedThere) {
  StartedFan w;
  OpenDutyCyclePage(w.state);
  w.state.form.SetText("A101A", "");
  TypeIntoField(w.state, "A101A", "12");
  CheckFieldOnExit(w.state, "A101A");
  TabClick(w.state, 4);
  EXPECT_EQ(w.state.form.Text("A101"), "12");
  EXPECT_EQ(w.state.table.At(1)->currentValue, 12.0f);
  EXPECT_FALSE(w.state.form.Visible("DutyCyclePanel"));
}

TEST(StartAnalysis, TitleFollowsTheProjectName) {
  StartedFan w;
  EXPECT_EQ(w.state.WindowTitle, "KRA\xC2\xAE Wattora");
  w.state.form.SetText("QNUM", "Plant 7");
  EXPECT_EQ(StepsWindowTitle(w.state), "KRA\xC2\xAE Wattora Fan Application > Project: Plant 7");
  EXPECT_TRUE(w.state.form.Visible("StepsScreen"));
  EXPECT_FALSE(w.state.form.Visible("MainMenuScreen"));
}

}  // namespace
}  // namespace wattora
