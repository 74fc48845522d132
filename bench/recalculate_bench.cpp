// Recalculation of the default fan analysis on the form model, and the heap allocations
// made inside the power-at-flow stage.
#include <benchmark/benchmark.h>

#include "counting_allocator.h"
#include "app/analysis_steps.h"
#include "app/main_window_state.h"
#include "energy/power_at_flow.h"
#include "energy/recalculate.h"
#include "ui/scripted_user_interface.h"

namespace {

// The default fan analysis: a new fan analysis with the step-2 defaults typed in.
struct DefaultFan {
  wattora::ScriptedUserInterface ui;
  wattora::MainWindowState state{ui};
  DefaultFan() {
    wattora::CreateMainWindow(state);
    state.options.ShowIntroduction = false;
    wattora::StartAnalysis(state, wattora::ApplicationKind::Fan);
    for (auto [field, text] : {std::pair{"A104", "0.100"}, {"A105", "50.0"}, {"A122", "50.0"},
                               {"A125", "50.0"}, {"A109", "15,000"}}) {
      state.form.SetText(field, text);
    }
    wattora::Recalculate(state);
  }
};

void BM_Recalculate(benchmark::State& bench) {
  DefaultFan fan;
  for (auto _ : bench) {
    wattora::Recalculate(fan.state);
    benchmark::DoNotOptimize(fan.state.energy.Results.DriveResult.InputPower[100]);
  }
}
BENCHMARK(BM_Recalculate);

void BM_ComputePowerAtFlow(benchmark::State& bench) {
  DefaultFan fan;
  long allocations = 0;
  for (auto _ : bench) {
    const long before = wattora::bench::AllocationCount();
    wattora::ComputePowerAtFlow(fan.state);
    allocations += wattora::bench::AllocationCount() - before;
    benchmark::DoNotOptimize(fan.state.energy.Results.DriveResult.InputPower[100]);
  }
  bench.counters["allocations_per_call"] =
      benchmark::Counter(static_cast<double>(allocations) / static_cast<double>(bench.iterations()));
}
BENCHMARK(BM_ComputePowerAtFlow);

}  // namespace
