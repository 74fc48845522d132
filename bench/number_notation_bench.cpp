// Display numbers are formatted and parsed for every label of every recalculation.
#include <benchmark/benchmark.h>

#include <string>

#include "analysis/number_notation.h"

namespace {

using wattora::UnitSettings;

void BM_FormatDisplayNumber(benchmark::State& state) {
  UnitSettings units;
  wattora::ApplyNumberNotation(units, static_cast<int>(state.range(0)), {".", ","});
  double value = 1234567.891;
  for (auto _ : state) {
    std::string text = wattora::FormatDisplayNumber(units, value, 2);
    benchmark::DoNotOptimize(text);
    value += 0.37;
  }
}
BENCHMARK(BM_FormatDisplayNumber)->Arg(1)->Arg(2);

void BM_ParseDisplayNumber(benchmark::State& state) {
  UnitSettings units;
  wattora::ApplyNumberNotation(units, static_cast<int>(state.range(0)), {".", ","});
  const std::string text = state.range(0) == 2 ? "1.234.567,89" : "1,234,567.89";
  for (auto _ : state) {
    double value = wattora::ParseDisplayNumber(units, text);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_ParseDisplayNumber)->Arg(1)->Arg(2);

}  // namespace
