#include "files/windows1252.h"

#include <gtest/gtest.h>

namespace wattora {
namespace {

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

TEST(Windows1252, MapsTheProgramsSymbolsAndReplacesTheRest) {
  EXPECT_EQ(Windows1252ToUtf8("\x80\xA3\xE4\xD6\xDF"), "\xE2\x82\xAC\xC2\xA3\xC3\xA4\xC3\x96\xC3\x9F");
  EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC \xC2\xA3 \xC3\xBC"), "\x80 \xA3 \xFC");
  // Omega and an emoji are not in the code page; a stray continuation byte and a truncated
  // sequence are not UTF-8.
  EXPECT_EQ(Utf8ToWindows1252("a\xCE\xA9" "b\xF0\x9F\x98\x80" "c\x80" "d\xE2\x82"), "a?b?c?d??");
}

}  // namespace
}  // namespace wattora
