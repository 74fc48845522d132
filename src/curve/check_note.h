#pragma once
// The check note at the bottom of the advanced curve panel: the label NOTE1 ("Check:"), the
// label NOTE2 with the message and the frame BEVELNOTE around them.

#include <string_view>

#include "ui/form.h"

namespace wattora {

void AddCheckNote(Form& form);
// With a text, the three parts become visible and NOTE2 shows the text; an empty text hides
// them and empties NOTE2. The note is not modal and stays until the next call.
void ShowCheckNote(Form& form, std::string_view text);
// ShowCheckNote with an empty text.
void HideCheckNote(Form& form);
bool CheckNoteVisible(const Form& form);
// What NOTE2 carries.
std::string_view CheckNoteText(const Form& form);

}  // namespace wattora
