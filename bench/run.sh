#!/usr/bin/env bash
# Prints the app's start-up time, memory, idle cost and Save overhead, with
# km7-config-virtual under a private Xvfb. Build first (scripts/test.sh or
# scripts/run-virtual.sh). Usage: bench/run.sh [idle seconds, default 60]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

idle_seconds=${1:-60}
bin="$KM7_BUILD/bin"
[ -x "$bin/km7-config-virtual" ] || { echo "build first: bash scripts/test.sh" >&2; exit 1; }
km7_ensure_display

# A private copy of the program, so the benchmark never meets a running one.
work=$(mktemp -d)
trap 'kill "$KM7_XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$bin/modules" "$bin/km7-config-virtual" "$bin/bench_save" "$work/"

export QT_LOGGING_RULES="km7.startup.debug=true"

# (a) process start to the first frame of the main window, median of 10.
times=()
for _ in $(seq 10); do
  start=$(date +%s%N)
  "$work/km7-config-virtual" 2>&1 | while IFS= read -r line; do
    case "$line" in *"first frame"*) echo "$(( ($(date +%s%N) - start) / 1000000 ))" > "$work/frame"; break ;; esac
  done &
  reader=$!
  for _ in $(seq 100); do [ -s "$work/frame" ] && break; sleep 0.05; done
  pkill -f "$work/km7-config-virtual" || true
  wait "$reader" 2>/dev/null || true
  times+=("$(cat "$work/frame" 2>/dev/null || echo 99999)")
  rm -f "$work/frame"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 5,6p | awk '{s+=$1} END {print int(s/2)}')
echo "start to first frame (ms, median of 10): $median   (target <= 400)"

# (b) and (c): one run, connected and idle.
"$work/km7-config-virtual" >/dev/null 2>&1 &
app=$!
sleep 5
read_cpu() { awk '{print $14 + $15}' "/proc/$app/stat"; }
read_switches() { cat /proc/"$app"/task/*/status | awk '/ctxt_switches/ {s+=$2} END {print s}'; }
ticks=$(getconf CLK_TCK)
cpu0=$(read_cpu); sw0=$(read_switches)
sleep "$idle_seconds"
cpu1=$(read_cpu); sw1=$(read_switches)
peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$app/status")
kill "$app"; wait "$app" 2>/dev/null || true
echo "peak resident memory (MB): $(( peak_kb / 1024 ))   (target <= 120)"
awk -v c="$(( cpu1 - cpu0 ))" -v t="$ticks" -v s="$idle_seconds" \
  'BEGIN {printf "idle CPU (%% of one core over %d s): %.2f   (target <= 0.5)\n", s, 100 * c / t / s}'
awk -v w="$(( sw1 - sw0 ))" -v s="$idle_seconds" 'BEGIN {printf "idle wake-ups per second: %.1f\n", w / s}'

# (d) one full Save against the pauses the protocol demands.
"$work/bench_save" 2>/dev/null | sed 's/$/   /' | sed '$ s/$/(target <= 1.05)/'
