#include "charts/chart_components.h"

#include <string>

#include "charts/application_words.h"
#include "charts/chart_names.h"
#include "charts/chart_style.h"
#include "ui/message_catalog.h"

namespace wattora {
namespace {

constexpr MessageText kMessages[] = {
    {TextTable::MainWindow, "IDS_15",
     "The Static Head Set Point must be smaller or equal to Design Head! Please re-enter Static "
     "Head Set Point."},
    {TextTable::MainWindow, "IDS_24",
     "Please fill out all fields in STEP 2 to activate the advanced mode."},
};

constexpr std::string_view kFlowPercentTitle = "Flow (%)";
constexpr std::string_view kTimePercentTitle = "Time (%)";
constexpr std::string_view kSavingsTitle = "Savings";

constexpr WordLabel kHiddenWords[] = {
    {kFlowWordLabel, kFlowPercentTitle},
    {kTimeWordLabel, kTimePercentTitle},
    {kSavingsWordLabel, kSavingsTitle},
    kInletGuideVaneWord,
};

constexpr std::array<std::string_view, 5> kGraphTabCaptions = {
    "Power Required", "Annual Energy Required", "Payback", "Duty Cycle", "Fan and Control Curve"};

void AddHiddenWords(Form& form, const ApplicationWords& words) {
  for (const WordLabel& word : {words.mainTitle, words.curveData, words.curve, words.series,
                                words.damperOrValve, words.point1, words.point2, words.horizontal}) {
    form.AddLabel(std::string(word.name), word.caption).SetVisible(false);
  }
}

void AddLabels(Form& form) {
  for (const WordLabel& word : kHiddenWords) {
    form.AddLabel(std::string(word.name), word.caption).SetVisible(false);
  }
  AddHiddenWords(form, kFanWords);
  AddHiddenWords(form, kPumpWords);
  for (std::size_t tab = 0; tab < kGraphTabLabels.size(); ++tab) {
    form.AddLabel(std::string(kGraphTabLabels[tab]), kGraphTabCaptions[tab]);
  }
  form.AddLabel(std::string(kFlowColumnLabel), "Flow");
  form.AddLabel(std::string(kAdvancedHeadingLabel), kFanWords.curveData.caption);
  form.AddLabel(std::string(kEfficiencyHeadingLabel), kFanWords.curve.caption);
  form.AddLabel(std::string(kPoint1RowLabel), kFanWords.point1.caption);
  form.AddLabel(std::string(kPoint2RowLabel), kFanWords.point2.caption);
  form.ChoiceNamed("HORIZ").SetCaption(kFanWords.horizontal.caption);
  form.ChoiceNamed("R4").SetCaption(kFanWords.damperOrValve.caption);
  form.ChoiceNamed("R5").SetCaption(kInletGuideVaneWord.caption);
}

ChartAxis FromZero(std::string_view title = {}) {
  ChartAxis axis;
  axis.Title = title;
  axis.AutomaticMinimum = false;
  axis.Minimum = 0;
  return axis;
}

ChartAxis Fixed(double minimum, double maximum, std::string_view title, double increment = 0) {
  ChartAxis axis = FromZero(title);
  axis.Minimum = minimum;
  axis.AutomaticMaximum = false;
  axis.Maximum = maximum;
  axis.Increment = increment;
  return axis;
}

ChartSeries& AddStyled(Chart& chart, std::string_view name, SeriesKind kind, std::string_view title,
                       std::uint32_t color, int width) {
  ChartSeries& series = chart.AddSeries(std::string(name), kind);
  series.Title = title;
  series.Color = color;
  series.Width = width;
  return series;
}

void AddCurveCharts(ChartSet& charts) {
  for (const CurveChartNames& names : kCurveCharts) {
    Chart& chart = charts.Add(std::string(names.chart));
    chart.Title = kFanWords.mainTitle.caption;
    chart.Bottom = FromZero(names.percentFlow ? kFlowPercentTitle : std::string_view());
    chart.Left = FromZero();
    AddStyled(chart, names.control, SeriesKind::Line, kControlSeriesTitle, kControlCurveColor,
              kCurveLineWidth);
    AddStyled(chart, names.fan, SeriesKind::Line, kFanWords.series.caption, kFanCurveColor,
              kCurveLineWidth);
    AddStyled(chart, names.surge, SeriesKind::Line, SurgeSeriesTitle(names), kSurgeLineColor,
              kCurveLineWidth)
        .Active = false;
  }
}

void AddDutyCharts(ChartSet& charts) {
  for (const ChartSeriesName& names : kDutyCharts) {
    Chart& chart = charts.Add(std::string(names.chart));
    chart.Title = kGraphTabCaptions[kDutyTab];
    chart.Bottom = Fixed(0, kDutyAxisEnd, kFlowPercentTitle);
    chart.Left = FromZero(kTimePercentTitle);
    chart.Legend = false;
    AddStyled(chart, names.series, SeriesKind::Bar, kGraphTabCaptions[kDutyTab], kDutyCompleteColor, 1);
  }
}

void AddResultCharts(ChartSet& charts) {
  Chart& power = charts.Add(std::string(kPowerChart));
  power.Title = kGraphTabCaptions[kPowerTab];
  power.Bottom = FromZero(kFlowPercentTitle);
  power.Bottom.Minimum = kPowerAxisStart;
  power.Left.Title = "kW";
  power.Left.ValueFormat = "###,###,##0.00";
  AddStyled(power, kPowerCompareSeries, SeriesKind::Line, "", kComparisonColor, kCurveLineWidth);
  AddStyled(power, kPowerDriveSeries, SeriesKind::Line, kDriveSeriesTitle, kDriveColor, kCurveLineWidth);

  Chart& energy = charts.Add(std::string(kEnergyChart));
  energy.Title = kGraphTabCaptions[kEnergyTab];
  energy.Bottom = Fixed(kPowerAxisStart, kDutyAxisEnd, kFlowPercentTitle, kBarSpacing);
  energy.Left.Title = "kWh";
  energy.Left.ValueFormat = "###,###,##0";
  AddStyled(energy, kEnergyCompareSeries, SeriesKind::Bar, "", kComparisonColor, 1);
  AddStyled(energy, kEnergyDriveSeries, SeriesKind::Bar, kDriveSeriesTitle, kDriveColor, 1);

  Chart& payback = charts.Add(std::string(kPaybackChart));
  payback.Title = kGraphTabCaptions[kPaybackTab];
  payback.Bottom = Fixed(0, kPaybackYears, "Years");
  payback.Left.Title = kSavingsTitle;
  payback.Left.ValueFormat = "###,###,##0";
  payback.Legend = false;
  AddStyled(payback, kPaybackSeries, SeriesKind::Line, kSavingsTitle, kDriveColor, kCurveLineWidth);
  AddStyled(payback, kPaybackZeroSeries, SeriesKind::Line, "", kBlack, 1);

  charts.YearsCombo.Items = {"1 Year", "2 Years", "3 Years", "4 Years", "5 Years"};
  charts.YearsCombo.Index = kPaybackYears - 1;
  charts.YearsCombo.Hint = "Select maximum range";
}

}  // namespace

void AddChartComponents(Form& form, ChartSet& charts) {
  AddLabels(form);
  AddCurveCharts(charts);
  AddDutyCharts(charts);
  AddResultCharts(charts);
}

std::span<const MessageText> ChartMessages() { return kMessages; }

}  // namespace wattora
