#include "curve/curve_fit.h"

#include "curve/curve_arithmetic.h"
#include "curve/matrix20_ops.h"

namespace wattora {
namespace {

// Rows of the work matrix: the right-hand side, then one vector per unknown, each listing
// the coefficient of that unknown in the equations in order.
constexpr int kRightHandSideRow = 1;
constexpr int kFirstUnknownRow = 2;

void SetSize(Matrix20& m, int size, int rows) {
  m = Matrix20{};
  m.ColumnCount = static_cast<std::int16_t>(size);
  m.RowCount = static_cast<std::int16_t>(rows);
}

// The work matrix for the cubic: equations (slope at point 1, point 1, design point,
// point 2) and unknowns a, b, c, d.
void AssembleCubic(Matrix20& work, const NormalizedCurvePoints& p) {
  SetSize(work, 4, 5);
  const double q[3] = {p.q1, p.q2, p.q3};
  const double h[3] = {p.h1, p.h2, p.h3};
  work.At(kRightHandSideRow, 1) = 0;
  work.At(kFirstUnknownRow + 0, 1) = 3 * p.q1 * p.q1;
  work.At(kFirstUnknownRow + 1, 1) = 2 * p.q1;
  work.At(kFirstUnknownRow + 2, 1) = 1;
  work.At(kFirstUnknownRow + 3, 1) = 0;
  for (int i = 0; i < 3; ++i) {
    const int column = i + 2;
    work.At(kRightHandSideRow, column) = h[i];
    work.At(kFirstUnknownRow + 0, column) = q[i] * q[i] * q[i];
    work.At(kFirstUnknownRow + 1, column) = q[i] * q[i];
    work.At(kFirstUnknownRow + 2, column) = q[i];
    work.At(kFirstUnknownRow + 3, column) = 1;
  }
}

// The work matrix for the parabola: equations (point 1, design point, point 2) and
// unknowns a, b, c.
void AssembleParabola(Matrix20& work, const NormalizedCurvePoints& p) {
  SetSize(work, 3, 4);
  const double q[3] = {p.q1, p.q2, p.q3};
  const double h[3] = {p.h1, p.h2, p.h3};
  for (int i = 0; i < 3; ++i) {
    const int column = i + 1;
    work.At(kRightHandSideRow, column) = h[i];
    work.At(kFirstUnknownRow + 0, column) = q[i] * q[i];
    work.At(kFirstUnknownRow + 1, column) = q[i];
    work.At(kFirstUnknownRow + 2, column) = 1;
  }
}

// Denominator k: the unknown vectors as rows 1 to n. Numerator k: the same with row k + 1
// replaced by the right-hand side.
void BuildPair(CurveState& curve, int coefficient, int n) {
  const Matrix20& work = curve.Systems[kWorkMatrixIndex];
  Matrix20& numerator = curve.Systems[NumeratorIndex(coefficient)];
  Matrix20& denominator = curve.Systems[DenominatorIndex(coefficient)];
  SetSize(denominator, n, n);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) denominator.At(r, c) = work.At(kFirstUnknownRow + r - 1, c);
  }
  numerator = denominator;
  for (int c = 1; c <= n; ++c) numerator.At(coefficient + 1, c) = work.At(kRightHandSideRow, c);
}

// Both systems' determinants are, in exact arithmetic, products of the differences of the
// three flows (a Vandermonde determinant; squared factors for the cubic's slope equation),
// so they are 0 exactly when two flows are equal. Cofactor expansion in floating point can
// leave a rounding residue of 1e-17 there instead of 0; such a denominator counts as 0, so
// that equal flows always take the failure path of a fit with equal flows.
bool TwoFlowsEqual(const NormalizedCurvePoints& p) {
  return p.q1 == p.q2 || p.q1 == p.q3 || p.q2 == p.q3;
}

double Solve(const CurveState& curve, int coefficient) {
  const double denominator = Determinant(curve.Systems[DenominatorIndex(coefficient)]);
  if (TwoFlowsEqual(curve.FitPoints)) throw ArithmeticFault{};
  return CheckedDivide(Determinant(curve.Systems[NumeratorIndex(coefficient)]), denominator);
}

}  // namespace

void FitCurve(CurveState& curve, bool horizontal) {
  CurveModel& model = curve.Model;
  Matrix20& work = curve.Systems[kWorkMatrixIndex];
  if (horizontal) {
    AssembleCubic(work, curve.FitPoints);
    for (int k = 0; k < 4; ++k) BuildPair(curve, k, 4);
    model.A_Horiz = Solve(curve, 0);
    model.B_Horiz = Solve(curve, 1);
    model.C_Horiz = Solve(curve, 2);
    model.D_Horiz = Solve(curve, 3);
    return;
  }
  AssembleParabola(work, curve.FitPoints);
  for (int k = 0; k < 3; ++k) BuildPair(curve, k, 3);
  // The fourth pair receives the 3 x 3 denominator twice and is not used.
  curve.Systems[NumeratorIndex(3)] = curve.Systems[DenominatorIndex(0)];
  curve.Systems[DenominatorIndex(3)] = curve.Systems[DenominatorIndex(0)];
  model.A_Horiz = Solve(curve, 0);
  model.B_Horiz = Solve(curve, 1);
  model.C_Horiz = Solve(curve, 2);
  model.D_Horiz = 0;
}

}  // namespace wattora
