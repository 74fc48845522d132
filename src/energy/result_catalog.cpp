#include "energy/result_catalog.h"

#include "energy/energy_labels.h"

namespace wattora {

std::vector<NamedResult> ActiveResults(const PowerResults& r, ApplicationKind application) {
  if (application == ApplicationKind::None) return {};
  std::vector<NamedResult> named = {{"DriveResult", &r.DriveResult},
                                    {"ConstantVolumeResult", &r.ConstantVolumeResult},
                                    {"CyclingResult", &r.CyclingResult}};
  if (application == ApplicationKind::Pump) {
    named.push_back({"ThrottlingValveResult", &r.ThrottlingValveResult});
  } else {
    named.push_back({"OutletDamperResult", &r.OutletDamperResult});
    named.push_back({"InletGuideVaneResult", &r.InletGuideVaneResult});
  }
  return named;
}

std::span<const std::string_view> ResultLabelNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> all(kSingleResultLabels.begin(), kSingleResultLabels.end());
    for (const StepLabels* table :
         {&kDrivePowerLabels, &kDriveEnergyLabels, &kDriveMarkLabels, &kComparisonPowerLabels,
          &kComparisonEnergyLabels, &kComparisonMarkLabels, &kStepHoursLabels,
          &kStepShareLabels}) {
      all.insert(all.end(), table->begin(), table->end());
    }
    return all;
  }();
  return names;
}

}  // namespace wattora
