#include "app/field_follow_ups.h"

// The calculation stages are not part of this build yet; each follow-up is the point where
// they are started.

namespace wattora {

void AfterDutyFieldExit(MainWindowState&) {}
void AfterSystemFieldExit(MainWindowState&, std::string_view) {}
void AfterDriveCostExit(MainWindowState&) {}
void AfterCostFieldExit(MainWindowState&) {}

void AfterStep2Restore(MainWindowState&) {}
void AfterStep4Restore(MainWindowState&) {}
void AfterDutyCycleRestore(MainWindowState&) {}

}  // namespace wattora
