#!/usr/bin/env bash
# Builds the analysis-file fuzz target with clang into build-fuzz and runs it for a bounded
# time. Fails on any crash, leak, sanitizer report or input slower than one second.
#
#   fuzz/run.sh [seconds]      (default 120)
set -euo pipefail

seconds="${1:-120}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWATTORA_BUILD_FUZZ=ON -DWATTORA_BUILD_GUI=OFF -DWATTORA_BUILD_BENCH=OFF -DWATTORA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target wattora_file_fuzz

# New inputs go to a working corpus in the build folder; the committed seeds stay as they are.
corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
mkdir -p "$corpus" "$artifacts"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
"$build/bin/wattora_file_fuzz" \
  -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len=262144 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" \
  "$corpus" "$root/fuzz/corpus"
