#include "charts/result_charts.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "charts/chart_names.h"
#include "charts/chart_style.h"

namespace wattora {
namespace {

bool AllFinite(const std::vector<ChartPoint>& points) {
  return std::all_of(points.begin(), points.end(), [](const ChartPoint& point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
  });
}

// A series is refilled only with finite points; otherwise it keeps what it showed and the
// calculation counts as failed.
void Refill(MainWindowState& state, ChartSeries& series, std::vector<ChartPoint> points) {
  if (!AllFinite(points)) {
    state.CalcError = true;
    return;
  }
  series.Replace(std::move(points));
}

// Bars: a zero bar at 0 % flow, then one per duty-cycle step at 10 ... 100 %.
template <typename Values>
std::vector<ChartPoint> StepBars(const Values& values, double scale = 1) {
  std::vector<ChartPoint> bars{{0, 0}};
  for (int step = 0; step < kDutySteps; ++step) {
    bars.push_back({(step + 1) * kBarSpacing, scale * values[static_cast<std::size_t>(step)]});
  }
  return bars;
}

// Input power at 0 ... 100 % flow in kW.
std::vector<ChartPoint> PowerLine(const SystemResult& result) {
  std::vector<ChartPoint> line;
  line.reserve(kFlowSteps);
  for (int flow = 0; flow < kFlowSteps; ++flow) {
    line.push_back({double(flow), kKilowattsPerHorsepower * result.InputPower[static_cast<std::size_t>(flow)]});
  }
  return line;
}

std::string_view Caption(const MainWindowState& state, std::string_view label) {
  return state.form.LabelNamed(label).Caption();
}

}  // namespace

void DrawDutyCharts(MainWindowState& state) {
  const DutyCycle& duty = state.energy.Duty;
  const std::vector<ChartPoint> bars = StepBars(duty.DutyShare);
  for (const ChartSeriesName& names : kDutyCharts) {
    Chart& chart = state.charts.Named(names.chart);
    chart.SetAxisTitle(&Chart::Bottom, Caption(state, kFlowWordLabel));
    chart.SetTitle(Caption(state, kGraphTabLabels[kDutyTab]));
    chart.SetAxisTitle(&Chart::Left, Caption(state, kTimeWordLabel));
    chart.SeriesNamed(names.series).Replace(bars);
  }
  const bool complete = duty.DutyTotal == 100;
  ChartSeries& panelBars = state.charts.SeriesOf(kDutyPanelChart.chart, kDutyPanelChart.series);
  panelBars.SetColor(complete ? kDutyCompleteColor : kDutyIncompleteColor);
  panelBars.SetFill(complete ? FillStyle::Solid : FillStyle::DiagonalCross);
}

void DrawDriveCharts(MainWindowState& state) {
  const SystemResult& drive = state.energy.Results.DriveResult;
  Refill(state, state.charts.SeriesOf(kPowerChart, kPowerDriveSeries), PowerLine(drive));
  Refill(state, state.charts.SeriesOf(kEnergyChart, kEnergyDriveSeries), StepBars(drive.StepEnergy));
}

void DrawComparisonCharts(MainWindowState& state, const SystemResult& comparison) {
  ChartSeries& power = state.charts.SeriesOf(kPowerChart, kPowerCompareSeries);
  ChartSeries& energy = state.charts.SeriesOf(kEnergyChart, kEnergyCompareSeries);
  const std::string title = std::string(Caption(state, kSystemNameLabel)) + " ";
  power.SetTitle(title);
  energy.SetTitle(title);
  Refill(state, power, PowerLine(comparison));
  Refill(state, energy, StepBars(comparison.StepEnergy));
}

void DrawPaybackChart(MainWindowState& state) {
  const auto& savings = state.energy.Costs.CumulativeSavings;
  Chart& chart = state.charts.Named(kPaybackChart);
  std::vector<ChartPoint> line;
  std::vector<ChartPoint> zero;
  for (std::size_t year = 0; year < savings.size(); ++year) {
    line.push_back({double(year), savings[year]});
    zero.push_back({double(year), 0});
  }
  if (!AllFinite(line)) {
    state.CalcError = true;
    return;
  }
  // An initial outlay puts the axis start 10 % below it.
  constexpr double kOutlayMargin = 1.1;
  ChartAxis axis = chart.Left;
  axis.AutomaticMaximum = true;
  axis.AutomaticMinimum = savings[0] >= 0;
  if (!axis.AutomaticMinimum) axis.Minimum = kOutlayMargin * savings[0];
  chart.SetAxis(&Chart::Left, axis);
  chart.SeriesNamed(kPaybackSeries).Replace(std::move(line));
  chart.SeriesNamed(kPaybackZeroSeries).Replace(std::move(zero));
}

void YearsComboChange(MainWindowState& state, int index) {
  ComboChoice& combo = state.charts.YearsCombo;
  if (index < 0 || index >= static_cast<int>(combo.Items.size())) return;
  combo.SetIndex(index);
  Chart& chart = state.charts.Named(kPaybackChart);
  ChartAxis axis = chart.Bottom;
  axis.AutomaticMaximum = false;
  axis.Maximum = index + 1;
  chart.SetAxis(&Chart::Bottom, axis);
}

}  // namespace wattora
