#pragma once
// Program options besides the units: the start-up screens.

namespace wattora {

struct ProgramOptions {
  bool ShowIntroduction = true;   // "L8"
  bool ShowSetupOverview = true;  // "L9"
};

}  // namespace wattora
