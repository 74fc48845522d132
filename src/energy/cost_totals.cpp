#include <array>
#include <cmath>
#include <span>

#include "analysis/number_notation.h"
#include "energy/costs.h"
#include "energy/result_text.h"

namespace wattora {
namespace {

struct CostGroup {
  std::array<std::string_view, 5> fields;  // an empty name ends a shorter group
  double CostValues::*total;
  std::string_view label;
};

constexpr std::array<CostGroup, 4> kCostGroups = {{
    {{"A126", "A127", "A128", "A129", "A130"}, &CostValues::DriveInitialTotal,
     "TOTAL_INI_COST_DRIVE"},
    {{"A131", "A132", "A133", "A134", "A135"}, &CostValues::ComparisonInitialTotal,
     "TOTAL_INI_COST_COMPARE"},
    {{"A136", "A137", "A138", "A139", ""}, &CostValues::DriveAnnualTotal, "TOTAL_ANU_COST_DRIVE"},
    {{"A140", "A141", "A142", "A143", ""}, &CostValues::ComparisonAnnualTotal,
     "TOTAL_ANU_COST_COMPARE"},
}};

}  // namespace

void ComputeCostTotals(MainWindowState& state) {
  for (const CostGroup& group : kCostGroups) {
    double total = 0;
    for (std::string_view field : group.fields) {
      if (!field.empty()) total += ParseDisplayNumber(state.units, state.form.Text(field));
    }
    // A total that is not a number stops here; the remaining totals keep their old values.
    if (!std::isfinite(total)) return;
    state.energy.Costs.*group.total = total;
    ShowAmount(state.form, state.units, group.label, total);
  }
}

}  // namespace wattora
