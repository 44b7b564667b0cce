#!/usr/bin/env bash
# Builds ecview and opens a module (examples/sample.ec by default).
set -euo pipefail
cd "$(dirname "$0")/.."
module=${1:-examples/sample.ec}
scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
if [ -x build/ecview ]; then
  exec build/ecview "$module"
fi
exec build/ecview-cli dump --json "$module"
