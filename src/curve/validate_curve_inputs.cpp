#include "curve/validate_curve_inputs.h"

#include <optional>

#include "analysis/number_notation.h"
#include "curve/check_note.h"
#include "curve/curve_arithmetic.h"
#include "curve/design_point.h"
#include "ui/messages.h"

namespace wattora {
namespace {

// The default end point lies at this multiple of the design flow.
constexpr double kEndPointFlowRatio = 2.0;

class Validation {
 public:
  Validation(MainWindowState& state, bool showMessages)
      : state_(state), showMessages_(showMessages) {}

  bool Run() {
    Prepare();
    if (Empty("A152") || Empty("A153") || Empty("A154")) return true;
    if (!PressureRulesPass()) return false;
    return EfficiencyRulesPass();
  }

 private:
  double Value(std::string_view field) const { return FieldValue(state_, field); }
  bool Empty(std::string_view field) const { return state_.form.Field(field).Empty(); }
  void Write(std::string_view field, double value, int decimals) {
    state_.form.SetText(field, FormatDisplayNumber(state_.units, value, decimals));
  }
  // Rewrites a field with its own value at 1 decimal.
  void Normalize(std::string_view field) { Write(field, Value(field), 1); }

  void Prepare() {
    Form& form = state_.form;
    HideCheckNote(form);
    form.SetText("A153", form.Text("A149"));
    const float endPoint = static_cast<float>(Value("A159"));
    const float designFlow = static_cast<float>(Value("A149"));
    if (endPoint < designFlow) {
      ShowMessage(state_.ui, TextTable::MainWindow, MessageType::Information, "IDS_10",
                  {Button::OK});
      Write("A159", kEndPointFlowRatio * designFlow, 2);
      form.SetText("A158", "0");
    }
  }

  // The message box when asked for, then the check note unless the rule keeps it hidden.
  // The result of a failing rule is false; the caller makes the repairs.
  bool Fail(std::string_view key, bool showNote = true) {
    if (showMessages_) {
      ShowMessage(state_.ui, TextTable::MainWindow, MessageType::Information, key, {Button::OK});
    }
    if (showNote) ShowCheckNote(state_.form, Message(TextTable::MainWindow, key));
    return false;
  }

  bool PressureRulesPass() {
    const double q1 = Value("A152"), qd = Value("A153"), q2 = Value("A154");
    const double h1 = Value("A155"), hd = Value("A156"), h2 = Value("A157");
    if (state_.form.Checked("HORIZ") && q1 >= qd) return Fail("IDS_60");
    if (q1 == qd && h1 != hd) return Fail("IDS_61");
    if (q1 == q2 && h1 != h2) return Fail("IDS_62");
    if (qd == q2 && hd != h2) return Fail("IDS_63");
    if (qd == q2) return Fail("IDS_64");
    if (q1 > qd && h1 >= hd) return Fail("IDS_65");
    if (q2 > qd && h2 >= hd) return Fail("IDS_66");
    if (q1 < qd && h1 <= hd) return Fail("IDS_67");
    if (q2 < qd && h2 <= hd) return Fail("IDS_68");
    return true;
  }

  // The efficiency in percent that the design flow q (user units) implies:
  // Q / (K x P / H) x 100 with Q in calculation units; nullopt on an arithmetic failure.
  std::optional<double> ImpliedEfficiency(double q) const {
    const double flow = ToCalculation(state_.units, FlowKind(state_.record.Application), q);
    try {
      const double perUnitEfficiency = CheckedDivide(PowerConstant(state_) * ShaftPowerInHP(state_),
                                                     state_.curve.Model.DesignHead);
      return CheckedDivide(flow, perUnitEfficiency) * 100;
    } catch (const ArithmeticFault&) {
      return std::nullopt;
    }
  }

  bool EfficiencyRulesPass() {
    const double eD = Value("A144"), eP = Value("A145"), eA = Value("A146");
    const double qD = Value("A149"), qP = Value("A150"), qA = Value("A151");
    Form& form = state_.form;

    if (form.Checked("LOCKA149")) {
      const std::optional<double> implied = ImpliedEfficiency(qD);
      if (!implied) return false;
      const double e = *implied;
      if (qD == qP && eD != eP) return Fail("IDS_69");
      if (qD != qP && eD > eP) {
        Fail("IDS_70");
        Normalize("A144");
        Normalize("A145");
        Write("A144", e, 1);
        return !(e > eP);  // the repaired design efficiency may lie within the peak
      }
      if (RoundThroughText(e, 1) > eP) {
        Fail("IDS_71");
        Write("A144", e, 1);
        return false;
      }
      const std::optional<double> singleImplied = ImpliedEfficiency(static_cast<float>(qD));
      if (!singleImplied) return false;
      if (*singleImplied > 100) {
        Fail("IDS_72");
        Write("A144", *singleImplied, 1);
        return false;
      }
    }

    if (qA == qP && eA != eP) return Fail("IDS_73", false);  // shown in the message box only
    if (eA > eP) {
      Fail("IDS_74");
      Normalize("A146");
      Normalize("A145");
      return false;
    }
    if (eP / 2 > eA) {
      Fail("IDS_75");
      Normalize("A146");
      Normalize("A145");
      return false;
    }
    if (form.Checked("LOCKA144") && eD > eP) {
      Fail("IDS_76");
      RaisePeakToDesignEfficiency(eD);
      return false;
    }
    return true;
  }

  // Rule 17's repair: the peak efficiency becomes the design efficiency and A149 shows the
  // design flow that efficiency gives.
  void RaisePeakToDesignEfficiency(double eD) {
    Normalize("A144");
    Write("A145", Value("A144"), 1);
    try {
      const double designFlow =
          RoundThroughText(CheckedDivide(PowerConstant(state_) * eD / 100 * ShaftPowerInHP(state_),
                                         state_.curve.Model.DesignHead),
                           2);
      ShowDesignFlow(state_, designFlow);
    } catch (const ArithmeticFault&) {
      // A zero design head leaves A149 as it was; the result is false anyway.
    }
  }

  MainWindowState& state_;
  bool showMessages_;
};

}  // namespace

bool ValidateCurveInputs(MainWindowState& state, bool showMessages) {
  return Validation(state, showMessages).Run();
}

}  // namespace wattora
