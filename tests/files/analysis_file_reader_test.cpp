#include "files/analysis_file_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/number_notation.h"
#include "file_test_support.h"
#include "files/analysis_file_writer.h"

namespace wattora {
namespace {

using testing::CrLf;
using testing::RequiredFanSections;
using testing::TestWindow;

// The check pass, the table rebuilt for the file's application and units, the load pass.
struct Reading : TestWindow {
  FileReadResult check;
  FileReadResult load;

  bool Read(std::string_view bytes) {
    check = ReadAnalysisText(state, bytes, ReadPass::Check);
    if (!check.complete) return false;
    state.record.Application =
        check.applicationType == kFileTypePump ? ApplicationKind::Pump : ApplicationKind::Fan;
    RebuildParameterTable(state);
    load = ReadAnalysisText(state, bytes, ReadPass::Load);
    return load.complete;
  }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const auto& m : ui.Messages()) keys.push_back(m.key);
    return keys;
  }
  float Value(int position) const { return state.table.At(position)->currentValue; }
};

std::vector<std::string> With(std::vector<std::string> lines, std::initializer_list<std::string> more) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

// The required sections with the value after `section` replaced (or the section and its
// value removed when `value` is null).
std::vector<std::string> Replaced(std::string_view section, const char* value) {
  std::vector<std::string> lines = RequiredFanSections();
  auto it = std::find(lines.begin(), lines.end(), section);
  if (value == nullptr) lines.erase(it, it + 2);
  else *(it + 1) = value;
  return lines;
}

TEST(AnalysisFileReader, RequiredSectionsAloneMakeACompleteFile) {
  Reading r;  // no "[FILE INFO]" at all: the reader does not look at it
  ASSERT_TRUE(r.Read(CrLf(RequiredFanSections())));
  EXPECT_TRUE(r.Keys().empty());
  EXPECT_EQ(r.check.applicationType, kFileTypeFan);
  EXPECT_FALSE(r.check.legacy);
  EXPECT_EQ(r.check.projectName, "");
}

struct CompletenessCase {
  const char* name;
  std::vector<std::string> lines;
  const char* key;  // nullptr: complete
};

std::ostream& operator<<(std::ostream& os, const CompletenessCase& c) { return os << c.name; }

class Completeness : public ::testing::TestWithParam<CompletenessCase> {};

