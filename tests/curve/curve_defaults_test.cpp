#include <gtest/gtest.h>

#include "curve/build_curve_model.h"
#include "curve_test_window.h"

namespace wattora {
namespace {

using testing::CurveWindow;

// Default curve: with 50 HP at 4 in. wg the design flow is 67596.25 cfm, the curve
// runs from (0, 1.2 x 4) through the design point to (2 x 67596.25, 0).
TEST(ApplyCurveDefaults, ResetsTheAdvancedFieldsAndFitsTheDefaultCurve) {
  CurveWindow w;
  w.Set({{"A122", "50"}, {"A144", "70"}, {"A155", "9.00"}, {"A158", "500.00"}});
  w.SelectLock("LOCKA149");
  ShowCheckNote(w.state.form, "old");
  w.state.curve.LastPeakEffText = "85.0";
  w.state.curve.LastPeakFlowText = "1";

  EXPECT_TRUE(ApplyCurveDefaults(w.state));

  EXPECT_FALSE(w.state.curve.CurveDefaultsPending);
  EXPECT_EQ(w.state.curve.LastPeakEffText, "");
  EXPECT_EQ(w.state.curve.LastPeakFlowText, "");
  EXPECT_TRUE(w.state.form.Checked("LOCKA144"));
  EXPECT_TRUE(w.state.form.Checked("HORIZ"));
  EXPECT_FALSE(w.NoteShown());
  EXPECT_EQ(w.Text("A144"), "85.0");
  EXPECT_EQ(w.Text("A158"), "0.00");
  EXPECT_EQ(w.Text("A149"), "67,596.25");
  EXPECT_EQ(w.Text("A153"), "67,596.25");
  EXPECT_EQ(w.Text("A154"), "135,192.50");
  EXPECT_EQ(w.Text("A159"), "135,192.50");
  EXPECT_EQ(w.Text("A150"), "67,596.25");
  // 0.5 x 67596.25 = 33798.125 exactly; the text rounding breaks the tie to even.
  EXPECT_EQ(w.Text("A151"), "33,798.12");
  EXPECT_EQ(w.Text("A155"), "4.80");
  EXPECT_TRUE(w.ui.Messages().empty());

  // The pipeline's own construction then fits h(q) = 1.2 - 0.1 q^2 - 0.1 q^3.
  BuildCurveModel(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_NEAR(w.Model().A_Horiz, -0.1, 1e-12);
  EXPECT_NEAR(w.Model().B_Horiz, -0.1, 1e-12);
  EXPECT_NEAR(w.Model().C_Horiz, 0.0, 1e-12);
  EXPECT_NEAR(w.Model().D_Horiz, 1.2, 1e-12);
  EXPECT_EQ(w.Model().CurveStartFlow, 0);
  EXPECT_EQ(w.Model().CurveEndFlow, 135192.5);
}

TEST(ApplyCurveDefaults, ScalesWithTheDesignHead) {
  CurveWindow w;
  w.Set({{"A122", "50"}, {"A120", "5.00"}});
  EXPECT_TRUE(ApplyCurveDefaults(w.state));
  EXPECT_EQ(w.Text("A149"), "54,077.00");  // 6362 x 0.85 x 50 / 5
  EXPECT_EQ(w.Text("A154"), "108,154.00");
  EXPECT_EQ(w.Text("A151"), "27,038.50");
  EXPECT_EQ(w.Text("A155"), "6.00");  // 1.2 x 5
}

TEST(ApplyCurveDefaults, LeavesHorizAsItIs) {
  CurveWindow w;
  w.Set({{"A122", "50"}});
  w.SetHorizontal(false);
  EXPECT_TRUE(ApplyCurveDefaults(w.state));
  EXPECT_FALSE(w.state.form.Checked("HORIZ"));
}

TEST(TrackHeadAndPower, AChangeOfHeadOrPowerAsksForTheDefaultCurve) {
  CurveWindow w;
  w.Set({{"A122", "50"}});
  ASSERT_TRUE(ApplyCurveDefaults(w.state));
  TrackHeadAndPower(w.state);  // from -1: both differ
  EXPECT_TRUE(w.state.curve.CurveDefaultsPending);
  EXPECT_EQ(w.state.curve.LastDesignHead, 4.0);
  EXPECT_EQ(w.state.curve.LastShaftPower, 50.0);

  w.state.curve.CurveDefaultsPending = false;
  w.state.curve.LastPeakEffText = "85.0";
  TrackHeadAndPower(w.state);  // nothing changed
  EXPECT_FALSE(w.state.curve.CurveDefaultsPending);
  EXPECT_EQ(w.state.curve.LastPeakEffText, "85.0");

  w.Set({{"A122", "60"}});
  TrackHeadAndPower(w.state);
  EXPECT_TRUE(w.state.curve.CurveDefaultsPending);
  EXPECT_EQ(w.state.curve.LastShaftPower, 60.0);
  EXPECT_EQ(w.state.curve.LastPeakEffText, "");

  w.state.curve.CurveDefaultsPending = false;
  w.Set({{"A120", "4.50"}});
  TrackHeadAndPower(w.state);
  EXPECT_TRUE(w.state.curve.CurveDefaultsPending);
  EXPECT_EQ(w.state.curve.LastDesignHead, 4.5);
}

TEST(StoreHeadAndPower, RemembersWithoutAskingForTheDefaultCurve) {
  CurveWindow w;
  w.Set({{"A122", "50"}});
  ASSERT_TRUE(ApplyCurveDefaults(w.state));
  StoreHeadAndPower(w.state);
  EXPECT_FALSE(w.state.curve.CurveDefaultsPending);
  EXPECT_EQ(w.state.curve.LastDesignHead, 4.0);
  EXPECT_EQ(w.state.curve.LastShaftPower, 50.0);
  TrackHeadAndPower(w.state);  // an analysis read from a file keeps its curve
  EXPECT_FALSE(w.state.curve.CurveDefaultsPending);
}

}  // namespace
}  // namespace wattora
