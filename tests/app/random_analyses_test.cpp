// Thousands of random but plausible analyses through the command line's code path: whatever
// the inputs, nothing crashes, every text shown is well formed and the results that are
// computed are finite and consistent.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "analysis/number_notation.h"
#include "app/cli/calc_command.h"
#include "app/cli/calc_json.h"
#include "curve/check_note.h"
#include "test_support.h"

namespace wattora {
namespace {

class AnalysisGenerator {
 public:
  explicit AnalysisGenerator(unsigned seed) : rng_(seed) {}

  CalcRequest Next() {
    CalcRequest r;
    const bool pump = Chance(0.5);
    r.newKind = pump ? ApplicationKind::Pump : ApplicationKind::Fan;
    units_ = UnitSettings{};
    const int notation = Chance(0.5) ? 1 : 2;
    ApplyNumberNotation(units_, notation, {".", ","});
    Option(r, "NTU", notation);
    units_.FanPressureUnit = Option(r, "FPU", Int(0, 4));
    units_.FanFlowUnit = Option(r, "FFU", Int(0, 5));
    units_.PumpPressureUnit = Option(r, "PPU", Int(0, 5));
    units_.PumpFlowUnit = Option(r, "PFU", Int(0, 4));
    units_.PowerUnit = Option(r, "PWU", Int(0, 1));
    Option(r, "CRU", Int(0, 3));

    const UnitKind pressure = pump ? UnitKind::PumpHead : UnitKind::FanPressure;
    const UnitKind flow = pump ? UnitKind::PumpFlow : UnitKind::FanFlow;
    const double headFt = Real(1, 200);  // calculation units
    if (pump || Chance(0.5)) {
      Set(r, "A120", FromCalculation(units_, pressure, headFt));
      Set(r, "A121", FromCalculation(units_, pressure, headFt * Real(0, 0.9)));
      Set(r, "A123", FromCalculation(units_, pressure, headFt * Real(0, 0.3)));
    }
    const double motorHp = Real(1, 800);
    Set(r, "A104", Real(0.02, 0.4), 3);
    Set(r, "A105", FromCalculation(units_, UnitKind::Power, motorHp), 1);
    Set(r, "A122", FromCalculation(units_, UnitKind::Power, motorHp * Real(0.5, 1.0)), 1);
    Set(r, "A125", FromCalculation(units_, UnitKind::Power, motorHp * Real(1.0, 1.3)), 1);
    Set(r, "A109", Real(0, 200000), 0);
    if (Chance(0.3)) Set(r, "A106", Real(70, 99), 1);
    if (Chance(0.3)) Set(r, "A108", Real(0, 100), 0);
    if (Chance(0.5)) {
      for (int f = 126; f <= 143; f += Int(1, 6)) Set(r, "A" + std::to_string(f), Real(0, 50000), 0);
    }
    if (Chance(0.3)) DutyCycle(r);
    if (Chance(0.4)) Curve(r, flow, pressure, headFt);
    const char* systems[] = {"R1", "R2", "R4", "R5"};
    r.actions.push_back({true, systems[Int(0, pump ? 2 : 3)], {}});
    r.page = Chance(0.8) ? 4 : Int(0, 5);
    return r;
  }

  const UnitSettings& Units() const { return units_; }

 private:
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }

  int Option(CalcRequest& r, const char* key, int value) {
    r.options.emplace_back(key, std::to_string(value));
    return value;
  }
  void Set(CalcRequest& r, const std::string& field, double value, int decimals = 2) {
    r.actions.push_back({false, field, FormatDisplayNumber(units_, value, decimals)});
  }

  void DutyCycle(CalcRequest& r) {
    int left = 100;
    for (int f = 110; f <= 119; ++f) {
      const int share = f == 119 ? left : Int(0, left);
      left -= share;
      Set(r, "A" + std::to_string(f), share, 0);
    }
  }

  // Advanced curve data: either lock, either curve form, points around the design point.
  void Curve(CalcRequest& r, UnitKind flow, UnitKind pressure, double headFt) {
    if (Chance(0.5)) r.actions.push_back({true, "HORIZ", {}});
    r.actions.push_back({true, "ADVANCED", {}});
    const double designFlow = Real(100, 200000);
    if (Chance(0.5)) {
      r.actions.push_back({true, "LOCKA149", {}});
      Set(r, "A149", FromCalculation(units_, flow, designFlow));
    } else {
      Set(r, "A144", Real(40, 90), 1);
    }
    Set(r, "A145", Real(60, 92), 1);
    Set(r, "A146", Real(30, 80), 1);
    Set(r, "A150", FromCalculation(units_, flow, designFlow * Real(0.7, 1.3)));
    Set(r, "A151", FromCalculation(units_, flow, designFlow * Real(0.2, 1.6)));
    Set(r, "A155", FromCalculation(units_, pressure, headFt * Real(1.0, 1.6)));
    Set(r, "A154", FromCalculation(units_, flow, designFlow * Real(1.1, 2.5)));
    Set(r, "A157", FromCalculation(units_, pressure, headFt * Real(0, 0.9)));
    Set(r, "A158", FromCalculation(units_, flow, designFlow * Real(0, 0.6)));
    Set(r, "A159", FromCalculation(units_, flow, designFlow * Real(1.0, 2.5)));
    r.actions.push_back({true, "GOBACKSTEP2", {}});
  }

