#pragma once
// Component names of the charts, their series and the caption labels they take texts from.

#include <array>
#include <string_view>

namespace wattora {

// The four curve charts, each with its control curve, fan (or pump) curve and surge line.
struct CurveChartNames {
  std::string_view chart;
  std::string_view control;
  std::string_view fan;
  std::string_view surge;
  bool percentFlow;  // the x axis is the flow in % of the design flow, else in the flow unit
};

inline constexpr CurveChartNames kStep2CurveChart{"CurveChart", "PointSeries1", "PointSeries2",
                                                  "SurgeSeries3", true};
inline constexpr CurveChartNames kGraphPageCurveChart{"ControlChart2", "PointSeries3", "PointSeries4",
                                                      "SurgeSeries4", true};
inline constexpr CurveChartNames kAdvancedCurveChart{"Chart1", "PointSeries1A", "PointSeries2A",
                                                     "SurgeSeries1", false};
inline constexpr CurveChartNames kZoomedCurveChart{"Chart2", "PointSeries5", "PointSeries5A",
                                                   "SurgeSeries2", false};
inline constexpr std::array<CurveChartNames, 4> kCurveCharts = {
    kStep2CurveChart, kGraphPageCurveChart, kAdvancedCurveChart, kZoomedCurveChart};

// Duty-cycle charts: step 2, the duty-cycle panel and the graph page.
struct ChartSeriesName {
  std::string_view chart;
  std::string_view series;
};
inline constexpr ChartSeriesName kStep2DutyChart{"DutyChart", "DutySeries1"};
inline constexpr ChartSeriesName kDutyPanelChart{"DutyCycleChart", "DutySeries2"};
inline constexpr ChartSeriesName kGraphPageDutyChart{"DutyChart3", "DutySeries3"};
inline constexpr std::array<ChartSeriesName, 3> kDutyCharts = {kStep2DutyChart, kDutyPanelChart,
                                                               kGraphPageDutyChart};

inline constexpr std::string_view kPowerChart = "PowerChart1";
inline constexpr std::string_view kPowerCompareSeries = "PowerRequired_Compare";
inline constexpr std::string_view kPowerDriveSeries = "PowerRequired_Drive";
inline constexpr std::string_view kEnergyChart = "PowerChart2";
inline constexpr std::string_view kEnergyCompareSeries = "PowerRequired_Anu_Compare";
inline constexpr std::string_view kEnergyDriveSeries = "PowerRequired_Anu_Drive";
inline constexpr std::string_view kPaybackChart = "PayBackChart1";
inline constexpr std::string_view kPaybackSeries = "PaybackChart";
inline constexpr std::string_view kPaybackZeroSeries = "PayBackNull";

// The captions of the graph tabs 0 to 4, held by labels so that they can be translated.
inline constexpr std::array<std::string_view, 5> kGraphTabLabels = {
    "GraphTab0", "GraphTab1", "GraphTab2", "GraphTab3", "GraphTab4"};
inline constexpr int kPowerTab = 0;
inline constexpr int kEnergyTab = 1;
inline constexpr int kPaybackTab = 2;
inline constexpr int kDutyTab = 3;
inline constexpr int kCurveTab = 4;

// Hidden labels that carry translated words for the charts and the application titles.
inline constexpr std::string_view kFlowWordLabel = "Flow_Word";
inline constexpr std::string_view kTimeWordLabel = "Time_Word";
inline constexpr std::string_view kSavingsWordLabel = "Savings_Word";
// The heading "Flow" of the advanced panel's pressure table.
inline constexpr std::string_view kFlowColumnLabel = "FlowHeading";
// The panel caption holding the name of the comparison system shown.
inline constexpr std::string_view kSystemNameLabel = "SystemName";

}  // namespace wattora
