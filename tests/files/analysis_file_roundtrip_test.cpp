// Files written by the program read back to the same analysis, and files that are not what
// the writer makes are loaded or refused in the system's own words, never worse.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "energy/costs.h"
#include "file_test_support.h"
#include "files/analysis_commands.h"
#include "files/analysis_file_reader.h"
#include "files/analysis_file_writer.h"
#include "files/parameter_line.h"
#include "options/memory_settings_store.h"

namespace wattora {
namespace {

using testing::CrLf;
using testing::RequiredFanSections;
using testing::TempFolder;
using testing::TestWindow;
using testing::WriteBytes;

// Characters of the code page, with the ones the program's users type most.
const std::vector<std::string> kAlphabet = [] {
  std::vector<std::string> chars;
  for (char c = 'a'; c <= 'z'; ++c) chars.emplace_back(1, c);
  for (char c = 'A'; c <= 'Z'; ++c) chars.emplace_back(1, c);
  for (const char* c : {"0", "7", " ", "-", ".", ",", "&", "@", "/", "(", ";", "=",
                        "\xC2\xA3", "\xE2\x82\xAC", "\xC3\xA4", "\xC3\xB6", "\xC3\xBC", "\xC3\x84",
                        "\xC3\x96", "\xC3\x9C", "\xC3\x9F", "\xC3\xA9", "\xC2\xB0"}) {
    chars.emplace_back(c);
  }
  return chars;
}();

class RandomAnalysis {
 public:
  explicit RandomAnalysis(unsigned seed) : rng_(seed) {}

  // Fills the window's state with a random analysis, as a user could have entered it.
  void Fill(MainWindowState& s) {
    const bool pump = Int(0, 1) == 1;
    s.record.Application = pump ? ApplicationKind::Pump : ApplicationKind::Fan;
    UnitSettings& u = s.units;
    u.FanPressureUnit = Int(0, kFanPressureUnitCount - 1);
    u.FanFlowUnit = Int(0, kFanFlowUnitCount - 1);
    u.PumpPressureUnit = Int(0, kPumpPressureUnitCount - 1);
    u.PumpFlowUnit = Int(0, kPumpFlowUnitCount - 1);
    u.PowerUnit = Int(0, 1);
    u.CurrencyChoice = Int(0, 3);
    u.CustomCurrency = Text(4, true);
    UpdateCurrencySymbol(u);
    RebuildParameterTable(s);
    for (int position = 1; position <= s.table.ParameterCount(); ++position) {
      ParameterEntry& e = *s.table.At(position);
      const double value = std::uniform_real_distribution<double>(e.minValue, e.maxValue)(rng_);
      e.currentValue = static_cast<float>(value);
    }
    s.form.SetChecked("HORIZ", Int(0, 1) == 1);
    s.form.SetChecked(Int(0, 1) == 1 ? "LOCKA144" : "LOCKA149", true);
    const ComparisonSystem systems[] = {ComparisonSystem::ConstantVolume, ComparisonSystem::Cycling,
                                        ComparisonSystem::DamperOrValve, ComparisonSystem::InletGuideVanes};
    s.record.SetComparison(systems[Int(0, pump ? 2 : 3)]);
    s.form.SetText("QNUM", Text(kProjectNameLength, true));
    for (std::string_view field : kCustomerFields) s.form.SetText(field, Text(kCustomerTextLength, false));
    for (std::string_view field : kCostNameFields) s.form.SetText(field, Text(kCostNameLength, false));
    RebuildTextLists(s);
  }

 private:
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  // Up to `max` characters; `trimmed` texts have no space at either end (the reader
  // removes those from values).
  std::string Text(std::size_t max, bool trimmed) {
    const int length = Int(0, static_cast<int>(max));
    std::string text;
    for (int i = 0; i < length; ++i) {
      const std::string& c = kAlphabet[static_cast<std::size_t>(Int(0, int(kAlphabet.size()) - 1))];
      if (trimmed && c == " " && (i == 0 || i == length - 1)) {
        text += 'x';
        continue;
      }
      text += c;
    }
    return text;
  }

