#include "files/analysis_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "energy/costs.h"
#include "file_test_support.h"
#include "files/analysis_file_reader.h"
#include "files/analysis_file_writer.h"
#include "options/memory_settings_store.h"

namespace wattora {
namespace {

using testing::ActiveAnalysis;
using testing::CrLf;
using testing::ReadBytes;
using testing::RequiredFanSections;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::string_view kTitle = "KRA\xC2\xAE Wattora";

std::string Title(std::string_view rest) { return std::string(kTitle) + std::string(rest); }

// A pump analysis in metric units and euros, as a file.
std::string PumpFileBytes() {
  ActiveAnalysis pump(ApplicationKind::Pump);
  UnitSettings& u = pump.state.units;
  u.PumpPressureUnit = 2;
  u.PumpFlowUnit = 2;
  u.PowerUnit = 1;
  u.CurrencyChoice = 2;
  UpdateCurrencySymbol(u);
  RebuildParameterTable(pump.state);
  pump.state.table.At(20)->currentValue = 31.25f;
  pump.state.table.At(22)->currentValue = 30;
  pump.state.form.SetText("QNUM", "Pumps B");
  pump.state.form.SetText("PREPFOR", "J\xC3\xBCrgen");
  pump.state.record.SetComparison(ComparisonSystem::DamperOrValve);
  RebuildTextLists(pump.state);
  return FormatAnalysisFile(pump.state, "1.2.2024");
}

struct Commands : ActiveAnalysis {
  TempFolder folder;
  MemorySettingsStore store;
  RecentAnalyses& recent = state.options.Recent;

