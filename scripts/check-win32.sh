#!/usr/bin/env bash
# Compiles the window-free Windows sources of src/platform (win32/ and the
# portable files beside it) and the directory tree's rules (src/dirtree/core,
# whose paths take the Windows form there) with the MinGW cross compiler, so
# they keep building on a Linux machine. Files that include Qt headers are skipped.
# Prints one line; exits non-zero when a file does not compile.
set -uo pipefail
cd "$(dirname "$0")/.."

compiler=x86_64-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null; then
  echo "check-win32: $compiler is missing (scripts/bootstrap.sh installs it)"
  exit 1
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

checked=0
failed=()
for source in src/platform/*.cpp src/platform/win32/*.cpp src/dirtree/core/*.cpp; do
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
