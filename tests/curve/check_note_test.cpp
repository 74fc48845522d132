#include "curve/check_note.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace wattora {
namespace {

// The check note: a text shows all three parts, an empty text hides them and
// empties NOTE2.
TEST(CheckNote, ShowsAndHidesItsThreeParts) {
  testing::TestWindow w;
  Form& form = w.state.form;
  EXPECT_FALSE(CheckNoteVisible(form));  // hidden when the panel is first shown
  ShowCheckNote(form, "Peak Efficiency must be greater than or equal to the Design Point Efficiency");
  for (const char* part : {"NOTE1", "NOTE2", "BEVELNOTE"}) EXPECT_TRUE(form.LabelNamed(part).Visible());
  EXPECT_EQ(form.LabelNamed("NOTE1").Caption(), "Check:");
  EXPECT_EQ(CheckNoteText(form), "Peak Efficiency must be greater than or equal to the Design Point Efficiency");
  ShowCheckNote(form, "");
  for (const char* part : {"NOTE1", "NOTE2", "BEVELNOTE"}) EXPECT_FALSE(form.LabelNamed(part).Visible());
  EXPECT_EQ(CheckNoteText(form), "");
  ShowCheckNote(form, "again");
  HideCheckNote(form);
  EXPECT_FALSE(CheckNoteVisible(form));
  EXPECT_EQ(CheckNoteText(form), "");
}

}  // namespace
}  // namespace wattora
