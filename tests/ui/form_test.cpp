#include "ui/form.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace wattora {
namespace {

TEST(Form, RadioButtonsOfOneGroupExcludeEachOther) {
  Form form;
  form.AddRadioButton("R1", "g");
  form.AddRadioButton("R2", "g", true);
  form.AddRadioButton("X", "other", true);
  EXPECT_TRUE(form.SetChecked("R1", true));
  EXPECT_TRUE(form.Checked("R1"));
  EXPECT_FALSE(form.Checked("R2"));
  EXPECT_TRUE(form.Checked("X"));
  EXPECT_FALSE(form.SetChecked("R1", true));  // no change the second time
}

TEST(Form, SettersReportChangesAndBumpTheRevision) {
  Form form;
  TextField& field = form.AddField("A101", 6);
  const auto before = field.Revision();
  EXPECT_TRUE(form.SetText("A101", "24"));
  EXPECT_FALSE(form.SetText("A101", "24"));
  EXPECT_EQ(field.Revision(), before + 1);
}

TEST(Form, UnknownOrDuplicateNamesAreProgrammingErrors) {
  Form form;
  form.AddLabel("L");
  EXPECT_THROW(form.Field("nope"), std::logic_error);
  EXPECT_THROW(form.AddLabel("L"), std::logic_error);
}

}  // namespace
}  // namespace wattora
