#include <gtest/gtest.h>

#include "analysis/number_notation.h"
#include "app/input_fields.h"
#include "charts/chart_fixtures.h"
#include "charts/curve_charts.h"
#include "curve/check_note.h"

namespace wattora {
namespace {

using testing::StartedAnalysis;

// A fan analysis on its advanced panel.
struct AdvancedPanel : StartedAnalysis {
  AdvancedPanel() {
    AdvancedClick(state);
    ui.Clear();
  }
  double Value(std::string_view field) const {
    return ParseDisplayNumber(state.units, state.form.Text(field));
  }
  void Leave(std::string_view field, std::string_view text) {
    state.form.SetText(field, text);
    CheckFieldOnExit(state, field);
  }
  const std::vector<ChartPoint>& FanCurve() const {
    return state.charts.SeriesOf("CurveChart", "PointSeries2").Points;
  }
};

TEST(AdvancedClick, RefusesAnIncompleteStep2) {
  testing::TestWindow w;
  w.state.options.ShowIntroduction = false;
  StartAnalysis(w.state, ApplicationKind::Fan);
  w.ui.Clear();
  AdvancedClick(w.state);
  ASSERT_EQ(w.ui.Messages().size(), 1u);
  EXPECT_EQ(w.ui.Messages()[0].key, "IDS_24");
  EXPECT_EQ(w.ui.Messages()[0].text, "Please fill out all fields in STEP 2 to activate the advanced mode.");
  EXPECT_TRUE(w.state.form.Visible("Step2"));
  EXPECT_FALSE(w.state.form.Visible("FanAdvanced"));
}

TEST(AdvancedClick, RefusesInconsistentSystemDataWithTheirMessage) {
  StartedAnalysis w;
  w.state.form.SetText("A122", "60");  // shaft power above the motor power
  AdvancedClick(w.state);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_04"});
  EXPECT_TRUE(w.Shown("Step2"));
  EXPECT_FALSE(w.Shown("FanAdvanced"));
}

TEST(AdvancedClick, ShowsTheAdvancedPanelWithItsCurveDrawn) {
  StartedAnalysis w;
  w.state.form.SetVisible("ADVANCEDGRAPH", true);
  AdvancedClick(w.state);
  EXPECT_TRUE(w.ui.Messages().empty());
  EXPECT_TRUE(w.Shown("FanAdvanced"));
  for (const char* panel : {"Step2", "DutyCyclePanel", "ADVANCEDGRAPH"}) EXPECT_FALSE(w.Shown(panel)) << panel;
  // The default curve in cfm: A159 holds twice the design flow, the axis of Chart1 ends there.
  const Chart& chart = w.state.charts.Named("Chart1");
  EXPECT_FALSE(chart.SeriesNamed("PointSeries2A").Points.empty());
  EXPECT_DOUBLE_EQ(chart.Bottom.Maximum, ParseDisplayNumber(w.state.units, w.state.form.Text("A159")));
}

TEST(AdvancedPanelNavigation, ZoomAndBack) {
  AdvancedPanel w;
  ZoomGraphClick(w.state);
  EXPECT_TRUE(w.Shown("ADVANCEDGRAPH"));
  GoBackToAdvancedModeClick(w.state);
  EXPECT_FALSE(w.Shown("ADVANCEDGRAPH"));
  EXPECT_TRUE(w.Shown("FanAdvanced"));
}

TEST(GoBackToStep2, StaysWhileTheCurveIsInvalid) {
  AdvancedPanel w;
  w.state.form.SetText("A152", w.state.form.Text("A149"));  // point 1 at the design flow
  GoBackToStep2Click(w.state);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_60"});
  EXPECT_TRUE(w.Shown("FanAdvanced"));
  EXPECT_FALSE(w.Shown("Step2"));
}

TEST(GoBackToStep2, ReturnsToStep2AndEndsAnUnfinishedStepChange) {
  AdvancedPanel w;
  ZoomGraphClick(w.state);
  w.state.StepChangeBusy = true;
  GoBackToStep2Click(w.state);
  EXPECT_TRUE(w.ui.Messages().empty());
  EXPECT_TRUE(w.Shown("Step2"));
  for (const char* panel : {"FanAdvanced", "DutyCyclePanel", "ADVANCEDGRAPH"}) EXPECT_FALSE(w.Shown(panel)) << panel;
  EXPECT_FALSE(w.state.StepChangeBusy);
}

TEST(CurveFieldExit, ClampsToTheLimitsWithABeep) {
  struct Case {
    const char* typed;
    const char* shown;
    int beeps;
  };
  // A146, the efficiency at the additional point: 1 to 100 %, one decimal. (The curve rules
  // that fail afterwards only rewrite it with its own value.)
  for (const Case c : {Case{"150", "100.0", 1}, Case{"0", "1.0", 1}, Case{"70.04", "70.0", 0}}) {
    AdvancedPanel w;
    w.state.record.Modified = false;
    w.Leave("A146", c.typed);
    EXPECT_EQ(w.state.form.Text("A146"), c.shown) << c.typed;
    EXPECT_EQ(w.ui.Beeps(), c.beeps) << c.typed;
    EXPECT_TRUE(w.state.record.Modified) << c.typed;
  }
}

TEST(CurveFieldExit, PeakEfficiencyMovesTheAdditionalPointOnlyWhenItsTextChanged) {
  AdvancedPanel w;
  w.Leave("A145", "90");
  EXPECT_EQ(w.state.form.Text("A146"), "72.0");  // 0.8 x 90
  w.state.form.SetText("A146", "70.0");
  w.Leave("A145", "90.0");
  EXPECT_EQ(w.state.form.Text("A146"), "70.0");
  // After a reset of the remembered text the same text counts as a change again.
  w.state.curve.LastPeakEffText.clear();
  w.Leave("A145", "90.0");
  EXPECT_EQ(w.state.form.Text("A146"), "72.0");
}

TEST(CurveFieldExit, PeakFlowMovesTheAdditionalFlowToHalfOfIt) {
  AdvancedPanel w;
  w.Leave("A150", "60000");
  EXPECT_EQ(w.state.form.Text("A150"), "60,000.00");
  EXPECT_EQ(w.state.form.Text("A151"), "30,000.00");
}

TEST(CurveFieldExit, RebuildsTheCurveOnlyWhenTheInputsHold) {
  AdvancedPanel w;
  const double designPressure = w.Value("A156");
  const std::vector<ChartPoint> before = w.FanCurve();

  // Point 1 below the design pressure at a smaller flow fails quietly: the check note only.
  w.Leave("A155", FormatDisplayNumber(w.state.units, designPressure - 1, 2));
  EXPECT_TRUE(w.ui.Messages().empty());
  EXPECT_TRUE(CheckNoteVisible(w.state.form));
  EXPECT_EQ(w.FanCurve(), before);

  // A higher point 1 passes and is drawn at once.
  w.Leave("A155", FormatDisplayNumber(w.state.units, 1.5 * designPressure, 2));
  EXPECT_FALSE(CheckNoteVisible(w.state.form));
  ASSERT_FALSE(w.FanCurve().empty());
  EXPECT_NEAR(w.FanCurve().front().y, 1.5 * designPressure, 0.01);
}

TEST(LockClick, DesignFlowLockTakesThePeakPointWhenTheEfficiencyIsAboveIt) {
  AdvancedPanel w;
  w.state.form.SetText("A144", "90.0");
  w.state.form.SetText("A145", "85.0");
  w.state.form.SetText("A150", "60,000.00");
  w.state.form.SetChecked("LOCKA149", true);
  LockClick(w.state, "LOCKA149");
  EXPECT_EQ(w.state.form.Text("A144"), "85.0");
  EXPECT_EQ(w.state.form.Text("A149"), "60,000.00");
  EXPECT_FALSE(w.state.form.Field("A144").Enabled());
  EXPECT_TRUE(w.state.form.Field("A149").Enabled());

  w.state.form.SetChecked("LOCKA144", true);
  LockClick(w.state, "LOCKA144");
  EXPECT_TRUE(w.state.form.Field("A144").Enabled());
  EXPECT_FALSE(w.state.form.Field("A149").Enabled());
  EXPECT_TRUE(w.ui.Messages().empty());
}

TEST(HorizClick, RedrawsTheCurveWithoutRecalculating) {
  AdvancedPanel w;
  const std::uint64_t drive = w.state.charts.SeriesOf("PowerChart1", "PowerRequired_Drive").Revision;
  const std::vector<ChartPoint> cubic = w.FanCurve();
  w.state.form.SetChecked("HORIZ", false);
  HorizClick(w.state);
  EXPECT_TRUE(w.ui.Messages().empty());
  ASSERT_EQ(w.FanCurve().size(), cubic.size());
  EXPECT_NE(w.FanCurve()[50].y, cubic[50].y);  // the parabola through the same points
  EXPECT_NEAR(w.FanCurve()[100].y, cubic[100].y, 1e-9);  // both pass the design point
  EXPECT_EQ(w.state.charts.SeriesOf("PowerChart1", "PowerRequired_Drive").Revision, drive);
}

TEST(HorizClick, InvalidInputsKeepTheNewStateAndTheOldCurve) {
  AdvancedPanel w;
  w.state.form.SetChecked("HORIZ", false);
  HorizClick(w.state);
  const std::vector<ChartPoint> parabola = w.FanCurve();
  w.state.form.SetText("A152", w.state.form.Text("A149"));
  w.state.form.SetChecked("HORIZ", true);
  HorizClick(w.state);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_60"});
  EXPECT_TRUE(w.state.form.Checked("HORIZ"));
  EXPECT_EQ(w.FanCurve(), parabola);
}

TEST(AdvancedRestore, CancelChangesNothing) {
  AdvancedPanel w;
  w.state.form.SetText("A157", "1.00");
  w.ui.QueueAnswer(Button::Cancel);
  AdvancedRestoreClick(w.state);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_33"});
  EXPECT_EQ(w.state.form.Text("A157"), "1.00");
}

TEST(AdvancedRestore, RestoresTheDefaultCurveAroundTheDesignFlow) {
  AdvancedPanel w;
  w.Leave("A155", FormatDisplayNumber(w.state.units, 2 * w.Value("A156"), 2));
  w.state.form.SetChecked("HORIZ", false);
  HorizClick(w.state);
  w.state.form.SetChecked("LOCKA149", true);
  LockClick(w.state, "LOCKA149");
  w.ui.Clear();

  w.ui.QueueAnswer(Button::Yes);
  AdvancedRestoreClick(w.state);
  EXPECT_EQ(w.Keys(), std::vector<std::string>{"IDS_33"});
  EXPECT_TRUE(w.state.form.Checked("HORIZ"));
  EXPECT_TRUE(w.state.form.Checked("LOCKA144"));
  EXPECT_TRUE(w.state.form.Field("A144").Enabled());
  EXPECT_EQ(w.state.form.Text("A154"), w.state.form.Text("A159"));
  EXPECT_NEAR(w.Value("A154"), 2 * w.Value("A153"), 0.01);
  EXPECT_EQ(w.state.form.Text("A150"), w.state.form.Text("A149"));
  EXPECT_NEAR(w.Value("A151"), 0.5 * w.Value("A150"), 0.01);
  // Point 1 is back at 1.2 x the design head: 4.8 in. wg at zero flow.
  ASSERT_FALSE(w.FanCurve().empty());
  EXPECT_NEAR(w.FanCurve().front().y, 1.2 * w.Value("A120"), 0.01);
}

}  // namespace
}  // namespace wattora
