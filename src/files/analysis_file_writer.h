#pragma once
// Writing the current analysis as an analysis file ("DMC" layout): Windows-1252 text with
// CR LF after every line, numbers independent of the locale.

#include <string>
#include <string_view>

#include "app/main_window_state.h"

namespace wattora {

// The file magic and the format version of the "FILE TYPE" line.
inline constexpr std::string_view kFileMagic = "NORVANE ENERGY FILE";
inline constexpr std::string_view kFileVersion = "V1.21";

// The file's bytes for the record and the parameter table as they are, dated `date`. The
// caller has refilled COSTMEMO and stored the input fields into the table first.
std::string FormatAnalysisFile(const MainWindowState& state, std::string_view date);

// Replaces the file at `path` (UTF-8) by the current analysis, dated today. A failure shows
// "FILE ERROR !" and leaves an existing file as it was. True when the file was written.
bool WriteAnalysisFile(MainWindowState& state, std::string_view path);

// Today's date in the short date format of the user's locale.
std::string ShortDateText();

}  // namespace wattora
