#include "energy/comparison_display.h"

#include "charts/result_charts.h"
#include "energy/costs.h"
#include "energy/energy_labels.h"
#include "energy/limit_marks.h"
#include "energy/result_text.h"

namespace wattora {
namespace {

std::string_view NameLabel(ApplicationKind application, ComparisonSystem system) {
  switch (system) {
    case ComparisonSystem::ConstantVolume: return kConstantVolumeNameLabel;
    case ComparisonSystem::Cycling: return kCyclingNameLabel;
    case ComparisonSystem::DamperOrValve:
      return application == ApplicationKind::Pump ? kThrottlingValveNameLabel
                                                  : kOutletDamperNameLabel;
    case ComparisonSystem::InletGuideVanes: return kInletGuideVaneNameLabel;
    case ComparisonSystem::FlowBypass: break;
  }
  return {};
}

bool HasLimitTest(ComparisonSystem system) {
  return system == ComparisonSystem::DamperOrValve || system == ComparisonSystem::InletGuideVanes;
}

}  // namespace

const SystemResult* ComparisonResult(const PowerResults& results, ApplicationKind application,
                                     ComparisonSystem system) {
  switch (system) {
    case ComparisonSystem::ConstantVolume: return &results.ConstantVolumeResult;
    case ComparisonSystem::Cycling: return &results.CyclingResult;
    case ComparisonSystem::DamperOrValve:
      return application == ApplicationKind::Pump ? &results.ThrottlingValveResult
                                                  : &results.OutletDamperResult;
    case ComparisonSystem::InletGuideVanes: return &results.InletGuideVaneResult;
    case ComparisonSystem::FlowBypass: break;
  }
  return nullptr;
}

void ComparisonClick(MainWindowState& state, ComparisonSystem system) {
  const ApplicationKind application = state.record.Application;
  const SystemResult* result = ComparisonResult(state.energy.Results, application, system);
  if (!result) return;
  Form& form = state.form;
  form.SetCaption("SystemName", form.LabelNamed(NameLabel(application, system)).Caption());
  // Constant volume and cycling have no design limit: marks left by another system go.
  ShowComparisonLimitMarks(state, HasLimitTest(system) ? result : nullptr);
  ShowStepPowers(form, state.units, kComparisonPowerLabels, *result);
  DrawComparisonCharts(state, *result);
  ShowStepEnergies(form, state.units, kComparisonEnergyLabels, *result);
  ShowWholeNumber(form, state.units, "COMPARETOTALKWHR", result->AnnualEnergy);
  state.energy.Costs.ComparisonAnnualEnergy = result->AnnualEnergy;
  ShowAmount(form, state.units, "ENERGYCOSTCOMPARE", result->AnnualEnergyCost);
}

}  // namespace wattora
