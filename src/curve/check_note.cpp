#include "curve/check_note.h"

namespace wattora {
namespace {

constexpr std::string_view kNoteParts[] = {"NOTE1", "NOTE2", "BEVELNOTE"};

void SetNoteVisible(Form& form, bool visible) {
  for (std::string_view name : kNoteParts) form.LabelNamed(name).SetVisible(visible);
}

}  // namespace

void AddCheckNote(Form& form) {
  form.AddLabel("NOTE1", "Check:").SetVisible(false);
  form.AddLabel("NOTE2").SetVisible(false);
  form.AddLabel("BEVELNOTE").SetVisible(false);
}

void ShowCheckNote(Form& form, std::string_view text) {
  form.SetCaption("NOTE2", text);
  SetNoteVisible(form, !text.empty());
}

void HideCheckNote(Form& form) { ShowCheckNote(form, {}); }

bool CheckNoteVisible(const Form& form) { return form.LabelNamed("NOTE2").Visible(); }

std::string_view CheckNoteText(const Form& form) { return form.LabelNamed("NOTE2").Caption(); }

}  // namespace wattora
