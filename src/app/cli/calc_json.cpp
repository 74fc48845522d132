#include "app/cli/calc_json.h"

#include <span>

#include "app/cli/json_writer.h"
#include "energy/result_catalog.h"

namespace wattora {
namespace {

void NumberArray(JsonWriter& json, std::span<const double> values) {
  json.BeginArray();
  for (double v : values) json.Number(v);
  json.EndArray();
}

void Messages(JsonWriter& json, const ScriptedUserInterface& ui) {
  json.BeginArray();
  for (const MessageRequest& m : ui.Messages()) {
    json.BeginObject();
    json.Key("type");
    json.String(MessageTypeName(m.type));
    json.Key("key");
    if (m.key.empty()) json.Null();
    else json.String(m.key);
    json.Key("text");
    json.String(m.text);
    json.EndObject();
  }
  json.EndArray();
}

void Curve(JsonWriter& json, const MainWindowState& state) {
  const CurveModel& m = state.curve.Model;
  const PowerResults& r = state.energy.Results;
  const std::pair<std::string_view, double> values[] = {
      {"DesignFlow", m.DesignFlow},
      {"DesignHead", m.DesignHead},
      {"SetPointHead", m.SetPointHead},
      {"RemovedPressureDrop", m.RemovedPressureDrop},
      {"DesignEfficiency", m.DesignEfficiency},
      {"PeakEfficiency", m.PeakEfficiency},
      {"AddEfficiency", m.AddEfficiency},
      {"PeakEfficiencyFlow", m.PeakEfficiencyFlow},
      {"AddEfficiencyFlow", m.AddEfficiencyFlow},
      {"CurveStart", m.CurveStart},
      {"A_Horiz", m.A_Horiz},
      {"B_Horiz", m.B_Horiz},
      {"C_Horiz", m.C_Horiz},
      {"D_Horiz", m.D_Horiz},
      {"SurgePressure", state.SurgePressure},
      {"MinEfficiency", r.MinEfficiency},
      {"EfficiencyWidth", r.EfficiencyWidth},
  };
  json.BeginObject();
  for (const auto& [key, value] : values) {
    json.Key(key);
    json.Number(value);
  }
  json.EndObject();
}

void Duty(JsonWriter& json, const DutyCycle& duty) {
  json.BeginObject();
  json.Key("DutyShare");
  json.BeginArray();
  for (int share : duty.DutyShare) json.Integer(share);
  json.EndArray();
  json.Key("DutyTotal");
  json.Integer(duty.DutyTotal);
  json.Key("OperatingHours");
  json.Integer(duty.OperatingHours);
  json.Key("StepHours");
  NumberArray(json, duty.StepHours);
  json.EndObject();
}

void Result(JsonWriter& json, const SystemResult& result) {
  json.BeginObject();
  json.Key("InputPower");
  NumberArray(json, result.InputPower);
  json.Key("LimitMark");
  json.BeginArray();
  for (bool mark : result.LimitMark) json.Bool(mark);
  json.EndArray();
  json.Key("StepEnergy");
  NumberArray(json, result.StepEnergy);
  json.Key("AnnualEnergy");
  json.Number(result.AnnualEnergy);
  json.Key("AnnualEnergyCost");
  json.Number(result.AnnualEnergyCost);
  json.EndObject();
}

void Results(JsonWriter& json, const MainWindowState& state) {
  json.BeginObject();
  for (const NamedResult& named : ActiveResults(state.energy.Results, state.record.Application)) {
    json.Key(named.name);
    Result(json, *named.result);
  }
  json.EndObject();
}

void Costs(JsonWriter& json, const CostValues& c) {
  const std::pair<std::string_view, double> values[] = {
      {"DriveInitialTotal", c.DriveInitialTotal},
      {"ComparisonInitialTotal", c.ComparisonInitialTotal},
      {"DriveAnnualTotal", c.DriveAnnualTotal},
      {"ComparisonAnnualTotal", c.ComparisonAnnualTotal},
      {"InitialCostDifference", c.InitialCostDifference},
      {"OtherAnnualSavings", c.OtherAnnualSavings},
      {"EnergyCostSavings", c.EnergyCostSavings},
      {"IncentiveTotal", c.IncentiveTotal},
      {"PaybackYears", c.PaybackYears},
  };
  json.BeginObject();
  for (const auto& [key, value] : values) {
    json.Key(key);
    json.Number(value);
  }
  json.Key("CumulativeSavings");
  NumberArray(json, c.CumulativeSavings);
  json.Key("ComparisonAnnualEnergy");
  json.Number(c.ComparisonAnnualEnergy);
  json.EndObject();
}

}  // namespace

std::string CalcJson(const MainWindowState& state, const ScriptedUserInterface& ui) {
  JsonWriter json;
  json.BeginObject();
  json.Key("application");
  json.String(ApplicationText(state.record.Application));
  json.Key("page");
  json.Integer(state.form.Pages("CalcPanel").ActivePage());
  json.Key("calcError");
  json.Bool(state.CalcError);
  json.Key("messages");
  Messages(json, ui);
  json.Key("curve");
  Curve(json, state);
  json.Key("duty");
  Duty(json, state.energy.Duty);
  json.Key("results");
  Results(json, state);
  json.Key("costs");
  Costs(json, state.energy.Costs);
  json.Key("fields");
  json.BeginObject();
  state.form.ForEachField([&](const std::string& name, const TextField& field) {
    json.Key(name);
    json.String(field.Text());
  });
  json.EndObject();
  json.Key("labels");
  json.BeginObject();
  for (std::string_view name : ResultLabelNames()) {
    json.Key(name);
    json.String(state.form.LabelNamed(name).Caption());
  }
  json.EndObject();
  json.EndObject();
  return json.Text();
}

}  // namespace wattora
