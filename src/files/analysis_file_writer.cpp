#include "files/analysis_file_writer.h"

#include <ctime>

#include "files/analysis_file_reader.h"
#include "files/file_io.h"
#include "files/parameter_line.h"
#include "files/windows1252.h"

#if defined(__unix__) || defined(__APPLE__)
#include <locale.h>
#define WATTORA_POSIX_LOCALE 1
#endif

namespace wattora {
namespace {

// The nine customer fields of "[INFO]": all but the second address line.
constexpr std::array<std::string_view, 9> kInfoFields = {
    "PREPFOR", "Titlefor", "Companyfor", "AddressFor", "ZipFor",
    "CountryFor", "Telfor", "Faxfor", "EmailFor"};

class Lines {
 public:
  void Add(std::string_view line) {
    // A line break inside a text would split it into lines of other sections.
    for (const char c : line) text_ += (c == '\r' || c == '\n') ? ' ' : c;
    text_ += "\r\n";
  }
  void Empty() { text_ += "\r\n"; }
  // A section line, an empty line, the value (left out when empty) and an empty line.
  void Value(std::string_view section, std::string_view value) {
    Add(section);
    Empty();
    if (!value.empty()) Add(value);
    Empty();
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

std::string_view SystemCode(ComparisonSystem system) {
  switch (system) {
    case ComparisonSystem::ConstantVolume: return "1";
    case ComparisonSystem::Cycling: return "2";
    case ComparisonSystem::FlowBypass: return "3";
    case ComparisonSystem::DamperOrValve: return "4";
    case ComparisonSystem::InletGuideVanes: return "5";
  }
  return "5";
}

}  // namespace

std::string FormatAnalysisFile(const MainWindowState& state, std::string_view date) {
  const Form& form = state.form;
  const UnitSettings& units = state.units;
  const bool pump = state.record.Application == ApplicationKind::Pump;

  Lines out;
  out.Add("[FILE INFO]");
  out.Empty();
  out.Add("FILE TYPE  : " + std::string(kFileMagic) + " " + std::string(kFileVersion));
  out.Add("DATE       : " + std::string(date));
  out.Empty();
  out.Value("[APPLICATION]", ApplicationText(state.record.Application));
  out.Value("[CURVE]", form.Checked("HORIZ") ? "HORIZONTAL" : "NON-HORIZONTAL");
  out.Value("[PRESSURE]", std::to_string(pump ? units.PumpPressureUnit : units.FanPressureUnit));
  out.Value("[FLOW]", std::to_string(pump ? units.PumpFlowUnit : units.FanFlowUnit));
  out.Value("[POWER]", std::to_string(units.PowerUnit));
  out.Value("[CURRENCY]", std::to_string(units.CurrencyChoice));
  out.Value("[CURRENCY-C1]", units.CurrencySymbol);
  out.Value("[FLOWLOCK]", form.Checked("LOCKA144") ? "1" : "0");
  out.Value("[SYSTEM]", SystemCode(state.record.Comparison()));
  out.Value("[PROJECT NAME]", form.Text("QNUM"));
  out.Add("[CUSTOMER INFO]");
  for (std::string_view field : kCustomerFields) out.Add(form.Text(field));
  out.Add("[COST INFO]");
  for (const std::string& name : form.MemoNamed("COSTMEMO").Lines()) out.Add(name);
  out.Empty();
  out.Add("[DATA RUXS]");
  out.Empty();
  for (int position = 1; position <= state.table.ParameterCount(); ++position) {
    out.Add(FormatParameterLine(*state.table.At(position)));
  }
  out.Empty();
  out.Add("[INFO]");
  for (std::string_view field : kInfoFields) out.Add(form.Text(field));
  return Utf8ToWindows1252(out.Text());
}

bool WriteAnalysisFile(MainWindowState& state, std::string_view path) {
  if (path.empty() || !ReplaceFile(PathFromUtf8(path), FormatAnalysisFile(state, ShortDateText()))) {
    ShowFileError(state.ui);
    return false;
  }
  return true;
}

std::string ShortDateText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char buffer[64];
  std::size_t size = 0;
#ifdef WATTORA_POSIX_LOCALE
  locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
  if (locale != static_cast<locale_t>(nullptr)) {
    size = strftime_l(buffer, sizeof buffer, "%x", &local, locale);
    freelocale(locale);
  }
#endif
  if (size == 0) size = std::strftime(buffer, sizeof buffer, "%x", &local);
  return std::string(buffer, size);
}

}  // namespace wattora
