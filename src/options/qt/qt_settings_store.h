#pragma once
// The settings store in the operating system's native settings through QSettings: the
// registry below the current user's root on Windows ("SOFTWARE\NORVANE\ZEPHRA\SETUP" with its
// sections as subkeys and string values), a configuration file on other systems.

#include <memory>
#include <string_view>

#include <QString>

#include "options/settings_store.h"

class QSettings;

namespace wattora {

class QtSettingsStore : public SettingsStore {
 public:
  // One key of the native store, written with backslashes ("SOFTWARE\NORVANE\KRAWT\SETUP").
  explicit QtSettingsStore(std::string_view key);
  // The same key in an INI file of the caller's choosing (for tests and portable setups).
  QtSettingsStore(const QString& iniFile, std::string_view key);
  ~QtSettingsStore() override;

  std::optional<std::string> Read(std::string_view section, std::string_view name) const override;
  void Write(std::string_view section, std::string_view name, std::string_view text) override;

 private:
  QString Path(std::string_view section, std::string_view name) const;

  std::unique_ptr<QSettings> settings_;
  QString group_;  // the part of the key below the organization and the application
};

}  // namespace wattora
