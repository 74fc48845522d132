#include "app/cli/cli_options.h"

#include <charconv>

#include "analysis/number_notation.h"
#include "ui/utf8.h"

namespace wattora {
namespace {

inline constexpr std::size_t kCustomCurrencyLength = 4;

bool ReadIndex(std::string_view value, int count, int& index) {
  auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
  return ec == std::errc() && end == value.data() + value.size() && index >= 0 && index < count;
}

}  // namespace

std::string ApplyCliOption(UnitSettings& units, std::string_view key, std::string_view value) {
  struct IndexOption {
    std::string_view key;
    int count;
    int UnitSettings::*field;
  };
  static constexpr IndexOption kIndexOptions[] = {
      {"FPU", kFanPressureUnitCount, &UnitSettings::FanPressureUnit},
      {"FFU", kFanFlowUnitCount, &UnitSettings::FanFlowUnit},
      {"PPU", kPumpPressureUnitCount, &UnitSettings::PumpPressureUnit},
      {"PFU", kPumpFlowUnitCount, &UnitSettings::PumpFlowUnit},
      {"PWU", 2, &UnitSettings::PowerUnit},
      {"CRU", 4, &UnitSettings::CurrencyChoice},
  };
  for (const IndexOption& option : kIndexOptions) {
    if (key != option.key) continue;
    int index = 0;
    if (!ReadIndex(value, option.count, index)) {
      return "option " + std::string(key) + " expects 0 to " + std::to_string(option.count - 1);
    }
    units.*option.field = index;
    UpdateCurrencySymbol(units);
    return {};
  }
  if (key == "CCT") {
    units.CustomCurrency = std::string(Utf8Prefix(value, kCustomCurrencyLength));
    UpdateCurrencySymbol(units);
    return {};
  }
  if (key == "NTU") {
    int notation = 0;
    if (!ReadIndex(value, 3, notation)) return "option NTU expects 0 to 2";
    ApplyNumberNotation(units, notation);
    return {};
  }
  if (key == "LANGUAGE") {
    int language = 0;
    if (!ReadIndex(value, 2, language)) return "option LANGUAGE expects 0 or 1";
    return {};
  }
  return "unknown option key " + std::string(key);
}

}  // namespace wattora
