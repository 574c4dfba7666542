// Straightforward per-pixel versions of the skin builders, written loop for loop from their
// definitions, against which the fast builders are checked on random pictures and geometries.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

#include "gfx/Bitmap.h"
#include "skin/render/BorderStrips.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinImage.h"

namespace skin::ref {

using gfx::Bitmap;
using gfx::Rect;

// One copy from src rectangle s of pic to rectangle d of dst, pixel by pixel: exact when the sizes
// match, nearest neighbour (floor(i * source / destination)) otherwise, nothing when either
// rectangle has no area, and only pixels that exist in both pictures.
inline void Copy(Bitmap& dst, const Rect& d, const Bitmap& pic, const Rect& s) {
  if (d.IsEmpty() || s.IsEmpty()) return;
  for (int64_t y = d.top; y < d.bottom; ++y) {
    for (int64_t x = d.left; x < d.right; ++x) {
      int64_t sx = s.left + (x - d.left) * s.Width() / d.Width();
      int64_t sy = s.top + (y - d.top) * s.Height() / d.Height();
      if (x < 0 || y < 0 || x >= dst.Width() || y >= dst.Height()) continue;
      if (sx < 0 || sy < 0 || sx >= pic.Width() || sy >= pic.Height()) continue;
      dst.SetPixel(static_cast<int32_t>(x), static_cast<int32_t>(y),
                   pic.Pixel(static_cast<int32_t>(sx), static_cast<int32_t>(sy)));
    }
  }
}

inline Bitmap Sized(int32_t w, int32_t h) { return Bitmap(std::max(w, 0), std::max(h, 0), 24); }

// Copies relative to the skin rectangle's top-left corner.
struct From {
  Bitmap& dst;
  const Bitmap& pic;
  Rect s;
  void operator()(int32_t l, int32_t t, int32_t r, int32_t b, const Rect& d) const {
    Copy(dst, d, pic, Rect{l, t, r, b}.Offset(s.left, s.top));
  }
};

// The integer division of the tile counts, truncating toward zero; a step of 0 gives no tiles.
inline bool Tiles(int32_t span, int32_t step, int32_t& last) {
  if (step == 0) return false;
  last = span / step;
  return last >= 0;
}

inline Bitmap SkinImage(const Bitmap& pic, const SkinSource& src, const SkinTarget& t, bool draw_client,
                        EdgeStretch st = {}) {
  Bitmap out = Sized(t.width, t.height);
  if (src.rb.x == src.lt.x || src.rb.y == src.lt.y || pic.IsEmpty()) return out;
  const int32_t sw = src.source.Width(), sh = src.source.Height(), w = t.width, h = t.height;
  const Rect c = src.client, nc = t.client;
  const gfx::Point lt = src.lt, rt = src.rt, lb = src.lb, rb = src.rb;
  From copy{out, pic, src.source};
  int32_t n;
  if (st.top) {
    copy(lt.x, 0, rt.x, c.top, {t.lt.x, 0, t.rt.x, nc.top});
  } else if (int32_t d = rt.x - lt.x; Tiles(t.rt.x - t.lt.x, d, n)) {
    for (int32_t i = 0; i <= n; ++i) {
      int32_t x = t.lt.x + i * d, cut = std::max(0, x + d - t.rt.x);
      copy(lt.x, 0, rt.x - cut, c.top, {x, 0, x + d - cut, nc.top});
    }
  }
  if (st.bottom) {
    copy(lb.x, c.bottom, rb.x, sh, {t.lb.x, nc.bottom, t.rb.x, h});
  } else if (int32_t d = rb.x - lb.x; Tiles(t.rb.x - t.lb.x, d, n)) {
    for (int32_t i = 0; i <= n; ++i) {
      int32_t x = t.lb.x + i * d, cut = std::max(0, x + d - t.rb.x);
      copy(lb.x, c.bottom, rb.x - cut, sh, {x, nc.bottom, x + d - cut, h});
    }
  }
  if (st.left) {
    copy(0, lt.y, c.left, lb.y, {0, t.lt.y, nc.left, t.lb.y});
  } else if (int32_t d = lb.y - lt.y; Tiles(t.lb.y - t.lt.y, d, n)) {
    for (int32_t i = 0; i <= n; ++i) {
      int32_t y = t.lt.y + i * d, cut = std::max(0, y + d - t.lb.y);
      copy(0, lt.y, nc.left, lb.y - cut, {0, y, nc.left, y + d - cut});
    }
  }
  if (st.right) {
    copy(c.right, rt.y, sw, rb.y, {nc.right, t.rt.y, w, t.rb.y});
  } else if (int32_t d = rb.y - rt.y; Tiles(t.rb.y - t.rt.y, d, n)) {
    for (int32_t i = 0; i <= n; ++i) {
      int32_t y = t.rt.y + i * d, cut = std::max(0, y + d - t.rb.y);
      copy(c.right, rt.y, sw, rb.y - cut, {nc.right, y, w, y + d - cut});
    }
  }
  copy(0, 0, lt.x, c.top, {0, 0, t.lt.x, nc.top});
  copy(0, c.top, c.left, lt.y, {0, nc.top, nc.left, t.lt.y});
  copy(rt.x, 0, sw, c.top, {t.rt.x, 0, w, nc.top});
  copy(c.right, c.top, sw, rt.y, {nc.right, nc.top, w, t.rt.y});
  copy(0, lb.y, c.left, sh, {0, t.lb.y, nc.left, h});
  copy(c.left, c.bottom, lb.x, sh, {nc.left, nc.bottom, t.lb.x, h});
  copy(rb.x, c.bottom, sw, sh, {t.rb.x, nc.bottom, w, h});
  copy(c.right, rb.y, sw, c.bottom, {nc.right, t.rb.y, w, nc.bottom});
  if (!draw_client) return out;
  const int32_t cw = c.Width(), ch = c.Height(), ncw = nc.Width(), nch = nc.Height();
  int32_t ni, nj;
  if (!Tiles(ncw, cw, ni) || !Tiles(nch, ch, nj)) return out;
  for (int32_t i = 0; i <= ni; ++i) {
    for (int32_t j = 0; j <= nj; ++j) {
      int32_t cutx = std::max(0, (i + 1) * cw - ncw), cuty = std::max(0, (j + 1) * ch - nch);
      copy(c.left, c.top, c.right - cutx, c.bottom - cuty,
           {nc.left + i * cw, nc.top + j * ch, nc.left + i * cw + cw - cutx, nc.top + j * ch + ch - cuty});
    }
  }
  return out;
}

inline Bitmap SkinImageOpenRight(const Bitmap& pic, const SkinSource& src, const SkinTarget& t, bool draw_client) {
  Bitmap out = Sized(t.width, t.height);
  if (src.rb.x == src.lt.x || src.rb.y == src.lt.y || pic.IsEmpty()) return out;
  const int32_t sh = src.source.Height(), w = t.width, h = t.height;
  const Rect c = src.client, nc = t.client;
  const gfx::Point lt = src.lt, rt = src.rt, lb = src.lb, rb = src.rb;
  From copy{out, pic, src.source};
  int32_t n;
  if (int32_t d = rb.x - lt.x; Tiles(w - t.lt.x, d, n)) {
    for (int32_t i = 0; i <= n; ++i) {
      int32_t x = t.lt.x + i * d, cut = std::max(0, x + d - w);
      copy(lt.x, 0, rt.x - cut, c.top, {x, 0, x + d - cut, nc.top});
    }
  }
  if (int32_t d = rb.x - lb.x; Tiles(w - t.lb.x, d, n)) {
    for (int32_t i = 0; i <= n; ++i) {
      int32_t x = t.lb.x + i * d, cut = std::max(0, x + d - w);
      copy(lb.x, c.bottom, rb.x - cut, sh, {x, nc.bottom, x + d - cut, h});
    }
  }
  if (int32_t d = lb.y - lt.y; Tiles(t.lb.y - t.lt.y, d, n)) {
    for (int32_t i = 0; i <= n; ++i) {
      int32_t y = t.lt.y + i * d, cut = std::max(0, y + d - t.lb.y);
      copy(0, lt.y, nc.left, lb.y - cut, {0, y, nc.left, y + d - cut});
    }
  }
  copy(0, 0, lt.x, c.top, {0, 0, t.lt.x, nc.top});
  copy(0, c.top, c.left, lt.y, {0, nc.top, nc.left, t.lt.y});
  copy(0, lb.y, c.left, sh, {0, t.lb.y, nc.left, h});
  copy(c.left, c.bottom, lb.x, sh, {nc.left, nc.bottom, t.lb.x, h});
  if (!draw_client) return out;
  const int32_t cw = c.Width(), ch = c.Height(), ncw = w - nc.left, nch = nc.Height();
  int32_t ni, nj;
  if (!Tiles(ncw, cw, ni) || !Tiles(nch, ch, nj)) return out;
  for (int32_t i = 0; i <= ni; ++i) {
    for (int32_t j = 0; j <= nj; ++j) {
      int32_t cutx = std::max(0, (i + 1) * cw - ncw), cuty = std::max(0, (j + 1) * ch - nch);
      copy(c.left, c.top, c.right - cutx, c.bottom - cuty,
           {nc.left + i * cw, nc.top + j * ch, nc.left + i * cw + cw - cutx, nc.top + j * ch + ch - cuty});
    }
  }
  return out;
}

enum class StripKind { kStrip, kStripLeft, kTile };

inline Bitmap HorzStrip(StripKind kind, int32_t left, int32_t right, int32_t w, const Rect& s, const Bitmap& pic) {
  const int32_t sh = s.Height();
  Bitmap out = Sized(w, sh);
  if (kind != StripKind::kTile && left > 0) Copy(out, {0, 0, left, sh}, pic, {s.left, s.top, s.left + left, s.bottom});
  if (kind == StripKind::kStrip && right > 0)
    Copy(out, {w - right, 0, w, sh}, pic, {s.right - right, s.top, s.right, s.bottom});
  int32_t d = s.Width() - left - right;
  if (d == 0) d = 1;
  const int32_t start = kind == StripKind::kTile ? 0 : left;
  const int32_t end = kind == StripKind::kStrip ? w - right : w;
  int32_t n;
  if (!Tiles(end - start, d, n)) return out;
  for (int32_t i = 0; i <= n; ++i) {
    int32_t cut = std::max(0, start + (i + 1) * d - end);
    Copy(out, {start + i * d, 0, start + i * d + d - cut, sh}, pic,
         {s.left + left, s.top, s.right - right - cut, s.bottom});
  }
  return out;
}

inline Bitmap VertStrip(int32_t top, int32_t bottom, int32_t h, const Rect& s, const Bitmap& pic) {
  const int32_t sw = s.Width();
  Bitmap out = Sized(sw, h);
  Copy(out, {0, 0, sw, top}, pic, {s.left, s.top, s.right, s.top + top});
  Copy(out, {0, h - bottom, sw, h}, pic, {s.left, s.bottom - bottom, s.right, s.bottom});
  const int32_t d = s.Height() - top - bottom;
  int32_t n;
  if (d == 0 || !Tiles(h - top - bottom, d, n)) return out;
  for (int32_t i = 0; i <= n; ++i) {
    int32_t cut = std::max(0, top + (i + 1) * d - (h - bottom));
    Copy(out, {0, top + i * d, sw, top + i * d + d - cut}, pic,
         {s.left, s.top + top, s.right, s.bottom - bottom - cut});
  }
  return out;
}

// Tiles piece (l, t, r - cut, b) along x from x0 to x1 at rows d_top..d_bottom of dst.
inline void TileX(Bitmap& dst, const From& f, int32_t l, int32_t t, int32_t r, int32_t b, int32_t x0, int32_t x1,
                  int32_t d_top, int32_t d_bottom) {
  int32_t d = r - l, n;
  if (!Tiles(x1 - x0, d, n)) return;
  for (int32_t i = 0; i <= n; ++i) {
    int32_t x = x0 + i * d, cut = std::max(0, x + d - x1);
    Copy(dst, {x, d_top, x + d - cut, d_bottom}, f.pic, Rect{l, t, r - cut, b}.Offset(f.s.left, f.s.top));
  }
}

inline void TileY(Bitmap& dst, const From& f, int32_t l, int32_t t, int32_t r, int32_t b, int32_t y0, int32_t y1,
                  int32_t d_left, int32_t d_right) {
  int32_t d = b - t, n;
  if (!Tiles(y1 - y0, d, n)) return;
  for (int32_t i = 0; i <= n; ++i) {
    int32_t y = y0 + i * d, cut = std::max(0, y + d - y1);
    Copy(dst, {d_left, y, d_right, y + d - cut}, f.pic, Rect{l, t, r, b - cut}.Offset(f.s.left, f.s.top));
  }
}

inline void FrameBorders(BorderStrips& out, const Bitmap& pic, const SkinSource& src, const SkinTarget& t,
                         EdgeStretch st) {
  const int32_t sw = src.source.Width(), sh = src.source.Height(), w = t.width, h = t.height;
  const Rect c = src.client, nc = t.client;
  const gfx::Point lt = src.lt, rt = src.rt, lb = src.lb, rb = src.rb;
  if (w > 0 && nc.top > 0 && rt.x - lt.x > 0) {
    out.top = Sized(w, nc.top);
    From f{out.top, pic, src.source};
    if (st.top) f(lt.x, 0, rt.x, nc.top, {t.lt.x, 0, t.rt.x, nc.top});
    else TileX(out.top, f, lt.x, 0, rt.x, nc.top, 0, w, 0, nc.top);
    f(0, 0, lt.x, nc.top, {0, 0, t.lt.x, nc.top});
    f(rt.x, 0, sw, nc.top, {t.rt.x, 0, w, nc.top});
  }
  const int32_t hb = h - nc.bottom;
  if (w > 0 && hb > 0 && rb.x - lb.x > 0) {
    out.bottom = Sized(w, hb);
    From f{out.bottom, pic, src.source};
    if (st.bottom) f(lb.x, sh - hb, rb.x, sh, {t.lb.x, 0, t.rb.x, hb});
    else TileX(out.bottom, f, lb.x, sh - hb, rb.x, sh, 0, w, 0, hb);
    f(0, sh - hb, lb.x, sh, {0, 0, t.lb.x, hb});
    f(rb.x, sh - hb, sw, sh, {t.rb.x, 0, w, hb});
  }
  const int32_t hl = h - out.top.Height() - out.bottom.Height();
  if (nc.left > 0 && hl > 0 && lb.y - lt.y > 0) {
    out.left = Sized(nc.left, hl);
    From f{out.left, pic, src.source};
    if (st.left) f(0, lt.y, nc.left, lb.y, {0, lt.y - c.top, nc.left, hl - (c.bottom - lb.y)});
    else TileY(out.left, f, 0, lt.y, nc.left, lb.y, 0, hl, 0, nc.left);
    if (lt.y - c.top > 0) f(0, c.top, nc.left, lt.y, {0, 0, nc.left, lt.y - c.top});
    if (c.bottom - lb.y > 0) f(0, lb.y, nc.left, c.bottom, {0, hl - (c.bottom - lb.y), nc.left, hl});
  }
  const int32_t wr = w - nc.right;
  if (wr >= 1 && hl >= 1 && rb.y - rt.y >= 1) {
    out.right = Sized(wr, hl);
    From f{out.right, pic, src.source};
    if (st.right) f(c.right, rt.y, sw, rb.y, {0, rt.y - c.top, wr, hl - (c.bottom - rb.y)});
    else TileY(out.right, f, c.right, rt.y, sw, rb.y, 0, hl, 0, wr);
    if (rt.y - c.top > 0) f(c.right, c.top, sw, rt.y, {0, 0, wr, rt.y - c.top});
    if (c.bottom - rb.y >= 1) f(c.right, rb.y, sw, c.bottom, {0, hl - (c.bottom - rb.y), wr, hl});
  }
}

inline void MaskBorders(BorderStrips& out, const Bitmap& m, const MaskSource& src, const SkinTarget& t) {
  const int32_t mw = m.Width(), mh = m.Height(), w = t.width, h = t.client.Height();
  const Rect a = src.inner;
  const gfx::Point lt = src.lt, rt = src.rt, lb = src.lb, rb = src.rb;
  const Rect whole = m.Bounds();
  if (a.left > 0 && h > 0) {
    out.left = Sized(a.left, h);
    From f{out.left, m, whole};
    if (lb.y != lt.y) TileY(out.left, f, 0, lt.y, a.left, lb.y, 0, h, 0, a.left);
    if (lt.y - a.top > 0) f(0, a.top, a.left, lt.y, {0, 0, a.left, lt.y - a.top});
    if (a.bottom - lb.y > 0) f(0, lb.y, a.left, a.bottom, {0, h - (a.bottom - lb.y), a.left, h});
  }
  const int32_t wr = mw - a.right;
  if (wr > 0 && h > 0) {
    out.right = Sized(wr, h);
    From f{out.right, m, whole};
    if (rb.y != rt.y) TileY(out.right, f, a.right, rt.y, mw, rb.y, 0, h, 0, wr);
    if (rt.y - a.top > 0) f(a.right, a.top, mw, rt.y, {0, 0, wr, rt.y - a.top});
    if (a.bottom - rb.y > 0) f(a.right, rb.y, mw, a.bottom, {0, h - (a.bottom - rb.y), wr, h});
  }
  if (w > 0 && a.top > 0) {
    out.top = Sized(w, a.top);
    From f{out.top, m, whole};
    if (rt.x != lt.x) TileX(out.top, f, lt.x, 0, rt.x, a.top, t.lt.x, t.rt.x, 0, a.top);
    f(0, 0, lt.x, a.top, {0, 0, lt.x, a.top});
    f(rt.x, 0, mw, a.top, {t.rt.x, 0, w, a.top});
  }
  const int32_t hb = mh - a.bottom;
  if (w >= 1 && hb >= 1) {
    out.bottom = Sized(w, hb);
    From f{out.bottom, m, whole};
    if (rb.x != lb.x) TileX(out.bottom, f, lb.x, a.bottom, rb.x, mh, t.lb.x, t.rb.x, 0, hb);
    f(0, a.bottom, lb.x, mh, {0, 0, lb.x, hb});
    f(rb.x, a.bottom, mw, mh, {t.rb.x, 0, w, hb});
  }
}

// A picture of random colours.
inline Bitmap RandomPicture(std::mt19937& rng, int32_t w, int32_t h) {
  Bitmap b(w, h, 24);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, rng() & 0xFFFFFF);
  return b;
}

