#include "charts/curve_points.h"

#include <cmath>

namespace wattora {

PressureTable CurvePressureTable(const CurveModel& model, bool horizontal) {
  PressureTable table{};
  for (int i = 0; i < kPressureTableSize; ++i) {
    table[i] = RelativeCurvePressure(model, horizontal, i / kPercent) * model.DesignHead;
  }
  return table;
}

double ControlCurvePressure(const CurveModel& model, double q) {
  return model.SetPointHead + (model.DesignHead - model.SetPointHead) * q * q;
}

SurgeLine ComputeSurgeLine(const CurveModel& model, const PressureTable& table, bool fanAnalysis) {
  SurgeLine line;
  line.points.push_back({0, 0});
  const double s = model.CurveStart;
  if (!std::isfinite(s)) {
    line.failed = true;
    return line;
  }
  // Rounded to the nearest whole number, halves to even (the default rounding mode).
  const double startPercent = std::nearbyint(kPercent * s);
  if (startPercent >= kSurgeStepBase) return line;  // no step: SurgePressure stays
  if (startPercent < 0) {
    // A start point below zero flow has no place in the table.
    line.failed = true;
    return line;
  }
  const int n = kSurgeStepBase - static_cast<int>(startPercent);
  const double step = s / n;
  const double t = table[static_cast<std::size_t>(startPercent)];
  line.points.reserve(static_cast<std::size_t>(n) + 1);
  double x = 0;
  for (int k = 1; k <= n; ++k) {
    x += step;
    double p = 0;
    if (s != 0) {
      p = x * x * t / (s * s);
      if (!std::isfinite(p)) {
        line.failed = true;
        return line;
      }
      line.surgePressure = t;
    } else if (fanAnalysis) {
      line.surgePressure = model.DesignHead;
    }
    line.points.push_back({x, p});
  }
  return line;
}

}  // namespace wattora