  explicit Commands(ApplicationKind kind = ApplicationKind::Fan) : ActiveAnalysis(kind) {
    state.form.SetText("QNUM", "Hall 3");
    state.form.SetText("QNUM1", "Hall 3");
  }
  std::string Pump(std::string_view name = "pump.DMC") {
    const std::string path = folder / name;
    WriteBytes(path, PumpFileBytes());
    return path;
  }
  void Open(const std::string& path) {
    ui.QueueFileChoice(path);
    OpenAnalysis(state, store);
  }
};

TEST(OpenAnalysis, SwitchesToTheFilesApplicationUnitsAndTexts) {
  Commands c;
  const std::string path = c.Pump();
  c.Open(path);
  EXPECT_TRUE(c.ui.Messages().empty());
  ASSERT_EQ(c.ui.FileDialogs().size(), 1u);
  EXPECT_EQ(c.ui.FileDialogs()[0].filter, "KRA Wattora Files (*.DMC *.RUX)");

  const MainWindowState& s = c.state;
  EXPECT_EQ(s.record.Application, ApplicationKind::Pump);
  EXPECT_EQ(s.units.PumpPressureUnit, 2);
  EXPECT_EQ(s.units.PowerUnit, 1);
  EXPECT_EQ(s.units.CurrencySymbol, "\xE2\x82\xAC");
  EXPECT_EQ(s.form.Text("A120"), "31.25");
  EXPECT_EQ(s.form.Text("A122"), "30.0");
  EXPECT_EQ(s.form.Text("PREPFOR"), "J\xC3\xBCrgen");
  EXPECT_EQ(s.record.Comparison(), ComparisonSystem::DamperOrValve);
  EXPECT_EQ(s.form.Text("QNUM"), "Pumps B");
  EXPECT_EQ(s.form.Text("QNUM1"), "Pumps B");
  EXPECT_EQ(s.WindowTitle, Title(" Pump Application > Project: Pumps B"));
  EXPECT_EQ(s.record.CurrentFileName, path);
  EXPECT_FALSE(s.record.Modified);
  EXPECT_FALSE(s.curve.CurveDefaultsPending);
  EXPECT_TRUE(s.form.Visible("StepsScreen"));
  EXPECT_FALSE(s.form.Visible("MainMenuScreen"));
  EXPECT_TRUE(s.form.Visible("Step2"));
  EXPECT_FALSE(s.form.Visible("FanAdvanced"));
  EXPECT_EQ(c.recent.Slots[0], path);
  EXPECT_TRUE(c.recent.Items[0].Visible);
  EXPECT_EQ(c.recent.Items[0].Caption, path);
  EXPECT_TRUE(c.recent.ReopenVisible);
  EXPECT_EQ(c.store.Read("FHIS", "H1"), path);
}

TEST(OpenAnalysis, PumpFileWithInletGuideVanesBecomesAThrottlingValve) {
  Commands c;
  std::vector<std::string> lines = RequiredFanSections();
  lines[1] = "PUMP";
  lines[15] = "5";
  WriteBytes(c.folder / "igv.DMC", CrLf(lines));
  c.Open(c.folder / "igv.DMC");
  EXPECT_EQ(c.state.record.Application, ApplicationKind::Pump);
  EXPECT_EQ(c.state.record.Comparison(), ComparisonSystem::DamperOrValve);
}

struct SaveQuestionCase {
  ApplicationKind kind;
  bool named;
  const char* key;
};

class SaveQuestion : public ::testing::TestWithParam<SaveQuestionCase> {};

TEST_P(SaveQuestion, CancelEndsNoOpensYesSavesFirst) {
  const SaveQuestionCase& q = GetParam();
  for (Button answer : {Button::Cancel, Button::No, Button::Yes}) {
    Commands c(q.kind);
    const std::string pump = c.Pump();
    const std::string mine = c.folder / "mine.DMC";
    c.state.record.CurrentFileName = mine;
    c.state.record.Modified = true;
    c.ui.QueueAnswer(answer);
    if (q.named) {
      OpenNamedAnalysis(c.state, c.store, pump);
    } else {
      c.ui.QueueFileChoice(std::nullopt);
      OpenAnalysis(c.state, c.store);
    }
    ASSERT_FALSE(c.ui.Messages().empty());
    EXPECT_EQ(c.ui.Messages()[0].key, q.key);
    EXPECT_EQ(c.ui.Messages()[0].buttons, (std::vector<Button>{Button::Yes, Button::No, Button::Cancel}));
    EXPECT_EQ(RegularFileExists(mine), answer == Button::Yes);
    if (answer == Button::Cancel) {
      EXPECT_EQ(c.state.record.CurrentFileName, mine);
      EXPECT_EQ(c.state.record.Application, q.kind);
      EXPECT_TRUE(c.ui.FileDialogs().empty());
    } else if (q.named) {
      EXPECT_EQ(c.state.record.Application, ApplicationKind::Pump);
      EXPECT_EQ(c.state.record.CurrentFileName, pump);
    } else {
      EXPECT_EQ(c.ui.FileDialogs().size(), 1u);
      EXPECT_EQ(c.state.record.CurrentFileName, "");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, SaveQuestion,
                         ::testing::Values(SaveQuestionCase{ApplicationKind::Fan, false, "IDS_39"},
                                           SaveQuestionCase{ApplicationKind::Pump, false, "IDS_38"},
                                           SaveQuestionCase{ApplicationKind::Fan, true, "IDS_12"},
                                           SaveQuestionCase{ApplicationKind::Pump, true, "IDS_11"}));

TEST(OpenAnalysis, UnmodifiedAnalysisIsReplacedWithoutAQuestion) {
  Commands c;
  c.state.record.Modified = false;
  EXPECT_EQ(OpenNamedAnalysis(c.state, c.store, c.Pump()), OpenOutcome::Loaded);
  EXPECT_TRUE(c.ui.Messages().empty());
}

// What a refused open must leave as it was.
struct Snapshot {
  ApplicationKind kind;
  std::string project, title, file, a120, customer;
  float head;
  int pressureUnit;
  std::array<std::string, 4> recent;
  explicit Snapshot(const Commands& c)
      : kind(c.state.record.Application), project(c.state.form.Text("QNUM")), title(c.state.WindowTitle),
        file(c.state.record.CurrentFileName), a120(c.state.form.Text("A120")),
        customer(c.state.form.Text("PREPFOR")), head(c.state.table.At(20)->currentValue),
        pressureUnit(c.state.units.PumpPressureUnit), recent(c.recent.Slots) {}
  bool operator==(const Snapshot&) const = default;
};

TEST(OpenAnalysis, RefusedFilesLeaveTheAnalysisAsItWas) {
  const std::vector<std::pair<std::string, std::string>> files = {
      {"incomplete", CrLf({"[APPLICATION]", "PUMP", "[PRESSURE]", "2", "[CUSTOMER INFO]", "x"})},
      {"garbage", std::string(3000, '\x01')},
      {"stopped", CrLf([] {
         auto lines = RequiredFanSections();
         lines.insert(lines.end(), {"[DATA RUXS]", "P001=A1-01=;"});
         return lines;
       }())},
  };
  for (const auto& [name, bytes] : files) {
    Commands c;
    c.state.form.SetText("PREPFOR", "Customer");
    const std::string path = c.folder / (name + ".DMC");
    WriteBytes(path, bytes);
    const Snapshot before(c);
    c.ui.QueueAnswer(Button::Cancel);  // at the malformed line
    EXPECT_EQ(OpenNamedAnalysis(c.state, c.store, path), OpenOutcome::Refused) << name;
    EXPECT_TRUE(Snapshot(c) == before) << name;
    EXPECT_EQ(c.ui.Messages().size(), 1u) << name;
  }
}

TEST(OpenAnalysis, StopDuringTheLoadLeavesTheFieldsOfThatPassAndNoViews) {
  Commands c;
  auto lines = RequiredFanSections();
  lines.insert(lines.end(), {"[PROJECT NAME]", "Half", "[DATA RUXS]", "P001=A1-01=;", "P002=A1-02=3;",
                             "P003=A1-03=99;", "P005=A1-05=77;"});
  const std::string path = c.folder / "half.DMC";
  WriteBytes(path, CrLf(lines));
  c.state.form.SetVisible("StepsScreen", false);
  c.ui.QueueAnswer(Button::OK);     // the malformed line, asked once
  c.ui.QueueAnswer(Button::Abort);  // weeks per year out of range
  EXPECT_EQ(OpenNamedAnalysis(c.state, c.store, path), OpenOutcome::Refused);
  EXPECT_EQ(c.ui.Messages().size(), 2u);
  EXPECT_EQ(c.state.form.Text("A102"), "3.0");
  EXPECT_EQ(c.state.form.Text("A105"), "50.0");  // the parameter's default: the line after the stop is not read
  EXPECT_EQ(c.state.form.Text("QNUM"), "Half");
  EXPECT_FALSE(c.state.form.Visible("StepsScreen"));
  EXPECT_EQ(c.state.record.CurrentFileName, "");
  EXPECT_EQ(c.recent.Slots[0], "");
}

TEST(OpenAnalysis, MissingAndUnreadableFiles) {
  Commands c;
  EXPECT_EQ(OpenNamedAnalysis(c.state, c.store, c.folder / "none.DMC"), OpenOutcome::Unreadable);
  ASSERT_EQ(c.ui.Messages().size(), 1u);
  EXPECT_EQ(c.ui.Messages()[0].key, "IDS_13");
  EXPECT_EQ(c.ui.Messages()[0].type, MessageType::Error);
  EXPECT_EQ(c.ui.Messages()[0].text, "File does not exist!");

  c.ui.Clear();
  const std::string huge = c.folder / "huge.DMC";
  WriteBytes(huge, "");
  std::filesystem::resize_file(PathFromUtf8(huge), kMaxAnalysisFileSize + 1);
  EXPECT_EQ(OpenNamedAnalysis(c.state, c.store, huge), OpenOutcome::Unreadable);
  ASSERT_EQ(c.ui.Messages().size(), 1u);
  EXPECT_EQ(c.ui.Messages()[0].text, "FILE ERROR !");
  EXPECT_EQ(c.ui.Messages()[0].type, MessageType::Warning);
  EXPECT_EQ(c.state.record.Application, ApplicationKind::Fan);
}

TEST(OpenAnalysis, LegacyFileThroughTheSameCommand) {
  Commands c;
  c.state.units.PowerUnit = 1;
  c.state.units.CurrencyChoice = 2;
  const std::string path = c.folder / "OLD.RUX";
  WriteBytes(path, CrLf({"[APPLICATION]", "PUMP", "[UNITS]", "1", "[CURVE]", "HORIZONTAL", "[FLOWLOCK]", "1",
                         "[SYSTEM]", "2", "[PROJECT NAME]", "Old pumps", "[DATA RUXS]", "P004=A1-04=12;"}));
  c.Open(path);
  EXPECT_EQ(c.state.record.Application, ApplicationKind::Pump);
  EXPECT_EQ(c.state.units.PumpPressureUnit, 0);
  EXPECT_EQ(c.state.units.PowerUnit, 0);
  EXPECT_EQ(c.state.units.CurrencySymbol, "$");
  EXPECT_EQ(c.state.form.Text("A104"), "0.120");
  EXPECT_EQ(c.recent.Slots[0], path);
}

TEST(OpenAnalysis, LongProjectNameIsCutToTheFieldLength) {
  Commands c;
  auto lines = RequiredFanSections();
  lines.insert(lines.end(), {"[PROJECT NAME]", std::string(100000, 'p')});
  WriteBytes(c.folder / "long.DMC", CrLf(lines));
  EXPECT_EQ(OpenNamedAnalysis(c.state, c.store, c.folder / "long.DMC"), OpenOutcome::Loaded);
  EXPECT_EQ(c.state.form.Text("QNUM"), std::string(30, 'p'));
}

TEST(SaveAnalysis, RefusesWithoutAnAnalysisOrWithStep2Incomplete) {
  Commands c;
  c.state.record.Application = ApplicationKind::None;
  SaveAnalysis(c.state, c.store);
  SaveAnalysisAs(c.state, c.store);
  c.state.record.Application = ApplicationKind::Fan;
  c.state.form.SetText("A105", "");
  SaveAnalysis(c.state, c.store);
  SaveAnalysisAs(c.state, c.store);
  c.state.form.SetText("A105", "30.0");  // motor power below the shaft power
  SaveAnalysis(c.state, c.store);
  ASSERT_EQ(c.Keys(), (std::vector<std::string>{"IDS_40", "IDS_44", "IDS_41", "IDS_45", "IDS_04"}));
  EXPECT_EQ(c.ui.Messages()[0].type, MessageType::Plain);
  EXPECT_EQ(c.ui.Messages()[2].type, MessageType::Plain);
  EXPECT_EQ(c.ui.Messages()[3].type, MessageType::Information);
  EXPECT_TRUE(c.ui.FileDialogs().empty());
}

TEST(SaveAnalysis, WritesToTheCurrentFileWithoutAMessage) {
  Commands c;
  const std::string path = c.folder / "current.DMC";
  c.state.record.CurrentFileName = path;
  c.state.record.Modified = true;
  c.state.WindowTitle = "unchanged";
  c.state.form.SetText("A101", "12");
  c.state.form.SetText("OTHER1_ANU_D", "Filters");
  SaveAnalysis(c.state, c.store);
  EXPECT_TRUE(c.ui.Messages().empty());
  EXPECT_FALSE(c.state.record.Modified);
  const std::string bytes = ReadBytes(path);
  EXPECT_NE(bytes.find("P001=A1-01=12;"), std::string::npos);  // the fields were stored first
  EXPECT_NE(bytes.find("\r\nFilters\r\n"), std::string::npos);  // and the cost names refilled
  EXPECT_EQ(c.state.WindowTitle, "unchanged");
  EXPECT_EQ(c.recent.Slots[0], "");
}

TEST(SaveAnalysis, WithoutAFileNameItSavesAs) {
  struct Case { const char* current; const char* project; const char* proposed; } cases[] = {
      {"", "Hall 3", "Hall 3.DMC"}, {"", "", "KRAProject.DMC"}, {"/x/old.DMC", "Hall 3", "/x/old.DMC"}};
  for (const Case& k : cases) {
    Commands c;
    c.state.form.SetText("QNUM1", k.project);
    c.state.form.SetText("QNUM", k.project);
    const bool current = *k.current != '\0';
    c.state.record.CurrentFileName = k.current;
    c.ui.QueueFileChoice(std::nullopt);
    if (current) SaveAnalysisAs(c.state, c.store);
    else SaveAnalysis(c.state, c.store);
    ASSERT_EQ(c.ui.FileDialogs().size(), 1u);
    EXPECT_EQ(c.ui.FileDialogs()[0].initialName, k.proposed);
    EXPECT_EQ(c.ui.FileDialogs()[0].filter, "KRA Wattora Files (*.DMC)");
  }
}

TEST(SaveAnalysisAs, GivesTheFileTheAnalysisExtension) {
  struct Case { const char* chosen; const char* written; } cases[] = {
      {"a.TXT", "a.DMC"}, {"b", "b.DMC"}, {"c.dmc", "c.DMC"}, {"d.tar.gz", "d.tar.DMC"},
      {"dir.v2/e", "dir.v2/e.DMC"}, {"f.", "f.DMC"}};
  for (const Case& k : cases) {
    Commands c;
    std::filesystem::create_directory(PathFromUtf8(c.folder / "dir.v2"));
    c.state.record.Modified = true;
    c.ui.QueueFileChoice(c.folder / k.chosen);
    SaveAnalysisAs(c.state, c.store);
    const std::string written = c.folder / k.written;
    EXPECT_TRUE(RegularFileExists(written)) << k.chosen;
    EXPECT_EQ(c.state.record.CurrentFileName, written);
    EXPECT_FALSE(c.state.record.Modified);
    EXPECT_EQ(c.recent.Slots[0], written);
    EXPECT_EQ(c.store.Read("FHIS", "H1"), written);
    EXPECT_EQ(c.state.WindowTitle, Title(" Fan Application > Project: Hall 3"));
    EXPECT_TRUE(c.ui.Messages().empty());
  }
  EXPECT_EQ(WithAnalysisExtension("x.DMC"), "x.DMC");
}

TEST(SaveAnalysisAs, AsksBeforeReplacingAndNoWritesNothing) {
  Commands c;
  c.state.form.SetText("QNUM", "");
  const std::string path = c.folder / "there.DMC";
  WriteBytes(path, "old");
  c.state.record.Modified = true;
  c.ui.QueueFileChoice(c.folder / "there.txt");
  c.ui.QueueAnswer(Button::No);
  SaveAnalysisAs(c.state, c.store);
  ASSERT_EQ(c.ui.Messages().size(), 1u);
  EXPECT_EQ(c.ui.Messages()[0].type, MessageType::Warning);
  EXPECT_EQ(c.ui.Messages()[0].text, path + "File already exists! Do you want to replace it?");
  EXPECT_EQ(c.ui.Messages()[0].buttons, (std::vector<Button>{Button::Yes, Button::No}));
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_TRUE(c.state.record.Modified);
  EXPECT_EQ(c.state.record.CurrentFileName, "");
  EXPECT_EQ(c.recent.Slots[0], "");
  // The save commands' caption names the application even without a project name.
  EXPECT_EQ(c.state.WindowTitle, Title(" Fan Application > Project: "));

  c.ui.QueueFileChoice(path);
  c.ui.QueueAnswer(Button::Yes);
  SaveAnalysisAs(c.state, c.store);
  EXPECT_NE(ReadBytes(path), "old");
  EXPECT_EQ(c.state.record.CurrentFileName, path);
}

TEST(SaveAnalysisAs, CancelledDialogResetsTheCaption) {
  Commands c;
  c.state.WindowTitle = "something";
  c.ui.QueueFileChoice(std::nullopt);
  SaveAnalysisAs(c.state, c.store);
  EXPECT_EQ(c.state.WindowTitle, kTitle);
}

TEST(SaveAnalysisAs, FailedWriteKeepsModifiedTheNameAndTheRecentList) {
  Commands c;
  const std::string blocked = c.folder / "blocked.DMC";
  std::filesystem::create_directory(PathFromUtf8(blocked));
  c.state.record.Modified = true;
  c.state.record.CurrentFileName = c.folder / "before.DMC";
  EXPECT_EQ(SaveAnalysisAs(c.state, c.store, blocked), SaveOutcome::Failed);  // Yes to replace
  EXPECT_EQ(c.Keys(), (std::vector<std::string>{"IDS_46", "FILE ERROR !"}));
  EXPECT_TRUE(c.state.record.Modified);
  EXPECT_EQ(c.state.record.CurrentFileName, c.folder / "before.DMC");
  EXPECT_EQ(c.recent.Slots[0], "");
  EXPECT_FALSE(c.store.Read("FHIS", "H1").has_value());

  c.ui.Clear();
  c.state.record.CurrentFileName = c.folder / "gone/x.DMC";
  SaveAnalysis(c.state, c.store);
  EXPECT_EQ(c.Keys(), std::vector<std::string>{"FILE ERROR !"});
  EXPECT_TRUE(c.state.record.Modified);
}

TEST(SaveAnalysisAs, WithAGivenPath) {
  Commands c;
  EXPECT_EQ(SaveAnalysisAs(c.state, c.store, c.folder / "cli.txt"), SaveOutcome::Saved);
  EXPECT_TRUE(RegularFileExists(c.folder / "cli.DMC"));
  c.ui.QueueAnswer(Button::No);
  EXPECT_EQ(SaveAnalysisAs(c.state, c.store, c.folder / "cli.DMC"), SaveOutcome::Refused);
  c.state.record.Application = ApplicationKind::None;
  EXPECT_EQ(SaveAnalysisAs(c.state, c.store, c.folder / "other"), SaveOutcome::Refused);
}

TEST(SavedAnalysis, OpensAgainAsItWasSaved) {
  Commands c;
  c.state.form.SetText("A120", "5.25");
  c.state.form.SetText("Titlefor", "Chief \xE2\x82\xAC");
  ASSERT_EQ(SaveAnalysisAs(c.state, c.store, c.folder / "again"), SaveOutcome::Saved);
  Commands d(ApplicationKind::Pump);
  EXPECT_EQ(OpenNamedAnalysis(d.state, d.store, c.folder / "again.DMC"), OpenOutcome::Loaded);
  EXPECT_EQ(d.state.record.Application, ApplicationKind::Fan);
  EXPECT_EQ(d.state.form.Text("A120"), "5.25");
  EXPECT_EQ(d.state.form.Text("Titlefor"), "Chief \xE2\x82\xAC");
  EXPECT_EQ(d.state.form.Text("QNUM"), "Hall 3");
}

TEST(RecentAnalyses, RepeatedOpenDeletedFilesAndTheRecentItems) {
  Commands c;
  const std::string a = c.Pump("a.DMC");
  const std::string b = c.Pump("b.DMC");
  c.Open(a);
  c.Open(a);
  EXPECT_TRUE(c.recent.Items[0].Visible);
  EXPECT_FALSE(c.recent.Items[1].Visible);
  EXPECT_EQ(c.store.Read("FHIS", "H2"), a);  // the store keeps the list as written
  c.Open(b);
  EXPECT_EQ(c.recent.Slots, (std::array<std::string, 4>{b, a, "", ""}));
  EXPECT_EQ(c.recent.Items[1].Caption, a);

  // Opening from the recent menu leaves the order alone.
  c.state.record.Modified = false;
  EXPECT_EQ(OpenRecentAnalysis(c.state, c.store, 2), OpenOutcome::Loaded);
  EXPECT_EQ(c.state.record.CurrentFileName, a);
  EXPECT_EQ(c.recent.Slots, (std::array<std::string, 4>{b, a, "", ""}));

  std::filesystem::remove(PathFromUtf8(a));
  RefreshRecentMenu(c.recent);
  EXPECT_TRUE(c.recent.Items[0].Visible);
  EXPECT_FALSE(c.recent.Items[1].Visible);
  std::filesystem::remove(PathFromUtf8(b));
  RefreshRecentMenu(c.recent);
  EXPECT_FALSE(c.recent.Items[0].Visible);
  EXPECT_FALSE(c.recent.ReopenVisible);
}

TEST(RecentAnalyses, RefreshEmptiesRepeatsAndSkipsMarkedSlots) {
  TempFolder folder;
  const std::string x = folder / "x.DMC";
  const std::string y = folder / "y.DMC";
  WriteBytes(x, "");
  WriteBytes(y, "");
  RecentAnalyses recent;
  recent.Slots = {x, y, x, "*" + y};
  RefreshRecentMenu(recent);
  EXPECT_EQ(recent.Slots, (std::array<std::string, 4>{x, y, "", "*" + y}));
  EXPECT_EQ(recent.Items[2].Caption, "Analysis 3");
  const bool visible[] = {recent.Items[0].Visible, recent.Items[1].Visible, recent.Items[2].Visible,
                          recent.Items[3].Visible};
  EXPECT_EQ(std::vector<bool>(visible, visible + 4), (std::vector<bool>{true, true, false, false}));

  MemorySettingsStore store;
  AddToRecentList(recent, store, "z");
  EXPECT_EQ(recent.Slots, (std::array<std::string, 4>{"z", x, y, ""}));
  EXPECT_EQ(store.Read("FHIS", "H4"), "");
  EXPECT_FALSE(recent.Items[0].Visible);  // z does not exist
}

// The analyses in examples/, when the test command names their folder.
TEST(Examples, OpenAsTheirApplications) {
  const char* dir = std::getenv("WATTORA_EXAMPLES_DIR");
  if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "WATTORA_EXAMPLES_DIR is not set";
  struct Case {
    const char* file;
    ApplicationKind kind;
    const char* field;  // one input and its text after the open
    const char* text;
    int pressureUnit;
    const char* currency;
  } cases[] = {
      {"fan_office_tower.DMC", ApplicationKind::Fan, "A120", "4.50", 0, "$"},
      {"pump_chilled_water_metric.DMC", ApplicationKind::Pump, "A120", "32.00", 2, "\xE2\x82\xAC"},
      {"legacy_cooling_pump.RUX", ApplicationKind::Pump, "A104", "0.080", 1, "$"}};
  for (const Case& k : cases) {
    Commands c;
    c.state.record.Modified = false;
    c.state.units.CurrencyChoice = 1;
    const std::string path = PathToUtf8(PathFromUtf8(dir) / k.file);
    EXPECT_EQ(OpenNamedAnalysis(c.state, c.store, path), OpenOutcome::Loaded) << k.file;
    EXPECT_EQ(c.Keys(), std::vector<std::string>{}) << k.file;
    EXPECT_EQ(c.state.record.Application, k.kind) << k.file;
    EXPECT_EQ(c.state.form.Text(k.field), k.text) << k.file;
    const UnitSettings& u = c.state.units;
    EXPECT_EQ(k.kind == ApplicationKind::Pump ? u.PumpPressureUnit : u.FanPressureUnit, k.pressureUnit) << k.file;
    EXPECT_EQ(u.CurrencySymbol, k.currency) << k.file;
    EXPECT_FALSE(c.state.form.Text("QNUM").empty()) << k.file;
  }
}

}  // namespace
}  // namespace wattora
