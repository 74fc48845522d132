#pragma once
// The data of the one analysis being edited. Its inputs, choices and texts are components
// of the main window's form under their component names; the record adds them to the form
// and gives them meaning.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/application_kind.h"
#include "analysis/unit_settings.h"
#include "ui/form.h"

namespace wattora {

enum class ComparisonSystem { ConstantVolume, Cycling, FlowBypass, DamperOrValve, InletGuideVanes };

// "R1" to "R5".
std::string_view ComparisonButton(ComparisonSystem system);

// The numeric input fields A101 to A159 (no A124), in number order.
const std::array<std::string_view, 58>& NumericFieldNames();
// The duty-cycle copies of A101 to A103.
inline constexpr std::array<std::string_view, 3> kMirrorFields = {"A101A", "A102A", "A103A"};
// The customer texts of step 1, each at most 45 characters.
inline constexpr std::array<std::string_view, 10> kCustomerFields = {
    "PREPFOR", "Titlefor", "Companyfor", "AddressFor", "AddressFor2",
    "ZipFor",  "CountryFor", "Telfor",   "Faxfor",     "EmailFor"};
// The ten other-cost names in the order of COSTMEMO, each at most 25 characters.
inline constexpr std::array<std::string_view, 10> kCostNameFields = {
    "OTHER1_INI_C", "OTHER2_INI_C", "OTHER1_INI_D", "OTHER2_INI_D", "OTHER1_ANU_C",
    "OTHER2_ANU_C", "OTHER3_ANU_C", "OTHER1_ANU_D", "OTHER2_ANU_D", "OTHER3_ANU_D"};
inline constexpr std::array<std::string_view, 5> kComparisonButtons = {"R1", "R2", "R3", "R4", "R5"};
inline constexpr std::array<std::string_view, 5> kReportGraphChoices = {"G1", "G2", "G3", "G4", "G5"};

inline constexpr std::size_t kProjectNameLength = 30;
inline constexpr std::size_t kCustomerTextLength = 45;
inline constexpr std::size_t kCostNameLength = 25;

// The field name of a parameter number: "A1" and two digits.
std::string NumericFieldName(int number);

class AnalysisRecord {
 public:
  explicit AnalysisRecord(Form& form);

  Form& form() { return form_; }
  const Form& form() const { return form_; }

  ApplicationKind Application = ApplicationKind::None;
  bool Modified = false;
  std::string CurrentFileName;

  // The value of a numeric input in display units; nullopt for an empty field.
  std::optional<double> Input(const UnitSettings& units, std::string_view field) const;
  bool IsEmpty(std::string_view field) const { return form_.Field(field).Empty(); }

  ComparisonSystem Comparison() const;
  void SetComparison(ComparisonSystem system);
  // A pump has no flow bypass and no inlet guide vanes: R3 and R5 become R4.
  void RestrictComparisonToPump();

  // A text of the record, cut to the field's length in characters.
  void SetLimitedText(std::string_view field, std::string_view text);

  void ClearCustomerFields();
  void ClearCostNames();
  // PREPFORMEMO and COSTMEMO from the customer fields and the cost names.
  void RebuildMemos();

 private:
  Form& form_;
};

}  // namespace wattora
