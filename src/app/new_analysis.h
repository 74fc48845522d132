#pragma once
// Starting a new fan or pump analysis: the record, the parameter table and the input fields.

#include "app/main_window_state.h"

namespace wattora {

// Checks HORIZ, clears Modified and CurrentFileName, sets the application, clears the
// customer fields and the cost names, copies QNUM into QNUM1, rebuilds the parameter table,
// binds the input fields and fills them for a new analysis.
void ResetRecordForNewAnalysis(MainWindowState& state, ApplicationKind kind);

}  // namespace wattora
