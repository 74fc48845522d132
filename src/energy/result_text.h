#pragma once
// How results read on their labels: energy, power and hours as whole numbers in the display
// notation, money with the currency symbol, input power in kW.

#include <string>
#include <string_view>

#include "analysis/unit_settings.h"
#include "energy/energy_labels.h"
#include "energy/system_result.h"
#include "ui/form.h"

namespace wattora {

std::string WholeNumberText(const UnitSettings& units, double value);
std::string AmountLabelText(const UnitSettings& units, double amount);

void ShowWholeNumber(Form& form, const UnitSettings& units, std::string_view label, double value);
void ShowAmount(Form& form, const UnitSettings& units, std::string_view label, double amount);

// A ten-step table of a result: its input power in kW, its annual energy at each step.
void ShowStepPowers(Form& form, const UnitSettings& units, const StepLabels& labels,
                    const SystemResult& result);
void ShowStepEnergies(Form& form, const UnitSettings& units, const StepLabels& labels,
                      const SystemResult& result);

}  // namespace wattora