  std::mt19937 rng_;
  UnitSettings units_;
};

// A number as FormatDisplayNumber writes it: digits grouped by the thousands separator and
// an optional decimal part, with an optional leading minus.
bool WellFormedNumber(const UnitSettings& units, const std::string& token) {
  const std::size_t point = token.find(units.DecimalSeparator);
  const int decimals = point == std::string::npos ? 0 : int(token.size() - point - 1);
  if (decimals > 4) return false;
  return FormatDisplayNumber(units, ParseDisplayNumber(units, token), decimals) == token;
}

// Every run of digits and separators in a text is a well-formed number.
void ExpectWellFormedText(const UnitSettings& units, const std::string& name, const std::string& text) {
  for (const char* bad : {"nan", "inf", "NaN", "Inf"}) {
    ASSERT_EQ(text.find(bad), std::string::npos) << name << ": " << text;
  }
  std::size_t i = 0;
  while (i < text.size()) {
    const bool startsNumber = std::isdigit(static_cast<unsigned char>(text[i])) ||
                              (text[i] == '-' && i + 1 < text.size() &&
                               std::isdigit(static_cast<unsigned char>(text[i + 1])));
    if (!startsNumber) {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) ||
                               ((text[j] == '.' || text[j] == ',') && j + 1 < text.size() &&
                                std::isdigit(static_cast<unsigned char>(text[j + 1]))))) {
      ++j;
    }
    const std::string token = text.substr(i, j - i);
    ASSERT_TRUE(WellFormedNumber(units, token)) << name << ": '" << token << "' in '" << text << "'";
    i = j;
  }
}

void ExpectConsistentResults(const MainWindowState& state) {
  const PowerResults& r = state.energy.Results;
  const bool pump = state.record.Application == ApplicationKind::Pump;
  const SystemResult* results[] = {&r.DriveResult, &r.ConstantVolumeResult, &r.CyclingResult,
                                   pump ? &r.ThrottlingValveResult : &r.OutletDamperResult,
                                   pump ? &r.ThrottlingValveResult : &r.InletGuideVaneResult};
  for (const SystemResult* result : results) {
    for (double p : result->InputPower) ASSERT_TRUE(std::isfinite(p));
    for (double e : result->StepEnergy) ASSERT_TRUE(std::isfinite(e));
    ASSERT_TRUE(std::isfinite(result->AnnualEnergyCost));
  }
  const auto& constant = r.ConstantVolumeResult.InputPower;
  const auto& cycling = r.CyclingResult.InputPower;
  for (int i = 2; i <= 100; ++i) {
    ASSERT_DOUBLE_EQ(constant[i], constant[1]) << "constant volume at " << i << " %";
    ASSERT_NEAR(cycling[i] / i, cycling[100] / 100, 1e-9 * std::fabs(cycling[100])) << i;
  }
}

TEST(RandomAnalyses, NeverCrashAndShowOnlyWellFormedFigures) {
  testing::TerminateHookGuard hook;
  AnalysisGenerator generator(20261211);
  int completed = 0;
  constexpr int kAnalyses = 2000;
  for (int n = 0; n < kAnalyses; ++n) {
    const CalcRequest request = generator.Next();
    ScriptedUserInterface ui;
    MainWindowState state(ui);
    std::string problem;
    ASSERT_NE(ExecuteCalcRequest(request, state, problem), CalcOutcome::WrongRequest) << problem;
    std::string json = CalcJson(state, ui);
    for (std::size_t at; (at = json.find("\"key\":null")) != std::string::npos;) json.erase(at, 10);
    ASSERT_EQ(json.find("null"), std::string::npos) << "a non-finite figure in analysis " << n;
    state.form.ForEachField([&](const std::string& name, const TextField& field) {
      if (name.size() == 4 && name[0] == 'A') ExpectWellFormedText(state.units, name, field.Text());
    });
    // The payback time is written with "." whatever the notation.
    UnitSettings pointNotation;
    ApplyNumberNotation(pointNotation, 1, {".", ","});
    state.form.ForEachLabel([&](const std::string& name, const Label& label) {
      ExpectWellFormedText(name == "PAYBACKLABEL" ? pointNotation : state.units, name, label.Caption());
    });
    if (::testing::Test::HasFatalFailure()) FAIL() << "analysis " << n;
    if (state.CalcError) {
      // A failed calculation says so: a message box or the check note.
      ASSERT_TRUE(!ui.Messages().empty() || CheckNoteVisible(state.form)) << "analysis " << n;
    } else if (!state.StepChangeBusy) {
      ExpectConsistentResults(state);
      if (::testing::Test::HasFatalFailure()) FAIL() << "analysis " << n;
      ++completed;
    } else {
      ASSERT_FALSE(ui.Messages().empty()) << "analysis " << n << " ended early without a word";
    }
  }
  // The generator makes mostly valid analyses: most of them must get through.
  EXPECT_GT(completed, kAnalyses / 4);
}

}  // namespace
}  // namespace wattora
