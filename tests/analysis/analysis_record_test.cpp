#include "analysis/analysis_record.h"

#include <gtest/gtest.h>

#include "analysis/unit_labels.h"
#include "app/new_analysis.h"
#include "test_support.h"

namespace wattora {
namespace {

using testing::TestWindow;

TEST(AnalysisRecord, NewPumpLeavesHeadsEmptyAndFanFillsThem) {
  TestWindow w;
  ResetRecordForNewAnalysis(w.state, ApplicationKind::Pump);
  for (const char* field : {"A120", "A121", "A123", "A104", "A105", "A109", "A122", "A125"}) {
    EXPECT_TRUE(w.state.record.IsEmpty(field)) << field;
  }
  EXPECT_EQ(w.state.form.Text("A101"), "24");
  EXPECT_EQ(w.state.form.Text("A102"), "7.0");
  EXPECT_EQ(w.state.form.Text("A101A"), "24");

  w.state.units.FanPressureUnit = 1;  // cm wg
  ResetRecordForNewAnalysis(w.state, ApplicationKind::Fan);
  EXPECT_EQ(w.state.form.Text("A120"), "10.16");
  EXPECT_EQ(w.state.form.Text("A121"), "2.03");
  EXPECT_EQ(w.state.form.Text("A123"), "1.02");
  EXPECT_FALSE(w.state.record.Input(w.state.units, "A104").has_value());
  EXPECT_EQ(w.state.record.Input(w.state.units, "A120"), 10.16);
}

TEST(AnalysisRecord, EmptyInputIsDistinctFromZero) {
  TestWindow w;
  w.state.form.SetText("A108", "0");
  EXPECT_EQ(w.state.record.Input(w.state.units, "A108"), 0.0);
  w.state.form.SetText("A108", "");
  EXPECT_FALSE(w.state.record.Input(w.state.units, "A108").has_value());
}

TEST(AnalysisRecord, NewAnalysisClearsTextsAndResetsState) {
  TestWindow w;
  AnalysisRecord& r = w.state.record;
  w.state.form.SetText("PREPFOR", "Ann");
  w.state.form.SetText("OTHER1_ANU_D", "Filters");
  w.state.form.SetText("QNUM", "Plant 7");
  w.state.form.SetChecked("HORIZ", false);
  w.state.form.SetChecked("R5", true);
  r.Modified = true;
  r.CurrentFileName = "/tmp/x.DMC";
  ResetRecordForNewAnalysis(w.state, ApplicationKind::Pump);
  EXPECT_EQ(w.state.form.Text("PREPFOR"), "");
  EXPECT_EQ(w.state.form.Text("OTHER1_ANU_D"), "");
  EXPECT_EQ(w.state.form.Text("QNUM1"), "Plant 7");
  EXPECT_TRUE(w.state.form.Checked("HORIZ"));
  EXPECT_EQ(r.Comparison(), ComparisonSystem::DamperOrValve);
  EXPECT_FALSE(r.Modified);
  EXPECT_TRUE(r.CurrentFileName.empty());
  EXPECT_EQ(r.Application, ApplicationKind::Pump);
}

TEST(AnalysisRecord, MemosSkipEmptyLines) {
  TestWindow w;
  Form& f = w.state.form;
  f.SetText("Titlefor", "Plant manager");
  f.SetText("Companyfor", "Acme");
  f.SetText("Telfor", "555-1234");
  f.SetText("EmailFor", "a@b.c");
  f.SetText("OTHER2_INI_C", "Crane");
  w.state.record.RebuildMemos();
  EXPECT_EQ(f.MemoNamed("PREPFORMEMO").Lines(),
            (std::vector<std::string>{"Plant manager", "Acme", "Phone: 555-1234", "E-Mail: a@b.c"}));
  f.SetText("PREPFOR", "Ann");
  w.state.record.RebuildMemos();
  EXPECT_EQ(f.MemoNamed("PREPFORMEMO").Lines().front(), "Ann, Plant manager");
  const auto& costs = f.MemoNamed("COSTMEMO").Lines();
  ASSERT_EQ(costs.size(), 10u);
  EXPECT_EQ(costs[1], "Crane");
  EXPECT_EQ(costs[0], "");
}

TEST(AnalysisRecord, LimitedTextsCutAtCharactersNotBytes) {
  TestWindow w;
  const std::string umlauts(30, 'a');
  w.state.record.SetLimitedText("OTHER1_INI_C", "\xC3\xA4" + umlauts);  // "ä" + 30 letters
  EXPECT_EQ(w.state.form.Text("OTHER1_INI_C"), "\xC3\xA4" + std::string(24, 'a'));
}

TEST(UnitLabels, FollowApplicationAndSettings) {
  TestWindow w;
  Form& f = w.state.form;
  w.state.units.PowerUnit = 1;
  w.state.units.CurrencySymbol = "\xE2\x82\xAC";
  w.state.units.PumpPressureUnit = 2;
  RefreshUnitLabels(f, w.state.record, w.state.units);  // no analysis: nothing changes
  EXPECT_EQ(f.LabelNamed("A105_UNIT").Caption(), "");
  w.state.record.Application = ApplicationKind::Pump;
  RefreshUnitLabels(f, w.state.record, w.state.units);
  EXPECT_EQ(f.LabelNamed("A120_UNIT").Caption(), "m wg");
  EXPECT_EQ(f.LabelNamed("A152_UNIT").Caption(), "GPM");
  EXPECT_EQ(f.LabelNamed("A125_UNIT").Caption(), "kW");
  EXPECT_EQ(f.LabelNamed("A108_UNIT").Caption(), "\xE2\x82\xAC/kW");
  EXPECT_EQ(f.LabelNamed("A101_UNIT").Caption(), "hours");
  EXPECT_EQ(f.ChoiceNamed("G2").Caption(), "Pump/Control Curve");
}

}  // namespace
}  // namespace wattora
