#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test: the normal build, the sanitizer
# build and the fuzz target of the file reader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
# The analysis-file reader under the fuzzer, for a bounded time.
bash fuzz/run.sh "${WATTORA_FUZZ_SECONDS:-120}"
