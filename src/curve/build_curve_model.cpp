#include "curve/build_curve_model.h"

#include <string>

#include "analysis/number_notation.h"
#include "curve/check_note.h"
#include "curve/curve_arithmetic.h"
#include "curve/curve_fit.h"
#include "curve/design_point.h"
#include "ui/messages.h"

namespace wattora {
namespace {

// The design flow guard of a fan analysis: a design flow of exactly 0 becomes this.
constexpr double kSmallestFanDesignFlow = 0.0001;

struct Units {
  UnitKind pressure;
  UnitKind flow;
};

// Procedure E: the efficiency inputs.
void ReadEfficiencyInputs(MainWindowState& state) {
  CurveModel& model = state.curve.Model;
  const double e = FieldValue(state, "A144") / 100;
  model.DesignEfficiency = e;
  state.form.SetText("A147", FormatDisplayNumber(state.units, e * 100, 1));
  // 0.9 e, computed as the original did; a zero efficiency shows 0.
  const double control = e == 0 ? 0 : e * (1 - (1 - 0.8 * e / e) / 2);
  state.form.SetText("A148", FormatDisplayNumber(state.units, control * 100, 1));
  model.PeakEfficiency = FieldValue(state, "A145") / 100;
  model.AddEfficiency = FieldValue(state, "A146") / 100;
}

// Step 6: the design flow from the design efficiency, rounded to 2 decimals, shown in A149.
void DesignFlowFromEfficiency(MainWindowState& state, double k) {
  CurveModel& model = state.curve.Model;
  model.DesignFlow = RoundThroughText(
      CheckedDivide(k * model.DesignEfficiency * model.ShaftPowerHP, model.DesignHead), 2);
  ShowDesignFlow(state, model.DesignFlow);
}

// Step 7: the design efficiency from the design flow, limited to 100 % and to the peak.
void EfficiencyFromDesignFlow(MainWindowState& state, double k, const Units& units) {
  CurveModel& model = state.curve.Model;
  const bool pump = state.record.Application == ApplicationKind::Pump;
  const double q = FieldInCalculation(state, "A149", units.flow);
  model.DesignEfficiency =
      CheckedDivide(q, CheckedDivide(k * model.ShaftPowerHP, model.DesignHead));
  model.DesignFlow = q;
  if (model.DesignEfficiency > 1) model.DesignEfficiency = 1;
  model.PeakEfficiency = FieldValue(state, "A145") / 100;
  model.DesignEfficiency = RoundThroughText(model.DesignEfficiency * 100, 1) / 100;
  if (model.DesignEfficiency > model.PeakEfficiency) {
    model.DesignEfficiency = model.PeakEfficiency;
    ShowCheckNote(state.form, Message(TextTable::MainWindow, pump ? "IDS_28" : "IDS_26"));
    DesignFlowFromEfficiency(state, k);
  } else {
    HideCheckNote(state.form);
  }
  state.form.SetText("A144", FormatDisplayNumber(state.units, model.DesignEfficiency * 100, 1));
  ReadEfficiencyInputs(state);
}

std::string PercentText(const UnitSettings& units, double fraction) {
  return FormatDisplayNumber(units, fraction * 100, 0) + "%";
}

// Steps 1 to 11 for the active analysis type.
void BuildFromInputs(MainWindowState& state) {
  Form& form = state.form;
  CurveModel& model = state.curve.Model;
  const ApplicationKind kind = state.record.Application;
  const bool pump = kind == ApplicationKind::Pump;
  const Units units{PressureKind(kind), FlowKind(kind)};
  const double k = PowerConstant(state);

  model.DesignHead = FieldInCalculation(state, "A120", units.pressure);
  model.SetPointHead = FieldInCalculation(state, "A121", units.pressure);
  model.RemovedPressureDrop = FieldInCalculation(state, "A123", units.pressure);

  model.CurveStartFlow = FieldInCalculation(state, "A158", units.flow);
  model.CurveEndFlow = FieldInCalculation(state, "A159", units.flow);

  if (model.CurveEndFlow < model.CurveStartFlow) {
    ShowMessage(state.ui, TextTable::MainWindow, MessageType::Information,
                pump ? "IDS_27" : "IDS_25", {Button::OK});
    if (pump) {
      form.SetText("A158", form.Text("A159"));
    } else {
      form.SetText("A158", "0");
    }
    model.CurveStartFlow = model.CurveEndFlow;
  }

  model.ShaftPowerHP = ShaftPowerInHP(state);

  if (form.Checked("LOCKA144")) {
    ReadEfficiencyInputs(state);
    DesignFlowFromEfficiency(state, k);
  } else {
    EfficiencyFromDesignFlow(state, k, units);
  }

  if (!pump && model.DesignFlow == 0) model.DesignFlow = kSmallestFanDesignFlow;

  model.CurveStart = CheckedDivide(model.CurveStartFlow, model.DesignFlow);
  model.PeakEfficiencyFlow = FieldInCalculation(state, "A150", units.flow);
  model.AddEfficiencyFlow = FieldInCalculation(state, "A151", units.flow);

  model.DesignPointPressure = model.DesignHead;
  model.Point1Flow = FieldInCalculation(state, "A152", units.flow);
  form.SetText("A153",
               FormatDisplayNumber(state.units,
                                   FromCalculation(state.units, units.flow, model.DesignFlow), 2));
  model.Point2Flow = FieldInCalculation(state, "A154", units.flow);
  model.Point1Pressure = FieldInCalculation(state, "A155", units.pressure);
  form.SetText(
      "A156",
      FormatDisplayNumber(
          state.units, FromCalculation(state.units, units.pressure, model.DesignPointPressure), 2));
  model.Point2Pressure = FieldInCalculation(state, "A157", units.pressure);

  NormalizedCurvePoints p;
  p.h1 = CheckedDivide(model.Point1Pressure, model.DesignHead);
  p.h2 = CheckedDivide(model.DesignPointPressure, model.DesignHead);
  p.h3 = CheckedDivide(model.Point2Pressure, model.DesignHead);
  p.q1 = CheckedDivide(model.Point1Flow, model.DesignFlow);
  p.q2 = CheckedDivide(model.DesignFlow, model.DesignFlow);
  p.q3 = CheckedDivide(model.Point2Flow, model.DesignFlow);
  state.curve.FitPoints = p;
  form.SetCaption("H1", PercentText(state.units, p.h1));
  form.SetCaption("H2", PercentText(state.units, p.h2));
  form.SetCaption("H3", PercentText(state.units, p.h3));
  form.SetCaption("Q1", PercentText(state.units, p.q1));
  form.SetCaption("Q2", PercentText(state.units, p.q2));
  form.SetCaption("Q3", PercentText(state.units, p.q3));
}

}  // namespace

void BuildCurveModel(MainWindowState& state) {
  try {
    const ApplicationKind kind = state.record.Application;
    if (kind == ApplicationKind::Fan || kind == ApplicationKind::Pump) BuildFromInputs(state);
    FitCurve(state.curve, state.form.Checked("HORIZ"));
  } catch (const ArithmeticFault&) {
    state.CalcError = true;
  }
}

}  // namespace wattora
