#!/usr/bin/env bash
# Makes the reference pictures of the bitmap suite's good files (../bmpsuite/g/*.bmp): one binary
# PPM (P6, 8 bits per channel, top row first) per file, decoded by ImageMagick and cross-checked
# with netpbm's bmptopnm. Run once by hand; the tests only read its output. Needs the Debian
# packages imagemagick and netpbm (not build dependencies of the project).
#
# Where the two decoders disagree the script says so and keeps ImageMagick's picture. On the
# files made with it (Debian 12: ImageMagick 6.9.11-60, netpbm 11.01) they disagree only on 16-bit
# and bit-field files: this bmptopnm does not apply the masks that follow a 40-byte header
# (rgb16-565, rgb16-565pal and rgb32bf come out in wrong colours; it warns that their pixel offset
# is inconsistent) and scales 5-bit channels by truncation (0, 8, 16, 24, 32, ...), while
# ImageMagick repeats the channel's bits (0, 8, 16, 24, 33, ...), which keeps white at 255 as the
# suite asks and is the expansion the project's 16-bit pictures use.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
suite="$here/../bmpsuite/g"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

for bmp in "$suite"/*.bmp; do
  name="$(basename "$bmp" .bmp)"
  convert "$bmp" -depth 8 "ppm:$here/$name.ppm"
  if bmptopnm "$bmp" 2>/dev/null | ppmtoppm > "$scratch/$name.ppm" 2>/dev/null &&
     cmp -s "$here/$name.ppm" "$scratch/$name.ppm"; then
    echo "$name: both decoders agree"
  else
    echo "$name: decoders DISAGREE, keeping ImageMagick's picture"
  fi
done
