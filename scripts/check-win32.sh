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

sources=(src/platform/*.cpp src/platform/win32/*.cpp)
for dir in support settings reader model declarations render navigate compare search dirtree/core viewer; do
  for source in src/"$dir"/*.cpp; do
    if grep -qE '_WIN32|#include "platform/' "$source"; then sources+=("$source"); fi
  done
done
checked=()
for source in "${sources[@]}"; do
  [ -e "$source" ] || continue
  if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$source"; then continue; fi
  checked+=("$source")
done

# One compiler per core; a file that fails leaves its name in failed.txt.
export compiler out
# shellcheck disable=SC2016  # the inner shell expands them
 xargs| xargs -P "$(nproc)" -I{} sh -c \
  '"$compiler" -std=c++20 -Wall -Wextra -Werror -Isrc -c "$1" -o "$out/$(echo "$1" | tr / _).o" || echo "$1" >>"$out/failed.txt"' \
  check-win32 {}

if [ -s "$out/failed.txt" ]; then
  echo "check-win32: FAILED $(wc -l <"$out/failed.txt") of ${#checked[@]} files: $(sort "$out/failed.txt" | tr '\n' ' ')"
  exit 1
fi
echo "check-win32: ok, ${#checked[@]} files compile for Windows"
