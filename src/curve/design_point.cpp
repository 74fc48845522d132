#include "curve/design_point.h"

#include "analysis/number_notation.h"
#include "curve/curve_arithmetic.h"

namespace wattora {

double FieldValue(const MainWindowState& state, std::string_view field) {
  return ParseDisplayNumber(state.units, state.form.Text(field));
}

double FieldInCalculation(const MainWindowState& state, std::string_view field, UnitKind kind) {
  return ToCalculation(state.units, kind, FieldValue(state, field));
}

double PowerConstant(const MainWindowState& state) {
  const CurveModel& model = state.curve.Model;
  return state.record.Application == ApplicationKind::Pump ? model.PumpPowerConstant
                                                           : model.FanPowerConstant;
}

double ShaftPowerInHP(const MainWindowState& state) {
  const double power = FieldValue(state, "A122");
  return state.units.PowerUnit == 1 ? power / kKilowattsPerHorsepower : power;
}

void ShowDesignFlow(MainWindowState& state, double designFlow) {
  const UnitKind flow = FlowKind(state.record.Application);
  state.form.SetText(
      "A149", RoundedDisplayText(state.units, FromCalculation(state.units, flow, designFlow), 2));
}

}  // namespace wattora
