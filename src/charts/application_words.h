#pragma once
// The translated words that differ between a fan and a pump analysis: hidden labels that
// carry them, and the visible captions and titles that take them.

#include <string_view>

namespace wattora {

struct WordLabel {
  std::string_view name;
  std::string_view caption;  // English
};

struct ApplicationWords {
  WordLabel mainTitle;   // title of the curve charts
  WordLabel curveData;   // heading of the advanced panel
  WordLabel curve;       // heading of its efficiency block
  WordLabel series;      // title of the fan (or pump) curve series
  WordLabel damperOrValve;  // caption of the comparison choice R4
  WordLabel point1;
  WordLabel point2;
  WordLabel horizontal;  // caption of HORIZ
  int r4Top;             // place of R4 in its panel, pixels from the top
};

inline constexpr ApplicationWords kFanWords{
    {"ChartMainTitle_Fan", "Fan and Control Curve Data"},
    {"FanCurveData_Word", "Fan Curve Data"},
    {"FanCurve_Word", "Fan Curve"},
    {"Fan_Word", "Fan"},
    {"Outlet_Damper_Word", "Outlet Dampers"},
    {"FAN_POINT1", "Fan curve point 1:"},
    {"FAN_POINT2", "Fan curve point 2:"},
    {"FAN_CURVE_HORIZ", "The fan curve at point 1 is horizontal"},
    200,
};

inline constexpr ApplicationWords kPumpWords{
    {"ChartMainTitle_Pump", "Pump and Control Curve Data"},
    {"PumpCurveData_Word", "Pump Curve Data"},
    {"PumpCurve_Word", "Pump Curve"},
    {"Pump_Word", "Pump"},
    {"Throtteling_Valve_Word", "Throttling Valve"},
    {"PUMP_POINT1", "Pump curve point 1:"},
    {"PUMP_POINT2", "Pump curve point 2:"},
    {"PUMP_CURVE_HORIZ", "The pump curve at point 1 is horizontal"},
    160,
};

// Only a fan analysis offers inlet guide vanes (R5).
inline constexpr WordLabel kInletGuideVaneWord{"Inlet_Guide_Vane_Word", "Inlet Guide Vanes"};

// The visible components that take the words.
inline constexpr std::string_view kAdvancedHeadingLabel = "Advanced_Label";
inline constexpr std::string_view kEfficiencyHeadingLabel = "Curve_Eff";
inline constexpr std::string_view kPoint1RowLabel = "Label20";
inline constexpr std::string_view kPoint2RowLabel = "Label10";

}  // namespace wattora
