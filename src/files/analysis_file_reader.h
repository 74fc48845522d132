#pragma once
// Reading an analysis file ("DMC", and the legacy "RUX" layout): the check pass, which
// classifies every line, checks completeness and applies the file's units, and the load
// pass, which stores the parameter values and puts the file's choices and texts into the
// record.

#include <string>
#include <string_view>

#include "app/main_window_state.h"

namespace wattora {

enum class ReadPass { Check, Load };

// Application types a file can name.
inline constexpr int kFileTypeFan = 1;
inline constexpr int kFileTypePump = 2;
inline constexpr int kFileTypeCoolingTower = 3;

// Files larger than this are not analysis files; reading one reports a file error.
inline constexpr std::size_t kMaxAnalysisFileSize = 64u << 20;

struct FileReadResult {
  bool complete = false;     // every required section had a valid value; the pass applied them
  bool stopped = false;      // the user answered Cancel or Abort at a question
  bool unreadable = false;   // the file could not be opened or read ("FILE ERROR !" shown)
  bool legacy = false;       // the file has a "[UNITS]" section
  int applicationType = 0;   // kFileTypeFan, kFileTypePump, kFileTypeCoolingTower; 0 when none
  std::string projectName;   // UTF-8; empty when the file names none
};

struct ReadOptions {
  // Asks about malformed parameter lines. An open that has already asked in its check pass
  // reads the same bytes again without asking twice.
  bool askMalformedLines = true;
};

// Reads file bytes (Windows-1252) as `pass`. Questions and messages go to state.ui.
FileReadResult ReadAnalysisText(MainWindowState& state, std::string_view bytes, ReadPass pass,
                                const ReadOptions& options = {});

// Reads the file at `path` (UTF-8) as `pass`; a file that cannot be read shows "FILE ERROR !".
FileReadResult ReadAnalysisFile(MainWindowState& state, std::string_view path, ReadPass pass);

// Reads the file's bytes; on failure shows "FILE ERROR !" and returns false.
bool LoadAnalysisFileBytes(UserInterface& ui, std::string_view path, std::string& bytes);

// The fixed text of every input/output failure of analysis files.
inline constexpr std::string_view kFileErrorText = "FILE ERROR !";
void ShowFileError(UserInterface& ui);

}  // namespace wattora