TEST_P(Completeness, ReportsTheFirstMissingSection) {
  const CompletenessCase& c = GetParam();
  Reading r;
  const UnitSettings before = r.state.units;
  const FileReadResult result = ReadAnalysisText(r.state, CrLf(c.lines), ReadPass::Check);
  if (c.key == nullptr) {
    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(r.ui.Messages().empty());
    return;
  }
  EXPECT_FALSE(result.complete);
  ASSERT_EQ(r.ui.Messages().size(), 1u);
  EXPECT_EQ(r.ui.Messages()[0].key, c.key);
  EXPECT_EQ(r.ui.Messages()[0].type, MessageType::Error);
  EXPECT_EQ(r.ui.Messages()[0].buttons, std::vector<Button>{Button::OK});
  EXPECT_EQ(r.state.units.FanPressureUnit, before.FanPressureUnit);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Completeness,
    ::testing::Values(
        CompletenessCase{"empty", {}, "IDS_9"},
        CompletenessCase{"no application", Replaced("[APPLICATION]", nullptr), "IDS_9"},
        CompletenessCase{"lower-case application", Replaced("[APPLICATION]", "fan"), "IDS_9"},
        CompletenessCase{"no flow lock", Replaced("[FLOWLOCK]", nullptr), "IDS_9"},
        CompletenessCase{"flow lock 2", Replaced("[FLOWLOCK]", "2"), "IDS_9"},
        CompletenessCase{"no system", Replaced("[SYSTEM]", nullptr), "IDS_9"},
        CompletenessCase{"system 0", Replaced("[SYSTEM]", "0"), "IDS_9"},
        CompletenessCase{"no curve", Replaced("[CURVE]", nullptr), "IDS_10"},
        CompletenessCase{"cooling tower", Replaced("[APPLICATION]", "COOLING TOWER"), "IDS_11"},
        CompletenessCase{"fan pressure 5", Replaced("[PRESSURE]", "5"), "IDS_11"},
        CompletenessCase{"fan pressure 12", Replaced("[PRESSURE]", "12"), "IDS_11"},
        CompletenessCase{"no flow", Replaced("[FLOW]", nullptr), "IDS_12"},
        CompletenessCase{"fan flow 6", Replaced("[FLOW]", "6"), "IDS_12"},
        CompletenessCase{"no power", Replaced("[POWER]", nullptr), "IDS_13"},
        CompletenessCase{"no currency", Replaced("[CURRENCY]", nullptr), "IDS_14"},
        CompletenessCase{"currency 4", Replaced("[CURRENCY]", "4"), "IDS_14"},
        CompletenessCase{"spaces around values", Replaced("[SYSTEM]", "  4  "), nullptr},
        CompletenessCase{"section line with spaces",
                         With(Replaced("[CURVE]", nullptr), {"   [CURVE] ", "HORIZONTAL"}), nullptr},
        CompletenessCase{"section line with a tab",
                         With(Replaced("[CURVE]", nullptr), {"[CURVE]\t", "HORIZONTAL"}), "IDS_10"},
        CompletenessCase{"pump pressure 5",
                         With({"[APPLICATION]", "PUMP"}, {"[PRESSURE]", "5", "[FLOW]", "4", "[POWER]", "1",
                                                          "[CURRENCY]", "3", "[FLOWLOCK]", "0",
                                                          "[SYSTEM]", "1", "[CURVE]", "NON-HORIZONTAL"}),
                         nullptr},
        CompletenessCase{"pump flow 5",
                         With({"[APPLICATION]", "PUMP"}, {"[PRESSURE]", "5", "[FLOW]", "5", "[POWER]", "1",
                                                          "[CURRENCY]", "3", "[FLOWLOCK]", "0",
                                                          "[SYSTEM]", "1", "[CURVE]", "NON-HORIZONTAL"}),
                         "IDS_12"},
        // Pressure is judged by the application read before it.
        CompletenessCase{"pressure before application",
                         With({"[PRESSURE]", "0"}, {"[APPLICATION]", "FAN", "[CURVE]", "HORIZONTAL",
                                                    "[FLOW]", "0", "[POWER]", "0", "[CURRENCY]", "0",
                                                    "[FLOWLOCK]", "1", "[SYSTEM]", "4"}),
                         "IDS_11"},
        CompletenessCase{"legacy without flow, power and currency",
                         {"[APPLICATION]", "FAN", "[UNITS]", "0", "[CURVE]", "HORIZONTAL",
                          "[FLOWLOCK]", "1", "[SYSTEM]", "1"},
                         nullptr}));

TEST(AnalysisFileReader, LaterAcceptedValuesWinAndUnknownBracketsAreOrdinaryLines) {
  Reading r;
  ASSERT_TRUE(r.Read(CrLf(With(RequiredFanSections(),
                               {"[SYSTEM]", "9", "1", "[PROJECT NAME]", "[NOT A SECTION]",
                                "[CURRENCY]", "2", "x", "[CURVE]", "NON-HORIZONTAL", "[FLOWLOCK]", "0"}))));
  EXPECT_EQ(r.check.projectName, "[NOT A SECTION]");
  EXPECT_EQ(r.state.record.Comparison(), ComparisonSystem::ConstantVolume);
  EXPECT_EQ(r.state.units.CurrencySymbol, "\xE2\x82\xAC");
  EXPECT_FALSE(r.state.form.Checked("HORIZ"));
  EXPECT_TRUE(r.state.form.Checked("LOCKA149"));
}

TEST(AnalysisFileReader, ALaterApplicationAsksForItsUnitsAgain) {
  // Pressure index 5 exists for a pump only: after the switch to a fan it must not stay.
  Reading r;
  const std::vector<std::string> pumpFirst = {"[APPLICATION]", "PUMP", "[PRESSURE]", "5",
                                              "[FLOW]", "4"};
  std::vector<std::string> lines = pumpFirst;
  lines.insert(lines.end(), {"[APPLICATION]", "FAN", "[CURVE]", "HORIZONTAL", "[POWER]", "0",
                             "[CURRENCY]", "0", "[FLOWLOCK]", "1", "[SYSTEM]", "4"});
  EXPECT_FALSE(r.Read(CrLf(lines)));
  EXPECT_EQ(r.Keys(), std::vector<std::string>{"IDS_11"});

  Reading again;
  ASSERT_TRUE(again.Read(CrLf(With(lines, {"[PRESSURE]", "2", "[FLOW]", "1"}))));
  EXPECT_EQ(again.state.units.FanPressureUnit, 2);
}

