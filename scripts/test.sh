#!/usr/bin/env bash
# Builds and runs every test: the default preset, the asan preset, then the
# fuzzers' smoke runs. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh

jobs=$(nproc)
status=0

run_preset() {
  local preset=$1
  echo "== preset $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" || status=1
}

run_preset default
run_preset asan

echo "== fuzz smoke runs"
scripts/fuzz.sh --smoke || status=1

echo "== Windows sources (MinGW)"
scripts/check-win32.sh || status=1

# ctest's own summary of the default preset closes the run.
echo "== summary (default preset)"
ctest --preset default -j "$jobs" 2>&1 | tail -n 3 || status=1
exit $status
