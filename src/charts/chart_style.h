#pragma once
// Colours, widths, fixed titles and axis limits of the charts.

#include <cstdint>
#include <string_view>

#include "charts/chart_model.h"
#include "charts/chart_names.h"

namespace wattora {

inline constexpr std::uint32_t kControlCurveColor = kRed;
inline constexpr std::uint32_t kFanCurveColor = kBlue;
inline constexpr std::uint32_t kSurgeLineColor = kBlack;
inline constexpr int kCurveLineWidth = 2;

inline constexpr std::string_view kControlSeriesTitle = "Control ";

constexpr std::string_view SurgeSeriesTitle(const CurveChartNames& names) {
  return names.surge == kStep2CurveChart.surge ? "Surge " : "Surge";
}

// The duty-cycle panel's bars are blue while the shares add up to 100 %, red and
// cross-hatched otherwise.
inline constexpr std::uint32_t kDutyCompleteColor = kBlue;
inline constexpr std::uint32_t kDutyIncompleteColor = kRed;

inline constexpr std::uint32_t kComparisonColor = kRed;
inline constexpr std::uint32_t kDriveColor = kGreen;
inline constexpr std::string_view kDriveSeriesTitle = "Drive";

// Bar n sits at n x 10 % flow; the flow axes of the bar charts end at 105 %.
inline constexpr double kBarSpacing = 10;
inline constexpr double kDutyAxisEnd = 105;
inline constexpr double kPowerAxisStart = 10;
inline constexpr int kPaybackYears = 5;

}  // namespace wattora
