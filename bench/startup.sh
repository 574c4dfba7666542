#!/usr/bin/env bash
# Start-up of the windowed program under a private Xvfb: the time from the process start until
# its main window is on the screen with its content drawn, and the resident memory once started.
#
# Usage: bench/startup.sh [ORVEL] [RUNS] [DISPLAY_NUMBER]
#   ORVEL           the program to measure (default: build/orvel of this checkout)
#   RUNS            how many starts (default 10); the median and the extremes are printed
#   DISPLAY_NUMBER  the Xvfb display to use (default 77)
#
# A window counts as drawn when a screenshot of it shows more than one colour (the skin's frame
# and the page, not the blank window the X server maps first). The resident memory is read from
# /proc one second after that.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
orvel="${1:-$top/build/orvel}"
runs="${2:-10}"
display=":${3:-77}"
[ -x "$orvel" ] || { echo "no program at $orvel (build the orvel target first)" >&2; exit 1; }
for tool in Xvfb xdotool xwd; do
  command -v "$tool" >/dev/null || { echo "needs $tool (packages xvfb, xdotool, x11-apps)" >&2; exit 1; }
done

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do DISPLAY="$display" xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

# True when the window's screenshot holds at least two different pixel values.
drawn() {
  DISPLAY="$display" xwd -silent -id "$1" 2>/dev/null | tail -c 200000 | od -An -v -tx4 -w4 | sort -u | head -2 | wc -l |
    grep -qx 2
}

times=()
rss=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  DISPLAY="$display" "$orvel" >/dev/null 2>&1 &
  pid=$!
  window=""
  # A program that dies or never shows its window ends the measurement after 20 s, not never.
  give_up=$(($(date +%s) + 20))
  until [ -n "$window" ]; do
    window=$(DISPLAY="$display" xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)
    if [ -z "$window" ] && { ! kill -0 "$pid" 2>/dev/null || [ "$(date +%s)" -ge "$give_up" ]; }; then
      echo "the program showed no window within 20 s" >&2
      kill "$pid" 2>/dev/null || true
      exit 1
    fi
  done
  until drawn "$window"; do
    if [ "$(date +%s)" -ge "$give_up" ]; then
      echo "the window was not drawn within 20 s" >&2
      kill "$pid" 2>/dev/null || true
      exit 1
    fi
  done
  end=$(date +%s%N)
  times+=($(((end - start) / 1000000)))
  sleep 1
  rss+=($(awk '/^VmRSS/ {print $2}' "/proc/$pid/status"))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
sorted_times=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
echo "start to drawn window (ms): median $(median "${times[@]}") of $runs runs: $sorted_times"
echo "resident memory after start (MB): median $(awk -v k="$(median "${rss[@]}")" 'BEGIN {printf "%.1f", k / 1024}')"
