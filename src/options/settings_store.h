#pragma once
// The per-user settings store: keys holding sections, each section holding named values.
// Every value is stored as text; the helpers below give the encodings of booleans,
// integers and multi-line texts. The desktop program stores them in the operating system's
// native settings (options/qt), tests keep them in memory.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wattora {

// The two keys of the program: the program options and the main window's own values.
inline constexpr std::string_view kSetupSettingsKey = "SOFTWARE\\NORVANE\\KRAWT\\SETUP";
inline constexpr std::string_view kMainWindowSettingsKey = "SOFTWARE\\NORVANE\\ZEPHRA\\SETUP";

// One key of the store.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The text of a value; nullopt when the value is missing.
  virtual std::optional<std::string> Read(std::string_view section, std::string_view name) const = 0;
  virtual void Write(std::string_view section, std::string_view name, std::string_view text) = 0;
};

// A missing value reads as the fallback.
std::string ReadText(const SettingsStore& store, std::string_view section, std::string_view name,
                     std::string_view fallback = {});
// True exactly when the text begins with "1".
bool ReadBool(const SettingsStore& store, std::string_view section, std::string_view name,
              bool fallback);
// Decimal text; text that is not a valid integer reads as the fallback.
int ReadInteger(const SettingsStore& store, std::string_view section, std::string_view name,
                int fallback);
// Lines each followed by CR LF.
std::vector<std::string> ReadLines(const SettingsStore& store, std::string_view section,
                                   std::string_view name);

void WriteText(SettingsStore& store, std::string_view section, std::string_view name,
               std::string_view text);
void WriteBool(SettingsStore& store, std::string_view section, std::string_view name, bool value);
void WriteInteger(SettingsStore& store, std::string_view section, std::string_view name, int value);
void WriteLines(SettingsStore& store, std::string_view section, std::string_view name,
                const std::vector<std::string>& lines);

}  // namespace wattora