inline int32_t Uniform(std::mt19937& rng, int32_t lo, int32_t hi) {
  return std::uniform_int_distribution<int32_t>(lo, hi)(rng);
}

// Random corner points and client rectangle for a w x h skin rectangle: mostly in order and
// inside, sometimes anywhere around it (inverted, empty or reaching outside).
inline SkinSource RandomSource(std::mt19937& rng, const Rect& s) {
  const int32_t w = s.Width(), h = s.Height();
  auto pair = [&](int32_t len, int32_t& a, int32_t& b) {
    if (Uniform(rng, 0, 9) < 8) {
      a = Uniform(rng, 0, len);
      b = Uniform(rng, 0, len);
      if (a > b) std::swap(a, b);
    } else {
      a = Uniform(rng, -2, len + 2);
      b = Uniform(rng, -2, len + 2);
    }
  };
  SkinSource src;
  src.source = s;
  pair(w, src.client.left, src.client.right);
  pair(h, src.client.top, src.client.bottom);
  pair(w, src.lt.x, src.rt.x);
  pair(w, src.lb.x, src.rb.x);
  pair(h, src.lt.y, src.lb.y);
  pair(h, src.rt.y, src.rb.y);
  return src;
}

// A target for src: usually the usual geometry, sometimes random points around a w x h image.
inline SkinTarget RandomTarget(std::mt19937& rng, const SkinSource& src, int32_t w, int32_t h) {
  if (Uniform(rng, 0, 9) < 7) return UsualTarget(src, w, h);
  SkinTarget t;
  t.width = w;
  t.height = h;
  auto x = [&] { return Uniform(rng, -3, w + 3); };
  auto y = [&] { return Uniform(rng, -3, h + 3); };
  t.lt = {x(), y()};
  t.rt = {x(), y()};
  t.lb = {x(), y()};
  t.rb = {x(), y()};
  t.client = {x(), y(), x(), y()};
  return t;
}

inline std::string Describe(const Rect& r) {
  std::ostringstream o;
  o << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
  return o.str();
}
inline std::string Describe(gfx::Point p) {
  std::ostringstream o;
  o << "(" << p.x << "," << p.y << ")";
  return o.str();
}
inline std::string Describe(const SkinSource& s, const SkinTarget& t) {
  return "S=" + Describe(s.source) + " LT=" + Describe(s.lt) + " RT=" + Describe(s.rt) + " LB=" + Describe(s.lb) +
         " RB=" + Describe(s.rb) + " C=" + Describe(s.client) + " -> " + std::to_string(t.width) + "x" +
         std::to_string(t.height) + " NLT=" + Describe(t.lt) + " NRT=" + Describe(t.rt) + " NLB=" + Describe(t.lb) +
         " NRB=" + Describe(t.rb) + " NC=" + Describe(t.client);
}

}  // namespace skin::ref
