#pragma once
// Names of the result labels of the energy calculations and savings pages. The ten-step
// tables list their labels from 100 % flow down to 10 % flow: entry k is the label of
// 100 - 10 k % flow, which is duty-cycle step 9 - k.

#include <array>
#include <string_view>

#include "energy/system_result.h"

namespace wattora {

using StepLabels = std::array<std::string_view, kDutySteps>;

// The duty-cycle step shown by entry k of a ten-step table.
constexpr int DutyStepOfRow(int row) { return kDutySteps - 1 - row; }
// The flow in % of the design flow shown by entry k.
constexpr int FlowPercentOfRow(int row) { return FlowPercentOfDutyStep(DutyStepOfRow(row)); }

// Drive system, kW and kWh per year, and its limit marks.
inline constexpr StepLabels kDrivePowerLabels = {"POWERD100", "POWERD90", "POWERD80", "POWERD70",
                                                 "POWERD60",  "POWERD50", "POWERD40", "POWERD30",
                                                 "POWERD20",  "POWERD10"};
inline constexpr StepLabels kDriveEnergyLabels = {"END100", "END90", "END80", "END70", "END60",
                                                  "END50",  "END40", "END30", "END20", "END10"};
inline constexpr StepLabels kDriveMarkLabels = {"SD100", "SD090", "SD080", "SD070", "SD060",
                                                "SD050", "SD040", "SD030", "SD020", "SD010"};
// Comparison system.
inline constexpr StepLabels kComparisonPowerLabels = {"POWER100", "POWER90", "POWER80", "POWER70",
                                                      "POWER60",  "POWER50", "POWER40", "POWER30",
                                                      "POWER20",  "POWER10"};
inline constexpr StepLabels kComparisonEnergyLabels = {"ENC100", "ENC90", "ENC80", "ENC70",
                                                       "ENC60",  "ENC50", "ENC40", "ENC30",
                                                       "ENC20",  "ENC10"};
inline constexpr StepLabels kComparisonMarkLabels = {
    "SURGE100", "SURGE090", "SURGE080", "SURGE070", "SURGE060",
    "SURGE050", "SURGE040", "SURGE030", "SURGE020", "SURGE010"};
// Operating-time table: hours per year and share in % at each step.
inline constexpr StepLabels kStepHoursLabels = {"OT100H", "OT90H", "OT80H", "OT70H", "OT60H",
                                                "OT50H",  "OT40H", "OT30H", "OT20H", "OT10H"};
inline constexpr StepLabels kStepShareLabels = {"OT100P", "OT90P", "OT80P", "OT70P", "OT60P",
                                                "OT50P",  "OT40P", "OT30P", "OT20P", "OT10P"};

// Single result labels.
inline constexpr auto kSingleResultLabels = std::to_array<std::string_view>({
    "DUTYTOTAL",         "SYSTEMFLOWTOTAL",      "TOTHOURS",
    "TOTHOURS2",         "DRIVETOTALKWHR",       "SurgeLabel2",
    "SystemName",        "COMPARETOTALKWHR",     "ENERGYCOSTCOMPARE",
    "SurgeLabel",        "TOTAL_INI_COST_DRIVE", "TOTAL_INI_COST_COMPARE",
    "TOTAL_ANU_COST_DRIVE", "TOTAL_ANU_COST_COMPARE", "SystemCompareLabel2",
    "ENERGYCOSTDRIVE",   "OTHERCOSTCOMPARE",     "INITCOSTCOMPARE",
    "OTHERCOSTDRIVE",    "INITCOSTDRIVE",        "DRIVEPR",
    "INITIALCOSTSAVINGS", "ANNUALCOSTSAVINGS",   "ENERGYCOSTSAVINGS",
    "UTILITYINCENTIVE",  "PAYBACKLABEL",
});

// Hidden labels that only carry translated captions.
inline constexpr std::string_view kDesignLimitsLegendLabel = "System_Design_Limits";
inline constexpr std::string_view kConstantVolumeNameLabel = "Constant_Volume_System";
inline constexpr std::string_view kCyclingNameLabel = "Cycling_System";
inline constexpr std::string_view kOutletDamperNameLabel = "Outlet_Damper_System";
inline constexpr std::string_view kThrottlingValveNameLabel = "Throtteling_Valve_System";
inline constexpr std::string_view kInletGuideVaneNameLabel = "Inlet_Guide_Vane_System";

}  // namespace wattora
