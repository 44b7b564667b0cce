#!/usr/bin/env bash
# Compiles the window-free sources for Windows with the MinGW cross compiler,
# so they keep building on a Linux machine: all of src/platform with its
# win32/ backends, and every file of the core that uses a platform service
# or a Windows branch. Files that include Qt headers are skipped.
# Prints one line; exits non-zero when a file does not compile.
set -uo pipefail
cd "$(dirname "$0")/.."

compiler=x86_64-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null; then
  echo "check-win32: $compiler is missing (scripts/bootstrap-tests.sh installs it)"
  exit 1
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

checked=0
failed=()
sources=(src/platform/*.cpp src/platform/win32/*.cpp)
for dir in support settings reader model declarations render navigate compare search dirtree/core viewer; do
  for source in src/"$dir"/*.cpp; do
    if grep -qE '_WIN32|#include "platform/' "$source"; then sources+=("$source"); fi
  done
done

for source in "${sources[@]}"; do
  [ -e "$source" ] || continue
  if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$source"; then continue; fi
  checked=$((checked + 1))
  object="$out/$(echo "$source" | tr '/' '_').o"
  if ! "$compiler" -std=c++20 -Wall -Wextra -Werror -Isrc -c "$source" -o "$object"; then
    failed+=("$source")
  fi
done

if ((${#failed[@]})); then
  echo "check-win32: FAILED ${#failed[@]} of $checked files: ${failed[*]}"
  exit 1
fi
echo "check-win32: ok, $checked files compile for Windows"
