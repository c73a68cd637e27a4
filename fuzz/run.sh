#!/usr/bin/env bash
# Builds the project-file fuzzer with clang (ASan + UBSan) in build-fuzz and runs it for
# the given number of seconds on a copy of the seed corpus. Exits non-zero on a finding.
# Usage: bash fuzz/run.sh SECONDS
set -euo pipefail
sekunden="${1:-60}"
quelle="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bau="$quelle/build-fuzz"
lauf="$quelle/fuzz/corpus-run"
funde="$bau/funde"

CC=clang CXX=clang++ cmake -S "$quelle" -B "$bau" -G Ninja \
  -DSIMULTANO_FUZZ=ON -DSIMULTANO_GUI=OFF -DSIMULTANO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
ninja -C "$bau" -j2 fuzz_projektdatei

rm -rf "$lauf"
mkdir -p "$lauf" "$funde"
cp "$quelle"/fuzz/corpus/* "$lauf"/

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
# -rss_limit_mb and -malloc_limit_mb turn a huge allocation into a finding
"$bau/bin/fuzz_projektdatei" "$lauf" \
  -max_total_time="$sekunden" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -malloc_limit_mb=256 \
  -artifact_prefix="$funde/" -print_final_stats=1
