#include "analysis/parameter_table.h"

#include <gtest/gtest.h>

#include "analysis/parameter_catalog.h"
#include "test_support.h"

namespace wattora {
namespace {

using testing::ProgramTerminated;
using testing::TerminateHookGuard;

struct Built {
  TerminateHookGuard hook;
  ScriptedUserInterface ui;
  ParameterTable table;
  UnitSettings units;
  void Build(bool rebuild, ApplicationKind kind) {
    BuildParameterTable(table, ui, rebuild, kind, units);
  }
};

TEST(ParameterTable, FirstBuildHasItsOwnDifferencesFromTheFanColumns) {
  Built b;
  b.Build(false, ApplicationKind::None);
  EXPECT_EQ(b.table.ParameterCount(), 59);
  EXPECT_TRUE(b.table.TableBuilt());
  EXPECT_EQ(b.table.At(49)->minValue, 1.0f);
  EXPECT_EQ(b.table.At(59)->minValue, 1.0f);
  EXPECT_EQ(b.table.At(55)->defaultValue, 0.0f);
  EXPECT_EQ(b.table.At(56)->defaultValue, 0.0f);
  EXPECT_EQ(b.table.At(20)->unitText, "in.wg");

  b.Build(true, ApplicationKind::Fan);
  EXPECT_EQ(b.table.ParameterCount(), 59);
  EXPECT_EQ(b.table.At(49)->minValue, 0.0f);
  EXPECT_EQ(b.table.At(55)->defaultValue, 4.8f);
  EXPECT_EQ(b.table.At(56)->defaultValue, 4.0f);
}

struct ColumnCase {
  ApplicationKind kind;
  int pressureUnit;  // index into the application's pressure units
  int flowUnit;
  int number;
  const char* unitText;
  float defaultValue, minValue, maxValue;
  friend std::ostream& operator<<(std::ostream& os, const ColumnCase& c) {
    return os << ApplicationText(c.kind) << " " << c.unitText << " #" << c.number;
  }
};

class ParameterColumns : public ::testing::TestWithParam<ColumnCase> {};

// Figures copied from the parameter tables: the stored rounded figures, not products.
TEST_P(ParameterColumns, RebuildUsesTheSelectedColumn) {
  const ColumnCase& c = GetParam();
  Built b;
  b.Build(false, ApplicationKind::None);
  if (c.kind == ApplicationKind::Pump) {
    b.units.PumpPressureUnit = c.pressureUnit;
    b.units.PumpFlowUnit = c.flowUnit;
  } else {
    b.units.FanPressureUnit = c.pressureUnit;
    b.units.FanFlowUnit = c.flowUnit;
  }
  b.Build(true, c.kind);
  const ParameterEntry& e = *b.table.At(c.number);
  EXPECT_EQ(e.unitText, c.unitText);
  EXPECT_EQ(e.defaultValue, c.defaultValue);
  EXPECT_EQ(e.minValue, c.minValue);
  EXPECT_EQ(e.maxValue, c.maxValue);
  EXPECT_EQ(e.Decimals(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ParameterColumns,
    ::testing::Values(
        ColumnCase{ApplicationKind::Fan, 0, 0, 20, "in.wg", 4, 0.01f, 999.9f},
        ColumnCase{ApplicationKind::Fan, 1, 0, 21, "cm.wg", 2.032f, 0, 2539.746f},
        ColumnCase{ApplicationKind::Fan, 2, 0, 55, "Pa", 1195.5936f, 0, 2241738},
        ColumnCase{ApplicationKind::Fan, 3, 0, 23, "kPa", 0.0996328f, 0, 12.4541f},
        ColumnCase{ApplicationKind::Fan, 4, 0, 20, "mBar", 9.96328f, 0.01f, 2490.5708f},
        ColumnCase{ApplicationKind::Fan, 0, 1, 54, "M3/min", 3825.962f, 0, 2547000},
        ColumnCase{ApplicationKind::Fan, 0, 4, 49, "l/min", 1914102.4f, 0, 2548512000.0f},
        ColumnCase{ApplicationKind::Fan, 0, 5, 51, "M3/s", 15.950878f, 0, 42475.266f},
        ColumnCase{ApplicationKind::Pump, 0, 0, 20, "PSI", 1.73411f, 0.01f, 433.48416f},
        ColumnCase{ApplicationKind::Pump, 4, 0, 20, "MPa", 2, 0.5f, 10},
        ColumnCase{ApplicationKind::Pump, 4, 0, 21, "MPa", 0.5f, 0.5f, 10},
        ColumnCase{ApplicationKind::Pump, 4, 0, 23, "MPa", 0, 0, 10},
        ColumnCase{ApplicationKind::Pump, 4, 0, 56, "MPa", 1, 0.5f, 10},
        ColumnCase{ApplicationKind::Pump, 5, 0, 57, "Bar", 0, 0, 268.7472f},
        ColumnCase{ApplicationKind::Pump, 1, 0, 53, "GPM", 42169, 0, 90000000},
        ColumnCase{ApplicationKind::Pump, 1, 3, 51, "l/s", 1327.4347f, 0, 5679000},
        ColumnCase{ApplicationKind::Pump, 1, 4, 59, "l/min", 319244.62f, 0, 340677000.0f}));

TEST(ParameterTable, FixedParametersAndDecimals) {
  Built b;
  b.Build(false, ApplicationKind::None);
  b.Build(true, ApplicationKind::Pump);
  EXPECT_EQ(b.table.At(2)->Decimals(), 1);
  EXPECT_EQ(b.table.At(4)->Decimals(), 3);
  EXPECT_EQ(b.table.At(4)->unitText, "ct");
  EXPECT_EQ(b.table.At(40)->description, "Maintencance CA");
  EXPECT_EQ(b.table.At(26)->unitText, "$");
  EXPECT_EQ(b.table.At(48)->defaultValue, 76.5f);
  EXPECT_EQ(b.table.Find('A', '1', 9)->maxValue, 100000000.0f);
  EXPECT_EQ(b.table.Find('A', '2', 9), nullptr);
}

TEST(ParameterTable, RebuildResetsCurrentValues) {
  Built b;
  b.Build(false, ApplicationKind::None);
  b.table.At(1)->currentValue = 12;
  b.Build(true, ApplicationKind::Fan);
  EXPECT_EQ(b.table.At(1)->currentValue, 24.0f);
}

TEST(ParameterTable, LongTextsAreCutNotRejected) {
  Built b;
  b.table.RegisterParameter(
      b.ui, {1, 'A', '1', 1, "A description that is much longer than thirty-eight", "unit text too long",
             1, 0, 2, 1},
      false);
  EXPECT_EQ(b.table.At(1)->description, "A description that is much longer than");
  EXPECT_EQ(b.table.At(1)->description.size(), 38u);
  EXPECT_EQ(b.table.At(1)->unitText, "unit text ");
}

struct BadDefinition {
  ParameterDefinition definition;
  const char* message;
  friend std::ostream& operator<<(std::ostream& os, const BadDefinition& c) { return os << c.message; }
};

class RegistrationChecks : public ::testing::TestWithParam<BadDefinition> {};

TEST_P(RegistrationChecks, FailedCheckShowsItsMessageAndTerminates) {
  Built b;
  EXPECT_THROW(b.table.RegisterParameter(b.ui, GetParam().definition, false), ProgramTerminated);
  ASSERT_EQ(b.ui.Messages().size(), 1u);
  EXPECT_EQ(b.ui.Messages()[0].text, GetParam().message);
  EXPECT_EQ(b.ui.Messages()[0].type, MessageType::Error);
  EXPECT_EQ(b.ui.Messages()[0].buttons, std::vector<Button>{Button::OK});
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RegistrationChecks,
    ::testing::Values(
        BadDefinition{{7, 'A', '1', 7, "d", "", 1, 2, 2, 1}, "PARAMETER LIST ERROR MIN>=MAX LIST NO. :7"},
        BadDefinition{{12, 'A', '1', 12, "d", "", 1, 0, 2, 0}, "RANGE STEP LIST ERROR LIST NO. :12"},
        BadDefinition{{1, 'A', '1', 1, "d", "", 1, 0, 2, 0.5f}, "RANGE STEP LIST ERROR LIST < 1 NO. :1"},
        BadDefinition{{123, 'A', '1', 5, "d", "", 3, 0, 2, 1},
                      "DEFAULT VALUE VF not in Range LIST NO :123"}));

TEST(ParameterTable, MoreThan300EntriesEndTheProgram) {
  Built b;
  for (int i = 1; i <= ParameterTable::kMaxEntries; ++i) {
    b.table.RegisterParameter(b.ui, {static_cast<std::uint16_t>(i), 'A', '1', 1, "d", "", 1, 0, 2, 1},
                              false);
  }
  EXPECT_TRUE(b.ui.Messages().empty());
  EXPECT_THROW(b.table.RegisterParameter(b.ui, {1, 'A', '1', 1, "d", "", 1, 0, 2, 1}, false),
               ProgramTerminated);
  EXPECT_EQ(b.ui.Messages().back().text, "Maximum number of parameters exceeded !");
}

}  // namespace
}  // namespace wattora
