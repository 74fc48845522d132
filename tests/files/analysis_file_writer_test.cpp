#include "files/analysis_file_writer.h"

#include <gtest/gtest.h>

#include <clocale>

#include "energy/costs.h"
#include "file_test_support.h"
#include "files/windows1252.h"

namespace wattora {
namespace {

using testing::ActiveAnalysis;

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "the last line has no CR LF";
  return lines;
}

struct FanFile : ActiveAnalysis {
  FanFile() {
    Form& form = state.form;
    form.SetText("QNUM", "Halle S\xC3\xBC" "d \xE2\x82\xAC");  // "Halle Süd €"
    const char* customer[] = {"Jo Brook", "Engineer", "Acme \xC2\xA3td", "1 Main St", "",
                              "Springfield", "USA", "555-1", "555-2", "jo@acme.test"};
    for (std::size_t i = 0; i < kCustomerFields.size(); ++i) form.SetText(kCustomerFields[i], customer[i]);
    form.SetText("OTHER1_INI_C", "Crane \xCE\xA9");  // Omega is not in the code page
    form.SetText("OTHER3_ANU_D", "Filters");
    form.SetChecked("HORIZ", false);
    form.SetChecked("LOCKA149", true);
    state.record.SetComparison(ComparisonSystem::Cycling);
    RebuildTextLists(state);
  }
};

TEST(AnalysisFileWriter, WritesEveryLineOfTheLayout) {
  FanFile w;
  const std::string bytes = FormatAnalysisFile(w.state, "31.12.2024");
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
  const std::vector<std::string> lines = SplitCrLf(bytes);
  for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);

  const std::vector<std::string> head = {
      "[FILE INFO]", "", "FILE TYPE  : NORVANE ENERGY FILE V1.21", "DATE       : 31.12.2024", "",
      "[APPLICATION]", "", "FAN", "",
      "[CURVE]", "", "NON-HORIZONTAL", "",
      "[PRESSURE]", "", "0", "",
      "[FLOW]", "", "0", "",
      "[POWER]", "", "0", "",
      "[CURRENCY]", "", "0", "",
      "[CURRENCY-C1]", "", "$", "",
      "[FLOWLOCK]", "", "0", "",
      "[SYSTEM]", "", "2", "",
      "[PROJECT NAME]", "", "Halle S\xFC" "d \x80", "",
      "[CUSTOMER INFO]", "Jo Brook", "Engineer", "Acme \xA3td", "1 Main St", "", "Springfield",
      "USA", "555-1", "555-2", "jo@acme.test",
      "[COST INFO]", "Crane ?", "", "", "", "", "", "", "", "", "Filters", "",
      "[DATA RUXS]", ""};
  ASSERT_EQ(lines.size(), head.size() + 59 + 2 + 9);
  for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << "line " << i + 1;

  EXPECT_EQ(lines[70], "P001=A1-01=24;" + std::string(19, ' ') + "Hours per day");
  EXPECT_EQ(lines[73], "P004=A1-04=0.100;" + std::string(9, ' ') + "ct     Electricity cost");
  EXPECT_EQ(lines[89], "P020=A1-20=4.00;" + std::string(10, ' ') + "in.wg  Design Head");
  EXPECT_EQ(lines[92], "P023=A1-23=0.40;" + std::string(10, ' ') + "in.wg  Removed Pressure Drop with Drive");
  for (int i = 0; i < 59; ++i) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "P%03d=A1-%02d=", i + 1, i + 1);
    EXPECT_EQ(lines[70 + i].substr(0, 11), prefix);
  }
  const std::vector<std::string> tail = {"", "[INFO]", "Jo Brook", "Engineer", "Acme \xA3td", "1 Main St",
                                         "Springfield", "USA", "555-1", "555-2", "jo@acme.test"};
  for (std::size_t i = 0; i < tail.size(); ++i) {
    EXPECT_EQ(lines[129 + i], tail[i]) << "line " << 130 + i;
  }
}

TEST(AnalysisFileWriter, LeavesOutEmptyValueLinesButNotTheirEmptyLines) {
  FanFile w;
  w.state.form.SetText("QNUM", "");
  w.state.units.CurrencyChoice = 3;
  w.state.units.CurrencySymbol = "";
  const std::vector<std::string> lines = SplitCrLf(FormatAnalysisFile(w.state, "d"));
  const std::vector<std::string> part(lines.begin() + 29, lines.begin() + 45);
  const std::vector<std::string> expected = {"[CURRENCY-C1]", "", "", "[FLOWLOCK]", "", "0", "",
                                             "[SYSTEM]", "", "2", "", "[PROJECT NAME]", "", "",
                                             "[CUSTOMER INFO]", "Jo Brook"};
  EXPECT_EQ(part, expected);
}

TEST(AnalysisFileWriter, PumpWritesItsOwnUnitsAndTheCurrencySymbol) {
  ActiveAnalysis w(ApplicationKind::Pump);
  w.state.units.PumpPressureUnit = 2;  // m wg
  w.state.units.PumpFlowUnit = 2;      // m3/h
  w.state.units.FanPressureUnit = 4;
  w.state.units.PowerUnit = 1;
  w.state.units.CurrencyChoice = 2;
  UpdateCurrencySymbol(w.state.units);
  RebuildParameterTable(w.state);
  w.state.table.At(20)->currentValue = 31.25f;
  w.state.table.At(8)->currentValue = -3;
  w.state.form.SetText("QNUM", "P");
  RebuildTextLists(w.state);
  const std::vector<std::string> lines = SplitCrLf(FormatAnalysisFile(w.state, "d"));
  EXPECT_EQ(lines[7], "PUMP");
  EXPECT_EQ(lines[15], "2");
  EXPECT_EQ(lines[19], "2");
  EXPECT_EQ(lines[23], "1");
  EXPECT_EQ(lines[27], "2");
  EXPECT_EQ(lines[31], "\x80");
  EXPECT_EQ(lines[89], "P020=A1-20=31.25;" + std::string(9, ' ') + "m.wg   Design Head");
  EXPECT_EQ(lines[77].substr(0, 15), "P008=A1-08=-3; ");
}

TEST(AnalysisFileWriter, NumbersDoNotFollowTheProcessLocale) {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  FanFile w;
  const std::string bytes = FormatAnalysisFile(w.state, "d");
  std::setlocale(LC_ALL, "C");
  EXPECT_NE(bytes.find("P004=A1-04=0.100;"), std::string::npos);
}

TEST(AnalysisFileWriter, ShortDateIsNotEmpty) {
  EXPECT_FALSE(ShortDateText().empty());
}

}  // namespace
}  // namespace wattora
