#include "energy/limit_marks.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "energy/energy_labels.h"

namespace wattora {
namespace {

struct SurgeLine {
  std::string_view chart;
  std::string_view series;
};

constexpr std::array<SurgeLine, 4> kSurgeLines = {{{"Chart1", "SurgeSeries1"},
                                                   {"Chart2", "SurgeSeries2"},
                                                   {"CurveChart", "SurgeSeries3"},
                                                   {"ControlChart2", "SurgeSeries4"}}};

bool AnyMark(const SystemResult& result) {
  return std::any_of(result.LimitMark.begin() + 1, result.LimitMark.end(),
                     [](bool mark) { return mark; });
}

std::string_view Legend(const Form& form) {
  return form.LabelNamed(kDesignLimitsLegendLabel).Caption();
}

// The legend when any step is marked, and "*" or " " at each of the ten steps.
void ShowMarks(Form& form, std::string_view legendLabel, const StepLabels& labels,
               const SystemResult& result) {
  form.SetCaption(legendLabel, AnyMark(result) ? Legend(form) : std::string_view());
  for (int row = 0; row < kDutySteps; ++row) {
    form.SetCaption(labels[row], result.LimitMark[FlowPercentOfRow(row)] ? kMarkSet : kMarkClear);
  }
}

void SetSurgeLinesActive(ChartSet& charts, bool active) {
  for (const SurgeLine& line : kSurgeLines) {
    charts.Named(line.chart).SeriesNamed(line.series).SetActive(active);
  }
}

}  // namespace

void ShowDriveLimitMarks(MainWindowState& state) {
  ShowComparisonLimitMarks(state, nullptr);
  const SystemResult& drive = state.energy.Results.DriveResult;
  ShowMarks(state.form, "SurgeLabel2", kDriveMarkLabels, drive);
  SetSurgeLinesActive(state.charts, AnyMark(drive));
}

void ShowComparisonLimitMarks(MainWindowState& state, const SystemResult* result) {
  static const SystemResult kUnmarked{};
  ShowMarks(state.form, "SurgeLabel", kComparisonMarkLabels, result ? *result : kUnmarked);
}

}  // namespace wattora
