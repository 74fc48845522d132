#pragma once
// The list of the four most recently used analysis files and the "Reopen" menu that shows
// it.

#include <array>
#include <string>
#include <string_view>

namespace wattora {

class SettingsStore;

inline constexpr std::size_t kRecentCount = 4;

// One of the items HIS1 to HIS4 of the "Reopen" submenu.
struct RecentMenuItem {
  std::string Caption;
  bool Visible = false;
};

struct RecentAnalyses {
  std::array<std::string, kRecentCount> Slots;  // slot 1 (the most recent) first
  std::array<RecentMenuItem, kRecentCount> Items{
      {{"Analysis 1"}, {"Analysis 2"}, {"Analysis 3"}, {"Analysis 4"}}};
  bool ReopenVisible = false;  // the "Reopen" submenu REOPEN1
};

// Puts the path in slot 1 (the others move down one, the last drops out), writes the four
// slots to the store and refreshes the menu.
void AddToRecentList(RecentAnalyses& recent, SettingsStore& store, std::string_view path);

// Empties slots that repeat an earlier one (in memory only), then shows an item for each
// slot that names an existing file and does not begin with "*", captioned with the path;
// the submenu shows when any item does.
void RefreshRecentMenu(RecentAnalyses& recent);

}  // namespace wattora
