#include "energy/duty_cycle.h"

#include <gtest/gtest.h>

#include "analysis/number_notation.h"
#include "energy/energy_test_window.h"

namespace wattora {
namespace {

using testing::EnergyWindow;

struct HoursCase {
  const char* hours;
  const char* days;
  const char* weeks;
  int notation;
  int operatingHours;
  const char* totalText;
  const char* hoursText;
  friend std::ostream& operator<<(std::ostream& os, const HoursCase& c) {
    return os << c.hours << " x " << c.days << " x " << c.weeks;
  }
};

class OperatingHours : public ::testing::TestWithParam<HoursCase> {};

TEST_P(OperatingHours, ProductAndLabels) {
  const HoursCase& c = GetParam();
  EnergyWindow w;
  ApplyNumberNotation(w.state.units, c.notation, {".", ","});
  w.state.form.SetText("A101", c.hours);
  w.state.form.SetText("A102", c.days);
  w.state.form.SetText("A103", c.weeks);
  ComputeDutyCycle(w.state);
  EXPECT_FALSE(w.state.CalcError);
  EXPECT_EQ(w.state.energy.Duty.OperatingHours, c.operatingHours);
  EXPECT_EQ(w.Caption("SYSTEMFLOWTOTAL"), c.totalText);
  EXPECT_EQ(w.Caption("TOTHOURS"), c.hoursText);
  EXPECT_EQ(w.Caption("TOTHOURS2"), c.hoursText);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, OperatingHours,
    ::testing::Values(
        // 52 weeks of 24 x 7 hours count as the full year, but only an exact 8760 says so.
        HoursCase{"24", "7.0", "52", 1, 8760, "8,760", "8,760 Hrs"},
        HoursCase{"24", "7,0", "52", 2, 8760, "8.760", "8.760 Hrs"},
        HoursCase{"24", "7.3", "50", 1, 8760, "8,760", "8,760 Hrs/Year"},
        HoursCase{"8", "5.0", "50", 1, 2000, "2,000", "2,000 Hrs"},
        // Halves round to the even neighbour: 22.5 to 22 and 24.5 to 24.
        HoursCase{"5", "4.5", "1", 1, 22, "22", "22 Hrs"},
        HoursCase{"7", "3.5", "1", 1, 24, "24", "24 Hrs"}));

TEST(DutyCycle, DefaultSharesFillTheOperatingTimeTable) {
  EnergyWindow w;
  ComputeDutyCycle(w.state);
  const DutyCycle& duty = w.state.energy.Duty;
  EXPECT_EQ(duty.DutyShare, (std::array<int, kDutySteps>{0, 0, 5, 16, 23, 23, 21, 9, 3, 0}));
  EXPECT_EQ(duty.DutyTotal, 100);
  EXPECT_EQ(w.Caption("DUTYTOTAL"), "100 %");
  EXPECT_EQ(w.state.energy.DutyTotalColor, kDutyTotalCompleteColor);
  EXPECT_EQ(w.Caption("OT70H"), "1,840");  // 21 % of 8760 = 1839.6 hours
  EXPECT_EQ(w.Caption("OT70P"), "21");
  EXPECT_EQ(w.Caption("OT100H"), "0");
}

TEST(DutyCycle, SharesShortOfAHundredShowInRed) {
  EnergyWindow w;
  w.state.form.SetText("A113", "20");
  ComputeDutyCycle(w.state);
  EXPECT_EQ(w.Caption("DUTYTOTAL"), "99 %");
  EXPECT_EQ(w.state.energy.DutyTotalColor, kDutyTotalIncompleteColor);
  w.state.form.SetText("A113", "21");
  ComputeDutyCycle(w.state);
  EXPECT_EQ(w.state.energy.DutyTotalColor, kDutyTotalCompleteColor);
}

TEST(DutyCycle, TheDutyCyclePanelReadsItsOwnHourFields) {
  EnergyWindow w;
  w.state.form.SetText("A101A", "12");
  w.state.form.SetText("A102A", "5.0");
  w.state.form.SetText("A103A", "50");
  ComputeDutyCycle(w.state);
  EXPECT_EQ(w.state.energy.Duty.OperatingHours, 8760);
  w.state.form.SetVisible("DutyCyclePanel", true);
  ComputeDutyCycle(w.state);
  EXPECT_EQ(w.state.energy.Duty.OperatingHours, 3000);
}

TEST(DutyCycle, OnlyTheFirstFiveCharactersOfAShareCount) {
  EnergyWindow w;
  w.state.form.SetText("A110", "123456");
  ComputeDutyCycle(w.state);
  EXPECT_EQ(w.state.energy.Duty.DutyShare[9], 12345);
  EXPECT_EQ(w.Caption("OT100P"), "12345");
}

TEST(DutyCycle, AShareThatIsNoWholeNumberIsAnArithmeticFailure) {
  EnergyWindow w;
  ComputeDutyCycle(w.state);
  w.state.form.SetText("A112", "1e300");  // five characters, far beyond any whole number
  ComputeDutyCycle(w.state);
  EXPECT_TRUE(w.state.CalcError);
  EXPECT_EQ(w.state.energy.Duty.DutyTotal, 100);  // the values of the last good run stay
  EXPECT_TRUE(w.ui.Messages().empty());
}

}  // namespace
}  // namespace wattora
