#pragma once
// Message texts looked up by the window whose table holds them and a key "IDS_" plus a
// number. Keys are local to their table.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "ui/user_interface.h"

namespace wattora {

enum class TextTable {
  MainWindow,
  About,
  Mail,
  AppSelect,
  SetupOverview,
  Setup,
  Logo,
  Export,
  ReportForm,
  MessageHolder,
};

struct MessageText {
  TextTable table;
  std::string_view key;
  std::string_view english;
};

// The text of the key in the active language; an unknown key is a programming error and
// throws std::logic_error.
std::string_view Message(TextTable table, std::string_view key);

// Looks the key up and shows it with the key recorded.
Button ShowMessage(UserInterface& ui, TextTable table, MessageType type, std::string_view key,
                   std::initializer_list<Button> buttons);

}  // namespace wattora
