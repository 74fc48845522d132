#pragma once
// Shared pieces of the analysis-file tests: a private temporary folder, an analysis ready to
// be saved, and small hand-made files.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/analysis_steps.h"
#include "app/input_fields.h"
#include "files/file_io.h"
#include "test_support.h"

namespace wattora::testing {

class TempFolder {
 public:
  TempFolder() {
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
      path_ = base / ("wattora-files-" + std::to_string(seed()));
      if (std::filesystem::create_directory(path_)) break;
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string operator/(std::string_view name) const { return PathToUtf8(path_ / PathFromUtf8(name)); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Lines joined with CR LF after every line.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A window with a started analysis whose step 2 is filled in, so that it can be saved.
struct ActiveAnalysis : TestWindow {
  explicit ActiveAnalysis(ApplicationKind kind = ApplicationKind::Fan) {
    state.options.ShowIntroduction = false;
    StartAnalysis(state, kind);
    for (auto [field, text] : {std::pair{"A104", "0.100"}, {"A105", "50.0"}, {"A122", "40.0"},
                               {"A125", "60.0"}, {"A109", "15000"}}) {
      state.form.SetText(field, text);
    }
    if (kind == ApplicationKind::Pump) {
      for (auto [field, text] : {std::pair{"A120", "100.00"}, {"A121", "20.00"}, {"A123", "10.00"}}) {
        state.form.SetText(field, text);
      }
    }
    StoreFieldsToTable(state);
    ui.Clear();
  }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const auto& m : ui.Messages()) keys.push_back(m.key.empty() ? m.text : m.key);
    return keys;
  }
};

// The sections a DMC file needs, for a fan, before any other lines.
inline std::vector<std::string> RequiredFanSections() {
  return {"[APPLICATION]", "FAN",    "[CURVE]",    "HORIZONTAL", "[PRESSURE]", "0",
          "[FLOW]",        "0",      "[POWER]",    "0",          "[CURRENCY]", "0",
          "[FLOWLOCK]",    "1",      "[SYSTEM]",   "4"};
}

}  // namespace wattora::testing
