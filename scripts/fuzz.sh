#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for SECONDS on a scratch copy of its seed corpus. A crash, a sanitizer report,
# a timeout (10 s for one input) or running out of memory fails the run; the input that did
# it is kept in fuzz-findings/.
#   scripts/fuzz.sh [SECONDS]     (default 15 per target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
build=${FUZZ_BUILD:-build-fuzz}
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 > /dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in "$build"/*_fuzz; do
  name=$(basename "$target" _fuzz)
  mkdir -p "$work/$name"
  cp -r "fuzz/corpus/$name/." "$work/$name/" 2> /dev/null || true
  if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$work/$name-" "$work/$name" > "$work/$name.log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$work/$name.log" | grep -o '[0-9]*$')
    echo "$name: ${runs:-?} inputs in ${seconds} s, nothing found"
  else
    echo "$name: FINDING"
    tail -n 60 "$work/$name.log"
    mkdir -p fuzz-findings
    cp "$work/$name"-* fuzz-findings/ 2> /dev/null || true
    status=1
  fi
done
exit $status
