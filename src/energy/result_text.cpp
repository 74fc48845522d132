#include "energy/result_text.h"

#include "analysis/number_notation.h"

namespace wattora {

std::string WholeNumberText(const UnitSettings& units, double value) {
  return FormatDisplayNumber(units, value, 0);
}

std::string AmountLabelText(const UnitSettings& units, double amount) {
  return AmountText(units, WholeNumberText(units, amount));
}

void ShowWholeNumber(Form& form, const UnitSettings& units, std::string_view label, double value) {
  form.SetCaption(label, WholeNumberText(units, value));
}

void ShowAmount(Form& form, const UnitSettings& units, std::string_view label, double amount) {
  form.SetCaption(label, AmountLabelText(units, amount));
}

void ShowStepPowers(Form& form, const UnitSettings& units, const StepLabels& labels,
                    const SystemResult& result) {
  for (int row = 0; row < kDutySteps; ++row) {
    ShowWholeNumber(form, units, labels[row],
                    kKilowattsPerHorsepower * result.InputPower[FlowPercentOfRow(row)]);
  }
}

void ShowStepEnergies(Form& form, const UnitSettings& units, const StepLabels& labels,
                      const SystemResult& result) {
  for (int row = 0; row < kDutySteps; ++row) {
    ShowWholeNumber(form, units, labels[row], result.StepEnergy[DutyStepOfRow(row)]);
  }
}

}  // namespace wattora
