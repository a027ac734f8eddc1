#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, one after another.
#
#   fuzz/run-fuzzers.sh [SECONDS_PER_TARGET] [TARGET...]     (default: 60 seconds, all targets)
#
# The seeds in fuzz/corpus/<target>/ are only read; inputs the fuzzer finds go to
# <build>/fuzz-corpus/<target>/ and failing inputs to <build>/fuzz-findings/<target>/. A
# finding can be replayed with <build>/bin/fuzz_<target> FILE (or the replay_<target> program
# of a normal build) and, once fixed, belongs in fuzz/corpus/<target>/ as a seed.
# Environment: RIVET_FUZZ_BUILD (build folder, default build-fuzz/), RIVET_FUZZ_JOBS
# (compile jobs, default 2).
set -euo pipefail

seconds="${1:-60}"
shift || true
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${RIVET_FUZZ_BUILD:-$root/build-fuzz}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRIVET_BUILD_GUI=OFF \
    -DRIVET_BUILD_TESTS=OFF -DRIVET_BUILD_BENCH=OFF -DRIVET_BUILD_FUZZERS=ON >/dev/null

if [ "$#" -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for folder in "$root"/fuzz/corpus/*/; do
        targets+=("$(basename "$folder")")
    done
fi
# Only the fuzzers: the programs of this tree are not linked with the sanitizers' runtime.
cmake --build "$build" -j"${RIVET_FUZZ_JOBS:-2}" --target "${targets[@]/#/fuzz_}" >/dev/null

failed=0
summary=()
for target in "${targets[@]}"; do
    corpus="$build/fuzz-corpus/$target"
    findings="$build/fuzz-findings/$target"
    log="$build/fuzz-logs/$target.log"
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    dictionary=()
    if [ -f "$root/fuzz/dict/$target.dict" ]; then
        dictionary=(-dict="$root/fuzz/dict/$target.dict")
    fi
    echo "== $target: $seconds s"
    status=0
    # -timeout: one input may take 25 s (a text near the report size limit); -rss_limit_mb:
    # the fuzzer's default, written out because memory use is part of what is checked.
    "$build/bin/fuzz_$target" "$corpus" "$root/fuzz/corpus/$target" "${dictionary[@]}" \
        -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    found="$(find "$findings" -type f | wc -l)"
    size="$(find "$corpus" -type f | wc -l)"
    if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
        failed=1
        grep -E "property broken|ERROR: |runtime error|SUMMARY" "$log" | head -n 5 || true
    fi
    summary+=("$(printf '%-20s %6ss %12s execs %6s corpus %3s findings' "$target" "$seconds" "${runs:-?}" "$size" "$found")")
done

echo
printf '%s\n' "${summary[@]}"
exit "$failed"
