#include "energy/duty_cycle.h"

#include <array>
#include <cmath>
#include <string>

#include "analysis/number_notation.h"
#include "charts/result_charts.h"
#include "energy/energy_labels.h"
#include "energy/result_text.h"
#include "ui/utf8.h"

namespace wattora {
namespace {

constexpr double kPercent = 100;
constexpr int kCompleteDutyTotal = 100;
// Only the first characters of a share field count.
constexpr std::size_t kShareTextLength = 5;
// 24 hours x 7 days x 52 weeks falls a day short of a year; it counts as the full year.
constexpr int kHoursOfFiftyTwoWeeks = 8736;
constexpr int kHoursPerYear = 8760;
// Whole numbers beyond this are not hours or shares any more; they would overflow the sums.
constexpr double kLargestWholeNumber = 1e8;

// The share fields in the order of the ten-step tables, 100 % flow first.
constexpr StepLabels kShareFields = {"A110", "A111", "A112", "A113", "A114",
                                     "A115", "A116", "A117", "A118", "A119"};

// Rounded to the nearest whole number, halves to even.
bool ToWholeNumber(double value, int& whole) {
  const double rounded = std::nearbyint(value);
  if (!std::isfinite(rounded) || std::fabs(rounded) > kLargestWholeNumber) return false;
  whole = static_cast<int>(rounded);
  return true;
}

// Whole-number fields are read with "." as the decimal point whatever the notation; an empty
// field is 0.
bool ReadWholeNumberField(const Form& form, std::string_view field, double& value) {
  value = 0;
  const std::string& text = form.Text(field);
  return text.empty() || ReadPlainNumber(text, value);
}

}  // namespace

double HoursAtStep(const DutyCycle& duty, int step) {
  return duty.DutyShare[step] / kPercent * duty.OperatingHours;
}

void UpdateStepHours(DutyCycle& duty) {
  for (int step = 0; step < kDutySteps; ++step) duty.StepHours[step] = HoursAtStep(duty, step);
}

void ComputeDutyCycle(MainWindowState& state) {
  Form& form = state.form;
  const UnitSettings& units = state.units;
  DutyCycle& duty = state.energy.Duty;

  StepLabels shareTexts{};
  std::array<int, kDutySteps> shares{};
  for (int row = 0; row < kDutySteps; ++row) {
    shareTexts[row] = Utf8Prefix(form.Text(kShareFields[row]), kShareTextLength);
    if (!ToWholeNumber(ParseDisplayNumber(units, shareTexts[row]), shares[DutyStepOfRow(row)])) {
      state.CalcError = true;
      return;
    }
  }
  duty.DutyShare = shares;
  duty.DutyTotal = 0;
  for (int share : duty.DutyShare) duty.DutyTotal += share;
  form.SetCaption("DUTYTOTAL", WholeNumberText(units, duty.DutyTotal) + " %");
  state.energy.DutyTotalColor = duty.DutyTotal == kCompleteDutyTotal ? kDutyTotalCompleteColor
                                                                     : kDutyTotalIncompleteColor;

  const bool onDutyCyclePanel = form.Visible("DutyCyclePanel");
  double hours = 0;
  double weeks = 0;
  if (!ReadWholeNumberField(form, onDutyCyclePanel ? "A101A" : "A101", hours) ||
      !ReadWholeNumberField(form, onDutyCyclePanel ? "A103A" : "A103", weeks)) {
    state.CalcError = true;
    return;
  }
  const double days = ParseDisplayNumber(units, form.Text(onDutyCyclePanel ? "A102A" : "A102"));
  int product = 0;
  if (!ToWholeNumber(hours * days * weeks, product)) {
    state.CalcError = true;
    return;
  }
  duty.OperatingHours = product == kHoursOfFiftyTwoWeeks ? kHoursPerYear : product;

  const std::string hoursText = WholeNumberText(units, duty.OperatingHours);
  form.SetCaption("SYSTEMFLOWTOTAL", hoursText);
  form.SetCaption("TOTHOURS", hoursText + (product == kHoursPerYear ? " Hrs/Year" : " Hrs"));
  form.SetCaption("TOTHOURS2", form.LabelNamed("TOTHOURS").Caption());
  for (int row = 0; row < kDutySteps; ++row) {
    ShowWholeNumber(form, units, kStepHoursLabels[row], HoursAtStep(duty, DutyStepOfRow(row)));
    form.SetCaption(kStepShareLabels[row], shareTexts[row]);
  }
  DrawDutyCharts(state);
}

}  // namespace wattora
