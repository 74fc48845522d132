#pragma once
// A main window holding the default fan (or pump) analysis with its curve model already
// built, so that power, energy and cost runs can be tested on their own.

#include <string>
#include <string_view>
#include <utility>

#include "curve/check_note.h"
#include "energy/duty_cycle.h"
#include "energy/power_at_flow.h"
#include "test_support.h"

namespace wattora::testing {

// The step-2 and cost fields of a new analysis with the defaults of the parameter table.
inline constexpr std::pair<std::string_view, std::string_view> kDefaultFields[] = {
    {"A101", "24"},   {"A102", "7.0"},  {"A103", "52"},   {"A104", "0.100"}, {"A105", "50.0"},
    {"A106", "90.0"}, {"A107", "96.0"}, {"A108", "0"},    {"A109", "15000"}, {"A110", "0"},
    {"A111", "3"},    {"A112", "9"},    {"A113", "21"},   {"A114", "23"},    {"A115", "23"},
    {"A116", "16"},   {"A117", "5"},    {"A118", "0"},    {"A119", "0"},     {"A120", "4.00"},
    {"A121", "0.80"}, {"A122", "50.0"}, {"A123", "0.40"}, {"A125", "50.0"},
};

// The model that curve construction gives for the default fan: design head 4 in. wg, set
// point 0.8, removed drop 0.4, 50 HP; design efficiency 85 % makes the design flow
// 6362 x 0.85 x 50 / 4 = 67596.25 cfm; the default curve puts the peak efficiency at the
// design flow and the additional point (68 %) at half of it rounded to two decimals
// (33798.125 -> 33798.12); points (0, 4.8), design point, (2 x design flow, 0) with the
// curve horizontal at point 1 give h(q) = 1.2 - 0.1 q^2 - 0.1 q^3; start point 0.
inline CurveModel DefaultFanModel() {
  CurveModel m;
  m.DesignHead = 4;
  m.SetPointHead = 0.8;
  m.RemovedPressureDrop = 0.4;
  m.ShaftPowerHP = 50;
  m.DesignFlow = 67596.25;
  m.DesignEfficiency = 0.85;
  m.PeakEfficiency = 0.85;
  m.AddEfficiency = 0.68;
  m.PeakEfficiencyFlow = 67596.25;
  m.AddEfficiencyFlow = 33798.12;
  m.DesignPointPressure = 4;
  m.Point1Flow = 0;
  m.Point1Pressure = 4.8;
  m.Point2Flow = 135192.5;
  m.Point2Pressure = 0;
  m.CurveStartFlow = 0;
  m.CurveEndFlow = 135192.5;
  m.CurveStart = 0;
  m.A_Horiz = -0.1;
  m.B_Horiz = -0.1;
  m.C_Horiz = 0;
  m.D_Horiz = 1.2;
  return m;
}

// The same curve for a pump of 40 ft, set point 8 ft, removed drop 4 ft, 50 HP:
// design flow 3960 x 0.85 x 50 / 40 = 4207.5 GPM.
inline CurveModel DefaultPumpModel() {
  CurveModel m = DefaultFanModel();
  m.DesignHead = m.DesignPointPressure = 40;
  m.SetPointHead = 8;
  m.RemovedPressureDrop = 4;
  m.DesignFlow = m.PeakEfficiencyFlow = 4207.5;
  m.AddEfficiencyFlow = 2103.75;
  m.Point1Pressure = 48;
  m.Point2Flow = m.CurveEndFlow = 8415;
  return m;
}

struct EnergyWindow : TestWindow {
  explicit EnergyWindow(ApplicationKind kind = ApplicationKind::Fan) {
    state.record.Application = kind;
    for (auto [field, text] : kDefaultFields) state.form.SetText(field, text);
    for (int number = 126; number <= 143; ++number) {
      state.form.SetText("A" + std::to_string(number), "0");
    }
    if (kind == ApplicationKind::Pump) {
      state.form.SetText("A120", "40.00");
      state.form.SetText("A121", "8.00");
      state.form.SetText("A123", "4.00");
    }
    state.curve.Model = kind == ApplicationKind::Pump ? DefaultPumpModel() : DefaultFanModel();
    // Drawing the curve with start point 0 sets the surge pressure to the design head in a
    // fan analysis.
    state.SurgePressure = state.curve.Model.DesignHead;
  }

  // The curve start at `share` of the design flow, with the surge pressure the curve
  // drawing gives for it: the curve pressure there.
  void StartCurveAt(double share) {
    CurveModel& m = state.curve.Model;
    m.CurveStartFlow = share * m.DesignFlow;
    m.CurveStart = share;
    state.SurgePressure = m.DesignHead * RelativeCurvePressure(m, true, share);
  }

  bool Run() {
    ComputeDutyCycle(state);
    return ComputePowerAndEnergy(state);
  }

  const std::string& Caption(std::string_view label) const {
    return state.form.LabelNamed(label).Caption();
  }
};

}  // namespace wattora::testing
