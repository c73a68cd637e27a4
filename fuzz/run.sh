#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan) in build-fuzz and runs each of them for
# the given number of seconds on a copy of its seed corpus (fuzz/corpus/NAME for
# fuzz_NAME). Exits non-zero on the first finding.
# Usage: bash fuzz/run.sh SECONDS [NAME ...]   (default: every target)
set -euo pipefail
sekunden="${1:-60}"
shift || true
quelle="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bau="$quelle/build-fuzz"
funde="$bau/funde"

if [ $# -gt 0 ]; then
  namen=("$@")
else
  namen=()
  for datei in "$quelle"/fuzz/fuzz_*.cpp; do
    name="$(basename "$datei" .cpp)"
    namen+=("${name#fuzz_}")
  done
fi

CC=clang CXX=clang++ cmake -S "$quelle" -B "$bau" -G Ninja \
  -DSIMULTANO_FUZZ=ON -DSIMULTANO_GUI=OFF -DSIMULTANO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
ninja -C "$bau" -j2 "${namen[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
mkdir -p "$funde"
for name in "${namen[@]}"; do
  lauf="$quelle/fuzz/corpus-run/$name"
  rm -rf "$lauf"
  mkdir -p "$lauf"
  cp -r "$quelle/fuzz/corpus/$name"/. "$lauf"/
  echo "== fuzz_$name: $sekunden s"
  # -rss_limit_mb and -malloc_limit_mb turn a huge allocation into a finding
  "$bau/bin/fuzz_$name" "$lauf" \
    -max_total_time="$sekunden" -max_len=65536 -timeout=10 \
    -rss_limit_mb=2048 -malloc_limit_mb=256 \
    -artifact_prefix="$funde/" -print_final_stats=1
done
