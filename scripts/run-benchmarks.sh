#!/usr/bin/env bash
# Runs every benchmark binary of a build, repeated, and prints the medians.
set -euo pipefail
build=${1:-build}
for b in "$build"/bench/*/bench_*; do
    [ -f "$b" ] && [ -x "$b" ] || continue # skips the *_autogen folders
    echo "== $(basename "$b")"
    "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
