#pragma once
// The one port through which core handlers reach the user: message boxes, the beep and the
// standard dialogs. The desktop program implements it with Qt dialogs, the command-line
// program answers from its options, tests script it.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wattora {

enum class MessageType { Information, Confirmation, Warning, Error, Plain };

enum class Button { OK, Cancel, Yes, No, Abort, Retry, Ignore, All, NoToAll, YesToAll };

std::string_view MessageTypeName(MessageType type);  // "information", ...
std::string_view ButtonName(Button button);          // "OK", "Yes", ...

struct MessageRequest {
  MessageType type = MessageType::Information;
  std::string text;
  std::vector<Button> buttons;  // in the order shown; the first is the default
  std::string key;              // "IDS_22", or empty for a fixed text
};

struct FileDialogRequest {
  std::string title;
  std::string filter;       // e.g. "Analysis files (*.DMC *.RUX)"
  std::string defaultExtension;
  std::string initialName;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // Shows a modal message box and returns the button pressed.
  virtual Button ShowMessage(const MessageRequest& request) = 0;
  virtual void Beep() = 0;
  // Standard file dialogs; nullopt when the user cancels.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
};

// Convenience: a message box with the given buttons.
Button Ask(UserInterface& ui, MessageType type, std::string_view text,
           std::initializer_list<Button> buttons, std::string_view key = {});

}  // namespace wattora
