#!/usr/bin/env bash
# Runs the Linux and the Windows ecview-cli (the latter under Wine) on the same
# modules and compares what they print, byte for byte: standard output,
# standard error and exit status of dump (as text, with --crlf, as JSON),
# segments and search.
#   compare-cli-output.sh LINUX_CLI WINDOWS_CLI WINEPREFIX MODULE_OR_FOLDER...
# Exits 77 (skipped) when the Linux program or every module is missing.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
linux=$1 windows=$2 prefix=$3
shift 3

if [ ! -x "$linux" ]; then
  echo "compare-cli-output: no Linux ecview-cli at $linux (build the default preset first)"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Copies: neither program may ever write into the originals.
mkdir -p "$work/modules"
for source in "$@"; do
  if [ -d "$source" ]; then
    find "$source" -maxdepth 1 -type f \( -name '*.ec' -o -name '*.e' \) -exec cp {} "$work/modules/" \;
  elif [ -f "$source" ]; then
    cp "$source" "$work/modules/"
  fi
done
modules=("$work"/modules/*)
if [ ! -e "${modules[0]}" ]; then
  echo "compare-cli-output: no modules to compare"
  exit 77
fi

dump_forms=("" "--crlf" "--json")
# Another form of dump joins in as soon as the tool offers it.
if "$linux" dump --help | grep -q -- '--gbk'; then dump_forms+=("--gbk"); fi

compared=0
differing=0
compare() { # label, arguments...
  local label=$1
  shift
  "$linux" "$@" >"$work/linux.out" 2>"$work/linux.err"
  echo "status $?" >>"$work/linux.err"
  "$here/wine-run.sh" "$prefix" "$windows" "$@" >"$work/windows.out" 2>"$work/windows.err"
  echo "status $?" >>"$work/windows.err"
  compared=$((compared + 1))
  if ! cmp -s "$work/linux.out" "$work/windows.out" || ! cmp -s "$work/linux.err" "$work/windows.err"; then
    differing=$((differing + 1))
    echo "DIFFERS: $label"
    cmp "$work/linux.out" "$work/windows.out" | head -n 1
    diff "$work/linux.err" "$work/windows.err" | head -n 6
  fi
}

for module in "${modules[@]}"; do
  name=$(basename "$module")
  for form in "${dump_forms[@]}"; do
    # shellcheck disable=SC2086  # an empty form adds no argument
    compare "dump $form $name" dump $form "$module"
  done
  compare "segments $name" segments "$module"
done
for text in pe_ qwb '*数据*' 取 nothing_like_this; do
  compare "search $text" search "$work/modules" "$text"
done

if ((differing)); then
  echo "compare-cli-output: $differing of $compared outputs differ between Linux and Windows"
  exit 1
fi
echo "compare-cli-output: all $compared outputs are the same on Linux and Windows (${#modules[@]} modules)"
