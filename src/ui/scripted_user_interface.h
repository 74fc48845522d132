#pragma once
// A user-interface port that answers from a queue and records everything it was asked.
// With an empty queue a message box is answered with its first button. Used by the tests
// and by the command-line program.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/user_interface.h"

namespace wattora {

class ScriptedUserInterface : public UserInterface {
 public:
  Button ShowMessage(const MessageRequest& request) override;
  void Beep() override { ++beeps_; }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;

  void QueueAnswer(Button button) { answers_.push_back(button); }
  // nullopt queues a cancelled dialog.
  void QueueFileChoice(std::optional<std::string> path) { fileChoices_.push_back(std::move(path)); }

  const std::vector<MessageRequest>& Messages() const { return messages_; }
  const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }
  int Beeps() const { return beeps_; }
  void Clear();

 private:
  std::optional<std::string> NextFileChoice(const FileDialogRequest& request);

  std::deque<Button> answers_;
  std::deque<std::optional<std::string>> fileChoices_;
  std::vector<MessageRequest> messages_;
  std::vector<FileDialogRequest> fileDialogs_;
  int beeps_ = 0;
};

}  // namespace wattora
