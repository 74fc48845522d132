#pragma once
// The numeric input fields: their binding to parameter-table entries, the copies between
// fields and table, the key filters, the exit rules and the restore commands.

#include <string_view>

#include "app/main_window_state.h"

namespace wattora {

enum class FieldGroup { All, NewAnalysis, Step2, Costs, Duty, Advanced };

enum class ExitRule { Duty, System, DriveCost, Cost, Curve, Hidden, None };

// The exit rule of a field by name; None for fields that are not numeric inputs.
ExitRule ExitRuleOf(std::string_view field);

void BindInputFields(MainWindowState& state);
void FillFieldsFromDefaults(MainWindowState& state, FieldGroup group);
void FillFieldsFromCurrent(MainWindowState& state, FieldGroup group);
void StoreFieldsToTable(MainWindowState& state);
// A101 to A103 into A101A to A103A.
void CopyHoursToMirrors(Form& form);
// A101A to A103A into A101 to A103.
void CopyMirrorsToHours(Form& form);

// Whether a numeric field accepts the key (one character, or "\b" for Backspace).
bool FilterNumericKey(const UnitSettings& units, std::string_view key);
// Whether the project name accepts the key.
bool FilterProjectNameKey(std::string_view key);

// Types text into a field character by character as a user would: the field's key filter
// and maximum length apply. Typing into QNUM1 sets Modified and copies it into QNUM.
void TypeIntoField(MainWindowState& state, std::string_view field, std::string_view text);

// Clamps the field's value to its parameter's limits with a beep and rewrites it with the
// parameter's decimals; sets Modified when the value differs from the current value. The
// curve fields read their value in single precision.
void ClampFieldToLimits(MainWindowState& state, std::string_view field, bool singlePrecision);

// Runs the exit rule of a numeric field and what it starts afterwards.
void CheckFieldOnExit(MainWindowState& state, std::string_view field);

// The restore commands, each confirmed first; false when the user cancelled.
bool RestoreStep2Defaults(MainWindowState& state);
bool RestoreStep4Defaults(MainWindowState& state);
bool RestoreDutyCycleDefaults(MainWindowState& state);
bool RestoreAdvancedDefaults(MainWindowState& state);

}  // namespace wattora
