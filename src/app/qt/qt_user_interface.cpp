#include "app/qt/qt_user_interface.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace wattora {
namespace {

QMessageBox::Icon IconFor(MessageType type) {
  switch (type) {
    case MessageType::Information: return QMessageBox::Information;
    case MessageType::Confirmation: return QMessageBox::Question;
    case MessageType::Warning: return QMessageBox::Warning;
    case MessageType::Error: return QMessageBox::Critical;
    case MessageType::Plain: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

QString TitleFor(MessageType type) {
  switch (type) {
    case MessageType::Information: return QStringLiteral("Information");
    case MessageType::Confirmation: return QStringLiteral("Confirm");
    case MessageType::Warning: return QStringLiteral("Warning");
    case MessageType::Error: return QStringLiteral("Error");
    case MessageType::Plain: return QString();
  }
  return QString();
}

QString ButtonText(Button button) {
  switch (button) {
    case Button::OK: return QStringLiteral("OK");
    case Button::Cancel: return QStringLiteral("Cancel");
    case Button::Yes: return QStringLiteral("&Yes");
    case Button::No: return QStringLiteral("&No");
    case Button::Abort: return QStringLiteral("&Abort");
    case Button::Retry: return QStringLiteral("&Retry");
    case Button::Ignore: return QStringLiteral("&Ignore");
    case Button::All: return QStringLiteral("&All");
    case Button::NoToAll: return QStringLiteral("N&o to All");
    case Button::YesToAll: return QStringLiteral("Yes to &All");
  }
  return QString();
}

}  // namespace

Button QtUserInterface::ShowMessage(const MessageRequest& request) {
  QMessageBox box(IconFor(request.type), TitleFor(request.type),
                  QString::fromStdString(request.text), QMessageBox::NoButton, parent_);
  std::map<QAbstractButton*, Button> buttons;
  for (Button b : request.buttons) {
    const auto role = (b == Button::Cancel || b == Button::No) ? QMessageBox::RejectRole
                                                               : QMessageBox::AcceptRole;
    QPushButton* pushButton = box.addButton(ButtonText(b), role);
    if (buttons.empty()) box.setDefaultButton(pushButton);
    buttons[pushButton] = b;
  }
  if (buttons.empty()) buttons[box.addButton(QMessageBox::Ok)] = Button::OK;
  box.exec();
  auto it = buttons.find(box.clickedButton());
  if (it != buttons.end()) return it->second;
  // Closed with the window button: the cancelling choice where there is one.
  for (Button b : request.buttons) {
    if (b == Button::Cancel) return b;
  }
  return request.buttons.empty() ? Button::OK : request.buttons.back();
}

void QtUserInterface::Beep() { QApplication::beep(); }

std::optional<std::string> QtUserInterface::ChooseFileToOpen(const FileDialogRequest& request) {
  const QString path = QFileDialog::getOpenFileName(parent_, QString::fromStdString(request.title),
                                                    QString::fromStdString(request.initialName),
                                                    QString::fromStdString(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtUserInterface::ChooseFileToSave(const FileDialogRequest& request) {
  const QString path = QFileDialog::getSaveFileName(parent_, QString::fromStdString(request.title),
                                                    QString::fromStdString(request.initialName),
                                                    QString::fromStdString(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace wattora
