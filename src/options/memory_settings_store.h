#pragma once
// A settings store held in memory: for tests and for the command-line program, which must
// not touch the user's settings.

#include <map>
#include <string>
#include <utility>

#include "options/settings_store.h"

namespace wattora {

class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> Read(std::string_view section, std::string_view name) const override;
  void Write(std::string_view section, std::string_view name, std::string_view text) override;

  // Removes a value, so that it reads as missing.
  void Erase(std::string_view section, std::string_view name);
  int WriteCount() const { return writes_; }

 private:
  std::map<std::pair<std::string, std::string>, std::string, std::less<>> values_;
  int writes_ = 0;
};

}  // namespace wattora
