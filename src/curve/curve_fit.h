#pragma once
// The exact fit of the curve form through the three normalized curve points by Cramer's
// rule on the program-wide matrix records of CurveState::Systems.

#include "curve/curve_model.h"

namespace wattora {

// The work matrix (Systems[kWorkMatrixIndex]) holds the right-hand side in row 1 and the
// vectors of the unknowns in rows 2 on, one column per equation; each denominator has those
// vectors as its rows, each numerator k the same with row k replaced by the right-hand side.
//
// Fits curve.FitPoints: with `horizontal` (HORIZ checked) the cubic a q^3 + b q^2 + c q + d
// with zero slope at point 1, otherwise the parabola a q^2 + b q + c (D_Horiz 0). Writes the
// work matrix and the eight Cramer matrices, then A_Horiz to D_Horiz of curve.Model in that
// order. Throws ArithmeticFault (curve/curve_arithmetic.h) when a denominator determinant
// is 0, which is when two of the three flows are equal, leaving the coefficients not yet
// computed as they were.
void FitCurve(CurveState& curve, bool horizontal);

}  // namespace wattora