  std::mt19937 rng_;
};

float RoundedAsWritten(const ParameterEntry& e) {
  const std::string text = FixedText(e.currentValue, FileDecimals(e.step));
  return static_cast<float>(std::stod(text));
}

TEST(AnalysisFileRoundTrip, RandomAnalysesComeBackWithEveryValue) {
  TempFolder folder;
  MemorySettingsStore store;
  const std::string path = folder / "random.DMC";
  for (unsigned seed = 1; seed <= 300; ++seed) {
    TestWindow written;
    RandomAnalysis(seed).Fill(written.state);
    WriteBytes(path, FormatAnalysisFile(written.state, "1.1.2000"));

    TestWindow read;
    ASSERT_EQ(OpenNamedAnalysis(read.state, store, path), OpenOutcome::Loaded) << "seed " << seed;
    ASSERT_TRUE(read.ui.Messages().empty()) << "seed " << seed << ": " << read.ui.Messages()[0].text;

    const MainWindowState& a = written.state;
    const MainWindowState& b = read.state;
    SCOPED_TRACE("seed " + std::to_string(seed));
    const bool pump = a.record.Application == ApplicationKind::Pump;
    EXPECT_EQ(b.record.Application, a.record.Application);
    EXPECT_EQ(pump ? b.units.PumpPressureUnit : b.units.FanPressureUnit,
              pump ? a.units.PumpPressureUnit : a.units.FanPressureUnit);
    EXPECT_EQ(pump ? b.units.PumpFlowUnit : b.units.FanFlowUnit, pump ? a.units.PumpFlowUnit : a.units.FanFlowUnit);
    EXPECT_EQ(b.units.PowerUnit, a.units.PowerUnit);
    EXPECT_EQ(b.units.CurrencyChoice, a.units.CurrencyChoice);
    EXPECT_EQ(b.units.CurrencySymbol, a.units.CurrencySymbol);
    EXPECT_EQ(b.form.Checked("HORIZ"), a.form.Checked("HORIZ"));
    EXPECT_EQ(b.form.Checked("LOCKA144"), a.form.Checked("LOCKA144"));
    EXPECT_EQ(b.record.Comparison(), a.record.Comparison());
    EXPECT_EQ(b.form.Text("QNUM"), a.form.Text("QNUM"));
    EXPECT_EQ(b.form.Text("QNUM1"), a.form.Text("QNUM"));
    for (std::string_view field : kCustomerFields) EXPECT_EQ(b.form.Text(field), a.form.Text(field)) << field;
    for (std::string_view field : kCostNameFields) EXPECT_EQ(b.form.Text(field), a.form.Text(field)) << field;
    ASSERT_EQ(b.table.ParameterCount(), a.table.ParameterCount());
    for (int position = 1; position <= a.table.ParameterCount(); ++position) {
      EXPECT_EQ(b.table.At(position)->currentValue, RoundedAsWritten(*a.table.At(position)))
          << "position " << position;
    }
  }
}

TEST(AnalysisFileRoundTrip, TextsOutsideTheCodePageBecomeQuestionMarks) {
  testing::ActiveAnalysis w;
  w.state.form.SetText("PREPFOR", "\xCE\xA9hm \xE2\x82\xAC");  // Omega is not in Windows-1252
  w.state.form.SetText("QNUM", "Line\nbreak");
  RebuildTextLists(w.state);
  TestWindow r;
  ASSERT_TRUE(ReadAnalysisText(r.state, FormatAnalysisFile(w.state, "d"), ReadPass::Check).complete);
  RebuildParameterTable(r.state);
  ASSERT_TRUE(ReadAnalysisText(r.state, FormatAnalysisFile(w.state, "d"), ReadPass::Load).complete);
  EXPECT_EQ(r.state.form.Text("PREPFOR"), "?hm \xE2\x82\xAC");
  EXPECT_EQ(ReadAnalysisText(r.state, FormatAnalysisFile(w.state, "d"), ReadPass::Check).projectName, "Line break");
}

// Bytes of a complete fan file written by the program.
std::string WrittenFan() {
  testing::ActiveAnalysis w;
  w.state.form.SetText("QNUM", "Tower");
  w.state.form.SetText("PREPFOR", "Ann");
  StoreFieldsToTable(w.state);
  RebuildTextLists(w.state);
  return FormatAnalysisFile(w.state, "1/2/2024");
}

std::string Replace(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
    text.replace(at, from.size(), to);
  }
  return text;
}

struct OddFile {
  const char* name;
  std::string bytes;
  bool loads;
  std::vector<std::string> keys;  // every message shown, in order
  std::string project = {};       // the project name after a load
};

std::ostream& operator<<(std::ostream& os, const OddFile& f) { return os << f.name; }

std::vector<OddFile> MakeOddFiles() {
  const std::string fan = WrittenFan();
  std::string noLastEnd = CrLf(RequiredFanSections());
  noLastEnd.resize(noLastEnd.size() - 2);
  std::string nul = fan;
  nul.insert(nul.find("Ann") + 1, std::string("\0\0", 2));
  const std::string longLine(100000, '7');
  std::mt19937 rng(7);
  std::string garbage(10u << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(rng());
  std::string lines = fan;
  lines.insert(lines.find("[DATA RUXS]"), "[CUSTOMER INFO]\r\n" + longLine + "\r\n[PROJECT NAME]\r\n" + longLine +
                                              "\r\n[SYSTEM]\r\n" + longLine + "\r\n");
  std::string data = fan;
  data.insert(data.find("[INFO]"), "[DATA RUXS]\r\nP001=A1-01=" + longLine + ";\r\n");
  return {
      {"lone LF line ends", Replace(fan, "\r\n", "\n"), true, {}, "Tower"},
      {"lone CR line ends", Replace(fan, "\r\n", "\r"), false, {"IDS_9"}},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + fan, true, {}, "Tower"},
      {"NUL bytes in a text", nul, true, {}, "Tower"},
      {"NUL bytes everywhere", Replace(fan, "\r\n", std::string("\0\r\n", 3)), false, {"IDS_9"}},
      {"lines of 100000 characters", lines, true, {}, std::string(30, '7')},
      {"a parameter line of 100000 characters", data, true, {"IDS_8"}, "Tower"},
      {"10 MB of garbage", garbage, false, {"IDS_9"}},
      {"no line end after the last line", noLastEnd, true, {}, ""},
      {"only line ends", std::string(1000, '\n'), false, {"IDS_9"}},
  };
}

class OddFiles : public ::testing::TestWithParam<OddFile> {};

TEST_P(OddFiles, LoadOrAreRefusedWithTheSystemsMessage) {
  const OddFile& f = GetParam();
  TempFolder folder;
  MemorySettingsStore store;
  testing::ActiveAnalysis w(ApplicationKind::Pump);
  w.state.form.SetText("QNUM", "Before");
  const std::string path = folder / "odd.DMC";
  WriteBytes(path, f.bytes);
  const auto start = std::chrono::steady_clock::now();
  const OpenOutcome outcome = OpenNamedAnalysis(w.state, store, path);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(outcome, f.loads ? OpenOutcome::Loaded : OpenOutcome::Refused);
  EXPECT_EQ(w.Keys(), f.keys);
  if (f.loads) {
    EXPECT_EQ(w.state.record.Application, ApplicationKind::Fan);
    EXPECT_EQ(w.state.form.Text("QNUM"), f.project);
  } else {
    EXPECT_EQ(w.state.record.Application, ApplicationKind::Pump);
    EXPECT_EQ(w.state.form.Text("QNUM"), "Before");
  }
}

INSTANTIATE_TEST_SUITE_P(Files, OddFiles, ::testing::ValuesIn(MakeOddFiles()),
                         [](const auto& info) {
                           std::string name;
                           for (const char c : std::string(info.param.name)) {
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           }
                           return name;
                         });

TEST(OddFilesDetail, LongLinesAreCutWhereTheirSlotsEnd) {
  TempFolder folder;
  MemorySettingsStore store;
  TestWindow w;
  std::string bytes = WrittenFan();
  bytes = Replace(bytes, "[PROJECT NAME]\r\n\r\nTower", "[PROJECT NAME]\r\n\r\n" + std::string(100000, 'T'));
  bytes = Replace(bytes, "[CUSTOMER INFO]\r\nAnn", "[CUSTOMER INFO]\r\n" + std::string(100000, 'A'));
  WriteBytes(folder / "long.DMC", bytes);
  ASSERT_EQ(OpenNamedAnalysis(w.state, store, folder / "long.DMC"), OpenOutcome::Loaded);
  EXPECT_EQ(w.state.form.Text("QNUM"), std::string(30, 'T'));
  EXPECT_EQ(w.state.form.Text("PREPFOR"), std::string(60, 'A'));
}

}  // namespace
}  // namespace wattora
