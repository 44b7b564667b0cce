#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the viewer need, then
# builds the Windows build's libraries (scripts/mingw-deps.sh, once).
# Idempotent: apt-get runs only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  clang libclang-rt-14-dev
  qt6-base-dev libgl-dev qt6-translations-l10n
  libpcre2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  fonts-wqy-zenhei
  g++-mingw-w64-x86-64-posix dpkg-dev wine64
  groff-base man-db appstream python3-jsonschema
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "bootstrap: installing ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# PCRE2 and GoogleTest for MinGW, kept in the windows preset's build folder.
"$(dirname "$0")/mingw-deps.sh"
