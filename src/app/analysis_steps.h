#pragma once
// Starting an analysis and moving between its steps.

#include "app/main_window_state.h"

namespace wattora {

// Start analysis from the reset of the record on (the questions and the setup overview
// before it are the caller's): record and fields, curve tracking, recalculation, the first
// step, the application's texts and the duty-cycle total.
void StartAnalysis(MainWindowState& state, ApplicationKind kind);

// "&Continue", "&Go Back" and a click on a tab; each ends in the step change.
void ContinueClick(MainWindowState& state);
void GoBackClick(MainWindowState& state);
void TabClick(MainWindowState& state, int page);

// "Duty Cycle" on step 2 (or a click on its chart) and "&Go Back to Step 2." there.
void OpenDutyCyclePage(MainWindowState& state);
void LeaveDutyCyclePage(MainWindowState& state);

// The window title for the steps screen.
std::string StepsWindowTitle(const MainWindowState& state);

}  // namespace wattora