TEST(AnalysisFileReader, CheckPassAppliesUnitsAndStoresNothing) {
  Reading r;
  r.state.table.At(1)->currentValue = 5;
  r.state.form.SetText("PREPFOR", "before");
  const std::string bytes = CrLf(With({"[APPLICATION]", "PUMP", "[PRESSURE]", "3", "[FLOW]", "2",
                                       "[POWER]", "1", "[CURRENCY]", "3", "[CURRENCY-C1]", "  kr.-SEK ",
                                       "[FLOWLOCK]", "0", "[SYSTEM]", "3", "[CURVE]", "NON-HORIZONTAL",
                                       "[CUSTOMER INFO]", "Someone", "[DATA RUXS]", "P001=A1-01=12;"},
                                      {}));
  const FileReadResult check = ReadAnalysisText(r.state, bytes, ReadPass::Check);
  ASSERT_TRUE(check.complete);
  EXPECT_EQ(check.applicationType, kFileTypePump);
  EXPECT_EQ(r.state.units.PumpPressureUnit, 3);
  EXPECT_EQ(r.state.units.PumpFlowUnit, 2);
  EXPECT_EQ(r.state.units.FanPressureUnit, 0);
  EXPECT_EQ(r.state.units.PowerUnit, 1);
  EXPECT_EQ(r.state.units.CurrencyChoice, 3);
  EXPECT_EQ(r.state.units.CurrencySymbol, "kr.-");  // the first four characters
  EXPECT_EQ(r.Value(1), 5);
  EXPECT_EQ(r.state.form.Text("PREPFOR"), "before");
  EXPECT_TRUE(r.state.form.Checked("HORIZ"));

  // The load pass leaves the units alone.
  r.state.units.PumpPressureUnit = 0;
  r.state.record.Application = ApplicationKind::Pump;
  RebuildParameterTable(r.state);
  ASSERT_TRUE(ReadAnalysisText(r.state, bytes, ReadPass::Load).complete);
  EXPECT_EQ(r.state.units.PumpPressureUnit, 0);
  EXPECT_EQ(r.Value(1), 12);
  EXPECT_EQ(r.state.form.Text("PREPFOR"), "Someone");
  EXPECT_EQ(r.state.form.Text("Titlefor"), "");
  EXPECT_EQ(r.state.record.Comparison(), ComparisonSystem::DamperOrValve);  // code 3
}

TEST(AnalysisFileReader, FixedCurrenciesTakeTheirOwnSymbol) {
  for (auto [index, symbol] : {std::pair{"0", "$"}, {"1", "\xC2\xA3 "}, {"2", "\xE2\x82\xAC"}}) {
    Reading r;
    ASSERT_TRUE(r.Read(CrLf(With(Replaced("[CURRENCY]", index), {"[CURRENCY-C1]", "XY"}))));
    EXPECT_EQ(r.state.units.CurrencySymbol, symbol);
  }
}

TEST(AnalysisFileReader, CustomerAndCostLinesAreCountedOverTheWholeFile) {
  Reading r;
  const std::string long70(70, 'c');
  const std::string name25 = "Crane and rigging, 2 days";
  std::vector<std::string> lines = RequiredFanSections();
  lines.push_back("[CUSTOMER INFO]");
  lines.push_back("  " + long70);
  for (int i = 2; i <= 10; ++i) lines.push_back(i == 5 ? "" : "customer " + std::to_string(i));
  lines.insert(lines.end(), {"[COST INFO]", name25 + "!!!", "", "x"});
  lines.insert(lines.end(), {"[CUSTOMER INFO]", "eleventh", "[COST INFO]", "fourth"});
  ASSERT_TRUE(r.Read(CrLf(lines)));
  EXPECT_EQ(r.state.form.Text("PREPFOR"), "  " + long70.substr(0, 58));  // the line's first 60 characters
  EXPECT_EQ(r.state.form.Text("Companyfor"), "customer 3");
  EXPECT_EQ(r.state.form.Text("AddressFor2"), "");
  EXPECT_EQ(r.state.form.Text("EmailFor"), "customer 10");
  EXPECT_EQ(r.state.form.Text("OTHER1_INI_C"), name25);
  EXPECT_EQ(r.state.form.Text("OTHER2_INI_C"), "");
  EXPECT_EQ(r.state.form.Text("OTHER1_INI_D"), "x");
  EXPECT_EQ(r.state.form.Text("OTHER2_INI_D"), "fourth");
  EXPECT_EQ(r.state.form.Text("OTHER1_ANU_C"), "");
}

