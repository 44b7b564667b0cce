#!/usr/bin/env bash
# Installs the Debian packages that building and running the viewer and the
# command-line tool need (the default preset, with its tests and benchmarks).
# scripts/bootstrap-tests.sh adds what the whole test run needs beyond that.
# Idempotent: apt-get runs only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev libgl-dev qt6-translations-l10n qt6-image-formats-plugins
  libpcre2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  fonts-wqy-zenhei
)
"$(dirname "$0")/install-packages.sh" bootstrap "${packages[@]}"
