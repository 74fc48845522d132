#pragma once
// The unit captions beside the input fields of the main window.

#include <string>
#include <string_view>

#include "analysis/analysis_record.h"
#include "analysis/unit_settings.h"
#include "ui/form.h"

namespace wattora {

// The name of the unit label beside a field: "A120_UNIT".
std::string UnitLabelName(std::string_view field);

// Adds the unit labels with their fixed captions ("hours", "days", "weeks", "%").
void AddUnitLabels(Form& form);

// The currency symbol on the labels of the money fields, the symbol, "/" and the power
// caption on the utility incentive, the power caption on the power fields.
void RefreshMoneyAndPowerLabels(Form& form, const UnitSettings& units);

// All captions beside the input fields for the active application; nothing without one.
void RefreshUnitLabels(Form& form, const AnalysisRecord& record, const UnitSettings& units);

}  // namespace wattora
