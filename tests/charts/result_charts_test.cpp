#include "charts/result_charts.h"

#include <gtest/gtest.h>

#include <limits>

#include "charts/chart_fixtures.h"
#include "charts/graph_page.h"

namespace wattora {
namespace {

using testing::StartedAnalysis;
using testing::TestWindow;

std::vector<double> Ys(const ChartSeries& series) {
  std::vector<double> ys;
  for (const ChartPoint& p : series.Points) ys.push_back(p.y);
  return ys;
}

TEST(DutyCharts, DefaultDutyCycleGivesTheBarsAtEveryTenPercent) {
  StartedAnalysis w;
  for (auto [chart, series] : {std::pair{"DutyChart", "DutySeries1"}, {"DutyCycleChart", "DutySeries2"},
                               {"DutyChart3", "DutySeries3"}}) {
    const ChartSeries& bars = w.state.charts.SeriesOf(chart, series);
    EXPECT_EQ(Ys(bars), (std::vector<double>{0, 0, 0, 5, 16, 23, 23, 21, 9, 3, 0})) << chart;
    ASSERT_EQ(bars.Points.size(), 11u);
    EXPECT_EQ(bars.Points[3].x, 30);
    EXPECT_EQ(bars.Points.back().x, 100);
    const Chart& c = w.state.charts.Named(chart);
    EXPECT_EQ(c.Title, "Duty Cycle");
    EXPECT_EQ(c.Bottom.Title, "Flow (%)");
    EXPECT_EQ(c.Left.Title, "Time (%)");
  }
}

TEST(DutyCharts, PanelBarsTurnRedAndHatchedUntilTheSharesAddUpTo100) {
  TestWindow w;
  const ChartSeries& bars = w.state.charts.SeriesOf("DutyCycleChart", "DutySeries2");
  w.state.energy.Duty.DutyTotal = 95;
  DrawDutyCharts(w.state);
  EXPECT_EQ(bars.Color, 0xFF0000u);
  EXPECT_EQ(bars.Fill, FillStyle::DiagonalCross);
  w.state.energy.Duty.DutyTotal = 100;
  DrawDutyCharts(w.state);
  EXPECT_EQ(bars.Color, 0x0000FFu);
  EXPECT_EQ(bars.Fill, FillStyle::Solid);
}

TEST(DutyCharts, TitlesFollowTheTranslatedCaptions) {
  TestWindow w;
  w.state.form.SetCaption("Flow_Word", "Volumenstrom (%)");
  w.state.form.SetCaption("GraphTab3", "Lastprofil");
  DrawDutyCharts(w.state);
  EXPECT_EQ(w.state.charts.Named("DutyChart").Bottom.Title, "Volumenstrom (%)");
  EXPECT_EQ(w.state.charts.Named("DutyChart3").Title, "Lastprofil");
}

SystemResult RampResult() {
  SystemResult r;
  for (int i = 1; i < kFlowSteps; ++i) r.InputPower[i] = i;
  for (int j = 0; j < kDutySteps; ++j) r.StepEnergy[j] = 1000.0 * (j + 1);
  return r;
}

TEST(PowerCharts, DriveSeriesShowKilowattsAndStepEnergies) {
  TestWindow w;
  w.state.energy.Results.DriveResult = RampResult();
  DrawDriveCharts(w.state);
  const auto& power = w.state.charts.SeriesOf("PowerChart1", "PowerRequired_Drive").Points;
  ASSERT_EQ(power.size(), 101u);
  EXPECT_EQ(power[0], (ChartPoint{0, 0}));
  EXPECT_DOUBLE_EQ(power[100].y, 74.6);  // 100 HP x 0.746
  const auto& energy = w.state.charts.SeriesOf("PowerChart2", "PowerRequired_Anu_Drive").Points;
  ASSERT_EQ(energy.size(), 11u);
  EXPECT_EQ(energy[0], (ChartPoint{0, 0}));
  EXPECT_EQ(energy[10], (ChartPoint{100, 10000}));
  EXPECT_FALSE(w.state.CalcError);
}

TEST(PowerCharts, ComparisonSeriesAreTitledAfterTheSystemShown) {
  TestWindow w;
  w.state.form.SetCaption("SystemName", "Outlet Damper System");
  DrawComparisonCharts(w.state, RampResult());
  const Chart& energy = w.state.charts.Named("PowerChart2");
  EXPECT_EQ(energy.SeriesNamed("PowerRequired_Anu_Compare").Title, "Outlet Damper System ");
  EXPECT_EQ(w.state.charts.SeriesOf("PowerChart1", "PowerRequired_Compare").Title, "Outlet Damper System ");
  EXPECT_EQ(energy.SeriesNamed("PowerRequired_Anu_Compare").Points[5], (ChartPoint{50, 5000}));
}

TEST(PowerCharts, NonFiniteResultsNeverReachTheChart) {
  TestWindow w;
  DrawDriveCharts(w.state);
  const std::vector<ChartPoint> before = w.state.charts.SeriesOf("PowerChart1", "PowerRequired_Drive").Points;
  SystemResult bad = RampResult();
  bad.InputPower[40] = std::numeric_limits<double>::infinity();
  w.state.energy.Results.DriveResult = bad;
  DrawDriveCharts(w.state);
  EXPECT_TRUE(w.state.CalcError);
  EXPECT_EQ(w.state.charts.SeriesOf("PowerChart1", "PowerRequired_Drive").Points, before);
  // The energy bars were finite and are drawn.
  EXPECT_EQ(w.state.charts.SeriesOf("PowerChart2", "PowerRequired_Anu_Drive").Points.size(), 11u);
}

TEST(PaybackChart, SavingsAxisStartsTenPercentBelowAnInitialOutlay) {
  struct Case {
    double yearZero;
    bool automatic;
    double minimum;
  };
  // -15000 gives -16500; a positive start (incentive above the extra cost) or 0 leaves the
  // axis fully automatic.
  for (const Case c : {Case{-15000, false, -16500}, Case{2000, true, 0}, Case{0, true, 0}}) {
    TestWindow w;
    auto& savings = w.state.energy.Costs.CumulativeSavings;
    for (int year = 0; year < 6; ++year) savings[year] = c.yearZero + 5000.0 * year;
    DrawPaybackChart(w.state);
    const Chart& chart = w.state.charts.Named("PayBackChart1");
    EXPECT_EQ(chart.Left.AutomaticMinimum, c.automatic) << c.yearZero;
    EXPECT_TRUE(chart.Left.AutomaticMaximum) << c.yearZero;
    if (!c.automatic) {
      EXPECT_DOUBLE_EQ(chart.Left.Minimum, c.minimum);
    }
    const ChartSeries& line = chart.SeriesNamed("PaybackChart");
    ASSERT_EQ(line.Points.size(), 6u);
    EXPECT_EQ(line.Points[5], (ChartPoint{5, c.yearZero + 25000}));
    EXPECT_EQ(Ys(chart.SeriesNamed("PayBackNull")), std::vector<double>(6, 0));
  }
}

TEST(PaybackChart, AutomaticAxisAfterAnOutlayIsAutomaticAgain) {
  TestWindow w;
  auto& savings = w.state.energy.Costs.CumulativeSavings;
  savings[0] = -15000;
  DrawPaybackChart(w.state);
  savings[0] = 2000;
  DrawPaybackChart(w.state);
  EXPECT_TRUE(w.state.charts.Named("PayBackChart1").Left.AutomaticMinimum);
}

TEST(YearsCombo, ChoiceLimitsTheYearsShown) {
  TestWindow w;
  const Chart& chart = w.state.charts.Named("PayBackChart1");
  EXPECT_EQ(w.state.charts.YearsCombo.Items[1], "2 Years");
  EXPECT_EQ(chart.Bottom.Maximum, 5);
  YearsComboChange(w.state, 1);
  EXPECT_FALSE(chart.Bottom.AutomaticMaximum);
  EXPECT_EQ(chart.Bottom.Maximum, 2);
  EXPECT_EQ(w.state.charts.YearsCombo.Index, 1);
  YearsComboChange(w.state, 7);  // no such entry
  EXPECT_EQ(chart.Bottom.Maximum, 2);
}

TEST(ApplicationTitles, FanAndPumpTextsDifferWhereTheyShould) {
  StartedAnalysis fan(ApplicationKind::Fan);
  StartedAnalysis pump(ApplicationKind::Pump);
  const Form& f = fan.state.form;
  const Form& p = pump.state.form;
  const ChartSet& fc = fan.state.charts;
  const ChartSet& pc = pump.state.charts;

  EXPECT_EQ(fc.Named("Chart1").Title, "Fan and Control Curve Data");
  EXPECT_EQ(pc.Named("Chart2").Title, "Pump and Control Curve Data");
  EXPECT_EQ(f.LabelNamed("GraphTab4").Caption(), "Fan and Control Curve Data");
  EXPECT_EQ(pc.Named("ControlChart2").Title, "Pump and Control Curve Data");
  EXPECT_EQ(fc.SeriesOf("Chart2", "PointSeries5A").Title, "Fan");
  EXPECT_EQ(pc.SeriesOf("CurveChart", "PointSeries2").Title, "Pump");
  EXPECT_EQ(f.LabelNamed("Advanced_Label").Caption(), "Fan Curve Data");
  EXPECT_EQ(p.LabelNamed("Curve_Eff").Caption(), "Pump Curve");
  EXPECT_EQ(f.LabelNamed("Label20").Caption(), "Fan curve point 1:");
  EXPECT_EQ(p.LabelNamed("Label10").Caption(), "Pump curve point 2:");
  EXPECT_EQ(f.ChoiceNamed("HORIZ").Caption(), "The fan curve at point 1 is horizontal");
  EXPECT_EQ(p.ChoiceNamed("HORIZ").Caption(), "The pump curve at point 1 is horizontal");
  EXPECT_EQ(f.ChoiceNamed("R4").Caption(), "Outlet Dampers");
  EXPECT_EQ(p.ChoiceNamed("R4").Caption(), "Throttling Valve");
  EXPECT_TRUE(f.ChoiceNamed("R5").Visible());
  EXPECT_FALSE(p.ChoiceNamed("R5").Visible());
  EXPECT_EQ(fc.ComparisonR4Top, 200);
  EXPECT_EQ(pc.ComparisonR4Top, 160);

  // The pressure or head unit on every curve chart's left axis.
  const std::string fanUnit(UnitCaptionAt(UnitKind::FanPressure, 0));
  const std::string pumpUnit(UnitCaptionAt(UnitKind::PumpHead, 0));
  for (const char* chart : {"CurveChart", "Chart1", "Chart2", "ControlChart2"}) {
    EXPECT_EQ(fc.Named(chart).Left.Title, fanUnit) << chart;
    EXPECT_EQ(pc.Named(chart).Left.Title, pumpUnit) << chart;
  }
  EXPECT_EQ(fc.Named("PayBackChart1").Left.Title, "Savings ($)");
  EXPECT_EQ(fc.Named("PowerChart2").Title, "Annual Energy Required");
}

TEST(ApplicationTitles, PumpAnalysisTurnsInletGuideVanesIntoTheThrottlingValve) {
  StartedAnalysis w(ApplicationKind::Fan);
  w.state.form.SetChecked("R5", true);
  w.state.record.Application = ApplicationKind::Pump;
  SetPumpTitles(w.state);
  EXPECT_TRUE(w.state.form.Checked("R4"));
  EXPECT_FALSE(w.state.form.Checked("R5"));
}

TEST(ApplicationTitles, UnitIndexOutsideTheListAndThePaybackYearsTitle) {
  TestWindow w;
  Chart& curve = w.state.charts.Named("CurveChart");
  Chart& payback = w.state.charts.Named("PayBackChart1");
  curve.SetAxisTitle(&Chart::Left, "before");
  payback.SetAxisTitle(&Chart::Bottom, "before");
  w.state.units.PumpPressureUnit = 6;
  SetPumpTitles(w.state);
  EXPECT_EQ(curve.Left.Title, "before");  // a pump head index outside 0 to 5 changes nothing
  EXPECT_EQ(payback.Bottom.Title, "before");

  w.state.units.FanPressureUnit = 5;
  SetFanTitles(w.state);
  EXPECT_EQ(curve.Left.Title, UnitCaptionAt(UnitKind::FanPressure, 0));
  EXPECT_EQ(payback.Bottom.Title, "Years");
}

TEST(GraphPage, OpensAtTheTabThatFitsTheButtonAndTheStep) {
  struct Case {
    int page;
    GraphButton button;
    int tab;
  };
  const Case cases[] = {{3, GraphButton::AnnualEnergyGraphs, 1}, {3, GraphButton::PowerGraphs, 0},
                        {4, GraphButton::PaybackGraph, 2},       {4, GraphButton::AnnualEnergyGraphs, 2},
                        {5, GraphButton::Graphs, 0},             {4, GraphButton::Graphs, 2}};
  for (const Case& c : cases) {
    TestWindow w;
    Form& form = w.state.form;
    form.SetVisible("MainMenuScreen", false);
    form.SetVisible("StepsScreen", true);
    form.Pages("CalcPanel").SetActivePage(c.page);
    OpenGraphPage(w.state, c.button);
    EXPECT_EQ(form.Pages("GraphControl").ActivePage(), c.tab) << c.page << " " << int(c.button);
    EXPECT_TRUE(form.Visible("GraphPanel"));
    EXPECT_TRUE(form.Visible("GraphsScreen"));
    EXPECT_FALSE(form.Pages("CalcPanel").Visible());
    EXPECT_FALSE(form.Visible("StepsScreen"));

    GraphPageGoBackClick(w.state);
    EXPECT_FALSE(form.Visible("GraphPanel"));
    EXPECT_FALSE(form.Visible("GraphsScreen"));
    EXPECT_TRUE(form.Pages("CalcPanel").Visible());
    EXPECT_TRUE(form.Visible("StepsScreen"));
    EXPECT_EQ(form.Pages("CalcPanel").ActivePage(), c.page);
  }
}

}  // namespace
}  // namespace wattora
