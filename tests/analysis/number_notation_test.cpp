#include "analysis/number_notation.h"

#include <gtest/gtest.h>

namespace wattora {
namespace {

UnitSettings WithNotation(int notation, NumberSeparators locale = {".", ","}) {
  UnitSettings units;
  ApplyNumberNotation(units, notation, locale);
  return units;
}

struct FormatCase {
  double value;
  int decimals;
  const char* notation1;
  const char* notation2;
  friend std::ostream& operator<<(std::ostream& os, const FormatCase& c) { return os << c.notation1; }
};

class FormatDisplay : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDisplay, WritesBothNotations) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatDisplayNumber(WithNotation(1), c.value, c.decimals), c.notation1);
  EXPECT_EQ(FormatDisplayNumber(WithNotation(2), c.value, c.decimals), c.notation2);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatDisplay,
    ::testing::Values(FormatCase{1234567.891, 2, "1,234,567.89", "1.234.567,89"},
                      FormatCase{-0.5, 1, "-0.5", "-0,5"},
                      FormatCase{15000, 0, "15,000", "15.000"},
                      FormatCase{1234.5, 1, "1,234.5", "1.234,5"},
                      FormatCase{999.7, 0, "1000", "1000"},  // separator test before rounding
                      FormatCase{999.9, 2, "999.90", "999,90"},
                      FormatCase{1000, 4, "1,000.0000", "1.000,0000"},
                      FormatCase{-1234567890.5, 1, "-1,234,567,890.5", "-1.234.567.890,5"},
                      FormatCase{1234567890123.0, 0, "1234,567,890,123", "1234.567.890.123"},
                      FormatCase{0, 3, "0.000", "0,000"},
                      FormatCase{7, 1, "7.0", "7,0"}));

struct ParseCase {
  int notation;
  const char* text;
  double value;
  friend std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
    return os << c.notation << " '" << c.text << "'";
  }
};

class ParseDisplay : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDisplay, Reads) {
  const ParseCase& c = GetParam();
  EXPECT_DOUBLE_EQ(ParseDisplayNumber(WithNotation(c.notation), c.text), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseDisplay,
    ::testing::Values(ParseCase{2, "1.234,5", 1234.5}, ParseCase{1, "1,234.5", 1234.5},
                      ParseCase{1, "1,2,3", 123},  // thousands separators vanish anywhere
                      ParseCase{2, "1,2,3", 0},    // two decimal points: not a number
                      ParseCase{1, "", 0}, ParseCase{1, "  42", 42}, ParseCase{1, "-3.5", -3.5},
                      ParseCase{1, "1e3", 1000}, ParseCase{1, "abc", 0}, ParseCase{1, "inf", 0},
                      ParseCase{1, "1e999", 0}, ParseCase{2, "0,1", 0.1}));

TEST(NumberNotation, ParseOfFormatRoundTrips) {
  for (int notation : {1, 2}) {
    UnitSettings units = WithNotation(notation);
    for (double v : {0.0, 1.5, 999.99, 1000.0, 123456.78, 98765432.1}) {
      EXPECT_DOUBLE_EQ(ParseDisplayNumber(units, FormatDisplayNumber(units, v, 2)), v);
    }
  }
}

TEST(NumberNotation, AutomaticFollowsTheLocaleUnlessItsSeparatorsAreUnusable) {
  UnitSettings german = WithNotation(0, {",", "."});
  EXPECT_EQ(german.DecimalSeparator, ",");
  EXPECT_EQ(german.ThousandsSeparator, ".");
  UnitSettings same = WithNotation(0, {".", "."});
  EXPECT_EQ(same.DecimalSeparator, ".");
  EXPECT_EQ(same.ThousandsSeparator, ",");
  UnitSettings none = WithNotation(0, {".", ""});
  EXPECT_EQ(none.ThousandsSeparator, ",");
  // A locale separator of several bytes (a narrow no-break space) is one separator.
  UnitSettings french = WithNotation(0, {",", "\xE2\x80\xAF"});
  EXPECT_EQ(FormatDisplayNumber(french, 1234.5, 1), "1\xE2\x80\xAF" "234,5");
  EXPECT_DOUBLE_EQ(ParseDisplayNumber(french, "1\xE2\x80\xAF" "234,5"), 1234.5);
}

TEST(NumberNotation, ReformatFixedTextReadsPointNotation) {
  EXPECT_EQ(ReformatFixedText(WithNotation(2), "1234.567", 2), "1.234,57");
  EXPECT_EQ(ReformatFixedText(WithNotation(1), "bad", 1), "0.0");
}

}  // namespace
}  // namespace wattora
