#include "app/input_fields.h"

#include <string>

#include "analysis/number_notation.h"
#include "analysis/unit_labels.h"
#include "app/analysis_steps.h"
#include "app/field_follow_ups.h"
#include "curve/check_note.h"
#include "ui/fatal.h"
#include "ui/message_catalog.h"
#include "ui/messages.h"
#include "ui/utf8.h"

namespace wattora {
namespace {

constexpr MessageText kMessages[] = {
    {TextTable::MainWindow, "IDS_23", "Restore default values for Step 2, continue?"},
    {TextTable::MainWindow, "IDS_29", "Restore default values for Step 4, continue?"},
    {TextTable::MainWindow, "IDS_32", "Restore default values for duty cycle fields, continue?"},
    {TextTable::MainWindow, "IDS_33", "Restore default values for advanced mode, continue?"},
};

enum class FillAction { Keep, Fill, Clear };

bool IsPumpHeadField(int number) { return number == 20 || number == 21 || number == 23; }

// Step 2's system data, filled or cleared by the new-analysis and step-2 groups.
FillAction SystemDataAction(int number, ApplicationKind kind) {
  if ((number >= 1 && number <= 3) || (number >= 6 && number <= 8)) return FillAction::Fill;
  if (number == 4 || number == 5 || number == 9 || number == 22 || number == 25) {
    return FillAction::Clear;
  }
  if (IsPumpHeadField(number)) {
    return kind == ApplicationKind::Pump ? FillAction::Clear : FillAction::Fill;
  }
  return FillAction::Keep;
}

FillAction ActionFor(FieldGroup group, int number, ApplicationKind kind) {
  switch (group) {
    case FieldGroup::All:
      return FillAction::Fill;
    case FieldGroup::NewAnalysis:
      if ((number >= 10 && number <= 19) || number >= 26) return FillAction::Fill;
      return SystemDataAction(number, kind);
    case FieldGroup::Step2:
      return SystemDataAction(number, kind);
    case FieldGroup::Costs:
      return number >= 26 && number <= 43 ? FillAction::Fill : FillAction::Keep;
    case FieldGroup::Duty:
      return number >= 10 && number <= 19 ? FillAction::Fill : FillAction::Keep;
    case FieldGroup::Advanced:
      return number >= 44 ? FillAction::Fill : FillAction::Keep;
  }
  return FillAction::Keep;
}

bool GroupTouchesHours(FieldGroup group) {
  return group == FieldGroup::All || group == FieldGroup::NewAnalysis || group == FieldGroup::Step2;
}

[[noreturn]] void UnboundField(MainWindowState& state) {
  FatalError(state.ui, "LIST TAG NUMBER = 0", MessageType::Warning, Button::Yes);
}

ParameterEntry& BoundEntry(MainWindowState& state, const TextField& field) {
  ParameterEntry* entry = field.Binding() == 0 ? nullptr : state.table.At(field.Binding());
  if (entry == nullptr) UnboundField(state);
  return *entry;
}

void Fill(MainWindowState& state, FieldGroup group, bool fromDefaults) {
  if (group == FieldGroup::Advanced) {
    state.form.SetChecked("LOCKA144", true);
    HideCheckNote(state.form);
  }
  const ApplicationKind kind = state.record.Application;
  for (std::string_view name : NumericFieldNames()) {
    const int number = std::stoi(std::string(name.substr(2)));
    const FillAction action = ActionFor(group, number, kind);
    if (action == FillAction::Keep) continue;
    TextField& field = state.form.Field(name);
    if (action == FillAction::Clear) {
      field.SetText("");
      continue;
    }
    const ParameterEntry& entry = BoundEntry(state, field);
    const float value = fromDefaults ? entry.defaultValue : entry.currentValue;
    field.SetText(FormatDisplayNumber(state.units, value, entry.Decimals()));
  }
  if (GroupTouchesHours(group)) CopyHoursToMirrors(state.form);
}

bool IsProjectName(std::string_view field) { return field == "QNUM" || field == "QNUM1"; }

bool Confirmed(MainWindowState& state, std::string_view key) {
  return ShowMessage(state.ui, TextTable::MainWindow, MessageType::Confirmation, key,
                     {Button::Yes, Button::Cancel}) == Button::Yes;
}

}  // namespace

std::span<const MessageText> InputFieldMessages() { return kMessages; }

ExitRule ExitRuleOf(std::string_view field) {
  if (field == "A101A" || field == "A103A") return ExitRule::Duty;
  if (field == "A102A") return ExitRule::System;
  if (field.size() != 4 || field.substr(0, 2) != "A1") return ExitRule::None;
  const char tens = field[2];
  const char ones = field[3];
  if (tens < '0' || tens > '5' || ones < '0' || ones > '9') return ExitRule::None;
  const int number = (tens - '0') * 10 + (ones - '0');
  if (number == 1 || number == 3 || (number >= 10 && number <= 19)) return ExitRule::Duty;
  if (number == 9) return ExitRule::DriveCost;
  if ((number >= 2 && number <= 8) || number == 20 || number == 21 || number == 22 ||
      number == 23 || number == 25) {
    return ExitRule::System;
  }
  if (number >= 26 && number <= 43) return ExitRule::Cost;
  if (number == 47 || number == 48) return ExitRule::Hidden;
  if (number >= 44 && number <= 59) return ExitRule::Curve;
  return ExitRule::None;
}

void BindInputFields(MainWindowState& state) {
  for (int position = 1; position <= state.table.ParameterCount(); ++position) {
    const ParameterEntry& entry = *state.table.At(position);
    if (entry.groupLetter != 'A' || entry.groupDigit != '1' || entry.number == 24) continue;
    const std::string name = NumericFieldName(entry.number);
    if (entry.number > 99 || !state.form.HasField(name)) {
      FatalError(state.ui, "TAG NUMBER A1 NOT FOUND!");
    }
    state.form.Field(name).SetBinding(entry.position);
  }
  for (std::size_t i = 0; i < kMirrorFields.size(); ++i) {
    state.form.Field(kMirrorFields[i]).SetBinding(state.form.Field(NumericFieldName(int(i) + 1)).Binding());
  }
  for (int position = 1; position <= state.table.ParameterCount(); ++position) {
    const ParameterEntry& entry = *state.table.At(position);
    if (entry.groupLetter != 'A' || entry.groupDigit != '1') continue;
    if (entry.number == 0 || entry.number > 59) FatalError(state.ui, "TAG NUMBER EXT A1 NOT FOUND!");
    const bool showsUnitText = entry.number == 20 || entry.number == 21 || entry.number == 23 ||
                               (entry.number >= 49 && entry.number <= 59);
    if (showsUnitText) {
      state.form.SetCaption(UnitLabelName(NumericFieldName(entry.number)), entry.unitText);
    }
  }
}

void FillFieldsFromDefaults(MainWindowState& state, FieldGroup group) { Fill(state, group, true); }

void FillFieldsFromCurrent(MainWindowState& state, FieldGroup group) { Fill(state, group, false); }

void StoreFieldsToTable(MainWindowState& state) {
  // While the duty-cycle page is shown its copies of the operating time are the ones the
  // user edits: they go into the table, not over the user's edits.
  const bool dutyPageShown = state.form.Visible("DutyCyclePanel");
  if (dutyPageShown) CopyMirrorsToHours(state.form);
  for (std::string_view name : NumericFieldNames()) {
    const TextField& field = state.form.Field(name);
    ParameterEntry& entry = BoundEntry(state, field);
    entry.currentValue = static_cast<float>(ParseDisplayNumber(state.units, field.Text()));
  }
  if (!dutyPageShown) CopyHoursToMirrors(state.form);
}

void CopyHoursToMirrors(Form& form) {
  for (std::size_t i = 0; i < kMirrorFields.size(); ++i) {
    form.SetText(kMirrorFields[i], form.Text(NumericFieldName(int(i) + 1)));
  }
}

void CopyMirrorsToHours(Form& form) {
  for (std::size_t i = 0; i < kMirrorFields.size(); ++i) {
    form.SetText(NumericFieldName(int(i) + 1), form.Text(kMirrorFields[i]));
  }
}

bool FilterNumericKey(const UnitSettings& units, std::string_view key) {
  if (key == "\b") return true;
  if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') return true;
  return key == units.DecimalSeparator || key == units.ThousandsSeparator;
}

bool FilterProjectNameKey(std::string_view key) {
  return key.size() != 1 || std::string_view("\"*/:<>?\\|").find(key[0]) == std::string_view::npos;
}

void TypeIntoField(MainWindowState& state, std::string_view name, std::string_view text) {
  TextField& field = state.form.Field(name);
  const bool numeric = ExitRuleOf(name) != ExitRule::None;
  if (field.ReadOnly() || !field.Visible()) return;
  std::string value = field.Text();
  for (std::string_view key : Utf8Characters(text)) {
    if (name == "QNUM1") state.record.Modified = true;
    const bool accepted = numeric ? FilterNumericKey(state.units, key)
                                  : (!IsProjectName(name) || FilterProjectNameKey(key));
    if (!accepted) continue;
    if (key == "\b") {
      const auto characters = Utf8Characters(value);
      if (!characters.empty()) value.resize(value.size() - characters.back().size());
      continue;
    }
    if (field.MaxLength() > 0 && Utf8Length(value) >= static_cast<std::size_t>(field.MaxLength())) {
      continue;
    }
    value += key;
  }
  field.SetText(value);
  if (name == "QNUM1") {
    state.form.SetText("QNUM", value);
    state.WindowTitle = StepsWindowTitle(state);
  }
}

void ClampFieldToLimits(MainWindowState& state, std::string_view name, bool singlePrecision) {
  TextField& field = state.form.Field(name);
  const ParameterEntry& entry = BoundEntry(state, field);
  const int decimals = entry.Decimals();
  const double value = ParseDisplayNumber(state.units, field.Text());
  const float stored = static_cast<float>(value);
  if (stored != entry.currentValue) state.record.Modified = true;
  if (stored > entry.maxValue) {
    state.ui.Beep();
    field.SetText(FormatDisplayNumber(state.units, entry.maxValue, decimals));
  } else if (stored < entry.minValue) {
    state.ui.Beep();
    field.SetText(FormatDisplayNumber(state.units, entry.minValue, decimals));
  } else {
    field.SetText(FormatDisplayNumber(state.units, singlePrecision ? stored : value, decimals));
  }
}

void CheckFieldOnExit(MainWindowState& state, std::string_view name) {
  const ExitRule rule = ExitRuleOf(name);
  if (rule == ExitRule::None || rule == ExitRule::Hidden) return;
  if (rule == ExitRule::Curve) {
    AfterCurveFieldExit(state, name);
    return;
  }
  if (state.form.Field(name).Empty() && (rule == ExitRule::System || rule == ExitRule::DriveCost)) {
    return;
  }
  ClampFieldToLimits(state, name, false);

  switch (rule) {
    case ExitRule::Duty: AfterDutyFieldExit(state); break;
    case ExitRule::System: AfterSystemFieldExit(state, name); break;
    case ExitRule::DriveCost: AfterDriveCostExit(state); break;
    case ExitRule::Cost: AfterCostFieldExit(state); break;
    default: break;
  }
}

bool RestoreStep2Defaults(MainWindowState& state) {
  if (!Confirmed(state, "IDS_23")) return false;
  FillFieldsFromDefaults(state, FieldGroup::Step2);
  AfterStep2Restore(state);
  return true;
}

bool RestoreStep4Defaults(MainWindowState& state) {
  if (!Confirmed(state, "IDS_29")) return false;
  state.record.ClearCostNames();
  FillFieldsFromDefaults(state, FieldGroup::Costs);
  AfterStep4Restore(state);
  return true;
}

bool RestoreDutyCycleDefaults(MainWindowState& state) {
  if (!Confirmed(state, "IDS_32")) return false;
  FillFieldsFromDefaults(state, FieldGroup::Duty);
  AfterDutyCycleRestore(state);
  return true;
}

bool RestoreAdvancedDefaults(MainWindowState& state) {
  if (!Confirmed(state, "IDS_33")) return false;
  FillFieldsFromDefaults(state, FieldGroup::Advanced);
  AfterAdvancedRestore(state);
  return true;
}

}  // namespace wattora
