#include "analysis/parameter_table.h"

#include <string>

#include "ui/fatal.h"

namespace wattora {
namespace {

// The position written after a registration message: at most three characters.
std::string PositionText(int position) { return std::to_string(position).substr(0, 3); }

}  // namespace

int ParameterEntry::Decimals() const {
  int decimals = 0;
  for (float s = step; s >= 10.0f && decimals < 4; s /= 10.0f) ++decimals;
  return decimals;
}

void ParameterTable::RegisterParameter(UserInterface& ui, const ParameterDefinition& d,
                                       bool rebuild) {
  if (!rebuild) ++count_;
  if (count_ > kMaxEntries) FatalError(ui, "Maximum number of parameters exceeded !");
  const std::string position = PositionText(d.position);
  if (d.minValue >= d.maxValue) {
    FatalError(ui, "PARAMETER LIST ERROR MIN>=MAX LIST NO. :" + position);
  }
  if (d.step == 0) FatalError(ui, "RANGE STEP LIST ERROR LIST NO. :" + position);
  if (d.step < 1) FatalError(ui, "RANGE STEP LIST ERROR LIST < 1 NO. :" + position);
  if (d.defaultValue < d.minValue || d.defaultValue > d.maxValue) {
    FatalError(ui, "DEFAULT VALUE VF not in Range LIST NO :" + position);
  }
  if (d.position < 1 || d.position > kMaxEntries || (rebuild && d.position > count_)) {
    FatalError(ui, "PARAMETER LIST ERROR LIST NO. :" + position);
  }

  ParameterEntry& e = entries_[d.position - 1];
  e.position = d.position;
  e.groupLetter = d.groupLetter;
  e.groupDigit = d.groupDigit;
  e.number = d.number;
  e.description = std::string(d.description.substr(0, kDescriptionLength));
  e.unitText = std::string(d.unitText.substr(0, kUnitTextLength));
  e.defaultValue = d.defaultValue;
  e.currentValue = d.defaultValue;
  e.minValue = d.minValue;
  e.maxValue = d.maxValue;
  e.step = d.step;
}

ParameterEntry* ParameterTable::At(int position) {
  if (position < 1 || position > count_) return nullptr;
  return &entries_[position - 1];
}

const ParameterEntry* ParameterTable::At(int position) const {
  return const_cast<ParameterTable*>(this)->At(position);
}

ParameterEntry* ParameterTable::Find(char groupLetter, char groupDigit, int number) {
  for (int i = 0; i < count_; ++i) {
    ParameterEntry& e = entries_[i];
    if (e.groupLetter == groupLetter && e.groupDigit == groupDigit && e.number == number) return &e;
  }
  return nullptr;
}

const ParameterEntry* ParameterTable::Find(char groupLetter, char groupDigit, int number) const {
  return const_cast<ParameterTable*>(this)->Find(groupLetter, groupDigit, number);
}

}  // namespace wattora
