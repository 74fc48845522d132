#pragma once
// A created main window with a new analysis started from the parameter defaults, for the
// curve tests.

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app/new_analysis.h"
#include "curve/check_note.h"
#include "test_support.h"

namespace wattora::testing {

struct CurveWindow : TestWindow {
  // A fan analysis in in. wg, cfm and HP (the first units); a pump analysis in ft and GPM.
  explicit CurveWindow(ApplicationKind kind = ApplicationKind::Fan) {
    if (kind == ApplicationKind::Pump) state.units.PumpPressureUnit = 1;  // ft
    ResetRecordForNewAnalysis(state, kind);
    ui.Clear();
  }

  void Set(std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [field, text] : texts) state.form.SetText(field, text);
  }
  const std::string& Text(const char* field) const { return state.form.Text(field); }
  void SelectLock(const char* lock) { state.form.SetChecked(lock, true); }
  void SetHorizontal(bool horizontal) { state.form.SetChecked("HORIZ", horizontal); }

  bool NoteShown() const { return CheckNoteVisible(state.form); }
  std::string NoteText() const { return std::string(CheckNoteText(state.form)); }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const auto& m : ui.Messages()) keys.push_back(m.key);
    return keys;
  }
  const CurveModel& Model() const { return state.curve.Model; }
};

}  // namespace wattora::testing
