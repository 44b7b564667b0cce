#!/usr/bin/env bash
# Builds and runs every test: the default preset, the asan preset, then the
# fuzzers' smoke runs. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh

jobs=$(nproc)
status=0

summary=$(mktemp)
trap 'rm -f "$summary"' EXIT

run_preset() {
  local preset=$1 log
  echo "== preset $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  log=$(mktemp)
  ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log" || status=1
  if [ "$preset" = default ]; then tail -n 3 "$log" >"$summary"; fi
  rm -f "$log"
}

run_preset default
run_preset asan

echo "== fuzz smoke runs"
scripts/fuzz.sh --smoke || status=1

echo "== Windows sources (MinGW)"
scripts/check-win32.sh || status=1

# ctest's own summary of the default preset closes the run.
echo "== summary (default preset)"
cat "$summary"
exit $status
