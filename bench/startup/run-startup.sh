#!/usr/bin/env bash
# Start-up benchmark: the program against the least Qt program showing a like window, measured
# in one run on a virtual display of its own. For each it reports the median time from process
# start to the window being shown, from a close request to the process's end, and the resident
# memory once shown (and the part of it not backed by files), with the program's figures as
# ratios of the baseline's (target for the times: at most 1.3).
#
#   bench/startup/run-startup.sh [BUILD_DIR] [ROUNDS]     (defaults: build/linux, 15)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/linux}
rounds=${2:-15}
program=$build/ui/qt/violation-query
baseline=$build/bench/startup/startup_baseline
probe=$build/bench/startup/x-window-probe
for file in "$program" "$baseline" "$probe"; do
  [[ -x $file ]] || { echo "missing $file: build the linux preset first" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=:$(head -n 1 "$work/display")
export QT_QPA_PLATFORM=xcb

# One start: prints "shown_us close_us rss_kb anon_kb".
measure() {  # executable title
  local start shown closing ended window pid rss
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  pid=$!
  window=$("$probe" shown "$2")
  shown=$(date +%s%N)
  rss=$(awk '/^(VmRSS|RssAnon):/ {printf "%s ", $2}' "/proc/$pid/status")
  closing=$(date +%s%N)
  "$probe" close "$window"
  wait "$pid" || true
  ended=$(date +%s%N)
  echo "$(((shown - start) / 1000)) $(((ended - closing) / 1000)) $rss"  # rss: VmRSS RssAnon
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

measure "$program" Quorvane >/dev/null  # warm-up: files cached, the skin library in place
measure "$baseline" startup-baseline >/dev/null
for ((i = 0; i < rounds; i++)); do  # interleaved, so both see the same machine load
  measure "$program" Quorvane >>"$work/program"
  measure "$baseline" startup-baseline >>"$work/baseline"
done

report() {  # column label unit
  local p b
  p=$(cut -d' ' -f"$1" "$work/program" | median)
  b=$(cut -d' ' -f"$1" "$work/baseline" | median)
  printf '%-22s program %9.1f %s   baseline %9.1f %s   ratio %.2fx\n' "$2" \
    "$(echo "$p / $4" | bc -l)" "$3" "$(echo "$b / $4" | bc -l)" "$3" "$(echo "$p / $b" | bc -l)"
}
echo "start-up, $rounds rounds each, medians:"
report 1 "start to window shown" ms 1000
report 2 "close request to exit" ms 1000
report 3 "resident memory" MiB 1024
report 4 "  of it anonymous" MiB 1024
