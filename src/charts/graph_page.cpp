#include "charts/graph_page.h"

#include "charts/chart_names.h"

namespace wattora {
namespace {

// The step page "Energy Savings".
constexpr int kEnergySavingsPage = 4;

void ShowGraphPage(Form& form, bool shown) {
  form.SetVisible("StepsScreen", !shown);
  form.Pages("CalcPanel").SetVisible(!shown);
  form.SetVisible("GraphsScreen", shown);
  form.SetVisible("GraphPanel", shown);
}

}  // namespace

void OpenGraphPage(MainWindowState& state, GraphButton button) {
  Form& form = state.form;
  int tab = button == GraphButton::AnnualEnergyGraphs ? kEnergyTab : kPowerTab;
  if (form.Pages("CalcPanel").ActivePage() == kEnergySavingsPage) tab = kPaybackTab;
  ShowGraphPage(form, true);
  form.Pages("GraphControl").SetActivePage(tab);
}

void GraphPageGoBackClick(MainWindowState& state) { ShowGraphPage(state.form, false); }

}  // namespace wattora
