#pragma once
// The check note at the bottom of the advanced curve panel: the label NOTE1 ("Check:"), the
// label NOTE2 with the message and the frame BEVELNOTE around them.

#include <string_view>

#include "ui/form.h"

namespace wattora {

void AddCheckNote(Form& form);
void ShowCheckNote(Form& form, std::string_view text);
void HideCheckNote(Form& form);
bool CheckNoteVisible(const Form& form);

}  // namespace wattora
