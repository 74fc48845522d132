#include "files/parameter_line.h"

#include <gtest/gtest.h>

#include "files/windows1252.h"

namespace wattora {
namespace {

ParameterEntry Entry(int position, int number, std::string description, std::string unit,
                     float value, float step) {
  ParameterEntry e;
  e.position = static_cast<std::uint16_t>(position);
  e.number = static_cast<std::uint16_t>(number);
  e.description = std::move(description);
  e.unitText = std::move(unit);
  e.currentValue = value;
  e.step = step;
  return e;
}

TEST(ParameterLineFormat, PadsValueFieldAndUnit) {
  EXPECT_EQ(FormatParameterLine(Entry(1, 1, "Hours per day", "", 24, 1)),
            "P001=A1-01=24;" + std::string(12, ' ') + std::string(7, ' ') + "Hours per day");
  EXPECT_EQ(FormatParameterLine(Entry(4, 4, "Electricity cost", "ct", 0.1f, 1000)),
            "P004=A1-04=0.100;" + std::string(9, ' ') + "ct     Electricity cost");
  // A value field of 15 characters or more gets no padding; a long unit is written whole.
  EXPECT_EQ(FormatParameterLine(Entry(123, 9, "Big", "M3/min++", 123456789.0f, 10000)),
            "P123=A1-09=123456792.0000;M3/min++Big");
  // The unit is padded by characters, not bytes.
  EXPECT_EQ(Utf8ToWindows1252(FormatParameterLine(Entry(26, 26, "Installation CI", "\xE2\x82\xAC", 5, 1))),
            "P026=A1-26=5;" + std::string(13, ' ') + "\x80" + std::string(6, ' ') + "Installation CI");
}

TEST(ParameterLineFormat, DecimalsFollowTheStepAndIgnoreTheLocale) {
  struct Case { float step; int decimals; } cases[] = {
      {1, 0}, {10, 1}, {100, 2}, {1000, 3}, {10000, 4}, {5, 4}, {100000, 4}};
  for (const Case& c : cases) EXPECT_EQ(FileDecimals(c.step), c.decimals) << c.step;
  EXPECT_EQ(FixedText(1234567.5, 2), "1234567.50");  // no thousands separator
  EXPECT_EQ(FixedText(-2.26, 1), "-2.3");
  EXPECT_EQ(FixedText(-0.0004, 3), "0.000");         // no sign on a value that rounds to zero
  EXPECT_EQ(FixedText(0.1f, 4), "0.1000");
}

struct LineCase {
  const char* line;
  ParameterLineKind kind;
  int position = 0;
  int number = 0;
  double value = 0;
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) { return os << '"' << c.line << '"'; }

class ParameterLineParse : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParameterLineParse, ClassifiesTheLine) {
  const LineCase& c = GetParam();
  const ParameterLine line = ParseParameterLine(c.line);
  ASSERT_EQ(line.kind, c.kind);
  if (c.kind != ParameterLineKind::Assignment) return;
  EXPECT_EQ(line.position, c.position);
  EXPECT_EQ(line.groupLetter, 'A');
  EXPECT_EQ(line.groupDigit, '1');
  EXPECT_EQ(line.number, c.number);
  EXPECT_DOUBLE_EQ(line.value, c.value);
}

constexpr auto kIgnored = ParameterLineKind::Ignored;
constexpr auto kMalformed = ParameterLineKind::Malformed;
constexpr auto kAssign = ParameterLineKind::Assignment;

INSTANTIATE_TEST_SUITE_P(
    Lines, ParameterLineParse,
    ::testing::Values(
        LineCase{"P001=A1-01=24;            Hours per day", kAssign, 1, 1, 24},
        LineCase{"P004=A1-04=0.100;", kAssign, 4, 4, 0.1},
        LineCase{"P001:A1-01=5;", kAssign, 1, 1, 5},
        LineCase{"P005,A1-05=-12.5;", kAssign, 5, 5, -12.5},
        LineCase{"P1=xxA1-02=5;", kAssign, 1, 2, 5},        // characters after the separator are free
        LineCase{"P05:AA1-05=7;", kAssign, 5, 5, 7},
        LineCase{"P59:A1-59=-12.5;x", kIgnored},             // character 6 is not "A"
        LineCase{"P12:A1-05=7;", kIgnored},
        LineCase{"P001=A1-01=24", kMalformed},    // no ";" before the end of the line
        LineCase{"P001=A1-01=;", kMalformed},     // ";" before any value character
        LineCase{"P001=B1-01=24;", kIgnored},     // group letter B
        LineCase{"P001=A2-01=24;", kIgnored},
        LineCase{"P001=A1-0X=24;", kIgnored},
        LineCase{"P001=A1-01", kIgnored},         // shorter than 12 characters
        LineCase{"P001=A1-01=", kIgnored},        // 11 characters
        LineCase{"P001=A1-01=x", kMalformed},
        LineCase{"P0001A1-01=5;", kMalformed},    // no separator by character 5
        LineCase{"P0X1=A1-01=5;", kMalformed},
        LineCase{"P000=A1-01=5;", kMalformed},    // position 0
        LineCase{"P=00A1-01=5;", kIgnored},
        LineCase{"P001=A1-01=123456789012345678;", kAssign, 1, 1, 123456789012345678.0},
        LineCase{"P001=A1-01=1234567890123456789;", kMalformed},  // ";" beyond character 30
        LineCase{"P001=A1-01=1 ;", kMalformed},
        LineCase{"P001=A1-01=-;", kMalformed},    // not a number although only "-", "." and digits
        LineCase{"P001=A1-01=1.2.3;", kMalformed},
        LineCase{"P001=A1-01=5-;", kMalformed},
        LineCase{"P1=A1-01=.5;", kIgnored},
        LineCase{"P001=A1-01=.5;", kAssign, 1, 1, 0.5},
        LineCase{"P300,A1-99=1;rest is ignored", kAssign, 300, 99, 1}));

}  // namespace
}  // namespace wattora
