#pragma once
// Program options besides the units: the start-up screens, and the main window's own
// values from the settings store.

#include "files/recent_analyses.h"

namespace wattora {

struct ProgramOptions {
  bool ShowIntroduction = true;   // "L8"
  bool ShowSetupOverview = true;  // "L9"
  bool FirstRun = true;           // "PRG"/"MC" of the main window's key
  RecentAnalyses Recent;          // "FHIS"/"H1" to "H4" and the "Reopen" menu
};

}  // namespace wattora
