#pragma once
// Input power at every percent of design flow for each way of controlling the flow, and
// the energy, duty-cycle and cost values derived from it.

#include <array>
#include <cstdint>

namespace wattora {

inline constexpr int kFlowSteps = 101;  // index = % of design flow, 0 is never computed
inline constexpr int kDutySteps = 10;   // index 0 = 10 % flow ... 9 = 100 % flow

// The flow in % of the design flow of a duty-cycle step.
constexpr int FlowPercentOfDutyStep(int step) { return 10 * (step + 1); }

struct SystemResult {
  std::array<double, kFlowSteps> InputPower{};  // HP
  std::array<bool, kFlowSteps> LimitMark{};
  std::array<double, kDutySteps> StepEnergy{};  // kWh per year
  double AnnualEnergy = 0;                      // kWh per year
  double AnnualEnergyCost = 0;                  // currency per year
};

struct PowerResults {
  SystemResult DriveResult;
  SystemResult ConstantVolumeResult;
  SystemResult CyclingResult;
  SystemResult OutletDamperResult;
  SystemResult InletGuideVaneResult;
  SystemResult ThrottlingValveResult;
  double MinEfficiency = 0;
  double EfficiencyWidth = 0;
};

struct DutyCycle {
  std::array<int, kDutySteps> DutyShare{};
  int DutyTotal = 0;
  int OperatingHours = 0;
  std::array<double, kDutySteps> StepHours{};
};

struct CostValues {
  double DriveInitialTotal = 0;
  double ComparisonInitialTotal = 0;
  double DriveAnnualTotal = 0;
  double ComparisonAnnualTotal = 0;
  double InitialCostDifference = 0;
  double OtherAnnualSavings = 0;
  double EnergyCostSavings = 0;
  double IncentiveTotal = 0;
  double PaybackYears = 0;
  std::array<double, 6> CumulativeSavings{};
  double ComparisonAnnualEnergy = 0;  // kWh, of the comparison system last shown
};

// Font colours of the duty-cycle total, 0xRRGGBB.
inline constexpr std::uint32_t kDutyTotalCompleteColor = 0x000000;
inline constexpr std::uint32_t kDutyTotalIncompleteColor = 0xFF0000;

struct EnergyState {
  PowerResults Results;
  DutyCycle Duty;
  CostValues Costs;
  // The colour of the label DUTYTOTAL: black when the shares add up to 100, red otherwise.
  std::uint32_t DutyTotalColor = kDutyTotalCompleteColor;
};

}  // namespace wattora
