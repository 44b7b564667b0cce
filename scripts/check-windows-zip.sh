#!/usr/bin/env bash
# Packs the windows build's ZIP and checks it on its own: it holds
# ecview-cli.exe and the read-me, nothing else, and the program runs --help
# and dump under Wine from a folder with no DLL in it.
#   check-windows-zip.sh [BUILD_FOLDER]   (default build-windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-windows}")

(cd "$build" && cpack -G ZIP >/dev/null)
zip=$(ls -t "$build"/ecview-cli-*-windows-x64.zip | head -n 1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")

contents=$(cd "$work" && find . -type f | sort | tr '\n' ' ')
if [ "$contents" != "./README.txt ./ecview-cli.exe " ]; then
  echo "check-windows-zip: unexpected contents: $contents"
  exit 1
fi
cp "$root/examples/sample.ec" "$work/sample.ec"
run() { "$root/scripts/wine-run.sh" "$build/wine" "$work/ecview-cli.exe" "$@"; }
run --help | grep -q "dump" || { echo "check-windows-zip: --help printed no subcommands"; exit 1; }
run dump "$work/sample.ec" | head -n 1 | grep -qx ".版本 2" || { echo "check-windows-zip: dump failed"; exit 1; }
rm "$work/sample.ec"
echo "check-windows-zip: $(basename "$zip") ($(stat -c %s "$zip") bytes) holds $contents; --help and dump run under Wine"
