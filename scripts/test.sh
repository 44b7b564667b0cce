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

# ctest's own summaries close the run, the Windows suite's last.
for preset in default windows; do
  echo "== summary ($preset preset)"
  grep -E "tests passed|Total Test time" "$logs/$preset.log" || status=1
done
exit $status
