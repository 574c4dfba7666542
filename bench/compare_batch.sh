#!/usr/bin/env bash
# Compresses a folder of photographs at quality 75 with `orvel --batch`, with the plain libjpeg
# floor (two threads, one file per thread), with the djpeg|cjpeg pipeline, with ImageMagick's
# mogrify and with vips, and prints each one's time (best of N runs) and its ratio to Orvel's.
#
# Usage: bench/compare_batch.sh [PHOTO_FOLDER] [RUNS]
# Without a folder it uses the photographs of Debian's lomiri-wallpapers-16.04 package.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/install-deps.sh" "$top/bench/packages-bench.txt"

photos="${1:-/usr/share/backgrounds}"
runs="${2:-3}"
quality=75
jobs="$(nproc)"

build="$top/build-bench"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEL_TESTS=OFF >/dev/null
cmake --build "$build" --target orvel jpeg_floor > "$build/last-build.log" || { cat "$build/last-build.log"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in"
find "$photos" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -exec cp {} "$work/in/" \;
mapfile -t files < <(find "$work/in" -type f | sort)
[ ${#files[@]} -gt 0 ] || { echo "no JPEG photographs in $photos" >&2; exit 1; }
bytes=$(du -cb "${files[@]}" | tail -1 | cut -f1)
pixels=0
for f in "${files[@]}"; do
  read -r w h < <(identify -format '%w %h\n' "$f" | head -1)
  pixels=$((pixels + w * h))
done
echo "${#files[@]} photographs, $((bytes / 1024)) KiB, $((pixels / 1000000)) megapixels; quality $quality; $jobs cores; best of $runs"

# best_time NAME COMMAND...: runs the command $runs times in a fresh output folder, prints the best.
best_time() {
  local best=""
  for ((i = 0; i < runs; i++)); do
    rm -rf "$work/out" && mkdir -p "$work/out"
    sync
    local start end t
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; kill -TERM $$; exit 1; }
    end=$(date +%s.%N)
    t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
    if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
  done
  echo "$best"
}

orvel_batch() { "$build/orvel" --batch -q "$quality" -o "$work/out" "${files[@]}"; }
floor() { "$build/bench/jpeg_floor" "$jobs" "$quality" "$work/out" "${files[@]}"; }
pipeline() {
  printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -I{} sh -c \
    'djpeg "$1" | cjpeg -quality '"$quality"' > "$2/$(basename "$1")"' _ {} "$work/out"
}
mogrify_batch() { mogrify -path "$work/out" -quality "$quality" "${files[@]}"; }
vips_batch() {
  printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -I{} sh -c \
    'vips copy "$1" "$2/$(basename "$1")[Q='"$quality"']"' _ {} "$work/out"
}

t_orvel=$(best_time orvel_batch)
printf '%-32s %9s %9s\n' "tool" "seconds" "ratio"
row() { printf '%-32s %9.3f %9.2f\n' "$1" "$2" "$(awk -v t="$2" -v o="$t_orvel" 'BEGIN { print t / o }')"; }
row "orvel --batch" "$t_orvel"
row "libjpeg floor (C, $jobs threads)" "$(best_time floor)"
row "djpeg | cjpeg (xargs -P$jobs)" "$(best_time pipeline)"
row "ImageMagick mogrify" "$(best_time mogrify_batch)"
row "vips copy (xargs -P$jobs)" "$(best_time vips_batch)"
