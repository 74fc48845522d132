#include "files/recent_analyses.h"

#include "files/file_io.h"
#include "options/main_window_settings.h"

namespace wattora {

void AddToRecentList(RecentAnalyses& recent, SettingsStore& store, std::string_view path) {
  for (std::size_t slot = kRecentCount - 1; slot > 0; --slot) recent.Slots[slot] = recent.Slots[slot - 1];
  recent.Slots[0] = std::string(path);
  StoreRecentList(store, recent.Slots);
  RefreshRecentMenu(recent);
}

void RefreshRecentMenu(RecentAnalyses& recent) {
  for (RecentMenuItem& item : recent.Items) item.Visible = false;
  for (std::size_t a = 0; a < kRecentCount; ++a) {
    for (std::size_t b = 0; b < kRecentCount; ++b) {
      if (b != a && recent.Slots[b] == recent.Slots[a]) recent.Slots[b].clear();
    }
  }
  recent.ReopenVisible = false;
  for (std::size_t slot = 0; slot < kRecentCount; ++slot) {
    const std::string& path = recent.Slots[slot];
    if (path.empty() || path.front() == '*' || !RegularFileExists(path)) continue;
    recent.Items[slot].Caption = path;
    recent.Items[slot].Visible = true;
    recent.ReopenVisible = true;
  }
}

}  // namespace wattora
