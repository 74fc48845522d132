#include "energy/annual_energy.h"

#include <array>
#include <cmath>

#include "analysis/number_notation.h"
#include "energy/calculation_failure.h"
#include "energy/costs.h"
#include "energy/energy_labels.h"
#include "energy/result_text.h"

namespace wattora {
namespace {

bool Accumulate(SystemResult& result, const DutyCycle& duty, double costPerKilowattHour) {
  std::array<double, kDutySteps> stepEnergy{};
  double annual = 0;
  for (int step = 0; step < kDutySteps; ++step) {
    // Input power is in HP; energy in kWh.
    stepEnergy[step] = kKilowattsPerHorsepower * duty.StepHours[step] *
                       result.InputPower[FlowPercentOfDutyStep(step)];
    annual += stepEnergy[step];
  }
  const double cost = costPerKilowattHour * annual;
  if (!std::isfinite(annual) || !std::isfinite(cost)) return false;
  result.StepEnergy = stepEnergy;
  result.AnnualEnergy = annual;
  result.AnnualEnergyCost = cost;
  return true;
}

}  // namespace

bool AccumulateAnnualEnergy(MainWindowState& state) {
  PowerResults& r = state.energy.Results;
  const double cost = ParseDisplayNumber(state.units, state.form.Text("A104"));
  std::array<SystemResult*, 5> results{};
  if (state.record.Application == ApplicationKind::Fan) {
    results = {&r.DriveResult, &r.OutletDamperResult, &r.CyclingResult, &r.ConstantVolumeResult,
               &r.InletGuideVaneResult};
  } else if (state.record.Application == ApplicationKind::Pump) {
    results = {&r.DriveResult, &r.ThrottlingValveResult, &r.CyclingResult,
               &r.ConstantVolumeResult, nullptr};
  }
  for (SystemResult* result : results) {
    if (result && !Accumulate(*result, state.energy.Duty, cost)) return false;
  }
  return true;
}

void ComputeAnnualEnergy(MainWindowState& state) {
  if (!AccumulateAnnualEnergy(state)) ReportArithmeticFailure(state);
}

void ShowDriveResults(MainWindowState& state) {
  const SystemResult& drive = state.energy.Results.DriveResult;
  ShowStepPowers(state.form, state.units, kDrivePowerLabels, drive);
  ShowStepEnergies(state.form, state.units, kDriveEnergyLabels, drive);
  ShowWholeNumber(state.form, state.units, "DRIVETOTALKWHR", drive.AnnualEnergy);
}

}  // namespace wattora
