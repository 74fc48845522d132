#include "app/input_fields.h"

#include <gtest/gtest.h>

#include "analysis/number_notation.h"
#include "analysis/unit_labels.h"
#include "app/new_analysis.h"
#include "test_support.h"

namespace wattora {
namespace {

using testing::ProgramTerminated;

struct FanWindow : testing::TestWindow {
  explicit FanWindow(int notation = 1) {
    ApplyNumberNotation(state.units, notation, {".", ","});
    ResetRecordForNewAnalysis(state, ApplicationKind::Fan);
  }
  void Leave(const char* field, const char* typed) {
    state.form.SetText(field, "");
    TypeIntoField(state, field, typed);
    CheckFieldOnExit(state, field);
  }
  const std::string& Text(const char* field) { return state.form.Text(field); }
};

struct ExitCase {
  int notation;
  const char* field;
  const char* typed;
  const char* shown;
  bool beep;
  friend std::ostream& operator<<(std::ostream& os, const ExitCase& c) {
    return os << c.field << " '" << c.typed << "'";
  }
};

class ExitRules : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitRules, ClampAndRewrite) {
  const ExitCase& c = GetParam();
  FanWindow w(c.notation);
  w.Leave(c.field, c.typed);
  EXPECT_EQ(w.Text(c.field), c.shown);
  EXPECT_EQ(w.ui.Beeps(), c.beep ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitRules,
    ::testing::Values(ExitCase{1, "A110", "-5", "5", false},    // the minus key is dropped
                      ExitCase{1, "A110", "150", "100", true},  // clamped to the maximum
                      ExitCase{1, "A101", "", "1", true},       // empty duty field reads 0
                      ExitCase{1, "A103A", "0", "1", true},
                      ExitCase{1, "A105", "", "", false},       // empty system field: nothing
                      ExitCase{1, "A109", "", "", false},
                      ExitCase{1, "A130", "", "0", false},      // empty cost field reads 0
                      ExitCase{2, "A109", "1234,6", "1.235", false},
                      ExitCase{1, "A120", "1000", "999.90", true},
                      ExitCase{1, "A105", "0.1", "0.2", true},
                      ExitCase{1, "A104", "0,12345", "1,000.000", true},  // "," is a separator: 12345
                      ExitCase{2, "A104", "0,12345", "0,123", false},
                      ExitCase{1, "A122", "7", "7.0", false},
                      ExitCase{1, "A143", "12345678", "1,000,000", true}));

TEST(InputFields, ModifiedOnlyWhenTheValueDiffersFromTheCurrentValue) {
  FanWindow w;
  StoreFieldsToTable(w.state);
  w.Leave("A106", "90");  // the stored 90.0, typed again
  EXPECT_FALSE(w.state.record.Modified);
  w.Leave("A109", "12000");
  EXPECT_TRUE(w.state.record.Modified);

  FanWindow clamped;
  StoreFieldsToTable(clamped.state);
  clamped.Leave("A110", "100");  // 0 before: a change
  EXPECT_TRUE(clamped.state.record.Modified);
}

TEST(InputFields, ElectricityCostComparesInSinglePrecision) {
  FanWindow w;
  StoreFieldsToTable(w.state);  // empty A104 stores 0
  w.state.table.At(4)->currentValue = 0.1f;
  w.Leave("A104", "0.1");
  EXPECT_FALSE(w.state.record.Modified);
  EXPECT_EQ(w.Text("A104"), "0.100");
}

TEST(InputFields, KeyFilters) {
  UnitSettings units;
  ApplyNumberNotation(units, 2, {".", ","});
  for (const char* key : {"0", "9", ",", ".", "\b"}) EXPECT_TRUE(FilterNumericKey(units, key)) << key;
  for (const char* key : {"-", "+", "e", " ", "a"}) EXPECT_FALSE(FilterNumericKey(units, key)) << key;
  for (const char* key : {"\"", "*", "/", ":", "<", ">", "?", "\\", "|"}) {
    EXPECT_FALSE(FilterProjectNameKey(key)) << key;
  }
  EXPECT_TRUE(FilterProjectNameKey("\xC3\xA4"));
}

TEST(InputFields, TypingHonoursMaxLengthAndBackspace) {
  FanWindow w;
  w.state.form.SetText("A110", "");
  TypeIntoField(w.state, "A110", "12345678");
  EXPECT_EQ(w.Text("A110"), "123456");
  TypeIntoField(w.state, "A110", "\b\b");
  EXPECT_EQ(w.Text("A110"), "1234");
  TypeIntoField(w.state, "A153", "5");  // read-only
  EXPECT_EQ(w.Text("A153"), "67,596.00");
}

TEST(InputFields, ProjectNameDropsFileNameCharactersAndCopiesToQnum) {
  FanWindow w;
  TypeIntoField(w.state, "QNUM1", ":");
  EXPECT_EQ(w.Text("QNUM1"), "");
  EXPECT_TRUE(w.state.record.Modified);  // every key typed into QNUM1 counts
  TypeIntoField(w.state, "QNUM1", "Plant<7>");
  EXPECT_EQ(w.Text("QNUM1"), "Plant7");
  EXPECT_EQ(w.Text("QNUM"), "Plant7");
}

TEST(InputFields, StoreWritesCurrentValuesAndMirrors) {
  FanWindow w;
  w.state.form.SetText("A101", "12");
  w.state.form.SetText("A109", "");
  w.state.form.SetText("A126", "1,500");
  StoreFieldsToTable(w.state);
  EXPECT_EQ(w.state.table.At(1)->currentValue, 12.0f);
  EXPECT_EQ(w.state.table.At(9)->currentValue, 0.0f);
  EXPECT_EQ(w.state.table.At(26)->currentValue, 1500.0f);
  EXPECT_EQ(w.Text("A101A"), "12");

  w.state.form.SetText("A126", "");
  FillFieldsFromCurrent(w.state, FieldGroup::Costs);
  EXPECT_EQ(w.Text("A126"), "1,500");
}

TEST(InputFields, BindingShowsTheEntryUnitTexts) {
  testing::TestWindow w;
  w.state.units.FanFlowUnit = 1;
  ResetRecordForNewAnalysis(w.state, ApplicationKind::Fan);
  EXPECT_EQ(w.state.form.LabelNamed("A149_UNIT").Caption(), "M3/min");
  EXPECT_EQ(w.state.form.LabelNamed("A120_UNIT").Caption(), "in.wg");
  EXPECT_EQ(w.state.form.Field("A101A").Binding(), 1);
  EXPECT_EQ(w.state.form.Field("A159").Binding(), 59);
  EXPECT_EQ(w.state.form.LabelNamed("A130_UNIT").Caption(), "$");
}

TEST(InputFields, UnboundFieldIsAProgrammingError) {
  FanWindow w;
  w.state.form.Field("A115").SetBinding(0);
  EXPECT_THROW(StoreFieldsToTable(w.state), ProgramTerminated);
  ASSERT_FALSE(w.ui.Messages().empty());
  EXPECT_EQ(w.ui.Messages().back().text, "LIST TAG NUMBER = 0");
  EXPECT_EQ(w.ui.Messages().back().type, MessageType::Warning);
  EXPECT_EQ(w.ui.Messages().back().buttons, std::vector<Button>{Button::Yes});
}

TEST(InputFields, EntryWithoutAFieldIsAProgrammingError) {
  FanWindow w;
  w.state.table.At(30)->number = 60;
  EXPECT_THROW(BindInputFields(w.state), ProgramTerminated);
  EXPECT_EQ(w.ui.Messages().back().text, "TAG NUMBER A1 NOT FOUND!");
}

TEST(RestoreCommands, AskFirstAndCancelChangesNothing) {
  FanWindow w(2);
  w.state.form.SetText("A102", "5,0");
  w.state.form.SetText("A104", "0,2");
  w.ui.QueueAnswer(Button::Cancel);
  EXPECT_FALSE(RestoreStep2Defaults(w.state));
  EXPECT_EQ(w.Text("A102"), "5,0");
  EXPECT_EQ(w.ui.Messages().back().key, "IDS_23");
  EXPECT_EQ(w.ui.Messages().back().text, "Restore default values for Step 2, continue?");
  EXPECT_EQ(w.ui.Messages().back().buttons, (std::vector<Button>{Button::Yes, Button::Cancel}));

  w.ui.QueueAnswer(Button::Yes);
  EXPECT_TRUE(RestoreStep2Defaults(w.state));
  EXPECT_EQ(w.Text("A102"), "7,0");
  EXPECT_EQ(w.Text("A104"), "");
  EXPECT_EQ(w.Text("A120"), "4,00");
}

TEST(RestoreCommands, StepFourDutyAndAdvanced) {
  FanWindow w;
  w.state.form.SetText("OTHER1_ANU_C", "Belts");
  w.state.form.SetText("A131", "99");
  EXPECT_TRUE(RestoreStep4Defaults(w.state));
  EXPECT_EQ(w.Text("OTHER1_ANU_C"), "");
  EXPECT_EQ(w.Text("A131"), "0");
  EXPECT_EQ(w.ui.Messages().back().key, "IDS_29");

  w.state.form.SetText("A111", "50");
  EXPECT_TRUE(RestoreDutyCycleDefaults(w.state));
  EXPECT_EQ(w.Text("A111"), "3");
  EXPECT_EQ(w.ui.Messages().back().key, "IDS_32");

  w.state.form.SetChecked("LOCKA149", true);
  w.state.form.SetText("A145", "70.0");
  EXPECT_TRUE(RestoreAdvancedDefaults(w.state));
  EXPECT_TRUE(w.state.form.Checked("LOCKA144"));
  EXPECT_EQ(w.Text("A145"), "85.0");
  EXPECT_EQ(w.Text("A146"), "68.0");
  EXPECT_EQ(w.ui.Messages().back().key, "IDS_33");
}

}  // namespace
}  // namespace wattora
