#include "charts/curve_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wattora {
namespace {

// The default curve: points (0, 1.2), (1, 1), (2, 0) normalized, horizontal at point 1,
// which the construction fits as h(q) = 1.2 - 0.1 q^2 - 0.1 q^3; without the horizontal
// condition as h(q) = -0.4 q^2 + 0.2 q + 1.2. Design head 4 in. wg.
CurveModel DefaultCurve(bool horizontal) {
  CurveModel m;
  m.DesignHead = 4;
  m.SetPointHead = 0.8;
  m.DesignFlow = 67596.25;
  if (horizontal) {
    m.A_Horiz = -0.1, m.B_Horiz = -0.1, m.C_Horiz = 0, m.D_Horiz = 1.2;
  } else {
    m.A_Horiz = -0.4, m.B_Horiz = 0.2, m.C_Horiz = 1.2, m.D_Horiz = 0;
  }
  return m;
}

TEST(PressureTable, HoldsTheCurvePressureAtEveryPercentUpTo800) {
  struct Case {
    bool horizontal;
    int percent;
    double pressure;
  };
  // 4 x h(q): point 1 at 4.8, the design point at 4, point 2 at 0; at 50 % the cubic gives
  // 4 x (1.2 - 0.025 - 0.0125) = 4.65 and the parabola 4 x (1.2 + 0.1 - 0.1) = 4.8; at
  // 800 % the cubic gives 4 x (1.2 - 6.4 - 51.2) = -225.6.
  const Case cases[] = {{true, 0, 4.8},   {true, 50, 4.65}, {true, 100, 4},    {true, 200, 0},
                        {true, 800, -225.6}, {false, 0, 4.8}, {false, 50, 4.8}, {false, 100, 4},
                        {false, 200, 0}};
  for (const Case& c : cases) {
    const PressureTable table = CurvePressureTable(DefaultCurve(c.horizontal), c.horizontal);
    EXPECT_NEAR(table[c.percent], c.pressure, 1e-9) << c.horizontal << " at " << c.percent << " %";
  }
}

TEST(ControlCurve, RunsFromTheSetPointToTheDesignHead) {
  const CurveModel m = DefaultCurve(true);
  EXPECT_DOUBLE_EQ(ControlCurvePressure(m, 0), 0.8);
  EXPECT_DOUBLE_EQ(ControlCurvePressure(m, 1), 4);
  EXPECT_DOUBLE_EQ(ControlCurvePressure(m, 0.5), 0.8 + 3.2 * 0.25);
}

TEST(SurgeLine, StartAtZeroFlowGivesTwoHundredPointsAtTheOrigin) {
  CurveModel m = DefaultCurve(true);
  m.CurveStart = 0;
  const PressureTable table = CurvePressureTable(m, true);

  const SurgeLine fan = ComputeSurgeLine(m, table, true);
  ASSERT_EQ(fan.points.size(), 201u);
  for (const ChartPoint& p : fan.points) EXPECT_EQ(p, (ChartPoint{0, 0}));
  ASSERT_TRUE(fan.surgePressure.has_value());
  EXPECT_EQ(*fan.surgePressure, 4);  // the design head

  const SurgeLine pump = ComputeSurgeLine(m, table, false);
  EXPECT_EQ(pump.points.size(), 201u);
  EXPECT_FALSE(pump.surgePressure.has_value());
}

TEST(SurgeLine, HalfTheDesignFlowEndsOnTheCurveAfter150Steps) {
  CurveModel m = DefaultCurve(true);
  m.CurveStart = 0.5;
  const PressureTable table = CurvePressureTable(m, true);
  const SurgeLine line = ComputeSurgeLine(m, table, true);
  ASSERT_EQ(line.points.size(), 151u);
  EXPECT_FALSE(line.failed);
  EXPECT_NEAR(line.points.back().x, 0.5, 1e-12);
  EXPECT_NEAR(line.points.back().y, 4.65, 1e-9);
  // A parabola through the origin: a quarter of the pressure at half the flow.
  EXPECT_NEAR(line.points[75].x, 0.25, 1e-12);
  EXPECT_NEAR(line.points[75].y, 4.65 / 4, 1e-9);
  ASSERT_TRUE(line.surgePressure.has_value());
  EXPECT_DOUBLE_EQ(*line.surgePressure, table[50]);
}

TEST(SurgeLine, StepCountRoundsHalvesToEven) {
  struct Case {
    double start;
    std::size_t points;  // the origin and n steps
  };
  // 100 x 1.985 = 198.5 rounds to 198 (n = 2), 199.5 to 200 (no step), 2.0 gives none.
  const Case cases[] = {{1.985, 3}, {1.995, 1}, {2.0, 1}, {3.5, 1}, {1.0, 101}};
  for (const Case& c : cases) {
    CurveModel m = DefaultCurve(true);
    m.CurveStart = c.start;
    const SurgeLine line = ComputeSurgeLine(m, CurvePressureTable(m, true), true);
    EXPECT_EQ(line.points.size(), c.points) << c.start;
    EXPECT_EQ(line.surgePressure.has_value(), c.points > 1) << c.start;
    EXPECT_FALSE(line.failed) << c.start;
  }
}

TEST(SurgeLine, UnusableStartPointsFailWithoutSteps) {
  for (double start : {-0.5, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()}) {
    CurveModel m = DefaultCurve(true);
    m.CurveStart = start;
    const SurgeLine line = ComputeSurgeLine(m, CurvePressureTable(m, true), true);
    EXPECT_TRUE(line.failed) << start;
    EXPECT_EQ(line.points.size(), 1u) << start;
    EXPECT_FALSE(line.surgePressure.has_value()) << start;
  }
}

TEST(SurgeLine, TinyStartPointWhoseSquareVanishesFails) {
  CurveModel m = DefaultCurve(true);
  m.CurveStart = 1e-200;  // s x s underflows to 0
  const SurgeLine line = ComputeSurgeLine(m, CurvePressureTable(m, true), true);
  EXPECT_TRUE(line.failed);
  for (const ChartPoint& p : line.points) EXPECT_TRUE(std::isfinite(p.y));
}

}  // namespace
}  // namespace wattora
