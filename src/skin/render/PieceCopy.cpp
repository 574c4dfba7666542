// Piece copies on rows: memcpy for exact and repeated runs, an index table only for stretches and clipping.
#include "skin/render/PieceCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace skin {

namespace {

// Fills n bytes of out with the byte pattern of length period, starting phase bytes into it.
// After the first whole period is in place the filled part doubles with each copy, so even a
// one-pixel pattern costs a handful of memcpy calls per row.
void FillRepeat(uint8_t* out, size_t n, const uint8_t* pattern, size_t period, size_t phase) {
  size_t first = std::min(n, period - phase);
  std::memcpy(out, pattern + phase, first);
  if (first == n) return;
  uint8_t* start = out + first;  // whole periods begin here
  size_t filled = std::min(n - first, period);
  std::memcpy(start, pattern, filled);
  const size_t total = n - first;
  while (filled < total) {
    size_t chunk = std::min(filled, total - filled);
    std::memcpy(start + filled, start, chunk);
    filled += chunk;
  }
}

// Source offset within the piece for destination offset i.
int64_t MapOffset(int64_t i, int64_t piece_len, int64_t dst_len, Fit fit) {
  if (fit == Fit::kRepeat) return i % piece_len;
  if (piece_len == dst_len) return i;
  return i * piece_len / dst_len;
}

}  // namespace

void CopyPiece(gfx::Bitmap& dst, const gfx::Rect& dst_rect, const gfx::Bitmap& pic, const gfx::Rect& piece,
               Fit fit_x, Fit fit_y) {
  if (dst_rect.IsEmpty() || piece.IsEmpty() || pic.IsEmpty()) return;
  const gfx::Rect dc = dst_rect.Intersect(dst.Bounds());
  if (dc.IsEmpty()) return;
  const int64_t pw = piece.Width(), ph = piece.Height();
  const int64_t dw = dst_rect.Width(), dh = dst_rect.Height();
  const size_t row_bytes = static_cast<size_t>(dc.Width()) * 3;
  const int64_t x_skip = dc.left - dst_rect.left;

  // Rows whose columns all come straight from the picture take memcpy paths; a stretch or a piece
  // reaching past the picture goes through a table of source columns (-1: leave the pixel).
  const bool cols_inside = piece.left >= 0 && piece.right <= pic.Width();
  const bool direct = cols_inside && (fit_x == Fit::kRepeat || pw == dw);
  std::vector<int32_t> xs;
  bool full_rows = true;  // every pixel of a destination row gets written
  if (!direct) {
    xs.resize(static_cast<size_t>(dc.Width()));
    for (size_t k = 0; k < xs.size(); ++k) {
      int64_t sx = piece.left + MapOffset(x_skip + static_cast<int64_t>(k), pw, dw, fit_x);
      xs[k] = (sx >= 0 && sx < pic.Width()) ? static_cast<int32_t>(sx) : -1;
      if (xs[k] < 0) full_rows = false;
    }
  }

  int64_t prev_sy = -1;
  int32_t prev_y = 0;
  for (int32_t y = dc.top; y < dc.bottom; ++y) {
    const int64_t sy = piece.top + MapOffset(y - dst_rect.top, ph, dh, fit_y);
    if (sy < 0 || sy >= pic.Height()) continue;
    uint8_t* out = dst.Row(y) + static_cast<size_t>(dc.left) * 3;
    // Rows already built from the same source row are copied whole: the row above when a stretch
    // repeats a source row, the row one period up when the piece repeats downwards. Only rows
    // written in full can stand in for another.
    if (full_rows && sy == prev_sy) {
      std::memcpy(out, dst.Row(prev_y) + static_cast<size_t>(dc.left) * 3, row_bytes);
      prev_y = y;
      continue;
    }
    if (full_rows && fit_y == Fit::kRepeat && y - ph >= dc.top) {
      std::memcpy(out, dst.Row(static_cast<int32_t>(y - ph)) + static_cast<size_t>(dc.left) * 3, row_bytes);
      prev_sy = sy;
      prev_y = y;
      continue;
    }
    const uint8_t* src = pic.Row(static_cast<int32_t>(sy));
    if (direct && fit_x == Fit::kRepeat) {
      FillRepeat(out, row_bytes, src + piece.left * 3, static_cast<size_t>(pw) * 3,
                 static_cast<size_t>(x_skip % pw) * 3);
    } else if (direct) {
      std::memcpy(out, src + (piece.left + x_skip) * 3, row_bytes);
    } else {
      for (size_t k = 0; k < xs.size(); ++k) {
        if (xs[k] < 0) continue;
        const uint8_t* s = src + static_cast<size_t>(xs[k]) * 3;
        out[k * 3] = s[0];
        out[k * 3 + 1] = s[1];
        out[k * 3 + 2] = s[2];
      }
    }
    prev_sy = sy;
    prev_y = y;
  }
}

void ResetTarget(gfx::Bitmap& target, int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (target.BitsPerPixel() == 24 && target.Width() == width && target.Height() == height) {
    if (!target.IsEmpty()) std::memset(target.Data(), 0, target.ByteSize());
    return;
  }
  target = gfx::Bitmap(width, height, 24);
}

const gfx::Bitmap& As24(const gfx::Bitmap& pic, gfx::Bitmap& scratch) {
  if (pic.BitsPerPixel() == 24 || pic.IsEmpty()) return pic;
  scratch = pic.ToBgr24();
  return scratch;
}

}  // namespace skin
