#include "ui/user_interface.h"

namespace wattora {

std::string_view MessageTypeName(MessageType type) {
  switch (type) {
    case MessageType::Information: return "information";
    case MessageType::Confirmation: return "confirmation";
    case MessageType::Warning: return "warning";
    case MessageType::Error: return "error";
    case MessageType::Plain: return "plain";
  }
  return "plain";
}

std::string_view ButtonName(Button button) {
  switch (button) {
    case Button::OK: return "OK";
    case Button::Cancel: return "Cancel";
    case Button::Yes: return "Yes";
    case Button::No: return "No";
    case Button::Abort: return "Abort";
    case Button::Retry: return "Retry";
    case Button::Ignore: return "Ignore";
    case Button::All: return "All";
    case Button::NoToAll: return "No to All";
    case Button::YesToAll: return "Yes to All";
  }
  return "OK";
}

Button Ask(UserInterface& ui, MessageType type, std::string_view text,
           std::initializer_list<Button> buttons, std::string_view key) {
  MessageRequest request;
  request.type = type;
  request.text = std::string(text);
  request.buttons.assign(buttons.begin(), buttons.end());
  request.key = std::string(key);
  return ui.ShowMessage(request);
}

}  // namespace wattora
