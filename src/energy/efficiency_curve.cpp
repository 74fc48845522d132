#include "energy/efficiency_curve.h"

namespace wattora {
namespace {

constexpr double kPercent = 100;

}  // namespace

bool FitEfficiencyCurve(const CurveModel& model, PowerResults& kept, EfficiencyCurve& curve) {
  CheckedMath math;
  curve.Peak = model.PeakEfficiency;
  curve.Minimum = model.PeakEfficiency / kPeakToMinimumEfficiency;
  kept.MinEfficiency = curve.Minimum;

  curve.PeakPercent = math.Div(kPercent * model.PeakEfficiencyFlow, model.DesignFlow);
  const double addPercent = math.Div(kPercent * model.AddEfficiencyFlow, model.DesignFlow);
  const double ratio =
      math.Div(model.AddEfficiency - curve.Minimum, model.PeakEfficiency - curve.Minimum);
  const double distance = addPercent - curve.PeakPercent;
  const double width = -math.Div(math.Log(ratio), distance * distance);
  if (math.Failed()) return false;
  curve.Width = width;
  kept.EfficiencyWidth = width;
  return true;
}

double EfficiencyAt(const EfficiencyCurve& curve, int percent, CheckedMath& math) {
  const double distance = percent - curve.PeakPercent;
  return curve.Minimum +
         (curve.Peak - curve.Minimum) * math.Exp(-curve.Width * distance * distance);
}

}  // namespace wattora
