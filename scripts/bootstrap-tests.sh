#!/usr/bin/env bash
# Installs what the whole test run (scripts/test.sh) needs beyond the viewer's
# build: clang for the fuzzers, the MinGW toolchain and Wine for the Windows
# build and that build's libraries (scripts/mingw-deps.sh, once), Chromium and
# Node for the browser test of the published site, groff, man, appstream and
# jsonschema for the tests of the man pages, the AppStream entry and the schemas.
# Idempotent: apt-get runs only when something is missing.
set -euo pipefail
here=$(dirname "$0")

"$here/bootstrap.sh"

packages=(
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix dpkg-dev wine64
  chromium nodejs
  groff-base man-db appstream python3-jsonschema
)
"$here/install-packages.sh" bootstrap-tests "${packages[@]}"

# PCRE2 and GoogleTest for MinGW, kept in the windows preset's build folder.
"$here/mingw-deps.sh"
