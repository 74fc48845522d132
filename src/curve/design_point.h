#pragma once
// What curve construction and curve validation share about the design
// point: the field values, the power constant, the shaft power and the design flow field.

#include <string_view>

#include "app/main_window_state.h"

namespace wattora {

// ParseDisplayNumber of the field's text (an empty field reads as 0).
double FieldValue(const MainWindowState& state, std::string_view field);
// The field's value taken to calculation units.
double FieldInCalculation(const MainWindowState& state, std::string_view field, UnitKind kind);

// FanPowerConstant in a fan analysis (and while none is active), PumpPowerConstant in a
// pump analysis.
double PowerConstant(const MainWindowState& state);
// A122 in HP: divided by 0.746 when the power unit is kW.
double ShaftPowerInHP(const MainWindowState& state);

// A149 shows the design flow (calculation units) in the user's flow unit, rounded to 2
// decimals and written by FormatDisplayNumber with 2 decimals.
void ShowDesignFlow(MainWindowState& state, double designFlow);

}  // namespace wattora
