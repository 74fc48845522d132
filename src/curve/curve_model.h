#pragma once
// The fan or pump curve in calculation units (cfm and in. wg for a fan, GPM and ft for a
// pump, HP for power, efficiencies as fractions) and the state its construction keeps.

#include <array>
#include <cstdint>
#include <string>

namespace wattora {

struct CurveModel {
  double DesignHead = 4.0;
  double SetPointHead = 0.8;
  double RemovedPressureDrop = 0;
  double ShaftPowerHP = 0;
  double DesignFlow = 67.596;
  double DesignEfficiency = 0;
  double PeakEfficiency = 0;
  double AddEfficiency = 0;
  double PeakEfficiencyFlow = 0;
  double AddEfficiencyFlow = 0;
  double DesignPointPressure = 0;
  double Point1Flow = 0;
  double Point1Pressure = 0;
  double Point2Flow = 0;
  double Point2Pressure = 0;
  double CurveStartFlow = 0;
  double CurveEndFlow = 0;
  double CurveStart = 0;
  double A_Horiz = 1.0;
  double B_Horiz = 1.0;
  double C_Horiz = 1.0;
  double D_Horiz = 1.0;
  double FanPowerConstant = 6362;
  double PumpPowerConstant = 3960;
};

// h(q) = pressure / DesignHead at relative flow q = flow / DesignFlow: a cubic when the
// curve is horizontal at point 1 (HORIZ checked), a parabola otherwise.
inline double RelativeCurvePressure(const CurveModel& m, bool horizontal, double q) {
  if (horizontal) return ((m.A_Horiz * q + m.B_Horiz) * q + m.C_Horiz) * q + m.D_Horiz;
  return (m.A_Horiz * q + m.B_Horiz) * q + m.C_Horiz;
}

// The program's 20 x 20 matrix record, addressed with 1-based rows and columns; only the
// leading RowCount x ColumnCount block is in use.
struct Matrix20 {
  static constexpr int kSize = 20;
  std::int16_t ColumnCount = 0;
  std::int16_t RowCount = 0;
  std::array<double, kSize * kSize> Elements{};

  double& At(int row, int column) { return Elements[(row - 1) * kSize + (column - 1)]; }
  double At(int row, int column) const { return Elements[(row - 1) * kSize + (column - 1)]; }
};

// The three curve points normalized by the design point (q = flow / DesignFlow,
// h = pressure / DesignHead) in the order point 1, design point, point 2: what the fit of the
// last construction went through. The start values are those of the default curve.
struct NormalizedCurvePoints {
  double q1 = 0, h1 = 1.2;
  double q2 = 1, h2 = 1;
  double q3 = 2, h3 = 0;
};

// Where the Cramer systems lie in CurveState::Systems: the (numerator, denominator) pair of
// coefficient k (0 A_Horiz, 1 B_Horiz, 2 C_Horiz, 3 D_Horiz) at 2k and 2k + 1, the work
// matrix last.
inline constexpr int NumeratorIndex(int coefficient) { return 2 * coefficient; }
inline constexpr int DenominatorIndex(int coefficient) { return 2 * coefficient + 1; }
inline constexpr int kWorkMatrixIndex = 8;

// What curve construction keeps besides the model.
struct CurveState {
  CurveModel Model;
  bool CurveDefaultsPending = true;
  double LastDesignHead = -1.0;   // user units
  double LastShaftPower = -1.0;   // user units
  std::string LastPeakEffText;
  std::string LastPeakFlowText;
  // The Cramer systems of the last fit as (numerator, denominator) pairs in the order of
  // A_Horiz, B_Horiz, C_Horiz, D_Horiz, then the work matrix.
  std::array<Matrix20, 9> Systems{};
  // The points the fit runs through; a construction without an active analysis type fits
  // these again.
  NormalizedCurvePoints FitPoints;
};

}  // namespace wattora
