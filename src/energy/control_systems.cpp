#include "energy/control_systems.h"

namespace wattora {
namespace {

// A driven machine runs closer to its peak: its efficiency moves this share of the way from
// the curve efficiency up to the peak.
constexpr double kDriveEfficiencyRecovery = 0.75;

// Motor losses under the drive, as shares of the full-load loss: a fixed part with a
// torque-dependent rise, a torque-dependent part, and a speed-dependent part. At full torque,
// full speed and a fully loaded motor they add up to the full-load loss.
constexpr double kMotorFixedLoss = 0.35;
constexpr double kMotorFixedLossTorqueRise = 0.14;
constexpr double kMotorTorqueLoss = 0.35;
constexpr double kMotorSpeedLoss = 0.16;

// The drive loss at the motor's full-load input scales with this base plus this share of
// the load fraction.
constexpr double kDriveLossBase = 0.5;
constexpr double kDriveLossLoadShare = 0.5;

// Motor loss at part load on the mains: a fixed share of the full-load loss plus a share
// growing with the square of the load.
constexpr double kPartLoadFixedLoss = 0.51;
constexpr double kPartLoadVariableLoss = 0.49;

// Inlet guide vanes draw this share of the shaft power that the air power falls short of.
constexpr double kGuideVaneUnloadedShare = 0.45;

// The pressure of the system curve through the set point at zero flow and `designPressure`
// at the design flow.
double SystemCurve(const PowerInputs& in, double designPressure, double q) {
  return (designPressure - in.SetPointHead) * q * q + in.SetPointHead;
}

// Above the surge line: the parabola through the origin and the curve at the start flow.
// Without a start flow there is no surge line.
bool AboveSurgeLine(const PowerInputs& in, double pressure, double q, CheckedMath& math) {
  if (!(in.CurveStartFlow > 0)) return false;
  const double start = math.Div(in.CurveStartFlow, in.DesignFlow);
  return pressure > math.Div(in.SurgePressure * q * q, start * start);
}

double PartLoadMotorLoss(const PowerInputs& in, double shaftPower, CheckedMath& math) {
  const double load = math.Div(shaftPower, in.MotorPower);
  return in.MotorLossFactor * in.MotorPower *
         (kPartLoadFixedLoss + kPartLoadVariableLoss * load * load);
}

double WithFullLoadMotorLoss(const PowerInputs& in, double shaftPower) {
  return shaftPower + in.MotorLossFactor * shaftPower;
}

}  // namespace

bool SetMotorLosses(PowerInputs& inputs, double motorEfficiency, CheckedMath& math) {
  inputs.MotorLossFactor = math.Div(1 - motorEfficiency, motorEfficiency);
  inputs.FullLoadMotorLoss = inputs.MotorLossFactor * inputs.MotorPower;
  return !math.Failed();
}

double DriveSystemHead(const PowerInputs& in, double q, CheckedMath& math) {
  return math.Div(SystemCurve(in, in.DesignHead - in.RemovedPressureDrop, q), in.DesignHead);
}

StepPower DrivePower(const PowerInputs& in, double q, double s, double curveEfficiency,
                     CheckedMath& math) {
  const double efficiency =
      curveEfficiency + kDriveEfficiencyRecovery * (in.PeakEfficiency - curveEfficiency);
  const double shaft =
      math.Div(q * in.DesignFlow * s * in.DesignHead, in.PowerConstant * efficiency);

  // Speed follows the system curve without the removed pressure drop.
  const double speed =
      math.Sqrt(math.Div(SystemCurve(in, in.DesignPointPressure, q), in.DesignPointPressure));
  const double torque = math.Div(math.Div(shaft, in.ShaftPower), speed);
  const double motorLoad = math.Div(in.ShaftPower, in.MotorPower);
  const double torqueLoad = torque * motorLoad * motorLoad;
  const double lm = in.FullLoadMotorLoss;
  const double motorInput = shaft +
                            lm * (kMotorFixedLoss + kMotorFixedLossTorqueRise * torqueLoad) +
                            kMotorTorqueLoss * lm * torqueLoad + kMotorSpeedLoss * lm * speed;

  const double fullLoadInput = in.MotorPower + lm;
  const double loadFraction = math.Div(motorInput, fullLoadInput);
  const double driveLoss = math.Div(1 - in.DriveEfficiency, in.DriveEfficiency) * fullLoadInput *
                           (kDriveLossLoadShare * loadFraction + kDriveLossBase);
  return {math.Finite(motorInput + driveLoss), AboveSurgeLine(in, s * in.DesignHead, q, math)};
}

StepPower DamperOrValvePower(const PowerInputs& in, const CurveModel& curve, double q,
                             double curveEfficiency, CheckedMath& math) {
  const double flow = q * in.DesignFlow;
  const double pressure = RelativeCurvePressure(curve, in.HorizontalCurve, q) * in.DesignHead;
  const double shaft = math.Div(math.Div(flow * pressure, in.PowerConstant), curveEfficiency);
  const double power = shaft + PartLoadMotorLoss(in, shaft, math);
  // Below the start of the usable curve.
  const bool marked = in.CurveStartFlow > 0 && flow < in.CurveStartFlow;
  return {math.Finite(power), marked};
}

StepPower InletGuideVanePower(const PowerInputs& in, double q, CheckedMath& math) {
  const double head = math.Div(SystemCurve(in, in.DesignHead, q), in.DesignHead);
  const double airPower = head * q;
  const double shaft = (airPower + kGuideVaneUnloadedShare * (1 - airPower)) * in.ShaftPower;
  const double power = shaft + PartLoadMotorLoss(in, shaft, math);
  return {math.Finite(power), AboveSurgeLine(in, head * in.DesignHead, q, math)};
}

double CyclingPower(const PowerInputs& in, double q) {
  return WithFullLoadMotorLoss(in, q * in.ShaftPower);
}

double ConstantVolumePower(const PowerInputs& in) {
  return WithFullLoadMotorLoss(in, in.ShaftPower);
}

}  // namespace wattora
