#include "ui/scripted_user_interface.h"

namespace wattora {

Button ScriptedUserInterface::ShowMessage(const MessageRequest& request) {
  messages_.push_back(request);
  if (!answers_.empty()) {
    Button answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return request.buttons.empty() ? Button::OK : request.buttons.front();
}

std::optional<std::string> ScriptedUserInterface::NextFileChoice(const FileDialogRequest& request) {
  fileDialogs_.push_back(request);
  if (fileChoices_.empty()) return std::nullopt;
  auto choice = std::move(fileChoices_.front());
  fileChoices_.pop_front();
  return choice;
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToOpen(const FileDialogRequest& request) {
  return NextFileChoice(request);
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToSave(const FileDialogRequest& request) {
  return NextFileChoice(request);
}

void ScriptedUserInterface::Clear() {
  answers_.clear();
  fileChoices_.clear();
  messages_.clear();
  fileDialogs_.clear();
  beeps_ = 0;
}

}  // namespace wattora
