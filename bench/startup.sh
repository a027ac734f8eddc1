#!/usr/bin/env bash
# Start-up measurement: the time from process start to the main window's first paint and the
# peak memory of rivet, next to the same figures for a bare Qt window, as ratios. Runs each
# program several times (alternating) on an already prepared data folder and reports medians.
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export RIVET_HOME=$home QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} RIVET_EXIT_AFTER_FIRST_PAINT=1
"$build/bin/rivet-cli" check > /dev/null # writes the default files, as any earlier start has

measure() { # program -> "milliseconds kilobytes"
    local start end peak
    start=$(date +%s%N)
    end=$( { /usr/bin/time -f "peak-kb %M" "$1" 2>&1 >/dev/null; } | tee "$home/out" | awk '/first-paint-ns/ {print $2}')
    peak=$(awk '/peak-kb/ {print $2}' "$home/out")
    echo "$(( (end - start) / 1000 )) $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: > "$home/rivet"; : > "$home/bare"
for _ in $(seq "$runs"); do
    measure "$build/bin/rivet" >> "$home/rivet"
    measure "$build/bin/rivet-bare-window" >> "$home/bare"
done
rivet_us=$(cut -d' ' -f1 "$home/rivet" | median); bare_us=$(cut -d' ' -f1 "$home/bare" | median)
rivet_kb=$(cut -d' ' -f2 "$home/rivet" | median); bare_kb=$(cut -d' ' -f2 "$home/bare" | median)
printf '%-22s %14s %14s\n' "" "first paint" "peak memory"
printf '%-22s %11.1f ms %11d kB\n' "rivet" "$(echo "$rivet_us / 1000" | bc -l)" "${rivet_kb%.*}"
printf '%-22s %11.1f ms %11d kB\n' "bare Qt window" "$(echo "$bare_us / 1000" | bc -l)" "${bare_kb%.*}"
printf '%-22s %14.2f %14.2f\n' "ratio" "$(echo "$rivet_us / $bare_us" | bc -l)" "$(echo "$rivet_kb / $bare_kb" | bc -l)"
