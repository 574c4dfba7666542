#!/usr/bin/env bash
# Converts one 82-megapixel JPEG with `orvel --convert` and with `vips copy` and prints each whole
# command's time and peak memory with its ratio to Orvel's; then the same photograph alone with
# `orvel --batch` and `orvel --batch --optimize` (the optimised tables keep the picture's quantised
# blocks until its end); then compresses a folder of
# photographs with `orvel --batch` and with `orvel --batch --optimize` and prints the cost of the
# optimised Huffman tables. Times come from hyperfine (bench/packages-bench.txt installs it), peak
# memory from GNU time (the median of the runs).
#
# Usage: bench/compare_stream.sh [PHOTO] [PHOTO_FOLDER] [RUNS]   (empty arguments take the defaults)
# Without a photograph it makes one of 11100 x 7400 at quality 92 from the largest photograph of
# Debian's lomiri-wallpapers-16.04 package; without a folder it uses that package's photographs.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/install-deps.sh" "$top/bench/packages-bench.txt"

photos="${2:-/usr/share/backgrounds}"
runs="${3:-10}"
quality=75

build="$top/build-bench"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEL_TESTS=OFF >/dev/null
cmake --build "$build" --target orvel > "$build/last-build.log" || { cat "$build/last-build.log"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ -n "${1:-}" ]; then
  photo="$1"
else
  largest="$(find "$photos" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -printf '%s %p\n' |
    sort -n | tail -1 | cut -d' ' -f2-)"
  [ -n "$largest" ] || { echo "no JPEG photographs in $photos" >&2; exit 1; }
  vipsthumbnail "$largest" --size '11100x7400!' -o "$work/photo.jpg[Q=92]"
  photo="$work/photo.jpg"
fi
w="$(vipsheader -f width "$photo")"
h="$(vipsheader -f height "$photo")"
echo "$photo: $w x $h ($((w * h / 1000000)) megapixels), $(($(stat -c %s "$photo") / 1024)) KiB; quality $quality; $(nproc) cores"

# mean_times JSON: "mean stddev" per command, in order.
mean_times() {
  python3 -c '
import json, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print("%.4f %.4f" % (r["mean"], r["stddev"] or 0))' "$1"
}

# peak_kib COMMAND: the median of three runs' peak resident memory in KiB.
peak_kib() {
  for _ in 1 2 3; do /usr/bin/time -f %M sh -c "$1 >/dev/null 2>&1" 2>&1 | tail -1; done | sort -n | sed -n 2p
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# time_pair TITLE LABEL_A CMD_A LABEL_B CMD_B: times both commands, measures their peak memory and
# prints a table with B's ratios to A.
time_pair() {
  hyperfine -N --warmup 1 --runs "$runs" --export-json "$work/pair.json" "$3" "$5" >/dev/null
  mapfile -t t < <(mean_times "$work/pair.json")
  read -r a_mean a_sd <<< "${t[0]}"
  read -r b_mean b_sd <<< "${t[1]}"
  a_mem=$(peak_kib "$3")
  b_mem=$(peak_kib "$5")
  printf '\n%-30s %9s %9s %7s %10s %7s\n' "$1" "mean s" "stddev" "ratio" "peak MiB" "ratio"
  printf '%-30s %9.4f %9.4f %7.2f %10.1f %7.2f\n' "$2" "$a_mean" "$a_sd" 1 "$(ratio "$a_mem" 1024)" 1
  printf '%-30s %9.4f %9.4f %7s %10.1f %7s\n' "$4" "$b_mean" "$b_sd" "$(ratio "$b_mean" "$a_mean")" \
    "$(ratio "$b_mem" 1024)" "$(ratio "$b_mem" "$a_mem")"
}

time_pair "command" "orvel --convert" "'$build/orvel' --convert '$photo' '$work/orvel.jpg' -q $quality" \
  "vips copy" "vips copy '$photo' '$work/vips.jpg[Q=$quality]'"

mkdir -p "$work/one" "$work/in" "$work/out"
one="'$build/orvel' --batch --quiet -q $quality -o '$work/one' '$photo'"
time_pair "one photograph" "orvel --batch" "$one" "orvel --batch --optimize" "$one --optimize"

find "$photos" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -exec cp {} "$work/in/" \;
count=$(find "$work/in" -type f | wc -l)
[ "$count" -gt 0 ] || { echo "no JPEG photographs in $photos" >&2; exit 1; }
batch="'$build/orvel' --batch --quiet -q $quality -o '$work/out' '$work/in'"
hyperfine -N --warmup 1 --runs "$runs" --export-json "$work/batch.json" "$batch" "$batch --optimize" >/dev/null
mapfile -t t < <(mean_times "$work/batch.json")
read -r d_mean d_sd <<< "${t[0]}"
read -r p_mean p_sd <<< "${t[1]}"
echo
echo "$count photographs of $photos"
printf '%-30s %9s %9s %7s\n' "command" "mean s" "stddev" "ratio"
printf '%-30s %9.4f %9.4f %7.2f\n' "orvel --batch" "$d_mean" "$d_sd" 1
printf '%-30s %9.4f %9.4f %7s\n' "orvel --batch --optimize" "$p_mean" "$p_sd" "$(ratio "$p_mean" "$d_mean")"
