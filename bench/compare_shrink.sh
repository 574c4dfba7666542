#!/usr/bin/env bash
# Shrinks one 4-megapixel photograph to 800 x 500 with `orvel --convert --size` and with
# vipsthumbnail, and prints each whole command's time and its ratio to Orvel's. Uses hyperfine
# when it is installed (bench/packages-bench.txt installs it), else the best of N runs of a loop.
# Then it checks what the shrink of a JPEG on reading costs in quality: the PSNR of Orvel's output
# and of the same conversion from the whole decoded picture (a bitmap source is always read
# whole), each against the lossless resize of the whole picture.
#
# Usage: bench/compare_shrink.sh [PHOTO] [RUNS]   (an empty PHOTO takes the default)
# Without a photograph it makes one of 2560 x 1600 from the largest photograph of Debian's
# lomiri-wallpapers-16.04 package. vipsthumbnail comes with Debian's libvips-tools.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/install-deps.sh" "$top/bench/packages-bench.txt"

runs="${2:-10}"
quality=75
size=800x500

build="$top/build-bench"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEL_TESTS=OFF >/dev/null
cmake --build "$build" --target orvel > "$build/last-build.log" || { cat "$build/last-build.log"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ -n "${1:-}" ]; then
  photo="$1"
else
  largest="$(find /usr/share/backgrounds -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -printf '%s %p\n' |
    sort -n | tail -1 | cut -d' ' -f2-)"
  [ -n "$largest" ] || { echo "no JPEG photographs in /usr/share/backgrounds" >&2; exit 1; }
  # Forced to 2560 x 1600 (4.1 megapixels) at quality 92, as a camera or phone saves it.
  vipsthumbnail "$largest" --size '2560x1600!' -o "$work/photo.jpg[Q=92]"
  photo="$work/photo.jpg"
fi
w="$(vipsheader -f width "$photo")"
h="$(vipsheader -f height "$photo")"
echo "$photo: $w x $h, $(($(stat -c %s "$photo") / 1024)) KiB; to $size at quality $quality; $(nproc) cores"

orvel_cmd="'$build/orvel' --convert '$photo' '$work/orvel.jpg' -q $quality --size $size"
# '!' stretches to exactly the size, as --size does.
vips_cmd="vipsthumbnail '$photo' --size '$size!' -o '$work/vips.jpg[Q=$quality]'"

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 2 --runs "$runs" --export-json "$work/times.json" "$orvel_cmd" "$vips_cmd" >/dev/null
  mapfile -t times < <(python3 -c '
import json, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print("%.4f %.4f %.4f" % (r["mean"], r["stddev"] or 0, r["min"]))' "$work/times.json")
else
  # best_time COMMAND: the best of $runs runs (after one to warm the cache), as "best 0 best".
  best_time() {
    local best="" t
    eval "$1" >/dev/null 2>&1
    for ((i = 0; i < runs; i++)); do
      t=$( { /usr/bin/time -f %e sh -c "$1 >/dev/null 2>&1"; } 2>&1 | tail -1)
      if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
    done
    echo "$best 0 $best"
  }
  times=("$(best_time "$orvel_cmd")" "$(best_time "$vips_cmd")")
fi

read -r o_mean o_sd o_min <<< "${times[0]}"
printf '%-28s %9s %9s %9s %7s\n' "command" "mean s" "stddev" "best s" "ratio"
row() {
  read -r mean sd min <<< "$2"
  printf '%-28s %9.4f %9.4f %9.4f %7.2f\n' "$1" "$mean" "$sd" "$min" "$(awk -v t="$mean" -v o="$o_mean" 'BEGIN { print t / o }')"
}
row "orvel --convert --size" "${times[0]}"
row "vipsthumbnail" "${times[1]}"

# Quality: a JPEG read at a fraction of its size against the whole picture.
"$build/orvel" --convert "$photo" "$work/whole.bmp" >/dev/null
"$build/orvel" --convert "$work/whole.bmp" "$work/reference.bmp" --size $size >/dev/null
"$build/orvel" --convert "$work/whole.bmp" "$work/from-whole.jpg" -q $quality --size $size >/dev/null
"$build/orvel" --convert "$work/from-whole.jpg" "$work/from-whole.bmp" >/dev/null
"$build/orvel" --convert "$work/orvel.jpg" "$work/shrunk.bmp" >/dev/null
"$build/orvel" --convert "$photo" "$work/shrunk-pixels.bmp" --size $size >/dev/null
python3 - "$work" <<'PSNR'
import math, struct, sys
def pixels(path):
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) & ~3
    return b"".join(data[offset + y * stride:offset + y * stride + width * 3] for y in range(abs(height)))
def psnr(a, b):
    a, b = pixels(a), pixels(b)
    mse = sum((x - y) * (x - y) for x, y in zip(a, b)) / len(a)
    return 10 * math.log10(255 * 255 / mse) if mse else float("inf")
work = sys.argv[1]
reference = work + "/reference.bmp"
whole = psnr(work + "/from-whole.bmp", reference)
shrunk = psnr(work + "/shrunk.bmp", reference)
print("PSNR against the lossless resize of the whole picture:")
print("  JPEG from the whole picture  %6.2f dB" % whole)
print("  JPEG read shrunk (orvel)     %6.2f dB  (%+.2f dB)" % (shrunk, shrunk - whole))
print("  resize alone, shrunk read    %6.2f dB" % psnr(work + "/shrunk-pixels.bmp", reference))
PSNR
