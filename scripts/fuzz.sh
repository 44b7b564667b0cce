#!/usr/bin/env bash
# Builds the libFuzzer targets and runs them.
#   scripts/fuzz.sh --smoke          every target for 60 s or 200,000 runs, inputs up
#                                    to 64 KB; more than 512 MB resident or one
#                                    allocation over 256 MB is a finding
#   scripts/fuzz.sh TARGET [ARGS..]  one target, libFuzzer arguments passed on
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

seed_dir() { # fresh corpus folder per target, seeded by the target's own seed tool
  local target=$1 dir
  dir=$(mktemp -d)
  if [ -x "build-fuzz/${target}_seeds" ]; then "build-fuzz/${target}_seeds" "$dir" >&2; fi
  echo "$dir"
}

if [ "${1:-}" = "--smoke" ]; then
  failed=0
  # AddressSanitizer keeps up to 256 MB of freed memory by default; a smaller
  # quarantine leaves the 512 MB limit to what the program itself holds.
  export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=64}"
  for bin in build-fuzz/*_fuzz; do
    [ -x "$bin" ] || continue
    target=$(basename "$bin")
    corpus=$(seed_dir "$target")
    echo "-- $target"
    if ! "$bin" -max_total_time=60 -runs=200000 -max_len=65536 -rss_limit_mb=512 -malloc_limit_mb=256 \
        -print_final_stats=0 "$corpus" \
        >"build-fuzz/$target.log" 2>&1; then
      echo "FAILED: $target (see build-fuzz/$target.log)"; tail -n 40 "build-fuzz/$target.log"; failed=1
    else
      grep -E "^Done|^#[0-9]+ *DONE" "build-fuzz/$target.log" | tail -n 1 || true
    fi
    rm -rf "$corpus"
  done
  exit $failed
fi

target=${1:?usage: scripts/fuzz.sh --smoke | TARGET [libFuzzer args]}
shift
corpus=$(seed_dir "$target")
exec "build-fuzz/$target" "$corpus" "$@"
