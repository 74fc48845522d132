// The titles and captions that differ between a fan and a pump analysis.
#include <optional>
#include <string>

#include "charts/application_words.h"
#include "charts/chart_names.h"
#include "charts/result_charts.h"
#include "ui/messages.h"

namespace wattora {
namespace {

std::string_view Caption(const Form& form, std::string_view label) {
  return form.LabelNamed(label).Caption();
}

// The caption of the selected pressure (fan) or head (pump) unit. A fan pressure index
// outside the unit list shows the first unit; a pump head index outside it shows nothing.
std::optional<std::string_view> PressureUnitCaption(const UnitSettings& units, UnitKind kind) {
  const bool fan = kind == UnitKind::FanPressure;
  const int index = fan ? units.FanPressureUnit : units.PumpPressureUnit;
  const int count = fan ? kFanPressureUnitCount : kPumpPressureUnitCount;
  if (index >= 0 && index < count) return UnitCaptionAt(kind, index);
  if (fan) return UnitCaptionAt(kind, 0);
  return std::nullopt;
}

void SetCurveChartTitles(MainWindowState& state, const ApplicationWords& words) {
  const Form& form = state.form;
  ChartSet& charts = state.charts;
  const std::string_view mainTitle = Caption(form, words.mainTitle.name);
  for (const CurveChartNames& names : {kStep2CurveChart, kAdvancedCurveChart, kZoomedCurveChart}) {
    charts.Named(names.chart).SetTitle(mainTitle);
  }
  const std::string pressureTitle = charts.Named(kStep2CurveChart.chart).Left.Title;
  for (const CurveChartNames& names : {kAdvancedCurveChart, kGraphPageCurveChart, kZoomedCurveChart}) {
    charts.Named(names.chart).SetAxisTitle(&Chart::Left, pressureTitle);
  }
  charts.Named(kGraphPageCurveChart.chart).SetTitle(mainTitle);
  state.form.SetCaption(kGraphTabLabels[kCurveTab], mainTitle);
  const std::string_view seriesTitle = Caption(form, words.series.name);
  for (const CurveChartNames& names : kCurveCharts) {
    charts.SeriesOf(names.chart, names.fan).SetTitle(seriesTitle);
  }
}

void SetTitles(MainWindowState& state, const ApplicationWords& words, UnitKind pressureKind) {
  Form& form = state.form;
  ChartSet& charts = state.charts;
  if (const auto unit = PressureUnitCaption(state.units, pressureKind)) {
    charts.Named(kStep2CurveChart.chart).SetAxisTitle(&Chart::Left, *unit);
  }
  const std::string_view flowTitle = Caption(form, kFlowWordLabel);
  for (std::string_view chart : {kStep2CurveChart.chart, kPowerChart, kEnergyChart,
                                 kGraphPageDutyChart.chart, kGraphPageCurveChart.chart}) {
    charts.Named(chart).SetAxisTitle(&Chart::Bottom, flowTitle);
  }
  charts.Named(kPowerChart).SetTitle(Caption(form, kGraphTabLabels[kPowerTab]));
  charts.Named(kEnergyChart).SetTitle(Caption(form, kGraphTabLabels[kEnergyTab]));
  charts.Named(kPaybackChart).SetTitle(Caption(form, kGraphTabLabels[kPaybackTab]));
  charts.Named(kGraphPageDutyChart.chart).SetTitle(Caption(form, kGraphTabLabels[kDutyTab]));

  std::string savingsTitle(Caption(form, kSavingsWordLabel));
  savingsTitle += " (";
  savingsTitle += state.units.CurrencySymbol;
  savingsTitle += ")";
  charts.Named(kPaybackChart).SetAxisTitle(&Chart::Left, savingsTitle);

  SetCurveChartTitles(state, words);
  form.SetCaption(kAdvancedHeadingLabel, Caption(form, words.curveData.name));
  form.SetCaption(kEfficiencyHeadingLabel, Caption(form, words.curve.name));
  form.ChoiceNamed("R4").SetCaption(Caption(form, words.damperOrValve.name));
  charts.ComparisonR4Top = words.r4Top;
  form.SetCaption(kPoint1RowLabel, Caption(form, words.point1.name));
  form.SetCaption(kPoint2RowLabel, Caption(form, words.point2.name));
  form.ChoiceNamed("HORIZ").SetCaption(Caption(form, words.horizontal.name));
}

}  // namespace

void SetFanTitles(MainWindowState& state) {
  SetTitles(state, kFanWords, UnitKind::FanPressure);
  state.charts.Named(kPaybackChart).SetAxisTitle(&Chart::Bottom, Message(TextTable::MainWindow, "IDS_89"));
  Form& form = state.form;
  form.ChoiceNamed("R5").SetVisible(true);
  form.ChoiceNamed("R5").SetCaption(Caption(form, kInletGuideVaneWord.name));
}

void SetPumpTitles(MainWindowState& state) {
  // A pump analysis keeps whatever bottom-axis title the payback chart had.
  SetTitles(state, kPumpWords, UnitKind::PumpHead);
  state.form.ChoiceNamed("R5").SetVisible(false);
  state.record.RestrictComparisonToPump();
}

}  // namespace wattora
