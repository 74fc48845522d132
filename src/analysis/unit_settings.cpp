#include "analysis/unit_settings.h"

#include <array>

namespace wattora {
namespace {

struct UnitDefinition {
  std::string_view caption;
  std::string_view tableText;
  double displayFactor;      // display units per calculation unit
  double calculationFactor;  // 1 / displayFactor, as the system states it
};

constexpr std::array<UnitDefinition, kFanPressureUnitCount> kFanPressureUnits = {{
    {"in wg", "in.wg", 1, 1},
    {"cm wg", "cm.wg", 2.54, 0.39370078740157480315},
    {"Pa", "Pa", 249.082, 0.0040147421331127901655},
    {"kPa", "kPa", 0.249082, 4.0147421331127901655},
    {"mBar", "mBar", 2.49082, 0.40147421331127901655},
}};

constexpr std::array<UnitDefinition, kFanFlowUnitCount> kFanFlowUnits = {{
    {"cfm", "cfm", 1, 1},
    {"m3/min", "M3/min", 0.0283, 35.335689045936395760},
    {"m3/h", "M3/h", 1.699, 0.58858151854031783402},
    {"l/s", "l/s", 0.4719, 2.1190930281839372748},
    {"l/min", "l/min", 28.3168, 0.035314724827664142841},
    {"m3/s", "M3/s", 0.0004719474, 2118.8801972423198009},
}};

constexpr std::array<UnitDefinition, kPumpPressureUnitCount> kPumpHeadUnits = {{
    {"PSI", "PSI", 0.4335275, 2.3066587471383014918},
    {"ft wg", "ft.wg", 1, 1},
    {"m wg", "m.wg", 0.304878, 3.2800005248000839680},
    {"kPa", "kPa", 2.98608, 0.33488720998767615067},
    {"MPa", "MPa", 0.00298608, 334.88720998767615067},
    {"Bar", "Bar", 0.0298608, 33.488720998767615067},
}};

constexpr std::array<UnitDefinition, kPumpFlowUnitCount> kPumpFlowUnits = {{
    {"GPM", "GPM", 1, 1},
    {"m3/min", "M3/min", 0.0038, 263.15789473684210526},
    {"m3/h", "M3/h", 0.2271, 4.4033465433729634522},
    {"l/s", "l/s", 0.0631, 15.847860538827258320},
    {"l/min", "l/min", 3.7853, 0.26417985364436108102},
}};

constexpr std::array<UnitDefinition, 2> kPowerUnits = {{
    {"HP", "HP", 1, 1},
    {"kW", "kW", kKilowattsPerHorsepower, 1 / kKilowattsPerHorsepower},
}};

template <std::size_t N>
const UnitDefinition& Pick(const std::array<UnitDefinition, N>& units, int index) {
  return units[(index >= 0 && index < static_cast<int>(N)) ? index : 0];
}

const UnitDefinition& DefinitionAt(UnitKind kind, int index) {
  switch (kind) {
    case UnitKind::FanPressure: return Pick(kFanPressureUnits, index);
    case UnitKind::FanFlow: return Pick(kFanFlowUnits, index);
    case UnitKind::PumpHead: return Pick(kPumpHeadUnits, index);
    case UnitKind::PumpFlow: return Pick(kPumpFlowUnits, index);
    case UnitKind::Power: return Pick(kPowerUnits, index);
  }
  return kPowerUnits[0];
}

int SelectedIndex(const UnitSettings& units, UnitKind kind) {
  switch (kind) {
    case UnitKind::FanPressure: return units.FanPressureUnit;
    case UnitKind::FanFlow: return units.FanFlowUnit;
    case UnitKind::PumpHead: return units.PumpPressureUnit;
    case UnitKind::PumpFlow: return units.PumpFlowUnit;
    case UnitKind::Power: return units.PowerUnit;
  }
  return 0;
}

const UnitDefinition& Selected(const UnitSettings& units, UnitKind kind) {
  return DefinitionAt(kind, SelectedIndex(units, kind));
}

}  // namespace

double DisplayFactor(const UnitSettings& units, UnitKind kind) {
  return Selected(units, kind).displayFactor;
}

double CalculationFactor(const UnitSettings& units, UnitKind kind) {
  return Selected(units, kind).calculationFactor;
}

double ToCalculation(const UnitSettings& units, UnitKind kind, double value) {
  if (kind == UnitKind::Power) {
    return units.PowerUnit == 1 ? value / kKilowattsPerHorsepower : value;
  }
  return value * Selected(units, kind).calculationFactor;
}

double FromCalculation(const UnitSettings& units, UnitKind kind, double value) {
  const UnitDefinition& unit = Selected(units, kind);
  switch (kind) {
    case UnitKind::FanPressure:
    case UnitKind::PumpHead:
      return value / unit.calculationFactor;
    case UnitKind::FanFlow:
    case UnitKind::PumpFlow:
      return value * unit.displayFactor;
    case UnitKind::Power:
      return units.PowerUnit == 1 ? value * kKilowattsPerHorsepower : value;
  }
  return value;
}

UnitKind PressureKind(ApplicationKind kind) {
  return kind == ApplicationKind::Pump ? UnitKind::PumpHead : UnitKind::FanPressure;
}

UnitKind FlowKind(ApplicationKind kind) {
  return kind == ApplicationKind::Pump ? UnitKind::PumpFlow : UnitKind::FanFlow;
}

std::string_view UnitCaption(const UnitSettings& units, UnitKind kind) {
  return Selected(units, kind).caption;
}

std::string_view UnitCaptionAt(UnitKind kind, int index) { return DefinitionAt(kind, index).caption; }

std::string_view UnitTableText(UnitKind kind, int index) {
  return DefinitionAt(kind, index).tableText;
}

std::string CurrencySymbolFor(int currencyChoice, std::string_view customCurrency) {
  switch (currencyChoice) {
    case 1: return "\xC2\xA3 ";  // pound sign and one space
    case 2: return "\xE2\x82\xAC";
    case 3: return std::string(customCurrency);
    default: return "$";
  }
}

void UpdateCurrencySymbol(UnitSettings& units) {
  units.CurrencySymbol = CurrencySymbolFor(units.CurrencyChoice, units.CustomCurrency);
}

std::string AmountText(const UnitSettings& units, std::string_view number) {
  std::string text = units.CurrencySymbol;
  text += ' ';
  text += number;
  return text;
}

}  // namespace wattora