TEST(AnalysisFileReader, ValuesUpToOneAboveTheMaximumLoad) {
  Reading r;  // hours per day: 1 to 24
  ASSERT_TRUE(r.Read(CrLf(With(RequiredFanSections(),
                               {"[DATA RUXS]", "P001=A1-01=25;", "P002=A1-02=1;", "P003=A1-03=0.5;"}))));
  EXPECT_EQ(r.Value(1), 25);
  EXPECT_EQ(r.Value(2), 1);
  EXPECT_EQ(r.Value(3), 52);  // below the minimum: kept, after a question
  ASSERT_EQ(r.ui.Messages().size(), 1u);
}

TEST(AnalysisFileReader, ValueOutOfRangeAsksAndKeepsTheValue) {
  Reading r;
  r.ui.QueueAnswer(Button::Yes);
  ASSERT_TRUE(r.Read(CrLf(With(RequiredFanSections(), {"[DATA RUXS]", "P001=A1-01=25.01;", "P002=A1-02=5;"}))));
  EXPECT_EQ(r.Value(1), 24);
  EXPECT_EQ(r.Value(2), 5);
  ASSERT_EQ(r.ui.Messages().size(), 1u);
  const MessageRequest& m = r.ui.Messages()[0];
  EXPECT_EQ(m.type, MessageType::Error);
  EXPECT_EQ(m.buttons, (std::vector<Button>{Button::Yes, Button::Abort}));
  EXPECT_EQ(m.text, "Hours per day out of range!\r\rMinimum: 1.00\rMaximum: 24.00\r\rContinue?");
}

TEST(AnalysisFileReader, RangeLimitsFollowTheDisplayNotation) {
  Reading r;
  ApplyNumberNotation(r.state.units, 2);
  ASSERT_TRUE(r.Read(CrLf(With(RequiredFanSections(), {"[DATA RUXS]", "P009=A1-09=-1;"}))));
  ASSERT_EQ(r.ui.Messages().size(), 1u);
  EXPECT_NE(r.ui.Messages()[0].text.find("Maximum: 100.000.000,00"), std::string::npos);
}

struct StopCase {
  const char* line;
  const char* key;
  MessageType type;
  Button stop;
};

std::ostream& operator<<(std::ostream& os, const StopCase& c) { return os << c.line; }

class StopAtQuestion : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopAtQuestion, GoesOnOrStopsTheRead) {
  const StopCase& c = GetParam();
  const std::string bytes = CrLf(With(RequiredFanSections(),
                                      {"[DATA RUXS]", "P002=A1-02=3;", c.line, "P003=A1-03=9;",
                                       "[CUSTOMER INFO]", "Someone"}));
  {
    Reading r;  // going on
    ASSERT_TRUE(r.Read(bytes));
    // A malformed line is asked about in both passes, the others only when values are stored.
    const std::size_t asked = std::string_view(c.key) == "IDS_8" ? 2 : 1;
    ASSERT_EQ(r.Keys(), std::vector<std::string>(asked, c.key));
    EXPECT_EQ(r.ui.Messages()[0].type, c.type);
    EXPECT_EQ(r.Value(3), 9);
    EXPECT_EQ(r.state.form.Text("PREPFOR"), "Someone");
  }
  Reading r;  // stopping: values stored before stay, nothing else is applied
  r.state.record.Application = ApplicationKind::Fan;
  RebuildParameterTable(r.state);
  r.ui.QueueAnswer(c.stop);
  const FileReadResult load = ReadAnalysisText(r.state, bytes, ReadPass::Load);
  EXPECT_FALSE(load.complete);
  EXPECT_TRUE(load.stopped);
  EXPECT_EQ(r.Value(2), 3);
  EXPECT_EQ(r.Value(3), 52);
  EXPECT_EQ(r.state.form.Text("PREPFOR"), "");
  EXPECT_EQ(r.ui.Messages().size(), 1u);  // no completeness message after a stop
}

