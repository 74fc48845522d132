#include "energy/power_at_flow.h"

#include "analysis/number_notation.h"
#include "energy/annual_energy.h"
#include "energy/control_systems.h"
#include "energy/duty_cycle.h"
#include "energy/efficiency_curve.h"
#include "energy/limit_marks.h"

namespace wattora {
namespace {

constexpr double kPercent = 100;
constexpr int kFullFlow = kFlowSteps - 1;

struct RunInputs {
  PowerInputs power;
  double motorEfficiency = 0;
};

RunInputs ReadRunInputs(MainWindowState& state) {
  const Form& form = state.form;
  auto value = [&](std::string_view field) {
    return ParseDisplayNumber(state.units, form.Text(field));
  };
  auto horsepower = [&](std::string_view field) {
    return ToCalculation(state.units, UnitKind::Power, value(field));
  };
  CurveModel& model = state.curve.Model;
  model.ShaftPowerHP = horsepower("A122");

  RunInputs run;
  PowerInputs& in = run.power;
  in.ShaftPower = model.ShaftPowerHP;
  in.MotorPower = horsepower("A105");
  run.motorEfficiency = value("A106") / kPercent;
  in.DriveEfficiency = value("A107") / kPercent;
  in.PeakEfficiency = model.PeakEfficiency;
  in.DesignHead = model.DesignHead;
  in.SetPointHead = model.SetPointHead;
  in.RemovedPressureDrop = model.RemovedPressureDrop;
  in.DesignPointPressure = model.DesignPointPressure;
  in.DesignFlow = model.DesignFlow;
  in.PowerConstant = state.record.Application == ApplicationKind::Pump ? model.PumpPowerConstant
                                                                       : model.FanPowerConstant;
  in.CurveStartFlow = model.CurveStartFlow;
  in.SurgePressure = state.SurgePressure;
  in.HorizontalCurve = form.Checked("HORIZ");
  return run;
}

// A marked step below full flow takes the power of the step above it; as the loop runs
// from full flow down, a run of marked steps all take the power of the lowest unmarked one.
bool Store(SystemResult& result, int percent, StepPower step, const CheckedMath& math,
           bool hasLimitTest) {
  if (math.Failed()) return false;
  if (hasLimitTest) result.LimitMark[percent] = step.Marked;
  result.InputPower[percent] =
      step.Marked && percent < kFullFlow ? result.InputPower[percent + 1] : step.Power;
  return true;
}

}  // namespace

PowerRun RunPowerAtFlow(MainWindowState& state) {
  const ApplicationKind application = state.record.Application;
  if (application == ApplicationKind::None) return PowerRun::Completed;
  const bool pump = application == ApplicationKind::Pump;
  UpdateStepHours(state.energy.Duty);

  RunInputs run = ReadRunInputs(state);
  PowerInputs& in = run.power;
  PowerResults& results = state.energy.Results;
  EfficiencyCurve efficiency;
  if (!FitEfficiencyCurve(state.curve.Model, results, efficiency)) {
    return PowerRun::ArithmeticFailure;
  }
  CheckedMath setup;
  if (!SetMotorLosses(in, run.motorEfficiency, setup)) return PowerRun::ArithmeticFailure;

  const CurveModel& curve = state.curve.Model;
  SystemResult& damperOrValve = pump ? results.ThrottlingValveResult : results.OutletDamperResult;
  for (int percent = kFullFlow; percent >= 1; --percent) {
    const double q = percent / kPercent;
    CheckedMath math;
    const double s = DriveSystemHead(in, q, math);
    if (math.Failed()) return PowerRun::ArithmeticFailure;
    if (s < 0) return PowerRun::InvalidSystemCurve;
    const double e = EfficiencyAt(efficiency, percent, math);

    // In this order, so that a fault leaves the systems before it rewritten at this step.
    if (!Store(results.DriveResult, percent, DrivePower(in, q, s, e, math), math, true) ||
        !Store(damperOrValve, percent, DamperOrValvePower(in, curve, q, e, math), math, true) ||
        !Store(results.CyclingResult, percent, {math.Finite(CyclingPower(in, q))}, math, false) ||
        !Store(results.ConstantVolumeResult, percent, {math.Finite(ConstantVolumePower(in))},
               math, false) ||
        (!pump && !Store(results.InletGuideVaneResult, percent, InletGuideVanePower(in, q, math),
                         math, true))) {
      return PowerRun::ArithmeticFailure;
    }
  }
  return PowerRun::Completed;
}

void ComputePowerAtFlow(MainWindowState& state) {
  ReportPowerFailure(state, RunPowerAtFlow(state));
}

bool ComputePowerAndEnergy(MainWindowState& state) {
  const PowerRun run = RunPowerAtFlow(state);
  if (run != PowerRun::Completed) {
    ReportPowerFailure(state, run);
    return false;
  }
  if (!AccumulateAnnualEnergy(state)) {
    ReportArithmeticFailure(state);
    return false;
  }
  ShowDriveLimitMarks(state);
  ShowDriveResults(state);
  return true;
}

}  // namespace wattora
