#pragma once
// The units the user reads and types values in, and the exact conversions to the fixed
// calculation units: in. wg and cfm for a fan, ft and GPM for a pump, HP for power.

#include <string>
#include <string_view>

#include "analysis/application_kind.h"

namespace wattora {

enum class UnitKind { FanPressure, FanFlow, PumpHead, PumpFlow, Power };

struct UnitSettings {
  int FanPressureUnit = 0;   // "FPU", 0 to 4
  int FanFlowUnit = 0;       // "FFU", 0 to 5
  int PumpPressureUnit = 0;  // "PPU", 0 to 5
  int PumpFlowUnit = 0;      // "PFU", 0 to 4
  int PowerUnit = 0;         // "PWU", 0 HP, 1 kW
  int CurrencyChoice = 0;    // "CRU", 0 to 3
  std::string CustomCurrency = "-";  // "CCT", at most 4 characters
  std::string CurrencySymbol = "$";  // derived from CurrencyChoice
  int NumberNotation = 0;            // "NTU", 0 automatic, 1 "999,999.99", 2 "999.999,99"
  std::string DecimalSeparator = ".";
  std::string ThousandsSeparator = ",";
};

inline constexpr double kKilowattsPerHorsepower = 0.746;
inline constexpr int kFanPressureUnitCount = 5;
inline constexpr int kFanFlowUnitCount = 6;
inline constexpr int kPumpPressureUnitCount = 6;
inline constexpr int kPumpFlowUnitCount = 5;

// Display units per calculation unit of the selected unit of the kind.
double DisplayFactor(const UnitSettings& units, UnitKind kind);
// Calculation units per display unit: the exact reciprocal of the display factor.
double CalculationFactor(const UnitSettings& units, UnitKind kind);

double ToCalculation(const UnitSettings& units, UnitKind kind, double value);
double FromCalculation(const UnitSettings& units, UnitKind kind, double value);

// The pressure and flow kinds of an application (a fan while none is active).
UnitKind PressureKind(ApplicationKind kind);
UnitKind FlowKind(ApplicationKind kind);

// The caption shown beside input fields, in charts and in the report ("in wg", "m3/min").
std::string_view UnitCaption(const UnitSettings& units, UnitKind kind);
std::string_view UnitCaptionAt(UnitKind kind, int index);
// The unit text of the parameter-table column ("in.wg", "M3/min").
std::string_view UnitTableText(UnitKind kind, int index);

// "$", "£ ", "€" or the custom text, after CurrencyChoice.
std::string CurrencySymbolFor(int currencyChoice, std::string_view customCurrency);
// Sets CurrencySymbol from CurrencyChoice and CustomCurrency.
void UpdateCurrencySymbol(UnitSettings& units);
// An amount label: the symbol, one space and the number text.
std::string AmountText(const UnitSettings& units, std::string_view number);

}  // namespace wattora
