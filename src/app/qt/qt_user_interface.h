#pragma once
// The user-interface port of the desktop program: Qt message boxes, dialogs and the beep.

#include <QWidget>

#include "ui/user_interface.h"

namespace wattora {

class QtUserInterface : public UserInterface {
 public:
  explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  Button ShowMessage(const MessageRequest& request) override;
  void Beep() override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace wattora
