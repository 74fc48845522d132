// Reading and loading the example fan analysis, and writing it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/main_window_state.h"
#include "files/analysis_commands.h"
#include "files/analysis_file_writer.h"
#include "options/memory_settings_store.h"
#include "ui/scripted_user_interface.h"

namespace {

const std::string kExample = std::string(WATTORA_SOURCE_DIR) + "/examples/fan_office_tower.DMC";

struct Window {
  wattora::ScriptedUserInterface ui;
  wattora::MainWindowState state{ui};
  wattora::MemorySettingsStore store;
  Window() { wattora::CreateMainWindow(state); }
};

void BM_OpenExampleFanFile(benchmark::State& bench) {
  Window w;
  for (auto _ : bench) {
    w.state.record.Modified = false;  // no save question between the opens
    const auto outcome = wattora::OpenNamedAnalysis(w.state, w.store, kExample);
    if (outcome != wattora::OpenOutcome::Loaded) bench.SkipWithError("example did not load");
  }
}
BENCHMARK(BM_OpenExampleFanFile);

void BM_FormatExampleFanFile(benchmark::State& bench) {
  Window w;
  wattora::OpenNamedAnalysis(w.state, w.store, kExample);
  for (auto _ : bench) {
    std::string text = wattora::FormatAnalysisFile(w.state, "12/11/26");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatExampleFanFile);

void BM_WriteExampleFanFile(benchmark::State& bench) {
  Window w;
  wattora::OpenNamedAnalysis(w.state, w.store, kExample);
  const std::string path =
      (std::filesystem::temp_directory_path() / "wattora_bench_fan.DMC").string();
  for (auto _ : bench) {
    if (!wattora::WriteAnalysisFile(w.state, path)) bench.SkipWithError("write failed");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteExampleFanFile);

}  // namespace
