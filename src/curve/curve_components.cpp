#include "curve/curve_components.h"

#include <string_view>

#include "ui/message_catalog.h"

namespace wattora {
namespace {

constexpr std::string_view kEndBeforeStart =
    "Curve end point needs to be greater than the start point.";
constexpr std::string_view kEfficiencyLimited =
    "Design Point Efficiency has been limited to the Peak Efficiency!";
constexpr std::string_view kDesignAbovePeak =
    "Design Point Efficiency is greater than the Peak Efficiency!";

constexpr MessageText kMessages[] = {
    // Curve construction: IDS_25 and IDS_26 in a fan analysis, IDS_27 and
    // IDS_28 in a pump analysis.
    {TextTable::MainWindow, "IDS_25", kEndBeforeStart},
    {TextTable::MainWindow, "IDS_26", kEfficiencyLimited},
    {TextTable::MainWindow, "IDS_27", kEndBeforeStart},
    {TextTable::MainWindow, "IDS_28", kEfficiencyLimited},
    // Curve input validation.
    {TextTable::MainWindow, "IDS_10",
     "The End point currently falls below the design point flow, as a result the End point will "
     "be reset to twice the design point flow."},
    {TextTable::MainWindow, "IDS_60",
     "Flow for Point 1 must be less than the Design Point Flow when curve is horizontal at point "
     "1"},
    {TextTable::MainWindow, "IDS_61",
     "Flow for Point 1 and the Design Point Flow are equal but the pressure values are different!"},
    {TextTable::MainWindow, "IDS_62",
     "Flow for Point 1 and the Point 2 are equal but the pressure values are different!"},
    {TextTable::MainWindow, "IDS_63",
     "Flow for Point 2 and the Design Point Flow are equal but the pressure values are different!"},
    {TextTable::MainWindow, "IDS_64", "Flow for Point 2 cannot be equal to the Design Point Flow!"},
    {TextTable::MainWindow, "IDS_65",
     "Flow Point 1 is greater than the Design Flow, Pressure Point 1 must be less than the Design "
     "Flow Pressure!"},
    {TextTable::MainWindow, "IDS_66",
     "Flow Point 2 is greater than the Design Flow, Pressure Point 2 must be less than the Design "
     "Flow Pressure!"},
    {TextTable::MainWindow, "IDS_67",
     "Flow Point 1 is smaller than the Design Flow, Pressure Point 1 must be greater than the "
     "Design Flow Pressure!"},
    {TextTable::MainWindow, "IDS_68",
     "Flow Point 2 is smaller than the Design Flow, Pressure Point 2 must be greater than the "
     "Design Flow Pressure!"},
    {TextTable::MainWindow, "IDS_69",
     "Flow Design Point and Flow at Peak Efficiency are equal but the efficiency values are "
     "different!"},
    {TextTable::MainWindow, "IDS_70",
     "Peak Efficiency must be greater than or equal to the Design Point Efficiency!"},
    {TextTable::MainWindow, "IDS_71", kDesignAbovePeak},
    {TextTable::MainWindow, "IDS_72", kDesignAbovePeak},
    {TextTable::MainWindow, "IDS_73",
     "Addition Flow Point and Flow at Peak Efficiency are equal but the efficiency values are "
     "different!"},
    {TextTable::MainWindow, "IDS_74",
     "Additional Efficiency Point must be smaller or equal to the Peak Efficiency!"},
    {TextTable::MainWindow, "IDS_75",
     "The Efficiency at the additional point must be greater than or equal to half of the Peak "
     "Efficiency!"},
    {TextTable::MainWindow, "IDS_76",
     "Peak Efficiency must be greater than or equal to the Design Point Efficiency"},
};

}  // namespace

void AddCurveComponents(Form& form) {
  // The normalized curve points of the last construction, in % (never visible).
  for (std::string_view name : kNormalizedPointLabels)
    form.AddLabel(std::string(name)).SetVisible(false);
}

std::span<const MessageText> CurveMessages() { return kMessages; }

}  // namespace wattora
