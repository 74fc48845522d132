#include "curve/check_note.h"

namespace wattora {

void AddCheckNote(Form& form) {
  form.AddLabel("NOTE1", "Check:").SetVisible(false);
  form.AddLabel("NOTE2").SetVisible(false);
  form.AddLabel("BEVELNOTE").SetVisible(false);
}

void ShowCheckNote(Form& form, std::string_view text) {
  form.SetCaption("NOTE2", text);
  for (std::string_view name : {"NOTE1", "NOTE2", "BEVELNOTE"}) form.LabelNamed(name).SetVisible(true);
}

void HideCheckNote(Form& form) {
  for (std::string_view name : {"NOTE1", "NOTE2", "BEVELNOTE"}) form.LabelNamed(name).SetVisible(false);
}

bool CheckNoteVisible(const Form& form) { return form.LabelNamed("NOTE2").Visible(); }

}  // namespace wattora
