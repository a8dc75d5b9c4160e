#!/bin/sh
# run.sh BUILD SECONDS: every fuzz target (or those named in FUZZ_TARGETS) for
# SECONDS on a working copy of its committed corpus (new finds stay in
# BUILD/fuzz/work). Fails on any crash, leak, time-out or sanitizer report; the
# input is kept in BUILD/fuzz/artifacts.
set -u
build=$(cd "${1:?usage: run.sh BUILD SECONDS}" && pwd)
seconds=${2:?usage: run.sh BUILD SECONDS}
here=$(cd "$(dirname "$0")" && pwd)
status=0
passed=0
failed=0
for t in ${FUZZ_TARGETS:-materiel matrice_ligne matrice_fichier scenexml mesh bash lua vertexbuffer replay}; do
    work=$build/fuzz/work/$t
    scratch=$build/fuzz/scratch/$t
    log=$build/fuzz/$t.log
    rm -rf "$scratch"
    mkdir -p "$work" "$scratch" "$build/fuzz/artifacts"
    PLUMFALL_FUZZ_SCRATCH=$scratch ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz/artifacts/$t-" "$work" "$here/corpus/$t" \
        </dev/null >"$log" 2>&1
    rc=$?
    # The mesh reader's child process may report here before it dies: running
    # out of memory at its limit is expected; anything else is a finding.
    if [ "$rc" -eq 0 ] && grep -E 'ERROR: [A-Za-z]*Sanitizer|runtime error:' "$log" |
        grep -vqE 'out of memory|out-of-memory|exceeds maximum supported size'; then
        rc=99
    fi
    runs=$(awk '/stat::number_of_executed_units/ { n = $2 } END { print n }' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
    corp=$(grep -o 'corp: [0-9]*/[0-9a-zA-Z]*' "$log" | tail -n 1)
    echo "fuzz_$t: ${runs:-?} executions in $seconds s, ${cov:-cov: ?}, ${corp:-corp: ?}, exit $rc"
    if [ "$rc" -ne 0 ]; then
        tail -n 60 "$log"
        status=1
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
