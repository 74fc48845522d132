#pragma once
// The points of the curve charts in calculation units: the fan (or pump) curve pressure at
// every percent of the design flow, the control curve, and the surge line.

#include <array>
#include <optional>
#include <vector>

#include "charts/chart_model.h"
#include "curve/curve_model.h"

namespace wattora {

// Entry i is the curve pressure at i % of the design flow, 0 to 800 %.
inline constexpr int kPressureTableSize = 801;
using PressureTable = std::array<double, kPressureTableSize>;
// The control curve is drawn from 0 to 110 % of the design flow.
inline constexpr int kControlCurveSteps = 111;
// The surge line takes 200 steps less one for every percent of the start point.
inline constexpr int kSurgeStepBase = 200;

inline constexpr double kPercent = 100;

// Entries may be non-finite for an unusable model; the caller tests them.
PressureTable CurvePressureTable(const CurveModel& model, bool horizontal);

// The system curve through the static head set point at zero flow and the design point,
// at relative flow q.
double ControlCurvePressure(const CurveModel& model, double q);

struct SurgeLine {
  // x: relative flow (flow / DesignFlow), y: pressure in calculation units; the first point
  // is the origin.
  std::vector<ChartPoint> points;
  // The new SurgePressure; empty when it keeps its value.
  std::optional<double> surgePressure;
  bool failed = false;  // an arithmetic fault; the points hold what was computed before it
};

// The parabola through the origin and the curve point at the curve start point, in
// n = 200 - round(100 x start) equal steps of relative flow from 0 to the start point.
// A start point of 0 gives n points at the origin and, in a fan analysis, the design head
// as SurgePressure.
SurgeLine ComputeSurgeLine(const CurveModel& model, const PressureTable& table, bool fanAnalysis);

}  // namespace wattora
