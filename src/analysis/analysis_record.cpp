#include "analysis/analysis_record.h"

#include <vector>

#include "analysis/number_notation.h"
#include "ui/utf8.h"

namespace wattora {
namespace {

int NumericMaxLength(int number) {
  if (number == 4 || number == 8) return 9;
  if (number == 9) return 10;
  if (number <= 19) return 6;
  if (number <= 23) return 10;
  if (number == 25) return 6;
  if (number <= 43) return 9;
  if (number <= 48) return 6;
  if (number >= 55 && number <= 57) return 7;
  return 13;
}

constexpr int kMirrorMaxLength = 6;

}  // namespace

std::string_view ComparisonButton(ComparisonSystem system) {
  return kComparisonButtons[static_cast<int>(system)];
}

std::string NumericFieldName(int number) {
  std::string name = "A1";
  name += static_cast<char>('0' + number / 10 % 10);
  name += static_cast<char>('0' + number % 10);
  return name;
}

const std::array<std::string_view, 58>& NumericFieldNames() {
  static const std::array<std::string, 58> names = [] {
    std::array<std::string, 58> all;
    std::size_t i = 0;
    for (int number = 1; number <= 59; ++number) {
      if (number != 24) all[i++] = NumericFieldName(number);
    }
    return all;
  }();
  static const std::array<std::string_view, 58> views = [] {
    std::array<std::string_view, 58> all;
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = names[i];
    return all;
  }();
  return views;
}

AnalysisRecord::AnalysisRecord(Form& form) : form_(form) {
  for (int number = 1; number <= 59; ++number) {
    if (number == 24) continue;
    TextField& field = form.AddField(NumericFieldName(number), NumericMaxLength(number));
    if (number == 53 || number == 56) field.SetReadOnly(true);
    if (number == 47 || number == 48) field.SetVisible(false);
  }
  for (std::string_view mirror : kMirrorFields) form.AddField(std::string(mirror), kMirrorMaxLength);

  form.AddField("QNUM", kProjectNameLength);
  form.AddField("QNUM1", kProjectNameLength);
  for (std::string_view name : kCustomerFields) form.AddField(std::string(name), kCustomerTextLength);
  for (std::string_view name : kCostNameFields) form.AddField(std::string(name), kCostNameLength);
  form.AddMemo("COSTMEMO");
  form.AddMemo("PREPFORMEMO");

  for (std::string_view button : kComparisonButtons) {
    form.AddRadioButton(std::string(button), "ComparisonSystem");
  }
  form.ChoiceNamed("R3").SetVisible(false);
  form.SetChecked("R5", true);
  form.AddCheckBox("HORIZ", true);
  form.AddRadioButton("LOCKA144", "CurveLock", true);
  form.AddRadioButton("LOCKA149", "CurveLock");
  for (std::string_view graph : kReportGraphChoices) form.AddCheckBox(std::string(graph), true);
}

std::optional<double> AnalysisRecord::Input(const UnitSettings& units, std::string_view field) const {
  const TextField& f = form_.Field(field);
  if (f.Empty()) return std::nullopt;
  return ParseDisplayNumber(units, f.Text());
}

ComparisonSystem AnalysisRecord::Comparison() const {
  for (std::size_t i = 0; i < kComparisonButtons.size(); ++i) {
    if (form_.Checked(kComparisonButtons[i])) return static_cast<ComparisonSystem>(i);
  }
  return ComparisonSystem::InletGuideVanes;
}

void AnalysisRecord::SetComparison(ComparisonSystem system) {
  form_.SetChecked(ComparisonButton(system), true);
}

void AnalysisRecord::RestrictComparisonToPump() {
  const ComparisonSystem current = Comparison();
  if (current == ComparisonSystem::FlowBypass || current == ComparisonSystem::InletGuideVanes) {
    SetComparison(ComparisonSystem::DamperOrValve);
  }
}

void AnalysisRecord::SetLimitedText(std::string_view field, std::string_view text) {
  TextField& f = form_.Field(field);
  f.SetText(f.MaxLength() > 0 ? Utf8Prefix(text, static_cast<std::size_t>(f.MaxLength())) : text);
}

void AnalysisRecord::ClearCustomerFields() {
  for (std::string_view name : kCustomerFields) form_.SetText(name, "");
}

void AnalysisRecord::ClearCostNames() {
  for (std::string_view name : kCostNameFields) form_.SetText(name, "");
}

void AnalysisRecord::RebuildMemos() {
  std::vector<std::string> costs;
  for (std::string_view name : kCostNameFields) costs.push_back(form_.Text(name));
  form_.MemoNamed("COSTMEMO").SetLines(std::move(costs));

  std::vector<std::string> customer;
  const std::string& name = form_.Text("PREPFOR");
  const std::string& title = form_.Text("Titlefor");
  if (!name.empty() && !title.empty()) customer.push_back(name + ", " + title);
  else if (!name.empty()) customer.push_back(name);
  else if (!title.empty()) customer.push_back(title);
  for (std::string_view field : {"Companyfor", "AddressFor", "AddressFor2", "ZipFor", "CountryFor"}) {
    if (!form_.Text(field).empty()) customer.push_back(form_.Text(field));
  }
  const std::pair<std::string_view, std::string_view> prefixed[] = {
      {"Telfor", "Phone: "}, {"Faxfor", "Fax: "}, {"EmailFor", "E-Mail: "}};
  for (const auto& [field, prefix] : prefixed) {
    if (!form_.Text(field).empty()) customer.push_back(std::string(prefix) + form_.Text(field));
  }
  form_.MemoNamed("PREPFORMEMO").SetLines(std::move(customer));
}

}  // namespace wattora
