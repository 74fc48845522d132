#pragma once

#include <string>
#include <vector>

#include "app/analysis_steps.h"
#include "energy/recalculate.h"
#include "test_support.h"

namespace wattora::testing {

// A new analysis whose step 2 is filled as a user would: 50 HP shaft, motor and drive power,
// 0.1 per kWh, a drive at 15000; in a pump analysis also 100 ft design head, 20 ft static
// head and 10 ft removed. The first recalculation has applied the default curve.
struct StartedAnalysis : TestWindow {
  explicit StartedAnalysis(ApplicationKind kind = ApplicationKind::Fan) {
    state.options.ShowIntroduction = false;
    StartAnalysis(state, kind);
    for (auto [field, text] : {std::pair{"A104", "0.1"}, {"A105", "50"}, {"A122", "50"},
                               {"A125", "50"}, {"A109", "15000"}}) {
      state.form.SetText(field, text);
    }
    if (kind == ApplicationKind::Pump) {
      for (auto [field, text] : {std::pair{"A120", "100"}, {"A121", "20"}, {"A123", "10"}}) {
        state.form.SetText(field, text);
      }
    }
    Recalculate(state);
    ui.Clear();
  }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const auto& m : ui.Messages()) keys.push_back(m.key);
    return keys;
  }
  bool Shown(std::string_view panel) const { return state.form.Visible(panel); }
};

}  // namespace wattora::testing
