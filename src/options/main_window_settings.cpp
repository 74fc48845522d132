#include "options/main_window_settings.h"

namespace wattora {
namespace {

constexpr std::string_view kFirstRunSection = "PRG";
constexpr std::string_view kFirstRunName = "MC";
constexpr std::string_view kVersionSection = "PROGRAM";
constexpr std::string_view kVersionName = "PROGRAMVERSION";
constexpr std::string_view kRecentSection = "FHIS";
constexpr std::array<std::string_view, kRecentCount> kRecentNames = {"H1", "H2", "H3", "H4"};

}  // namespace

void LoadMainWindowSettings(SettingsStore& store, ProgramOptions& options) {
  options.FirstRun = ReadBool(store, kFirstRunSection, kFirstRunName, true);
  for (std::size_t slot = 0; slot < kRecentCount; ++slot) {
    options.Recent.Slots[slot] = ReadText(store, kRecentSection, kRecentNames[slot]);
  }
  WriteText(store, kVersionSection, kVersionName, WATTORA_VERSION_TEXT);
}

void StoreFirstRunDone(SettingsStore& store) {
  WriteBool(store, kFirstRunSection, kFirstRunName, false);
}

void StoreRecentList(SettingsStore& store, const std::array<std::string, kRecentCount>& slots) {
  for (std::size_t slot = 0; slot < kRecentCount; ++slot) {
    WriteText(store, kRecentSection, kRecentNames[slot], slots[slot]);
  }
}

}  // namespace wattora
