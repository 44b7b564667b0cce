#!/usr/bin/env bash
# Builds the libFuzzer targets and runs them.
#   scripts/fuzz.sh --smoke          every target for FUZZ_SECONDS (20) s or 200,000 runs, inputs up
#                                    to 64 KB; more than 512 MB resident or one
#                                    allocation over 256 MB is a finding, and for
#                                    the targets that only read and analyse, one
#                                    allocation over what a whole read of the
#                                    longest input may take (6 x 64 KB + 16 MB)
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
  max_len=65536
  # A module's read and model stay within six times the file plus 16 MB (the
  # read's budget); the resident limit also holds the sanitizer's quarantine
  # and libFuzzer's corpus, so only single allocations are held to the bound.
  read_bound_mb=$(( 6 * max_len / 1048576 + 17 ))
  for bin in build-fuzz/*_fuzz; do
    [ -x "$bin" ] || continue
    target=$(basename "$bin")
    corpus=$(seed_dir "$target")
    malloc_limit=256
    case "$target" in read_module_fuzz|analyse_fuzz) malloc_limit=$read_bound_mb ;; esac
    echo "-- $target"
    if ! "$bin" -max_total_time="${FUZZ_SECONDS:-20}" -runs=200000 -max_len=$max_len -rss_limit_mb=512 \
        -malloc_limit_mb="$malloc_limit" \
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
