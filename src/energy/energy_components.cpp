#include "energy/energy_components.h"

#include "energy/energy_labels.h"
#include "energy/limit_marks.h"
#include "energy/result_catalog.h"

namespace wattora {
namespace {

constexpr MessageText kMessages[] = {
    {TextTable::MainWindow, "IDS_16",
     "The System Data entered is not valid! Please re-enter the system data in order to "
     "continue."},
    {TextTable::MainWindow, "IDS_17",
     "The System Data entered is not valid! Please re-enter the system data in order to "
     "continue."},
    {TextTable::MainWindow, "IDS_18",
     "The data you have entered is not valid! Please adjust your data."},
    {TextTable::MainWindow, "IDS_19",
     "The data you have entered is not valid! Please adjust your data."},
    {TextTable::MainWindow, "IDS_89", "Years"},
    {TextTable::MainWindow, "IDS_90", "More than 5 years"},
    {TextTable::MainWindow, "IDS_91", "Immediate"},
};

struct CaptionLabel {
  std::string_view name;
  std::string_view caption;
};

constexpr CaptionLabel kCaptionLabels[] = {
    {kDesignLimitsLegendLabel, " * = System Design Limits"},
    {kConstantVolumeNameLabel, "Constant Volume System"},
    {kCyclingNameLabel, "Cycling System"},
    {kOutletDamperNameLabel, "Outlet Damper System"},
    {kThrottlingValveNameLabel, "Throttling Valve System"},
    {kInletGuideVaneNameLabel, "Inlet Guide Vane System"},
};

bool IsMarkLabel(std::string_view name) {
  for (const StepLabels* table : {&kDriveMarkLabels, &kComparisonMarkLabels}) {
    for (std::string_view mark : *table) {
      if (mark == name) return true;
    }
  }
  return false;
}

}  // namespace

void AddEnergyComponents(Form& form) {
  for (std::string_view name : ResultLabelNames()) {
    form.AddLabel(std::string(name), IsMarkLabel(name) ? kMarkClear : std::string_view());
  }
  for (const CaptionLabel& label : kCaptionLabels) {
    form.AddLabel(std::string(label.name), label.caption).SetVisible(false);
  }
}

std::span<const MessageText> EnergyMessages() { return kMessages; }

}  // namespace wattora
