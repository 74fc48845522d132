#include <cmath>
#include <string>
#include <vector>

#include "analysis/unit_labels.h"
#include "charts/chart_names.h"
#include "charts/chart_style.h"
#include "charts/curve_charts.h"
#include "charts/curve_points.h"
#include "curve/design_point.h"
#include "ui/messages.h"

namespace wattora {
namespace {

struct DrawingUnits {
  UnitKind pressure;
  UnitKind flow;
};

bool AnalysisActive(const MainWindowState& state) {
  return state.record.Application != ApplicationKind::None;
}

DrawingUnits UnitsOf(const MainWindowState& state) {
  const ApplicationKind kind = state.record.Application;
  return {PressureKind(kind), FlowKind(kind)};
}

// The system values read again from A120, A121 and A123, as curve construction reads them.
void ReadSystemHeads(MainWindowState& state, const DrawingUnits& units) {
  CurveModel& model = state.curve.Model;
  model.DesignHead = FieldInCalculation(state, "A120", units.pressure);
  model.SetPointHead = FieldInCalculation(state, "A121", units.pressure);
  model.RemovedPressureDrop = FieldInCalculation(state, "A123", units.pressure);
}

// Points of one curve in both forms: against the flow in % and against the flow in the
// user's unit.
struct CurvePoints {
  std::vector<ChartPoint> percent;
  std::vector<ChartPoint> flow;

  // False, and nothing added, when a value is not finite.
  bool Add(double percentX, double flowX, double y) {
    if (!std::isfinite(percentX) || !std::isfinite(flowX) || !std::isfinite(y)) return false;
    percent.push_back({percentX, y});
    flow.push_back({flowX, y});
    return true;
  }
};

using SeriesPick = std::string_view CurveChartNames::*;

// The series picked from each curve chart receive the percent or the flow points.
void Store(ChartSet& charts, SeriesPick pick, const CurvePoints& points) {
  for (const CurveChartNames& names : kCurveCharts) {
    charts.SeriesOf(names.chart, names.*pick).Replace(names.percentFlow ? points.percent : points.flow);
  }
}

void CorrectSetPointHead(MainWindowState& state) {
  CurveModel& model = state.curve.Model;
  if (model.SetPointHead <= model.DesignHead) return;
  ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information, "IDS_15", {Button::OK});
  state.form.SetText("A121", state.form.Text("A120"));
  model.SetPointHead = model.DesignHead;
}

void SetFlowAxisTitles(MainWindowState& state) {
  const Form& form = state.form;
  std::string title = form.LabelNamed(kFlowColumnLabel).Caption();
  title += " (";
  title += form.LabelNamed(UnitLabelName("A152")).Caption();
  title += ")";
  for (const CurveChartNames& names : {kAdvancedCurveChart, kZoomedCurveChart}) {
    state.charts.Named(names.chart).SetAxisTitle(&Chart::Bottom, title);
  }
}

// Steps 5 and 6: the curve between the start and end points; false on an arithmetic fault.
bool DrawCurveRange(MainWindowState& state, const DrawingUnits& units, const PressureTable& table) {
  const CurveModel& model = state.curve.Model;
  CurvePoints points;
  bool finite = true;
  for (int i = 0; i < kPressureTableSize && finite; ++i) {
    const double flow = i / kPercent * model.DesignFlow;
    const double shown = FromCalculation(state.units, units.pressure, table[i]);
    finite = std::isfinite(flow) && std::isfinite(shown);
    if (finite && model.CurveStartFlow <= flow && flow <= model.CurveEndFlow) {
      finite = points.Add(i, FromCalculation(state.units, units.flow, flow), shown);
    }
  }
  Store(state.charts, &CurveChartNames::fan, points);
  if (!finite) return false;

  const double end = FromCalculation(state.units, units.flow, model.CurveEndFlow);
  if (!std::isfinite(end)) return false;
  Chart& advanced = state.charts.Named(kAdvancedCurveChart.chart);
  ChartAxis axis = advanced.Bottom;
  axis.AutomaticMaximum = false;
  axis.Maximum = end;
  advanced.SetAxis(&Chart::Bottom, axis);
  return true;
}

// Step 7; false on an arithmetic fault.
bool DrawSurgeLine(MainWindowState& state, const DrawingUnits& units, const PressureTable& table) {
  const CurveModel& model = state.curve.Model;
  const SurgeLine line = ComputeSurgeLine(model, table, state.record.Application == ApplicationKind::Fan);
  CurvePoints points;
  bool finite = true;
  for (const ChartPoint& point : line.points) {
    const double flow = FromCalculation(state.units, units.flow, point.x * model.DesignFlow);
    const double shown = FromCalculation(state.units, units.pressure, point.y);
    finite = points.Add(kPercent * point.x, flow, shown);
    if (!finite) break;
  }
  Store(state.charts, &CurveChartNames::surge, points);
  if (line.surgePressure) state.SurgePressure = *line.surgePressure;
  return finite && !line.failed;
}

}  // namespace

void DrawFanCurve(MainWindowState& state) {
  if (!AnalysisActive(state)) return;
  const DrawingUnits units = UnitsOf(state);
  ReadSystemHeads(state, units);
  CorrectSetPointHead(state);
  SetFlowAxisTitles(state);
  const PressureTable table = CurvePressureTable(state.curve.Model, state.form.Checked("HORIZ"));
  if (!DrawCurveRange(state, units, table) || !DrawSurgeLine(state, units, table)) {
    state.CalcError = true;
  }
}

void DrawControlCurve(MainWindowState& state) {
  if (!AnalysisActive(state)) return;
  const DrawingUnits units = UnitsOf(state);
  ReadSystemHeads(state, units);
  const CurveModel& model = state.curve.Model;
  CurvePoints points;
  bool finite = true;
  for (int i = 0; i < kControlCurveSteps && finite; ++i) {
    const double q = i / kPercent;
    finite = points.Add(i, FromCalculation(state.units, units.flow, q * model.DesignFlow),
                        FromCalculation(state.units, units.pressure, ControlCurvePressure(model, q)));
  }
  Store(state.charts, &CurveChartNames::control, points);
  if (!finite) state.CalcError = true;
}

void DrawCurveCharts(MainWindowState& state) {
  for (const CurveChartNames& names : {kStep2CurveChart, kGraphPageCurveChart}) {
    Chart& chart = state.charts.Named(names.chart);
    chart.SeriesNamed(names.control).SetColor(kControlCurveColor);
    chart.SeriesNamed(names.fan).SetColor(kFanCurveColor);
    chart.SeriesNamed(names.control).SetWidth(kCurveLineWidth);
    chart.SeriesNamed(names.fan).SetWidth(kCurveLineWidth);
  }
  DrawFanCurve(state);
  DrawControlCurve(state);
}

void ResetCurveTracking(MainWindowState& state) {
  CurveState& curve = state.curve;
  curve.CurveDefaultsPending = true;
  curve.LastDesignHead = -1.0;
  curve.LastShaftPower = -1.0;
  curve.LastPeakEffText.clear();
  curve.LastPeakFlowText.clear();
  for (const CurveChartNames& names : kCurveCharts) {
    Chart& chart = state.charts.Named(names.chart);
    for (std::string_view series : {names.control, names.fan, names.surge}) {
      chart.SeriesNamed(series).Clear();
    }
    chart.SeriesNamed(names.surge).SetActive(false);
  }
}

}  // namespace wattora
