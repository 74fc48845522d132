#pragma once
// The bell-shaped fan (or pump) efficiency curve over the flow in percent of the design flow:
// the peak efficiency at the peak-efficiency flow, the additional point on the curve, and a
// third of the peak far from it.

#include "curve/curve_model.h"
#include "energy/checked_math.h"
#include "energy/system_result.h"

namespace wattora {

struct EfficiencyCurve {
  double Peak = 0;         // fraction
  double Minimum = 0;      // fraction, the level far from the peak
  double Width = 0;        // k of exp(-k (i - peak percent)^2)
  double PeakPercent = 0;  // flow at peak efficiency, % of the design flow
};

// Far from the peak the efficiency falls towards the peak divided by this.
inline constexpr double kPeakToMinimumEfficiency = 3;

// Fits the curve to the model's peak and additional efficiency points and keeps its minimum
// and width in `kept`. The minimum is kept before the width is fitted; a fault in the fit
// leaves the previous width and returns false.
bool FitEfficiencyCurve(const CurveModel& model, PowerResults& kept, EfficiencyCurve& curve);

// The efficiency at `percent` % of the design flow.
double EfficiencyAt(const EfficiencyCurve& curve, int percent, CheckedMath& math);

}  // namespace wattora
