#include "app/navigation_components.h"

namespace wattora {

void AddNavigationComponents(Form& form) {
  form.AddPanel("MainMenuScreen", true);
  form.AddPanel("GuideScreen", false);
  form.AddPanel("StepsScreen", false);
  form.AddPanel("GraphsScreen", false);
  form.AddPageControl("CalcPanel", kStepPageCount);
  form.AddPanel("Step2", true);
  form.AddPanel("DutyCyclePanel", false);
  form.AddPanel("FanAdvanced", false);
  form.AddPanel("ADVANCEDGRAPH", false);
  form.AddPanel("GraphPanel", false);
  form.AddPanel("Step6Panel", true);
  form.AddPageControl("GraphControl", kGraphPageCount);
}


}  // namespace wattora
