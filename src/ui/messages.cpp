#include "ui/messages.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "ui/message_catalog.h"

namespace wattora {
namespace {

struct Less {
  bool operator()(const MessageText& a, const MessageText& b) const {
    return a.table != b.table ? a.table < b.table : a.key < b.key;
  }
};

const std::vector<MessageText>& SortedCatalog() {
  static const std::vector<MessageText> catalog = [] {
    std::vector<MessageText> all;
    for (std::span<const MessageText> part : MessageCatalogParts()) {
      all.insert(all.end(), part.begin(), part.end());
    }
    std::sort(all.begin(), all.end(), Less{});
    return all;
  }();
  return catalog;
}

}  // namespace

std::string_view Message(TextTable table, std::string_view key) {
  const auto& catalog = SortedCatalog();
  MessageText probe{table, key, {}};
  auto it = std::lower_bound(catalog.begin(), catalog.end(), probe, Less{});
  if (it == catalog.end() || it->table != table || it->key != key) {
    throw std::logic_error("no message " + std::string(key));
  }
  return it->english;
}

Button ShowMessage(UserInterface& ui, TextTable table, MessageType type, std::string_view key,
                   std::initializer_list<Button> buttons) {
  return Ask(ui, type, Message(table, key), buttons, key);
}

}  // namespace wattora
