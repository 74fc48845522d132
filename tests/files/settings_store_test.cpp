#include "options/settings_store.h"

#include <gtest/gtest.h>

#include "options/main_window_settings.h"
#include "options/memory_settings_store.h"

namespace wattora {
namespace {

TEST(SettingsStore, ValuesAreTextWithTheirEncodings) {
  MemorySettingsStore store;
  EXPECT_TRUE(ReadBool(store, "S", "B", true));
  EXPECT_EQ(ReadInteger(store, "S", "I", 7), 7);
  EXPECT_EQ(ReadText(store, "S", "T", "-"), "-");

  WriteBool(store, "S", "B", true);
  EXPECT_EQ(store.Read("S", "B"), "1");
  WriteBool(store, "S", "B", false);
  EXPECT_EQ(store.Read("S", "B"), "0");
  for (auto [text, value] : {std::pair{"1", true}, {"10", true}, {"1abc", true}, {"", false},
                             {"true", false}, {" 1", false}, {"0", false}}) {
    store.Write("S", "B", text);
    EXPECT_EQ(ReadBool(store, "S", "B", !value), value) << '"' << text << '"';
  }
  for (auto [text, value] : {std::pair{"42", 42}, {"-3", -3}, {"+5", 5}, {"", 9}, {"4x", 9},
                             {" 4", 9}, {"99999999999", 9}}) {
    store.Write("S", "I", text);
    EXPECT_EQ(ReadInteger(store, "S", "I", 9), value) << '"' << text << '"';
  }
  WriteInteger(store, "S", "I", -12);
  EXPECT_EQ(store.Read("S", "I"), "-12");

  WriteLines(store, "S", "M", {"Acme", "", "Main St"});
  EXPECT_EQ(store.Read("S", "M"), "Acme\r\n\r\nMain St\r\n");
  EXPECT_EQ(ReadLines(store, "S", "M"), (std::vector<std::string>{"Acme", "", "Main St"}));
  EXPECT_TRUE(ReadLines(store, "S", "none").empty());
}

TEST(MainWindowSettings, StartUpReadsTheMarkAndTheListAndWritesTheVersion) {
  MemorySettingsStore store;
  ProgramOptions options;
  options.FirstRun = false;
  LoadMainWindowSettings(store, options);
  EXPECT_TRUE(options.FirstRun);  // a missing store means a first start
  for (const std::string& slot : options.Recent.Slots) EXPECT_EQ(slot, "");
  EXPECT_EQ(store.Read("PROGRAM", "PROGRAMVERSION"), "V1.21");

  StoreFirstRunDone(store);
  EXPECT_EQ(store.Read("PRG", "MC"), "0");
  StoreRecentList(store, {"a", "", "c", "d"});
  EXPECT_EQ(store.Read("FHIS", "H1"), "a");
  EXPECT_EQ(store.Read("FHIS", "H2"), "");
  EXPECT_EQ(store.Read("FHIS", "H4"), "d");
  LoadMainWindowSettings(store, options);
  EXPECT_FALSE(options.FirstRun);
  EXPECT_EQ(options.Recent.Slots, (std::array<std::string, 4>{"a", "", "c", "d"}));
}

}  // namespace
}  // namespace wattora
