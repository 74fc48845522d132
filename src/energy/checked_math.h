#pragma once
// Arithmetic that records a fault (division by zero, a logarithm or root out of its domain,
// a result that is not finite) instead of carrying inf or nan on. A calculation is written
// straight through and asks Failed() once before it stores anything.

#include <cmath>

namespace wattora {

class CheckedMath {
 public:
  double Div(double numerator, double denominator) {
    if (denominator == 0) return Fault();
    return Finite(numerator / denominator);
  }
  double Sqrt(double x) {
    if (!(x >= 0)) return Fault();
    return std::sqrt(x);
  }
  double Log(double x) {
    if (!(x > 0)) return Fault();
    return Finite(std::log(x));
  }
  double Exp(double x) { return Finite(std::exp(x)); }
  double Finite(double x) { return std::isfinite(x) ? x : Fault(); }

  bool Failed() const { return failed_; }

 private:
  // The value returned after a fault only keeps the arithmetic going until Failed() is asked.
  double Fault() {
    failed_ = true;
    return 0;
  }
  bool failed_ = false;
};

}  // namespace wattora
