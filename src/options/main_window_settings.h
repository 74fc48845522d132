#pragma once
// The main window's own values in the settings store (key kMainWindowSettingsKey): the
// first-start mark, the program version and the recent-analyses list.

#include <array>
#include <string>

#include "files/recent_analyses.h"
#include "options/program_options.h"
#include "options/settings_store.h"

namespace wattora {

// At start-up: "PRG"/"MC" into FirstRun (true when missing) and "FHIS"/"H1" to "H4" into
// the recent slots (empty when missing); writes "PROGRAM"/"PROGRAMVERSION".
void LoadMainWindowSettings(SettingsStore& store, ProgramOptions& options);

// Writes "PRG"/"MC" = false, so that the first-start question is asked once.
void StoreFirstRunDone(SettingsStore& store);

// Writes the slots to "FHIS"/"H1" to "H4".
void StoreRecentList(SettingsStore& store, const std::array<std::string, kRecentCount>& slots);

}  // namespace wattora
