#!/usr/bin/env bash
# Builds and runs every test: the default preset and its .deb, the asan
# preset, the fuzzers' smoke runs, then the windows preset under Wine. Exits non-zero on
# any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap-tests.sh

jobs=$(nproc)
status=0
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

run_preset() {
  local preset=$1
  echo "== preset $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$logs/$preset.log" || status=1
}

run_preset default
# The .deb of the default build, unpacked and run.
scripts/check-deb.sh || status=1
run_preset asan

echo "== fuzz smoke runs"
scripts/fuzz.sh --smoke || status=1

echo "== Windows sources (MinGW)"
scripts/check-win32.sh || status=1

# The core, ecview-cli.exe and the Qt-free tests built for Windows and run
# under Wine, then the ZIP on its own.
run_preset windows
scripts/check-windows-zip.sh || status=1

# ctest's own summaries close the run, the Windows suite's last, each with
# the names of the tests that failed: only the run's tail may be kept.
for preset in default asan windows; do
  echo "== summary ($preset preset)"
  grep -E "tests passed|Total Test time" "$logs/$preset.log" || status=1
  sed -n '/The following tests FAILED/,$p' "$logs/$preset.log" | grep -E "^[[:space:]]+[0-9]+ - " || true
done
# A failed test runs once more at the very end, so its own output is
# in the tail too, and whether it fails again says if it was the load.
for preset in default asan windows; do
  if grep -q "The following tests FAILED" "$logs/$preset.log"; then
    echo "== failed $preset tests, run again"
    ctest --preset "$preset" --rerun-failed 2>&1 | tail -n 60 || true
  fi
done
exit $status
