#include <gtest/gtest.h>

#include <cmath>

#include "analysis/unit_labels.h"
#include "charts/curve_charts.h"
#include "test_support.h"

namespace wattora {
namespace {

// A fan analysis in cfm and in. wg whose curve model is the default curve of the worked
// example of curve construction: 6362 x 0.85 x 50 HP / 4 in. wg = 67596.25 cfm design flow,
// h(q) = 1.2 - 0.1 q^2 - 0.1 q^3, used from 0 to twice the design flow (135192.5 cfm).
struct DefaultFanCurve : testing::TestWindow {
  DefaultFanCurve() {
    state.record.Application = ApplicationKind::Fan;
    state.form.SetText("A120", "4.00");
    state.form.SetText("A121", "0.80");
    state.form.SetText("A123", "0.40");
    state.form.SetCaption(UnitLabelName("A152"), "cfm");
    CurveModel& m = state.curve.Model;
    m.DesignFlow = 67596.25;
    m.A_Horiz = -0.1, m.B_Horiz = -0.1, m.C_Horiz = 0, m.D_Horiz = 1.2;
    SetRange(0, 135192.5);
  }
  void SetRange(double start, double end) {
    CurveModel& m = state.curve.Model;
    m.CurveStartFlow = start;
    m.CurveEndFlow = end;
    m.CurveStart = start / m.DesignFlow;
  }
  const ChartSeries& Series(std::string_view chart, std::string_view series) const {
    return state.charts.SeriesOf(chart, series);
  }
};

TEST(CurveDrawing, DefaultCurveFillsEveryChartFromZeroToTwiceTheDesignFlow) {
  DefaultFanCurve w;
  DrawCurveCharts(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_TRUE(w.ui.Messages().empty());

  for (auto [chart, series] : {std::pair{"CurveChart", "PointSeries2"}, {"ControlChart2", "PointSeries4"}}) {
    const auto& points = w.Series(chart, series).Points;
    ASSERT_EQ(points.size(), 201u) << chart;
    EXPECT_EQ(points.front(), (ChartPoint{0, 4.8}));
    EXPECT_EQ(points.back().x, 200);
    EXPECT_NEAR(points.back().y, 0, 1e-9);
  }
  for (auto [chart, series] : {std::pair{"Chart1", "PointSeries2A"}, {"Chart2", "PointSeries5A"}}) {
    const auto& points = w.Series(chart, series).Points;
    ASSERT_EQ(points.size(), 201u) << chart;
    EXPECT_DOUBLE_EQ(points[100].x, 67596.25);
    EXPECT_NEAR(points[100].y, 4, 1e-9);
    EXPECT_DOUBLE_EQ(points.back().x, 135192.5);
  }
  const Chart& advanced = w.state.charts.Named("Chart1");
  EXPECT_FALSE(advanced.Bottom.AutomaticMaximum);
  EXPECT_DOUBLE_EQ(advanced.Bottom.Maximum, 135192.5);
  EXPECT_EQ(advanced.Bottom.Title, "Flow (cfm)");
  EXPECT_EQ(w.state.charts.Named("Chart2").Bottom.Title, "Flow (cfm)");

  // Start point 0: the surge line is 200 steps at the origin besides its first point.
  for (auto [chart, series] : {std::pair{"Chart1", "SurgeSeries1"}, {"Chart2", "SurgeSeries2"},
                               {"CurveChart", "SurgeSeries3"}, {"ControlChart2", "SurgeSeries4"}}) {
    EXPECT_EQ(w.Series(chart, series).Points.size(), 201u) << series;
  }
  EXPECT_EQ(w.state.SurgePressure, 4);

  const ChartSeries& control = w.Series("CurveChart", "PointSeries1");
  EXPECT_EQ(control.Color, 0xFF0000u);
  EXPECT_EQ(control.Width, 2);
  EXPECT_EQ(w.Series("ControlChart2", "PointSeries4").Color, 0x0000FFu);
}

TEST(CurveDrawing, ControlCurveAlwaysSpansZeroTo110Percent) {
  DefaultFanCurve w;
  w.SetRange(30000, 40000);
  DrawCurveCharts(w.state);
  const auto& percent = w.Series("CurveChart", "PointSeries1").Points;
  ASSERT_EQ(percent.size(), 111u);
  EXPECT_EQ(percent.front(), (ChartPoint{0, 0.8}));
  EXPECT_EQ(percent.back().x, 110);
  EXPECT_NEAR(percent.back().y, 0.8 + 3.2 * 1.21, 1e-9);
  const auto& flow = w.Series("Chart1", "PointSeries1A").Points;
  ASSERT_EQ(flow.size(), 111u);
  EXPECT_NEAR(flow.back().x, 1.1 * 67596.25, 1e-6);
  // The fan curve only within the range: 30000 / 67596.25 = 44.4 % to 59.2 %.
  const auto& fan = w.Series("CurveChart", "PointSeries2").Points;
  ASSERT_FALSE(fan.empty());
  EXPECT_EQ(fan.front().x, 45);
  EXPECT_EQ(fan.back().x, 59);
}

TEST(CurveDrawing, StartPointAtHalfTheDesignFlowEndsTheSurgeLineOnTheCurve) {
  DefaultFanCurve w;
  w.SetRange(67596.25 / 2, 135192.5);
  DrawCurveCharts(w.state);
  const auto& surge = w.Series("CurveChart", "SurgeSeries3").Points;
  ASSERT_EQ(surge.size(), 151u);
  EXPECT_NEAR(surge.back().x, 50, 1e-9);
  EXPECT_NEAR(surge.back().y, 4.65, 1e-9);
  const auto& surgeFlow = w.Series("Chart1", "SurgeSeries1").Points;
  EXPECT_NEAR(surgeFlow.back().x, 67596.25 / 2, 1e-6);
  EXPECT_NEAR(w.state.SurgePressure, 4.65, 1e-9);
  EXPECT_EQ(w.Series("CurveChart", "PointSeries2").Points.front().x, 50);
}

TEST(CurveDrawing, SurgePressureKeepsItsValueWithoutSurgeSteps) {
  struct Case {
    ApplicationKind kind;
    double start;  // in design flows
  };
  // Twice the design flow leaves no step; a pump with start 0 has no surge pressure.
  for (const Case c : {Case{ApplicationKind::Fan, 2.0}, Case{ApplicationKind::Pump, 0}}) {
    DefaultFanCurve w;
    w.state.record.Application = c.kind;
    w.SetRange(c.start * 67596.25, 135192.5);
    w.state.SurgePressure = 1.25;
    DrawCurveCharts(w.state);
    EXPECT_EQ(w.state.SurgePressure, 1.25);
    if (c.start > 0) {
      EXPECT_EQ(w.Series("Chart2", "SurgeSeries2").Points, (std::vector<ChartPoint>{{0, 0}}));
    }
  }
}

TEST(CurveDrawing, SetPointAboveDesignHeadIsCorrectedWithAMessage) {
  DefaultFanCurve w;
  w.state.form.SetText("A121", "5.00");
  DrawCurveCharts(w.state);
  ASSERT_EQ(w.ui.Messages().size(), 1u);
  EXPECT_EQ(w.ui.Messages()[0].key, "IDS_15");
  EXPECT_EQ(w.state.form.Text("A121"), "4.00");
  EXPECT_EQ(w.state.curve.Model.SetPointHead, 4);
  EXPECT_EQ(w.Series("CurveChart", "PointSeries1").Points.front().y, 4);
}

TEST(CurveDrawing, ShowsValuesInTheUsersUnits) {
  DefaultFanCurve w;
  w.state.units.FanPressureUnit = 2;  // Pa
  w.state.form.SetText("A120", "996.33");
  w.state.form.SetText("A121", "199.27");
  DrawCurveCharts(w.state);
  const double designHead = w.state.curve.Model.DesignHead;  // back in in. wg
  EXPECT_NEAR(designHead, 4, 1e-4);
  const auto& fan = w.Series("CurveChart", "PointSeries2").Points;
  ASSERT_EQ(fan.size(), 201u);
  EXPECT_NEAR(fan[100].y, 996.33, 1e-6);
}

TEST(CurveDrawing, NothingIsDrawnWithoutAnAnalysis) {
  DefaultFanCurve w;
  w.state.record.Application = ApplicationKind::None;
  w.state.form.SetText("A121", "5.00");
  DrawCurveCharts(w.state);
  EXPECT_TRUE(w.ui.Messages().empty());
  EXPECT_TRUE(w.Series("CurveChart", "PointSeries1").Points.empty());
  EXPECT_TRUE(w.Series("CurveChart", "PointSeries2").Points.empty());
}

TEST(CurveDrawing, ArithmeticFaultSetsCalcErrorAndKeepsOnlyFinitePoints) {
  DefaultFanCurve w;
  w.state.curve.Model.A_Horiz = 1e308;  // the cubic overflows beyond about 121 %
  w.SetRange(0, 1e9);
  w.state.SurgePressure = 1.25;
  DrawCurveCharts(w.state);
  EXPECT_TRUE(w.state.CalcError);
  const auto& fan = w.Series("CurveChart", "PointSeries2").Points;
  ASSERT_FALSE(fan.empty());
  EXPECT_LT(fan.size(), 801u);
  for (const ChartPoint& p : fan) EXPECT_TRUE(std::isfinite(p.y));
  // The drawing ended before the surge line.
  EXPECT_TRUE(w.Series("CurveChart", "SurgeSeries3").Points.empty());
  EXPECT_EQ(w.state.SurgePressure, 1.25);
}

TEST(CurveDrawing, ResetClearsAllTwelveSeriesAndHidesTheSurgeLines) {
  DefaultFanCurve w;
  DrawCurveCharts(w.state);
  for (auto [chart, series] : {std::pair{"Chart1", "SurgeSeries1"}, {"CurveChart", "SurgeSeries3"}}) {
    w.state.charts.SeriesOf(chart, series).SetActive(true);
  }
  w.state.curve.CurveDefaultsPending = false;
  w.state.curve.LastPeakEffText = "85.0";
  ResetCurveTracking(w.state);

  int cleared = 0;
  w.state.charts.ForEach([&](const std::string& name, const Chart& chart) {
    if (name != "CurveChart" && name != "ControlChart2" && name != "Chart1" && name != "Chart2") return;
    for (const auto& [seriesName, series] : chart.Series) {
      EXPECT_TRUE(series.Points.empty()) << seriesName;
      if (seriesName.starts_with("Surge")) {
        EXPECT_FALSE(series.Active) << seriesName;
      }
      ++cleared;
    }
  });
  EXPECT_EQ(cleared, 12);
  EXPECT_TRUE(w.state.curve.CurveDefaultsPending);
  EXPECT_EQ(w.state.curve.LastDesignHead, -1.0);
  EXPECT_TRUE(w.state.curve.LastPeakEffText.empty());
}

}  // namespace
}  // namespace wattora
