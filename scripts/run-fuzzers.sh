#!/usr/bin/env bash
# Runs each fuzz target of a fuzz build for the given number of seconds, from
# seeds made afresh plus what earlier runs kept, and stops on the first
# finding (kept in BUILD/fuzz-findings/TARGET/).
#   scripts/run-fuzzers.sh BUILD SECONDS [TARGET...]
# FUZZ_TIMEOUT (seconds an input may take, 10 by default) allows for a busy machine.
set -euo pipefail
build=${1:?build folder}
seconds=${2:?seconds per target}
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_cardtoc fuzz_import fuzz_legacycard fuzz_project)

# Seeds of this run only, so that runs side by side do not share them.
seeds=$(mktemp -d "${TMPDIR:-/tmp}/rotavue-fuzz-seeds.XXXXXX")
trap 'rm -rf "$seeds"' EXIT
"$build/tests/fuzz/make_fuzz_seeds" "$seeds"

status=0
for target in "${targets[@]}"; do
    corpus="$build/fuzz-corpus/$target"
    findings="$build/fuzz-findings/$target"
    mkdir -p "$corpus" "$findings"
    # A project holds whole LED blocks of 112 KiB; the other inputs are small.
    max_len=65536
    [ "$target" = fuzz_project ] && max_len=524288
    echo "== $target for ${seconds}s"
    ASAN_OPTIONS="allocator_may_return_null=1 detect_leaks=1" \
    UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1" \
        "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout="${FUZZ_TIMEOUT:-10}" -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$seeds/${target#fuzz_}" || status=1
done
exit $status
