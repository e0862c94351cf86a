#!/usr/bin/env bash
# Runs the suite of a sanitizer build. LeakSanitizer's stop-the-world tracer
# now and then crashes at a process's exit ("Tracer caught signal 11"), a
# fault of the sanitizer runtime, not of the program; when that signature is
# in the output, the failed tests run once more and decide. Any other
# failure fails at once.
#   scripts/run-asan-tests.sh BUILD JOBS
set -uo pipefail
build=${1:?build folder}
jobs=${2:-2}
log=$(mktemp "${TMPDIR:-/tmp}/rotavue-asan.XXXXXX")
trap 'rm -f "$log"' EXIT

cd "$build" || exit 1
ctest --output-on-failure -j "$jobs" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] && exit 0
if grep -q "LeakSanitizer has encountered a fatal error" "$log"; then
    echo "== LeakSanitizer's tracer crashed; running the failed tests once more"
    ctest --rerun-failed --output-on-failure
    exit $?
fi
exit "$status"