INSTANTIATE_TEST_SUITE_P(
    Questions, StopAtQuestion,
    ::testing::Values(StopCase{"P001=A1-01=24", "IDS_8", MessageType::Confirmation, Button::Cancel},
                      StopCase{"P060=A1-01=24;", "IDS_6", MessageType::Confirmation, Button::Abort},
                      StopCase{"P001=A1-60=24;", "IDS_5", MessageType::Error, Button::Abort},
                      StopCase{"P001=A1-01=99;", "IDS_1", MessageType::Error, Button::Abort}));

TEST(AnalysisFileReader, MalformedLineBeepsAndNamesItsLineInBothPasses) {
  Reading r;
  ASSERT_TRUE(r.Read(CrLf(With(RequiredFanSections(), {"[DATA RUXS]", "P001=A1-01=;"}))));
  ASSERT_EQ(r.ui.Messages().size(), 2u);
  EXPECT_EQ(r.ui.Messages()[0].text, "Error in line : 18 !");
  EXPECT_EQ(r.ui.Messages()[0].buttons, (std::vector<Button>{Button::OK, Button::Cancel}));
  EXPECT_EQ(r.ui.Beeps(), 2);

  // Stopping in the check pass: no units applied.
  Reading s;
  s.ui.QueueAnswer(Button::Cancel);
  const FileReadResult check = ReadAnalysisText(
      s.state, CrLf(With(Replaced("[POWER]", "1"), {"[DATA RUXS]", "P001=A1-01=;"})), ReadPass::Check);
  EXPECT_TRUE(check.stopped);
  EXPECT_FALSE(check.complete);
  EXPECT_EQ(s.state.units.PowerUnit, 0);
}

TEST(AnalysisFileReader, StopOnTheLastLineStillStops) {
  Reading r;
  r.ui.QueueAnswer(Button::Cancel);
  const FileReadResult result =
      ReadAnalysisText(r.state, CrLf(With(RequiredFanSections(), {"[DATA RUXS]", "P001=A1-01=x"})), ReadPass::Check);
  EXPECT_TRUE(result.stopped);
  EXPECT_FALSE(result.complete);
}

TEST(AnalysisFileReader, LegacyFilesFixTheirUnits) {
  struct Case { const char* application; const char* units; int pumpPressure; } cases[] = {
      {"PUMP", "1", 0}, {"PUMP", "0", 1}, {"PUMP", "3", 1}, {"FAN", "4", 0}};
  for (const Case& c : cases) {
    Reading r;
    UnitSettings& u = r.state.units;
    u.FanPressureUnit = 3;
    u.FanFlowUnit = 5;
    u.PumpPressureUnit = 4;
    u.PumpFlowUnit = 4;
    u.PowerUnit = 1;
    u.CurrencyChoice = 2;
    u.CurrencySymbol = "\xE2\x82\xAC";
    ASSERT_TRUE(r.Read(CrLf({"[APPLICATION]", c.application, "[UNITS]", c.units, "[POWER]", "1", "[CURRENCY]", "2",
                             "[CURVE]", "HORIZONTAL", "[FLOWLOCK]", "1", "[SYSTEM]", "5", "[DATA RUXS]",
                             "P004=A1-04=10;"})))
        << c.application << c.units;
    EXPECT_TRUE(r.check.legacy);
    EXPECT_EQ(r.state.units.PowerUnit, 0);
    EXPECT_EQ(r.state.units.CurrencyChoice, 0);
    EXPECT_EQ(r.state.units.CurrencySymbol, "$");
    if (std::string_view(c.application) == "PUMP") {
      EXPECT_EQ(r.state.units.PumpPressureUnit, c.pumpPressure);
      EXPECT_EQ(r.state.units.PumpFlowUnit, 0);
      EXPECT_EQ(r.state.units.FanPressureUnit, 3);
    } else {
      EXPECT_EQ(r.state.units.FanPressureUnit, 0);
      EXPECT_EQ(r.state.units.FanFlowUnit, 0);
      EXPECT_EQ(r.state.units.PumpPressureUnit, 4);
    }
    EXPECT_FLOAT_EQ(r.Value(4), 0.1f);  // held in hundredths
  }
}

}  // namespace
}  // namespace wattora
