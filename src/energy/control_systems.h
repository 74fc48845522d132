#pragma once
// The input power of the installation at one flow step for each way of controlling the flow.
// Power in HP, flow and pressure in the calculation units of the application, efficiencies
// as fractions, q the flow as a fraction of the design flow.

#include "curve/curve_model.h"
#include "energy/checked_math.h"

namespace wattora {

struct PowerInputs {
  double ShaftPower = 0;         // Ps, at the design point
  double MotorPower = 0;         // Pm, rated
  double MotorLossFactor = 0;    // (1 - motor efficiency) / motor efficiency
  double FullLoadMotorLoss = 0;  // Lm = factor x Pm
  double DriveEfficiency = 0;
  double PeakEfficiency = 0;  // of the fan (or pump) curve
  double DesignHead = 0;
  double SetPointHead = 0;
  double RemovedPressureDrop = 0;
  double DesignPointPressure = 0;
  double DesignFlow = 0;
  double PowerConstant = 0;  // air (or water) power = flow x pressure / constant
  double CurveStartFlow = 0;
  double SurgePressure = 0;  // curve pressure at the curve start flow
  bool HorizontalCurve = true;
};

// Motor input and loss model for a motor efficiency; false when the efficiency is zero.
bool SetMotorLosses(PowerInputs& inputs, double motorEfficiency, CheckedMath& math);

struct StepPower {
  double Power = 0;     // HP
  bool Marked = false;  // beyond the system design limit
};

// System head with the drive, relative to the design head; the curve is invalid where it is
// negative.
double DriveSystemHead(const PowerInputs& in, double q, CheckedMath& math);

// The drive at relative system head s with the curve efficiency at this flow.
StepPower DrivePower(const PowerInputs& in, double q, double s, double curveEfficiency,
                     CheckedMath& math);
// Outlet dampers (fan) or throttling valve (pump): the machine rides its own curve.
StepPower DamperOrValvePower(const PowerInputs& in, const CurveModel& curve, double q,
                             double curveEfficiency, CheckedMath& math);
StepPower InletGuideVanePower(const PowerInputs& in, double q, CheckedMath& math);
double CyclingPower(const PowerInputs& in, double q);
double ConstantVolumePower(const PowerInputs& in);

}  // namespace wattora
