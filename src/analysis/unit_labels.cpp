#include "analysis/unit_labels.h"

#include <array>

namespace wattora {
namespace {

constexpr std::array<std::string_view, 6> kPressureFields = {"A120", "A121", "A123",
                                                             "A155", "A156", "A157"};
constexpr std::array<std::string_view, 8> kFlowFields = {"A149", "A150", "A151", "A152",
                                                         "A153", "A154", "A158", "A159"};
constexpr std::array<std::string_view, 3> kPowerFields = {"A105", "A122", "A125"};

void SetLabel(Form& form, std::string_view field, std::string_view caption) {
  form.SetCaption(UnitLabelName(field), caption);
}

void RefreshPowerAndRateLabels(Form& form, const UnitSettings& units) {
  const std::string_view power = UnitCaption(units, UnitKind::Power);
  for (std::string_view field : kPowerFields) SetLabel(form, field, power);
  SetLabel(form, "A104", units.CurrencySymbol);
  SetLabel(form, "A109", units.CurrencySymbol);
  SetLabel(form, "A108", units.CurrencySymbol + "/" + std::string(power));
}

}  // namespace

std::string UnitLabelName(std::string_view field) { return std::string(field) + "_UNIT"; }

void AddUnitLabels(Form& form) {
  for (std::string_view field : NumericFieldNames()) form.AddLabel(UnitLabelName(field));
  form.SetCaption(UnitLabelName("A101"), "hours");
  form.SetCaption(UnitLabelName("A102"), "days");
  form.SetCaption(UnitLabelName("A103"), "weeks");
  form.SetCaption(UnitLabelName("A106"), "%");
  form.SetCaption(UnitLabelName("A107"), "%");
}

void RefreshMoneyAndPowerLabels(Form& form, const UnitSettings& units) {
  for (int number = 26; number <= 43; ++number) {
    SetLabel(form, NumericFieldName(number), units.CurrencySymbol);
  }
  RefreshPowerAndRateLabels(form, units);
}

void RefreshUnitLabels(Form& form, const AnalysisRecord& record, const UnitSettings& units) {
  const ApplicationKind kind = record.Application;
  if (kind == ApplicationKind::None) return;
  const std::string_view pressure = UnitCaption(units, PressureKind(kind));
  const std::string_view flow = UnitCaption(units, FlowKind(kind));
  for (std::string_view field : kPressureFields) SetLabel(form, field, pressure);
  for (std::string_view field : kFlowFields) SetLabel(form, field, flow);
  RefreshPowerAndRateLabels(form, units);
  form.ChoiceNamed("G2").SetCaption(kind == ApplicationKind::Pump ? "Pump/Control Curve"
                                                                  : "Fan/Control Curve");
}

}  // namespace wattora
