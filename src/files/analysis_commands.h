#pragma once
// The main window's file commands: open an analysis (from the open dialog, by name from the
// recent list or the command line), save it, save it under a new name, and the window
// caption that follows the project name.

#include <string>
#include <string_view>

#include "app/main_window_state.h"
#include "options/settings_store.h"

namespace wattora {

enum class OpenOutcome {
  Loaded,      // the analysis of the file is now the active one
  Refused,     // the file was refused with a message, or the user stopped at a question
  Unreadable,  // the file does not exist or cannot be read
};

enum class SaveOutcome {
  Saved,    // the file was written
  Refused,  // no analysis, step 2 incomplete, system data inconsistent, or not replaced
  Failed,   // the file could not be written ("FILE ERROR !"); an old file stays as it was
};

// "Open Analysis": the save question, the open dialog, the read; the path then heads the
// recent list (written to the main window's store).
void OpenAnalysis(MainWindowState& state, SettingsStore& mainWindowStore);

// Opens the file at `path` (UTF-8) after the save question; the recent list stays as it is.
// Used by the recent items and by start-up for a file named on the command line.
OpenOutcome OpenNamedAnalysis(MainWindowState& state, SettingsStore& mainWindowStore,
                              std::string_view path);

// A click on HIS1 to HIS4 (slot 1 to 4).
OpenOutcome OpenRecentAnalysis(MainWindowState& state, SettingsStore& mainWindowStore, int slot);

// "Save Analysis": into CurrentFileName, or as "Save Analysis as..." when there is none.
void SaveAnalysis(MainWindowState& state, SettingsStore& mainWindowStore);

// "Save Analysis as...": the save dialog, the extension, the replace question.
void SaveAnalysisAs(MainWindowState& state, SettingsStore& mainWindowStore);

// "Save Analysis as..." with a path the caller chose instead of the dialog: the same checks,
// extension rule and replace question.
SaveOutcome SaveAnalysisAs(MainWindowState& state, SettingsStore& mainWindowStore,
                           std::string_view path);

// The caption after an open and after every change of the project name: the program title,
// followed by the application's text and QNUM when QNUM is not empty.
void UpdateCaption(MainWindowState& state);

// The path with its extension (from the last "." of its file name on) replaced by ".DMC",
// or ".DMC" appended when it has none.
std::string WithAnalysisExtension(std::string_view path);

}  // namespace wattora
