#include <charconv>
#include <cmath>
#include <string>

#include "analysis/number_notation.h"
#include "charts/result_charts.h"
#include "energy/comparison_display.h"
#include "energy/costs.h"
#include "energy/result_text.h"
#include "ui/messages.h"

namespace wattora {
namespace {

// Without annual savings the drive never pays back.
constexpr double kNeverPaysBack = 10000;
constexpr double kImmediatePayback = 0.01;  // years
constexpr double kLongestShownPayback = 5;  // years
constexpr int kPaybackDecimals = 2;

// The comparison buttons in the order they are tested.
constexpr ComparisonSystem kComparisonOrder[] = {
    ComparisonSystem::ConstantVolume, ComparisonSystem::Cycling, ComparisonSystem::DamperOrValve,
    ComparisonSystem::InletGuideVanes};

std::string_view MainWindowText(std::string_view key) {
  return Message(TextTable::MainWindow, key);
}

// The same text in every number notation: "." as the decimal point, no grouping.
std::string PaybackText(double years) {
  if (years <= kImmediatePayback) return std::string(MainWindowText("IDS_91"));
  if (years > kLongestShownPayback) return std::string(MainWindowText("IDS_90"));
  char digits[32];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, years,
                                       std::chars_format::fixed, kPaybackDecimals);
  std::string text(digits, ec == std::errc() ? end : digits);
  text += ' ';
  text += MainWindowText("IDS_89");
  return text;
}

// The result whose energy cost the drive saves; a pump has no inlet guide vanes.
const SystemResult* SavingsComparison(const MainWindowState& state, ComparisonSystem system) {
  if (state.record.Application == ApplicationKind::Pump &&
      system == ComparisonSystem::InletGuideVanes) {
    return nullptr;
  }
  return ComparisonResult(state.energy.Results, state.record.Application, system);
}

}  // namespace

void ShowSavingsAndPayback(MainWindowState& state) {
  Form& form = state.form;
  const UnitSettings& units = state.units;
  CostValues& costs = state.energy.Costs;
  const SystemResult& drive = state.energy.Results.DriveResult;
  auto value = [&](std::string_view field) { return ParseDisplayNumber(units, form.Text(field)); };

  const ComparisonSystem* checked = nullptr;
  for (const ComparisonSystem& system : kComparisonOrder) {
    if (form.Checked(ComparisonButton(system))) {
      checked = &system;
      break;
    }
  }
  if (checked) ComparisonClick(state, *checked);

  form.SetCaption("SystemCompareLabel2", form.LabelNamed("SystemName").Caption());
  ShowWholeNumber(form, units, "DRIVETOTALKWHR", drive.AnnualEnergy);
  ShowAmount(form, units, "ENERGYCOSTDRIVE", drive.AnnualEnergyCost);
  ShowAmount(form, units, "OTHERCOSTCOMPARE", costs.ComparisonAnnualTotal);
  ShowAmount(form, units, "INITCOSTCOMPARE", costs.ComparisonInitialTotal);
  ShowAmount(form, units, "OTHERCOSTDRIVE", costs.DriveAnnualTotal);
  ShowAmount(form, units, "INITCOSTDRIVE", costs.DriveInitialTotal);
  const double driveCost = value("A109");
  ShowAmount(form, units, "DRIVEPR", driveCost);

  costs.InitialCostDifference = costs.ComparisonInitialTotal - costs.DriveInitialTotal;
  // What the drive system costs more at the start, the drive included.
  const double extraInitialCost = driveCost - costs.InitialCostDifference;
  ShowAmount(form, units, "INITIALCOSTSAVINGS", extraInitialCost);
  costs.OtherAnnualSavings = costs.ComparisonAnnualTotal - costs.DriveAnnualTotal;
  ShowAmount(form, units, "ANNUALCOSTSAVINGS", costs.OtherAnnualSavings);
  if (const SystemResult* comparison = checked ? SavingsComparison(state, *checked) : nullptr) {
    costs.EnergyCostSavings = comparison->AnnualEnergyCost - drive.AnnualEnergyCost;
  }
  ShowAmount(form, units, "ENERGYCOSTSAVINGS", costs.EnergyCostSavings);
  // The incentive rate is per HP of motor power, also when power is entered in kW.
  costs.IncentiveTotal = value("A108") * ToCalculation(units, UnitKind::Power, value("A105"));
  ShowAmount(form, units, "UTILITYINCENTIVE", costs.IncentiveTotal);

  const double annualSavings = costs.OtherAnnualSavings + costs.EnergyCostSavings;
  const double years = (extraInitialCost - costs.IncentiveTotal) / annualSavings;
  costs.PaybackYears = annualSavings > 0 && std::isfinite(years) ? years : kNeverPaysBack;
  form.SetCaption("PAYBACKLABEL", PaybackText(costs.PaybackYears));

  for (std::size_t year = 0; year < costs.CumulativeSavings.size(); ++year) {
    costs.CumulativeSavings[year] =
        costs.IncentiveTotal - extraInitialCost + annualSavings * static_cast<double>(year);
  }
  DrawPaybackChart(state);
}

void RebuildTextLists(MainWindowState& state) { state.record.RebuildMemos(); }

}  // namespace wattora
