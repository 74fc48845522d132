#include "options/memory_settings_store.h"

namespace wattora {

std::optional<std::string> MemorySettingsStore::Read(std::string_view section,
                                                     std::string_view name) const {
  const auto it = values_.find(std::pair{std::string(section), std::string(name)});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void MemorySettingsStore::Write(std::string_view section, std::string_view name,
                                std::string_view text) {
  values_[std::pair{std::string(section), std::string(name)}] = std::string(text);
  ++writes_;
}

void MemorySettingsStore::Erase(std::string_view section, std::string_view name) {
  values_.erase(std::pair{std::string(section), std::string(name)});
}

}  // namespace wattora
