#!/usr/bin/env bash
# Peak memory of `orvel --batch` over a long list of files, to show that a long list costs little.
#
# Usage: bench/list_memory.sh [ORVEL] [COUNT] [RUNS]
#   ORVEL  the program to measure (default: build/orvel of this checkout)
#   COUNT  how many files the list names (default 100000)
#   RUNS   which runs, of "missing list folder" (default all three; the two that convert take
#          minutes on a busy machine)
#
# Each run prints its peak resident memory (from /usr/bin/time -v):
#   missing  a --files-from list of names that do not exist: every file is reported as failed and
#            the run goes on, so this is the list's own cost without any conversion
#   list     a --files-from list of tiny bitmaps (2 x 2 pixels), each converted
#   folder   the same bitmaps as one folder argument with -r
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
orvel="${1:-$top/build/orvel}"
count="${2:-100000}"
runs="${3:-missing list folder}"
[ -x "$orvel" ] || { echo "no program at $orvel (build the orvel target first)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in/pictures" "$work/out"

python3 - "$work" "$count" <<'PY'
import os, struct, sys
work, count = sys.argv[1], int(sys.argv[2])
pixels = b"\x20\x40\x80\x90\xa0\xb0\x00\x00" * 2  # two rows of two pixels, each padded to 8 bytes
header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, 2, 2, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
folder = os.path.join(work, "in", "pictures")
with open(os.path.join(work, "missing.txt"), "w") as missing, open(os.path.join(work, "list.txt"), "w") as listed:
    for i in range(count):
        name = "holiday_photo_%06d.bmp" % i
        missing.write(os.path.join(work, "gone", name) + "\n")
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(header + info + pixels)
        listed.write(path + "\n")
PY

measure() {  # label, then the arguments
  local label="$1"; shift
  rm -rf "$work/out" && mkdir "$work/out"
  /usr/bin/time -v "$orvel" --batch --quiet -o "$work/out" "$@" 2>"$work/time.txt" >/dev/null || true
  local kb
  kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
  local made
  made=$(find "$work/out" -type f | wc -l)
  printf '%-8s %7d files listed, %7d outputs, peak memory %6.1f MB\n' "$label" "$count" "$made" "$(echo "$kb / 1024" | bc -l)"
}

for run in $runs; do
  case "$run" in
    missing) measure missing --files-from "$work/missing.txt" ;;
    list) measure list --files-from "$work/list.txt" ;;
    folder) measure folder -r "$work/in" ;;
    *) echo "unknown run: $run" >&2; exit 2 ;;
  esac
done
