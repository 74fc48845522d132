#pragma once
// The table of numeric input parameters: identity, description, unit text, default, limits,
// decimals and the current value of the analysis being edited. Values are single precision.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/user_interface.h"

namespace wattora {

struct ParameterEntry {
  std::uint16_t position = 0;
  char groupLetter = 'A';
  char groupDigit = '1';
  std::uint16_t number = 0;
  std::string description;  // at most 38 characters
  std::string unitText;     // at most 10 characters
  float defaultValue = 0;
  float currentValue = 0;
  float minValue = 0;
  float maxValue = 0;
  float step = 1;

  // 0 for step 1, 1 for step 10, ... 4 for step 10000.
  int Decimals() const;
};

struct ParameterDefinition {
  std::uint16_t position;
  char groupLetter;
  char groupDigit;
  std::uint16_t number;
  std::string_view description;
  std::string_view unitText;
  float defaultValue;
  float minValue;
  float maxValue;
  float step;
};

class ParameterTable {
 public:
  static constexpr int kMaxEntries = 300;
  static constexpr std::size_t kDescriptionLength = 38;
  static constexpr std::size_t kUnitTextLength = 10;

  // Writes the entry at its position with currentValue = defaultValue. A first build
  // (rebuild false) counts and creates the entry; a rebuild overwrites the entry the first
  // build created there. A failed check shows its message and ends the program.
  void RegisterParameter(UserInterface& ui, const ParameterDefinition& definition, bool rebuild);

  int ParameterCount() const { return count_; }
  bool TableBuilt() const { return built_; }
  void SetTableBuilt() { built_ = true; }

  // 1-based; nullptr when no entry exists there.
  ParameterEntry* At(int position);
  const ParameterEntry* At(int position) const;
  ParameterEntry* Find(char groupLetter, char groupDigit, int number);
  const ParameterEntry* Find(char groupLetter, char groupDigit, int number) const;

 private:
  std::array<ParameterEntry, kMaxEntries> entries_{};
  int count_ = 0;
  bool built_ = false;
};

}  // namespace wattora
