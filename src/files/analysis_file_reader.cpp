#include "files/analysis_file_reader.h"

#include <array>
#include <charconv>
#include <optional>

#include "analysis/number_notation.h"
#include "charts/curve_charts.h"
#include "energy/costs.h"
#include "files/file_io.h"
#include "files/parameter_line.h"
#include "files/windows1252.h"
#include "ui/messages.h"

namespace wattora {
namespace {

enum class Section {
  None,
  Ignored,  // "[FILE INFO]" and "[INFO]"
  Data,
  Application,
  System,
  Curve,
  ProjectName,
  Cost,
  Customer,
  Pressure,
  Flow,
  Power,
  Currency,
  CurrencySymbol,
  FlowLock,
};

struct SectionLine {
  std::string_view text;
  Section section;
};

constexpr std::array<SectionLine, 16> kSectionLines = {{
    {"[DATA RUXS]", Section::Data},
    {"[APPLICATION]", Section::Application},
    {"[SYSTEM]", Section::System},
    {"[CURVE]", Section::Curve},
    {"[PROJECT NAME]", Section::ProjectName},
    {"[COST INFO]", Section::Cost},
    {"[CUSTOMER INFO]", Section::Customer},
    {"[PRESSURE]", Section::Pressure},
    {"[UNITS]", Section::Pressure},
    {"[FLOW]", Section::Flow},
    {"[POWER]", Section::Power},
    {"[CURRENCY]", Section::Currency},
    {"[CURRENCY-C1]", Section::CurrencySymbol},
    {"[FLOWLOCK]", Section::FlowLock},
    {"[FILE INFO]", Section::Ignored},
    {"[INFO]", Section::Ignored},
}};

constexpr std::string_view kLegacyUnitsLine = "[UNITS]";

constexpr std::size_t kCustomerLinesTaken = 14;
constexpr std::size_t kCustomerSlots = 20;
constexpr std::size_t kCustomerLineLength = 60;
constexpr std::size_t kCostLinesTaken = 10;
// Cost names are read as long as their fields are, so a name survives a save and an open.
constexpr std::size_t kCostLineLength = kCostNameLength;
constexpr std::size_t kCurrencySymbolLength = 4;

constexpr int kElectricityCostPosition = 4;
constexpr float kLegacyElectricityCostDivisor = 100.0f;

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  const std::size_t end = text.find_last_not_of(' ');
  return text.substr(begin, end - begin + 1);
}

// The value of a line whose leading digits are its value: accepted when its first
// character lies in '0' + low to '0' + high and the number its leading digits form does too
// (so "12" is no fan pressure index, where the first digit alone would be one).
bool IndexIn(std::string_view t, int low, int high, int& value) {
  if (t.empty() || t[0] < '0' + low || t[0] > '0' + high) return false;
  std::size_t digits = 0;
  while (digits < t.size() && t[digits] >= '0' && t[digits] <= '9') ++digits;
  int parsed = 0;
  auto [ptr, error] = std::from_chars(t.data(), t.data() + digits, parsed);
  if (error != std::errc() || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

class Reader {
 public:
  Reader(MainWindowState& state, ReadPass pass, const ReadOptions& options)
      : state_(state), pass_(pass), options_(options) {}

  FileReadResult Run(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
      std::size_t end = bytes.find('\n', start);
      const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
      if (end == std::string_view::npos) end = bytes.size();
      std::string_view line = bytes.substr(start, end - start);
      if (!line.empty() && line.back() == '\r' && end < bytes.size()) line.remove_suffix(1);
      start = next;
      ++lineNumber_;
      HandleLine(line);
      if (result_.stopped) return result_;
    }
    result_.legacy = legacy_;
    if (!CheckComplete()) return result_;
    if (pass_ == ReadPass::Check) ApplyUnits();
    else ApplyRecordValues();
    result_.complete = true;
    return result_;
  }

 private:
  void HandleLine(std::string_view r) {
    const std::string_view t = TrimSpaces(r);
    for (const SectionLine& s : kSectionLines) {
      if (t == s.text) {
        section_ = s.section;
        if (t == kLegacyUnitsLine) legacy_ = true;
        return;
      }
    }
    int value = 0;
    switch (section_) {
      case Section::None:
      case Section::Ignored:
        return;
      case Section::Application:
        if (t == "FAN") result_.applicationType = kFileTypeFan;
        else if (t == "PUMP") result_.applicationType = kFileTypePump;
        else if (t == "COOLING TOWER") result_.applicationType = kFileTypeCoolingTower;
        else return;
        seen_.application = true;
        return;
      case Section::System:
        if (IndexIn(t, 1, 5, value)) {
          systemCode_ = value;
          seen_.system = true;
        }
        return;
      case Section::Curve:
        if (t == "HORIZONTAL" || t == "NON-HORIZONTAL") {
          horizontal_ = t == "HORIZONTAL";
          seen_.curve = true;
        }
        return;
      case Section::Pressure: {
        const int high = result_.applicationType == kFileTypeFan    ? kFanPressureUnitCount - 1
                         : result_.applicationType == kFileTypePump ? kPumpPressureUnitCount - 1
                                                             : -1;
        if (high >= 0 && IndexIn(t, 0, high, value)) {
          pressure_ = value;
          seen_.pressure = true;
        }
        return;
      }
      case Section::Flow: {
        const int high = result_.applicationType == kFileTypeFan    ? kFanFlowUnitCount - 1
                         : result_.applicationType == kFileTypePump ? kPumpFlowUnitCount - 1
                                                             : -1;
        if (high >= 0 && IndexIn(t, 0, high, value)) {
          flow_ = value;
          seen_.flow = true;
        }
        return;
      }
      case Section::Power:
        if (IndexIn(t, 0, 1, value)) {
          power_ = value;
          seen_.power = true;
        }
        return;
      case Section::Currency:
        if (IndexIn(t, 0, 3, value)) {
          currency_ = value;
          seen_.currency = true;
        }
        return;
      case Section::CurrencySymbol:
        if (!t.empty()) {
          currencySymbol_ = std::string(t.substr(0, kCurrencySymbolLength));
          seen_.currencySymbol = true;
        }
        return;
      case Section::FlowLock:
        if (IndexIn(t, 0, 1, value)) {
          flowLock_ = value;
          seen_.flowLock = true;
        }
        return;
      case Section::ProjectName:
        if (!t.empty()) {
          result_.projectName = Windows1252ToUtf8(t);
          seen_.projectName = true;
        }
        return;
      case Section::Customer:
        if (customerCount_ < kCustomerLinesTaken) {
          customer_[customerCount_++] = std::string(r.substr(0, kCustomerLineLength));
        }
        return;
      case Section::Cost:
        if (costCount_ < kCostLinesTaken) cost_[costCount_++] = std::string(r.substr(0, kCostLineLength));
        return;
      case Section::Data:
        HandleParameterLine(t);
        return;
    }
  }

  void HandleParameterLine(std::string_view t) {
    const ParameterLine line = ParseParameterLine(t);
    if (line.kind == ParameterLineKind::Ignored) return;
    if (line.kind == ParameterLineKind::Malformed) {
      if (!options_.askMalformedLines) return;
      state_.ui.Beep();
      std::string text(Message(TextTable::MessageHolder, "IDS_8"));
      text += std::to_string(lineNumber_);
      text += " !";
      if (Ask(state_.ui, MessageType::Confirmation, text, {Button::OK, Button::Cancel}, "IDS_8") ==
          Button::Cancel) {
        result_.stopped = true;
      }
      return;
    }
    if (pass_ == ReadPass::Check) return;
    if (line.position > state_.table.ParameterCount()) {
      AskToContinue(MessageType::Confirmation, "IDS_6");
      return;
    }
    bool found = false;
    const auto value = static_cast<float>(line.value);
    for (int position = 1; position <= state_.table.ParameterCount() && !result_.stopped; ++position) {
      ParameterEntry& entry = *state_.table.At(position);
      if (entry.groupLetter != line.groupLetter || entry.groupDigit != line.groupDigit ||
          entry.number != line.number) {
        continue;
      }
      found = true;
      // One above the maximum is still accepted.
      if (value >= entry.minValue && value <= entry.maxValue + 1.0f) {
        entry.currentValue = value;
        continue;
      }
      std::string first = entry.description;
      first += Message(TextTable::MessageHolder, "IDS_1");
      std::string minimum(Message(TextTable::MessageHolder, "IDS_2"));
      minimum += ReformatFixedText(state_.units, FixedText(entry.minValue, 2), 2);
      std::string maximum(Message(TextTable::MessageHolder, "IDS_3"));
      maximum += ReformatFixedText(state_.units, FixedText(entry.maxValue, 2), 2);
      std::string text = first + '\r' + '\r' + minimum + '\r' + maximum + '\r' + '\r';
      text += Message(TextTable::MessageHolder, "IDS_4");
      if (Ask(state_.ui, MessageType::Error, text, {Button::Yes, Button::Abort}, "IDS_1") == Button::Abort) {
        result_.stopped = true;
      }
    }
    if (!found) {
      AskToContinue(MessageType::Error, "IDS_5");
    }
  }

  // The message of the key, a line break and "Continue?", with Yes and Abort.
  void AskToContinue(MessageType type, std::string_view key) {
    std::string text(Message(TextTable::MessageHolder, key));
    text += '\r';
    text += Message(TextTable::MessageHolder, "IDS_4");
    if (Ask(state_.ui, type, text, {Button::Yes, Button::Abort}, key) == Button::Abort) {
      result_.stopped = true;
    }
  }

  // A unit index read under one application and kept after a later application line
  // switched to the other one may not exist there: it counts as missing.
  void DropUnitsTheApplicationLacks() {
    if (legacy_) return;
    const bool fan = result_.applicationType == kFileTypeFan;
    const bool pump = result_.applicationType == kFileTypePump;
    if (!fan && !pump) return;
    if (pressure_ > (fan ? kFanPressureUnitCount : kPumpPressureUnitCount) - 1) seen_.pressure = false;
    if (flow_ > (fan ? kFanFlowUnitCount : kPumpFlowUnitCount) - 1) seen_.flow = false;
  }

  bool CheckComplete() {
    DropUnitsTheApplicationLacks();
    const char* missing = nullptr;
    if (!seen_.application || !seen_.flowLock || !seen_.system) missing = "IDS_9";
    else if (!seen_.curve) missing = "IDS_10";
    else if (!seen_.pressure) missing = "IDS_11";
    else if (!legacy_ && !seen_.flow) missing = "IDS_12";
    else if (!legacy_ && !seen_.power) missing = "IDS_13";
    else if (!legacy_ && !seen_.currency) missing = "IDS_14";
    if (missing == nullptr) return true;
    ShowMessage(state_.ui, TextTable::MessageHolder, MessageType::Error, missing, {Button::OK});
    return false;
  }

  void ApplyUnits() {
    UnitSettings& units = state_.units;
    const bool fan = result_.applicationType == kFileTypeFan;
    const bool pump = result_.applicationType == kFileTypePump;
    if (legacy_) {
      units.PowerUnit = 0;
      units.CurrencyChoice = 0;
      units.CurrencySymbol = "$";
      if (fan) {
        units.FanPressureUnit = 0;
        units.FanFlowUnit = 0;
      } else if (pump) {
        // Legacy pump files say 1 for PSI; anything else is feet of water.
        units.PumpPressureUnit = pressure_ == 1 ? 0 : 1;
        units.PumpFlowUnit = 0;
      }
      return;
    }
    units.PowerUnit = power_;
    units.CurrencyChoice = currency_;
    units.CurrencySymbol =
        currency_ == 3 ? Windows1252ToUtf8(currencySymbol_) : CurrencySymbolFor(currency_, {});
    if (fan) {
      units.FanPressureUnit = pressure_;
      units.FanFlowUnit = flow_;
    } else if (pump) {
      units.PumpPressureUnit = pressure_;
      units.PumpFlowUnit = flow_;
    }
  }

  void ApplyRecordValues() {
    Form& form = state_.form;
    const std::string_view lock = flowLock_ == 1 ? "LOCKA144" : "LOCKA149";
    form.SetChecked(lock, true);
    LockClick(state_, lock);

    if (legacy_) {
      if (ParameterEntry* cost = state_.table.At(kElectricityCostPosition)) {
        cost->currentValue /= kLegacyElectricityCostDivisor;
      }
    }

    // While the file is applied the click handling of HORIZ does nothing; the comparison
    // system's runs as for a click.
    state_.ApplyingFile = true;
    std::optional<ComparisonSystem> system;
    switch (systemCode_) {
      case 1: system = ComparisonSystem::ConstantVolume; break;
      case 2: system = ComparisonSystem::Cycling; break;
      case 3:
      case 4: system = ComparisonSystem::DamperOrValve; break;
      case 5: system = ComparisonSystem::InletGuideVanes; break;
      default: break;
    }
    if (system) {
      state_.record.SetComparison(*system);
      ComparisonClick(state_, *system);
    }

    for (std::size_t i = 0; i < kCustomerFields.size(); ++i) {
      form.SetText(kCustomerFields[i], Windows1252ToUtf8(customer_[i]));
    }
    for (std::size_t i = 0; i < kCostNameFields.size(); ++i) {
      form.SetText(kCostNameFields[i], Windows1252ToUtf8(cost_[i]));
    }
    form.SetChecked("HORIZ", horizontal_);
    state_.ApplyingFile = false;
  }

  MainWindowState& state_;
  const ReadPass pass_;
  const ReadOptions options_;
  FileReadResult result_;

  Section section_ = Section::None;
  struct {
    bool application = false, system = false, curve = false, pressure = false, flow = false,
         power = false, currency = false, currencySymbol = false, flowLock = false,
         projectName = false;
  } seen_;
  int pressure_ = 0;
  int flow_ = 0;
  int power_ = 0;
  int currency_ = 0;
  std::string currencySymbol_;
  int systemCode_ = 0;
  bool horizontal_ = true;
  int flowLock_ = 1;
  bool legacy_ = false;
  std::size_t customerCount_ = 0;
  std::size_t costCount_ = 0;
  std::array<std::string, kCustomerSlots> customer_{};
  std::array<std::string, kCostLinesTaken> cost_{};
  long long lineNumber_ = 0;
};

}  // namespace

void ShowFileError(UserInterface& ui) {
  Ask(ui, MessageType::Warning, kFileErrorText, {Button::OK});
}

bool LoadAnalysisFileBytes(UserInterface& ui, std::string_view path, std::string& bytes) {
  if (ReadFileBytes(PathFromUtf8(path), bytes, kMaxAnalysisFileSize)) return true;
  ShowFileError(ui);
  return false;
}

FileReadResult ReadAnalysisText(MainWindowState& state, std::string_view bytes, ReadPass pass,
                                const ReadOptions& options) {
  return Reader(state, pass, options).Run(bytes);
}

FileReadResult ReadAnalysisFile(MainWindowState& state, std::string_view path, ReadPass pass) {
  std::string bytes;
  if (!LoadAnalysisFileBytes(state.ui, path, bytes)) {
    FileReadResult result;
    result.unreadable = true;
    return result;
  }
  return ReadAnalysisText(state, bytes, pass);
}

}  // namespace wattora
