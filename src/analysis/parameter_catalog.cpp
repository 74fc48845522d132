#include "analysis/parameter_catalog.h"

#include <array>
#include <string_view>

namespace wattora {
namespace {

struct Limits {
  float defaultValue;
  float minValue;
  float maxValue;
};

struct FixedParameter {
  int number;
  std::string_view description;
  std::string_view unitText;
  Limits limits;
  float step;
};

// Parameters that depend neither on the application nor on the units.
constexpr std::array<FixedParameter, 45> kFixed = {{
    {1, "Hours per day", "", {24, 1, 24}, 1},
    {2, "Days per week", "", {7, 1, 7}, 10},
    {3, "Weeks per year", "", {52, 1, 52}, 1},
    {4, "Electricity cost", "ct", {0.1f, 0, 1000}, 1000},
    {5, "Motor Power", "", {50, 0.2f, 5000}, 10},
    {6, "Motor Efficiency", "%", {90, 50, 100}, 10},
    {7, "Drive Efficiency", "%", {96, 50, 100}, 10},
    {8, "Utility Incentive", "", {0, 0, 999999}, 1},
    {9, "Drive Cost", "", {15000, 0, 100000000.0f}, 1},
    {10, "% Time @ 100%", "%", {0, 0, 100}, 1},
    {11, "% Time @ 90%", "%", {3, 0, 100}, 1},
    {12, "% Time @ 80%", "%", {9, 0, 100}, 1},
    {13, "% Time @ 70%", "%", {21, 0, 100}, 1},
    {14, "% Time @ 60%", "%", {23, 0, 100}, 1},
    {15, "% Time @ 50%", "%", {23, 0, 100}, 1},
    {16, "% Time @ 40%", "%", {16, 0, 100}, 1},
    {17, "% Time @ 30%", "%", {5, 0, 100}, 1},
    {18, "% Time @ 20%", "%", {0, 0, 100}, 1},
    {19, "% Time @ 10%", "%", {0, 0, 100}, 1},
    {22, "Shaft HP", "", {50, 0.2f, 5000}, 10},
    {24, "Fan Curve Efficiency", "", {85, 50, 100}, 10},
    {25, "Drive HP", "", {50, 0.2f, 5000}, 10},
    {26, "Installation CI", "$", {0, 0, 1000000}, 1},
    {27, "Startup CI", "$", {0, 0, 1000000}, 1},
    {28, "Equipment CI", "$", {0, 0, 1000000}, 1},
    {29, "Other 1 CI", "$", {0, 0, 1000000}, 1},
    {30, "Other 2 CI", "$", {0, 0, 1000000}, 1},
    {31, "Installation DI", "$", {0, 0, 1000000}, 1},
    {32, "Startup DI", "$", {0, 0, 1000000}, 1},
    {33, "Equipment DI", "$", {0, 0, 1000000}, 1},
    {34, "Other 1 DI", "$", {0, 0, 1000000}, 1},
    {35, "Other 2 DI", "$", {0, 0, 1000000}, 1},
    {36, "Maintencance CA", "$", {0, 0, 1000000}, 1},
    {37, "Other 1 CA", "$", {0, 0, 1000000}, 1},
    {38, "Other 2 CA", "$", {0, 0, 1000000}, 1},
    {39, "Other 3 CA", "$", {0, 0, 1000000}, 1},
    {40, "Maintencance CA", "$", {0, 0, 1000000}, 1},
    {41, "Other 1 DA", "$", {0, 0, 1000000}, 1},
    {42, "Other 2 DA", "$", {0, 0, 1000000}, 1},
    {43, "Other 3 DA", "$", {0, 0, 1000000}, 1},
    {44, "Fan curve eff. @ design point", "", {85, 1, 100}, 10},
    {45, "Fan curve eff. @ Peak eff. point", "", {85, 1, 100}, 10},
    {46, "Fan curve eff. @ Add .Peak eff. point", "", {68, 1, 100}, 10},
    {47, "Fan curve eff. @ Control Curve Eff.", "", {85, 1, 100}, 10},
    {48, "Fan curve eff. @ Add. Control Curve", "", {76.5f, 1, 100}, 10},
}};

constexpr float kUnitParameterStep = 100;

constexpr std::string_view UnitParameterDescription(int number) {
  switch (number) {
    case 20: return "Design Head";
    case 21: return "Static Setpoint Head";
    case 23: return "Removed Pressure Drop with Drive";
    case 49: return "Design Point Flow";
    case 50: return "Peak Eff Point Flow";
    case 51: return "Add Eff Point Flow";
    case 52: return "At Peak Pressure Flow";
    case 53: return "Design Point Flow";
    case 54: return "Add Curve Flow";
    case 55: return "At Peak Pressure Pressure";
    case 56: return "Design Point Pressure";
    case 57: return "Add Curve Pressure";
    case 58: return "Curve Start Point";
    case 59: return "Curve End Point";
    default: return "";
  }
}

// Rows of the pressure tables in the order 20, 21, 23, 55, 56, 57.
constexpr std::array<int, 6> kPressureNumbers = {20, 21, 23, 55, 56, 57};
// Rows of the flow tables in the order 49, 50, 51, 52, 53, 54, 58, 59.
constexpr std::array<int, 8> kFlowNumbers = {49, 50, 51, 52, 53, 54, 58, 59};

template <std::size_t Rows>
struct UnitColumn {
  std::string_view unitText;
  std::array<Limits, Rows> rows;
};

constexpr std::array<UnitColumn<6>, 5> kFanPressure = {{
    {"in.wg", {{{4, 0.01f, 999.9f}, {0.8f, 0, 999.9f}, {0.4f, 0, 50},
                {4.8f, 0, 9000}, {4, 0, 9000}, {0, 0, 9000}}}},
    {"cm.wg", {{{10.16f, 0.01f, 2539.746f}, {2.032f, 0, 2539.746f}, {1.016f, 0, 127},
                {12.192f, 0, 22860}, {10.16f, 0, 22860}, {0, 0, 22860}}}},
    {"Pa", {{{996.328f, 0.01f, 249057.1f}, {199.2656f, 0, 249057.1f}, {99.6328f, 0, 12454.1f},
             {1195.5936f, 0, 2241738}, {996.328f, 0, 2241738}, {0, 0, 2241738}}}},
    {"kPa", {{{0.996328f, 0.01f, 249.0571f}, {0.1992656f, 0, 249.0571f},
              {0.0996328f, 0, 12.4541f}, {1.1955936f, 0, 2241.738f}, {0.996328f, 0, 2241.738f},
              {0, 0, 2241.738f}}}},
    {"mBar", {{{9.96328f, 0.01f, 2490.5708f}, {1.992656f, 0, 2490.5708f},
               {0.996328f, 0, 124.541f}, {11.955936f, 0, 22417.38f}, {9.96328f, 0, 22417.38f},
               {0, 0, 22417.38f}}}},
}};

constexpr std::array<UnitColumn<8>, 6> kFanFlow = {{
    {"cfm", {{{67596, 0, 90000000.0f}, {67596, 0, 90000000.0f}, {33798, 0, 90000000.0f},
              {0, 0, 90000000.0f}, {67596, 0, 90000000.0f}, {135193, 0, 90000000.0f},
              {0, 0, 90000000.0f}, {135193, 0, 90000000.0f}}}},
    {"M3/min", {{{1912.9668f, 0, 2547000}, {1912.9668f, 0, 2547000}, {956.4834f, 0, 2547000},
                 {0, 0, 2547000}, {1912.9668f, 0, 2547000}, {3825.962f, 0, 2547000},
                 {0, 0, 2547000}, {3825.962f, 0, 2547000}}}},
    {"M3/h", {{{114845.6f, 0, 152910000.0f}, {114845.6f, 0, 152910000.0f}, {57422.8f, 0, 152910000.0f},
               {0, 0, 152910000.0f}, {114845.6f, 0, 152910000.0f}, {229692.9f, 0, 152910000.0f},
               {0, 0, 152910000.0f}, {229692.9f, 0, 152910000.0f}}}},
    {"l/s", {{{31898.553f, 0, 42471000.0f}, {31898.553f, 0, 42471000.0f}, {15949.276f, 0, 42471000.0f},
              {0, 0, 42471000.0f}, {31898.553f, 0, 42471000.0f}, {63797.58f, 0, 42471000.0f},
              {0, 0, 42471000.0f}, {63797.58f, 0, 42471000.0f}}}},
    {"l/min", {{{1914102.4f, 0, 2548512000.0f}, {1914102.4f, 0, 2548512000.0f},
                {957051.2f, 0, 2548512000.0f}, {0, 0, 2548512000.0f}, {1914102.4f, 0, 2548512000.0f},
                {3828233.2f, 0, 2548512000.0f}, {0, 0, 2548512000.0f}, {3828233.2f, 0, 2548512000.0f}}}},
    {"M3/s", {{{31.901756f, 0, 42475.266f}, {31.901756f, 0, 42475.266f},
               {15.950878f, 0, 42475.266f}, {0, 0, 42475.266f}, {31.901756f, 0, 42475.266f},
               {63.803986f, 0, 42475.266f}, {0, 0, 42475.266f}, {63.803986f, 0, 42475.266f}}}},
}};

constexpr std::array<UnitColumn<6>, 6> kPumpHead = {{
    {"PSI", {{{1.73411f, 0.01f, 433.48416f}, {0.346822f, 0, 433.48416f},
              {0.173411f, 0, 21.676374f}, {2.080932f, 0, 3901.7476f}, {1.73411f, 0, 3901.7476f},
              {0, 0, 3901.7476f}}}},
    {"ft.wg", {{{4, 0.01f, 999.9f}, {0.8f, 0, 999.9f}, {0.4f, 0, 50},
                {4.8f, 0, 9000}, {4, 0, 9000}, {0, 0, 9000}}}},
    {"m.wg", {{{1.219512f, 0.01f, 304.8475f}, {0.2439024f, 0, 304.8475f},
               {0.1219512f, 0, 15.2439f}, {1.4634144f, 0, 2743.902f}, {1.219512f, 0, 2743.902f},
               {0, 0, 2743.902f}}}},
    {"kPa", {{{11.94432f, 0.01f, 2985.7815f}, {2.388864f, 0, 2985.7815f},
              {1.194432f, 0, 149.304f}, {14.333184f, 0, 26874.72f}, {11.94432f, 0, 26874.72f},
              {0, 0, 26874.72f}}}},
    {"MPa", {{{2, 0.5f, 10}, {0.5f, 0.5f, 10}, {0, 0, 10},
              {2, 0.5f, 10}, {1, 0.5f, 10}, {0, 0, 10}}}},
    {"Bar", {{{0.1194432f, 0.01f, 29.857815f}, {0.02388864f, 0, 29.857815f},
              {0.01194432f, 0, 1.49304f}, {0.14333184f, 0, 268.7472f},
              {0.1194432f, 0, 268.7472f}, {0, 0, 268.7472f}}}},
}};

constexpr std::array<UnitColumn<8>, 5> kPumpFlow = {{
    {"GPM", {{{42075, 0, 90000000.0f}, {42075, 0, 90000000.0f}, {21037, 0, 90000000.0f},
              {0, 0, 90000000.0f}, {42169, 0, 90000000.0f}, {84338, 0, 90000000.0f},
              {0, 0, 90000000.0f}, {84338, 0, 90000000.0f}}}},
    {"M3/min", {{{159.885f, 0, 342000}, {159.885f, 0, 342000}, {79.9406f, 0, 342000},
                 {0, 0, 342000}, {160.2422f, 0, 342000}, {320.4844f, 0, 342000},
                 {0, 0, 342000}, {320.4844f, 0, 342000}}}},
    {"M3/h", {{{9555.232f, 0, 20439000.0f}, {9555.232f, 0, 20439000.0f}, {4777.503f, 0, 20439000.0f},
               {0, 0, 20439000.0f}, {9576.58f, 0, 20439000.0f}, {19153.16f, 0, 20439000.0f},
               {0, 0, 20439000.0f}, {19153.16f, 0, 20439000.0f}}}},
    {"l/s", {{{2654.9326f, 0, 5679000}, {2654.9326f, 0, 5679000}, {1327.4347f, 0, 5679000},
              {0, 0, 5679000}, {2660.864f, 0, 5679000}, {5321.728f, 0, 5679000},
              {0, 0, 5679000}, {5321.728f, 0, 5679000}}}},
    {"l/min", {{{159266.5f, 0, 340677000.0f}, {159266.5f, 0, 340677000.0f},
                {79631.36f, 0, 340677000.0f}, {0, 0, 340677000.0f}, {159622.31f, 0, 340677000.0f},
                {319244.62f, 0, 340677000.0f}, {0, 0, 340677000.0f}, {319244.62f, 0, 340677000.0f}}}},
}};

template <std::size_t N>
int RowOf(const std::array<int, N>& numbers, int number) {
  for (std::size_t i = 0; i < N; ++i) {
    if (numbers[i] == number) return static_cast<int>(i);
  }
  return -1;
}

template <typename Columns>
const auto& ColumnAt(const Columns& columns, int index) {
  return columns[(index >= 0 && index < static_cast<int>(columns.size())) ? index : 0];
}

}  // namespace

ParameterDefinition ParameterDefinitionFor(int number, bool rebuild, ApplicationKind kind,
                                           const UnitSettings& units) {
  ParameterDefinition d{static_cast<std::uint16_t>(number), 'A', '1',
                        static_cast<std::uint16_t>(number), "", "", 0, 0, 0, 1};
  for (const FixedParameter& p : kFixed) {
    if (p.number != number) continue;
    d.description = p.description;
    d.unitText = p.unitText;
    d.defaultValue = p.limits.defaultValue;
    d.minValue = p.limits.minValue;
    d.maxValue = p.limits.maxValue;
    d.step = p.step;
    return d;
  }

  d.description = UnitParameterDescription(number);
  d.step = kUnitParameterStep;
  const bool pump = rebuild && kind == ApplicationKind::Pump;
  Limits limits{};
  if (int row = RowOf(kPressureNumbers, number); row >= 0) {
    const auto& column = pump ? ColumnAt(kPumpHead, units.PumpPressureUnit)
                              : ColumnAt(kFanPressure, rebuild ? units.FanPressureUnit : 0);
    d.unitText = column.unitText;
    limits = column.rows[row];
  } else if (int flowRow = RowOf(kFlowNumbers, number); flowRow >= 0) {
    const auto& column = pump ? ColumnAt(kPumpFlow, units.PumpFlowUnit)
                              : ColumnAt(kFanFlow, rebuild ? units.FanFlowUnit : 0);
    d.unitText = column.unitText;
    limits = column.rows[flowRow];
  }
  d.defaultValue = limits.defaultValue;
  d.minValue = limits.minValue;
  d.maxValue = limits.maxValue;

  if (!rebuild) {
    // The first build differs from the fan "in.wg"/"cfm" columns in five places.
    if (number == 49 || number == 50 || number == 51 || number == 59) d.minValue = 1;
    if (number == 55 || number == 56) d.defaultValue = 0;
  }
  return d;
}

void BuildParameterTable(ParameterTable& table, UserInterface& ui, bool rebuild,
                         ApplicationKind kind, const UnitSettings& units) {
  for (int number = 1; number <= kParameterCount; ++number) {
    table.RegisterParameter(ui, ParameterDefinitionFor(number, rebuild, kind, units), rebuild);
  }
  if (!rebuild) table.SetTableBuilt();
}

}  // namespace wattora
