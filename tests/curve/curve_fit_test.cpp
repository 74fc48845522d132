#include "curve/curve_fit.h"

#include <gtest/gtest.h>

#include "curve/curve_arithmetic.h"
#include "curve/matrix20_ops.h"

namespace wattora {
namespace {

CurveState StateWith(NormalizedCurvePoints points) {
  CurveState curve;
  curve.FitPoints = points;
  return curve;
}

double Slope(const CurveModel& m, double q) {  // of the cubic
  return (3 * m.A_Horiz * q + 2 * m.B_Horiz) * q + m.C_Horiz;
}

// the default points (0, 1.2), (1, 1), (2, 0).
TEST(CurveFit, DefaultPointsGiveTheDocumentedCubic) {
  CurveState curve = StateWith({});
  FitCurve(curve, true);
  EXPECT_NEAR(curve.Model.A_Horiz, -0.1, 1e-12);
  EXPECT_NEAR(curve.Model.B_Horiz, -0.1, 1e-12);
  EXPECT_NEAR(curve.Model.C_Horiz, 0.0, 1e-12);
  EXPECT_NEAR(curve.Model.D_Horiz, 1.2, 1e-12);
}

TEST(CurveFit, DefaultPointsGiveTheDocumentedParabola) {
  CurveState curve = StateWith({});
  FitCurve(curve, false);
  EXPECT_NEAR(curve.Model.A_Horiz, -0.4, 1e-12);
  EXPECT_NEAR(curve.Model.B_Horiz, 0.2, 1e-12);
  EXPECT_NEAR(curve.Model.C_Horiz, 1.2, 1e-12);
  EXPECT_EQ(curve.Model.D_Horiz, 0.0);
}

struct ThreePoints {
  NormalizedCurvePoints points;
  friend std::ostream& operator<<(std::ostream& os, const ThreePoints& c) {
    const auto& p = c.points;
    return os << "(" << p.q1 << "," << p.h1 << ") (" << p.q2 << "," << p.h2 << ") (" << p.q3 << ","
              << p.h3 << ")";
  }
};

class FitThrough : public ::testing::TestWithParam<ThreePoints> {};

TEST_P(FitThrough, CubicPassesThroughThePointsFlatAtPointOne) {
  const NormalizedCurvePoints& p = GetParam().points;
  CurveState curve = StateWith(p);
  FitCurve(curve, true);
  const CurveModel& m = curve.Model;
  EXPECT_NEAR(RelativeCurvePressure(m, true, p.q1), p.h1, 1e-9);
  EXPECT_NEAR(RelativeCurvePressure(m, true, p.q2), p.h2, 1e-9);
  EXPECT_NEAR(RelativeCurvePressure(m, true, p.q3), p.h3, 1e-9);
  EXPECT_NEAR(Slope(m, p.q1), 0.0, 1e-9);
}

TEST_P(FitThrough, ParabolaPassesThroughThePoints) {
  const NormalizedCurvePoints& p = GetParam().points;
  CurveState curve = StateWith(p);
  FitCurve(curve, false);
  const CurveModel& m = curve.Model;
  EXPECT_NEAR(RelativeCurvePressure(m, false, p.q1), p.h1, 1e-9);
  EXPECT_NEAR(RelativeCurvePressure(m, false, p.q2), p.h2, 1e-9);
  EXPECT_NEAR(RelativeCurvePressure(m, false, p.q3), p.h3, 1e-9);
  EXPECT_EQ(m.D_Horiz, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Points, FitThrough,
    ::testing::Values(ThreePoints{{0, 1.2, 1, 1, 2, 0}},          // the default curve
                      ThreePoints{{0.3, 1.35, 1, 1, 1.7, 0.25}},  // point 1 away from 0
                      ThreePoints{{0.5, 1.1, 1, 1, 1.25, 0.8}},   // point 2 close to design
                      ThreePoints{{0, 2.0, 1, 1, 3.5, 0.1}},      // a steep fan
                      ThreePoints{{1.2, 0.9, 1, 1, 1.5, 0.5}}));  // point 1 beyond the design

// The records of the Cramer systems: each denominator holds the unknowns' vectors as rows,
// each numerator the same with its row replaced by the right-hand side.
TEST(CurveFit, CubicSystemsAreFourByFourWithTheRightHandSideInRowK) {
  CurveState curve = StateWith({0.5, 1.1, 1, 1, 2, 0});
  FitCurve(curve, true);
  for (int k = 0; k < 4; ++k) {
    const Matrix20& num = curve.Systems[NumeratorIndex(k)];
    const Matrix20& den = curve.Systems[DenominatorIndex(k)];
    ASSERT_EQ(num.RowCount, 4);
    ASSERT_EQ(num.ColumnCount, 4);
    ASSERT_EQ(den.RowCount, 4);
    ASSERT_EQ(den.ColumnCount, 4);
    // Denominator rows a, b, c, d over the equations (slope, point 1, design, point 2).
    EXPECT_EQ(den.At(1, 1), 3 * 0.5 * 0.5);
    EXPECT_EQ(den.At(1, 4), 8.0);
    EXPECT_EQ(den.At(2, 1), 2 * 0.5);
    EXPECT_EQ(den.At(3, 1), 1.0);
    EXPECT_EQ(den.At(4, 1), 0.0);
    EXPECT_EQ(den.At(4, 2), 1.0);
    for (int r = 1; r <= 4; ++r) {
      for (int c = 1; c <= 4; ++c) {
        const double rhs[] = {0, 1.1, 1, 0};
        EXPECT_EQ(num.At(r, c), r == k + 1 ? rhs[c - 1] : den.At(r, c))
            << k << " " << r << " " << c;
      }
    }
  }
}

TEST(CurveFit, ParabolaSystemsAreThreeByThreeAndTheFourthPairIsTheDenominatorTwice) {
  CurveState curve = StateWith({0.5, 1.1, 1, 1, 2, 0});
  FitCurve(curve, false);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(curve.Systems[i].RowCount, 3) << i;
    EXPECT_EQ(curve.Systems[i].ColumnCount, 3) << i;
  }
  const Matrix20& den = curve.Systems[DenominatorIndex(0)];
  EXPECT_EQ(den.At(1, 1), 0.25);                              // a: q^2
  EXPECT_EQ(den.At(2, 3), 2.0);                               // b: q
  EXPECT_EQ(den.At(3, 2), 1.0);                               // c: 1
  EXPECT_EQ(curve.Systems[NumeratorIndex(1)].At(2, 1), 1.1);  // right-hand side in row 2
  EXPECT_EQ(curve.Systems[NumeratorIndex(3)].Elements, den.Elements);
  EXPECT_EQ(curve.Systems[DenominatorIndex(3)].Elements, den.Elements);
  // Cramer's rule as written: A = det(numerator 1) / det(denominator 1).
  EXPECT_DOUBLE_EQ(curve.Model.A_Horiz,
                   Determinant(curve.Systems[NumeratorIndex(0)]) / Determinant(den));
}

// Two points with the same flow: the denominator determinant is 0 and the fit fails before
// it changes any coefficient.
TEST(CurveFit, TwoPointsWithTheSameFlowFailAndKeepTheCoefficients) {
  for (bool horizontal : {true, false}) {
    CurveState curve = StateWith({2, 0, 1, 1, 2, 0});
    curve.Model.A_Horiz = 7;
    curve.Model.B_Horiz = 8;
    curve.Model.C_Horiz = 9;
    curve.Model.D_Horiz = 10;
    EXPECT_THROW(FitCurve(curve, horizontal), ArithmeticFault);
    EXPECT_EQ(curve.Model.A_Horiz, 7);
    EXPECT_EQ(curve.Model.B_Horiz, 8);
    EXPECT_EQ(curve.Model.C_Horiz, 9);
    EXPECT_EQ(curve.Model.D_Horiz, 10);
    EXPECT_EQ(Determinant(curve.Systems[DenominatorIndex(0)]), 0.0);
  }
}

}  // namespace
}  // namespace wattora
