// The canvas state stack, clipping, and its pixel, shape and bitmap drawing.
#include "gfx/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "gfx/CanvasPainter.h"
#include "gfx/ImageError.h"

namespace gfx {

namespace {

// Coordinates are kept within this range before any arithmetic, so that no sum overflows.
constexpr int64_t kCoordLimit = int64_t{1} << 29;

int32_t Clamp(int64_t v) { return static_cast<int32_t>(std::clamp(v, -kCoordLimit, kCoordLimit)); }

uint8_t* At(Bitmap& b, int32_t x, int32_t y) { return b.Row(y) + static_cast<size_t>(x) * 3; }
const uint8_t* At(const Bitmap& b, int32_t x, int32_t y) { return b.Row(y) + static_cast<size_t>(x) * 3; }

void Put(uint8_t* p, Color c) {
  p[0] = Blue(c);
  p[1] = Green(c);
  p[2] = Red(c);
}

uint8_t Mix(uint8_t d, uint8_t s, uint32_t a) {
  return static_cast<uint8_t>((d * (255 - a) + s * a + 127) / 255);
}

bool SameColor(const uint8_t* p, Color c) { return p[0] == Blue(c) && p[1] == Green(c) && p[2] == Red(c); }

// Applies the pen's raster operation to n pixels starting at p.
void PenSpan(uint8_t* p, int32_t n, const Pen& pen) {
  switch (pen.mode) {
    case PenMode::kCopy:
      for (int32_t i = 0; i < n; ++i, p += 3) Put(p, pen.color);
      return;
    case PenMode::kXor:
      for (int32_t i = 0; i < n; ++i, p += 3) {
        p[0] ^= Blue(pen.color);
        p[1] ^= Green(pen.color);
        p[2] ^= Red(pen.color);
      }
      return;
    case PenMode::kNot:
      for (int32_t i = 0; i < n * 3; ++i) p[i] = static_cast<uint8_t>(~p[i]);
      return;
  }
}

void InvertSpan(uint8_t* p, int32_t n) {
  for (int32_t i = 0; i < n * 3; ++i) p[i] = static_cast<uint8_t>(~p[i]);
}

bool PenVisible(const Pen& pen) { return pen.style != PenStyle::kClear; }

// Rectangles of a region restricted to the clip, each handed to fn.
// The target may have been replaced by a smaller picture (or another depth) since the clip was
// set, so every loop also checks it against the target as it is now.
bool Drawable(const Canvas& c) { return c.Target().BitsPerPixel() == 24; }

template <class Fn>
void ForClipped(const Canvas& c, const Region& region, Fn fn) {
  if (!Drawable(c)) return;
  Region r = region;
  r.Intersect(c.Target().Bounds());
  const auto& clip = CanvasPainter::ClipRects(c);
  if (clip.size() == 1) {
    r.Intersect(clip.front());
  } else {
    Region cr(clip);
    r.Intersect(cr);
  }
  for (const Rect& rect : r.Rects()) fn(rect);
}

template <class Fn>
void ForClipped(const Canvas& c, const Rect& bitmap_rect, Fn fn) {
  if (!Drawable(c)) return;
  const Rect limited = bitmap_rect.Intersect(c.Target().Bounds());
  if (limited.IsEmpty()) return;
  for (const Rect& clip : CanvasPainter::ClipRects(c)) {
    Rect r = limited.Intersect(clip);
    if (!r.IsEmpty()) fn(r);
  }
}

bool InClip(const Canvas& c, Point p) {
  if (!Drawable(c) || !c.Target().Bounds().Contains(p)) return false;
  for (const Rect& r : CanvasPainter::ClipRects(c))
    if (r.Contains(p)) return true;
  return false;
}

// Pixels of a line from a to b by Bresenham's algorithm, a included and b excluded.
std::vector<Point> LinePoints(Point a, Point b) {
  std::vector<Point> out;
  int64_t dx = std::llabs(int64_t{b.x} - a.x), dy = -std::llabs(int64_t{b.y} - a.y);
  const int32_t sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  out.reserve(static_cast<size_t>(std::max(dx, -dy)));
  int64_t err = dx + dy;
  Point p = a;
  while (p != b) {
    out.push_back(p);
    const int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      p.x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      p.y += sy;
    }
  }
  return out;
}

// The rectangle's outline as the pen covers it: a band of pen width centred on the outermost pixels.
Region OutlineRegion(const Rect& r, int32_t w) {
  const int32_t half = w / 2;
  Rect outer{r.left - half, r.top - half, r.right - 1 - half + w, r.bottom - 1 - half + w};
  Rect inner{r.left - half + w, r.top - half + w, r.right - 1 - half, r.bottom - 1 - half};
  Region out(outer);
  if (!inner.IsEmpty()) out.Subtract(Region(inner));
  return out;
}

// Pixels of the perimeter of r, clockwise from the top-left, each once.
std::vector<Point> PerimeterPoints(const Rect& r) {
  std::vector<Point> out;
  if (r.IsEmpty()) return out;
  for (int32_t x = r.left; x < r.right; ++x) out.push_back({x, r.top});
  for (int32_t y = r.top + 1; y < r.bottom; ++y) out.push_back({r.right - 1, y});
  if (r.Height() > 1)
    for (int32_t x = r.right - 2; x >= r.left; --x) out.push_back({x, r.bottom - 1});
  if (r.Width() > 1)
    for (int32_t y = r.bottom - 2; y > r.top; --y) out.push_back({r.left, y});
  return out;
}

// Rows of the ellipse inscribed in r: for row y, the pixels [left, right) whose centres lie inside.
struct Span {
  int32_t left = 0;
  int32_t right = 0;
};

std::vector<Span> EllipseSpans(const Rect& r) {
  std::vector<Span> spans(static_cast<size_t>(r.Height()));
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  const double a = r.Width() / 2.0, b = r.Height() / 2.0;
  for (int32_t y = r.top; y < r.bottom; ++y) {
    const double dy = (y + 0.5 - cy) / b;
    const double t = 1.0 - dy * dy;
    Span& s = spans[static_cast<size_t>(y - r.top)];
    if (t < 0) continue;
    const double half = a * std::sqrt(t);
    s.left = static_cast<int32_t>(std::ceil(cx - half - 0.5));
    s.right = static_cast<int32_t>(std::floor(cx + half - 0.5)) + 1;
    s.left = std::max(s.left, r.left);
    s.right = std::min(s.right, r.right);
    if (s.right < s.left) s.right = s.left;
  }
  return spans;
}

}  // namespace

// ---- state ----

Canvas::Canvas(Bitmap& target) : target_(target) {
  if (target.BitsPerPixel() != 24) throw ImageError("a canvas draws only on 24-bit pictures");
  ResetClip();
}

Canvas::~Canvas() = default;

void Canvas::Save() { saved_.push_back(state_); }

void Canvas::Restore() {
  if (saved_.empty()) return;
  state_ = std::move(saved_.back());
  saved_.pop_back();
}

void Canvas::RestoreTo(size_t depth) {
  if (depth >= saved_.size()) return;
  state_ = std::move(saved_[depth]);
  saved_.resize(depth);
}

void Canvas::SetOrigin(Point bitmap_position) {
  state_.origin = {Clamp(bitmap_position.x), Clamp(bitmap_position.y)};
}

void Canvas::Translate(int32_t dx, int32_t dy) {
  state_.origin = {Clamp(int64_t{state_.origin.x} + dx), Clamp(int64_t{state_.origin.y} + dy)};
}

Region Canvas::ClipRegion() const {
  Region r = state_.clip;
  r.Offset(-state_.origin.x, -state_.origin.y);
  return r;
}

Rect Canvas::ClipBounds() const {
  Rect b = state_.clip.Bounds();
  if (b.IsEmpty()) return {};
  return b.Offset(-state_.origin.x, -state_.origin.y);
}

void Canvas::SetClipRect(const Rect& r) { CanvasPainter::SetClip(*this, Region(CanvasPainter::ToBitmap(*this, r))); }

void Canvas::SetClipRegion(const Region& r) {
  Region b = r;
  b.Offset(state_.origin.x, state_.origin.y);
  CanvasPainter::SetClip(*this, std::move(b));
}

void Canvas::IntersectClip(const Rect& r) {
  Region c = state_.clip;
  c.Intersect(CanvasPainter::ToBitmap(*this, r));
  CanvasPainter::SetClip(*this, std::move(c));
}

void Canvas::IntersectClip(const Region& r) {
  Region b = r;
  b.Offset(state_.origin.x, state_.origin.y);
  Region c = state_.clip;
  c.Intersect(b);
  CanvasPainter::SetClip(*this, std::move(c));
}

void Canvas::ExcludeClip(const Rect& r) {
  Region c = state_.clip;
  Rect b = CanvasPainter::ToBitmap(*this, r);
  if (!b.IsEmpty()) c.Subtract(Region(b));
  CanvasPainter::SetClip(*this, std::move(c));
}

void Canvas::ExcludeClip(const Region& r) {
  Region b = r;
  b.Offset(state_.origin.x, state_.origin.y);
  Region c = state_.clip;
  c.Subtract(b);
  CanvasPainter::SetClip(*this, std::move(c));
}

void Canvas::ResetClip() { CanvasPainter::SetClip(*this, Region(target_.Bounds())); }

bool Canvas::IsVisible(Point p) const { return InClip(*this, CanvasPainter::ToBitmap(*this, p)); }

bool Canvas::IsVisible(const Rect& r) const {
  const Rect b = CanvasPainter::ToBitmap(*this, r);
  if (b.IsEmpty()) return false;
  for (const Rect& clip : state_.clip_rects)
    if (!b.Intersect(clip).IsEmpty()) return true;
  return false;
}

// ---- painter helpers ----

void CanvasPainter::SetClip(Canvas& c, Region region) {
  region.Intersect(c.target_.Bounds());
  c.state_.clip_rects = region.Rects();
  c.state_.clip = std::move(region);
}

Rect CanvasPainter::ToBitmap(const Canvas& c, const Rect& r) {
  const Point o = c.state_.origin;
  return {Clamp(int64_t{r.left} + o.x), Clamp(int64_t{r.top} + o.y), Clamp(int64_t{r.right} + o.x),
          Clamp(int64_t{r.bottom} + o.y)};
}

Point CanvasPainter::ToBitmap(const Canvas& c, Point p) {
  const Point o = c.state_.origin;
  return {Clamp(int64_t{p.x} + o.x), Clamp(int64_t{p.y} + o.y)};
}

void CanvasPainter::FillBitmapRect(Canvas& c, const Rect& r, Color color) {
  ForClipped(c, r, [&](const Rect& part) {
    // The first row is written pixel by pixel, the others are copies of it.
    uint8_t* first = At(c.target_, part.left, part.top);
    uint8_t* p = first;
    for (int32_t x = part.left; x < part.right; ++x, p += 3) Put(p, color);
    const size_t bytes = static_cast<size_t>(part.Width()) * 3;
    for (int32_t y = part.top + 1; y < part.bottom; ++y) std::memcpy(At(c.target_, part.left, y), first, bytes);
  });
}

void CanvasPainter::BlendMask(Canvas& c, const CoverageMask& mask, Color color, const Rect& limit) {
  const Rect area = mask.bounds.Intersect(limit);
  const uint8_t cb = Blue(color), cg = Green(color), cr = Red(color);
  const size_t stride = static_cast<size_t>(mask.bounds.Width());
  ForClipped(c, area, [&](const Rect& part) {
    for (int32_t y = part.top; y < part.bottom; ++y) {
      const uint8_t* m = mask.coverage.data() + static_cast<size_t>(y - mask.bounds.top) * stride +
                         static_cast<size_t>(part.left - mask.bounds.left);
      uint8_t* p = At(c.target_, part.left, y);
      for (int32_t x = part.left; x < part.right; ++x, p += 3, ++m) {
        const uint32_t a = *m;
        if (a == 0) continue;
        if (a == 255) {
          p[0] = cb;
          p[1] = cg;
          p[2] = cr;
          continue;
        }
        p[0] = Mix(p[0], cb, a);
        p[1] = Mix(p[1], cg, a);
        p[2] = Mix(p[2], cr, a);
      }
    }
  });
}

void CanvasPainter::Line(Canvas& c, Point a, Point b) {
  if (!PenVisible(c.state_.pen)) return;
  PenPoints(c, LinePoints(ToBitmap(c, a), ToBitmap(c, b)));
}

void CanvasPainter::PenPoints(Canvas& c, const std::vector<Point>& points) {
  const Pen& pen = c.state_.pen;
  if (!PenVisible(pen) || points.empty()) return;
  const size_t step = pen.style == PenStyle::kDot ? 2 : 1;
  if (pen.width <= 1) {
    for (size_t i = 0; i < points.size(); i += step)
      if (InClip(c, points[i])) PenSpan(At(c.target_, points[i].x, points[i].y), 1, pen);
    return;
  }
  // A wide pen covers a square around each pixel; the union keeps xor and invert to one pass.
  const int32_t w = pen.width, half = w / 2;
  std::vector<Rect> squares;
  squares.reserve(points.size() / step + 1);
  for (size_t i = 0; i < points.size(); i += step)
    squares.push_back(Rect::FromSize(points[i].x - half, points[i].y - half, w, w));
  PenRegion(c, Region(squares));
}

void CanvasPainter::PenRegion(Canvas& c, const Region& region) {
  const Pen& pen = c.state_.pen;
  ForClipped(c, region, [&](const Rect& r) {
    for (int32_t y = r.top; y < r.bottom; ++y) PenSpan(At(c.target_, r.left, y), r.Width(), pen);
  });
}

// ---- pixels and areas ----

Color Canvas::Pixel(int32_t x, int32_t y) const {
  const Point p = CanvasPainter::ToBitmap(*this, Point{x, y});
  if (!target_.Bounds().Contains(p)) return kInvalidColor;
  return target_.Pixel(p.x, p.y);
}

void Canvas::SetPixel(int32_t x, int32_t y, Color c) {
  const Point p = CanvasPainter::ToBitmap(*this, Point{x, y});
  if (InClip(*this, p)) Put(At(target_, p.x, p.y), c);
}

void Canvas::FillRect(const Rect& r, Color c) { CanvasPainter::FillBitmapRect(*this, CanvasPainter::ToBitmap(*this, r), c); }

void Canvas::FillRect(const Rect& r) {
  if (state_.brush.style == BrushStyle::kSolid) FillRect(r, state_.brush.color);
}

void Canvas::FrameRect(const Rect& r, Color c) {
  if (r.IsEmpty()) return;
  FillRect({r.left, r.top, r.right, r.top + 1}, c);
  FillRect({r.left, r.bottom - 1, r.right, r.bottom}, c);
  FillRect({r.left, r.top, r.left + 1, r.bottom}, c);
  FillRect({r.right - 1, r.top, r.right, r.bottom}, c);
}

void Canvas::FrameRect(const Rect& r) {
  if (state_.brush.style == BrushStyle::kSolid) FrameRect(r, state_.brush.color);
}

void Canvas::Rectangle(const Rect& r) {
  if (r.IsEmpty()) return;
  const Rect b = CanvasPainter::ToBitmap(*this, r);
  const bool pen = PenVisible(state_.pen);
  const Region outline = pen ? OutlineRegion(b, std::max(1, state_.pen.width)) : Region();
  if (state_.brush.style == BrushStyle::kSolid) {
    Region fill(b);
    fill.Subtract(outline);
    FillRegion(fill.Offset(-state_.origin.x, -state_.origin.y), state_.brush.color);
  }
  if (!pen) return;
  if (state_.pen.style == PenStyle::kSolid) {
    CanvasPainter::PenRegion(*this, outline);
    return;
  }
  CanvasPainter::PenPoints(*this, PerimeterPoints(b));
}

void Canvas::Ellipse(const Rect& r) {
  if (r.IsEmpty()) return;
  const Rect b = CanvasPainter::ToBitmap(*this, r);
  const std::vector<Span> spans = EllipseSpans(b);
  // Outline: the pixels of each row that have a neighbour above, below or beside outside the ellipse.
  std::vector<Point> outline;
  std::vector<Rect> fill;
  for (size_t i = 0; i < spans.size(); ++i) {
    const Span s = spans[i];
    if (s.right <= s.left) continue;
    const int32_t y = b.top + static_cast<int32_t>(i);
    const Span above = i > 0 ? spans[i - 1] : Span{};
    const Span below = i + 1 < spans.size() ? spans[i + 1] : Span{};
    const int32_t in_left = std::max({s.left + 1, above.left, below.left});
    const int32_t in_right = std::min({s.right - 1, above.right, below.right});
    if (in_right > in_left) {
      for (int32_t x = s.left; x < in_left; ++x) outline.push_back({x, y});
      for (int32_t x = in_right; x < s.right; ++x) outline.push_back({x, y});
      fill.push_back({in_left, y, in_right, y + 1});
    } else {
      for (int32_t x = s.left; x < s.right; ++x) outline.push_back({x, y});
    }
  }
  const bool pen = PenVisible(state_.pen);
  if (state_.brush.style == BrushStyle::kSolid) {
    if (!pen) {
      fill.clear();
      for (size_t i = 0; i < spans.size(); ++i)
        if (spans[i].right > spans[i].left)
          fill.push_back({spans[i].left, b.top + static_cast<int32_t>(i), spans[i].right, b.top + static_cast<int32_t>(i) + 1});
    }
    Region f(fill);
    if (pen && state_.pen.width > 1) {
      std::vector<Rect> squares;
      const int32_t w = state_.pen.width, half = w / 2;
      for (Point p : outline) squares.push_back(Rect::FromSize(p.x - half, p.y - half, w, w));
      f.Subtract(Region(squares));
    }
    ForClipped(*this, f, [&](const Rect& part) {
      for (int32_t y = part.top; y < part.bottom; ++y) {
        uint8_t* p = At(target_, part.left, y);
        for (int32_t x = part.left; x < part.right; ++x, p += 3) Put(p, state_.brush.color);
      }
    });
  }
  if (pen) CanvasPainter::PenPoints(*this, outline);
}

void Canvas::InvertRect(const Rect& r) {
  ForClipped(*this, CanvasPainter::ToBitmap(*this, r), [&](const Rect& part) {
    for (int32_t y = part.top; y < part.bottom; ++y) InvertSpan(At(target_, part.left, y), part.Width());
  });
}

void Canvas::DrawFocusRect(const Rect& r) {
  const Rect b = CanvasPainter::ToBitmap(*this, r);
  for (Point p : PerimeterPoints(b)) {
    if (((p.x - b.left) + (p.y - b.top)) % 2 != 0) continue;
    if (InClip(*this, p)) InvertSpan(At(target_, p.x, p.y), 1);
  }
}

void Canvas::FillRegion(const Region& region, Color c) {
  Region b = region;
  b.Offset(state_.origin.x, state_.origin.y);
  ForClipped(*this, b, [&](const Rect& part) {
    for (int32_t y = part.top; y < part.bottom; ++y) {
      uint8_t* p = At(target_, part.left, y);
      for (int32_t x = part.left; x < part.right; ++x, p += 3) Put(p, c);
    }
  });
}

void Canvas::BlendRect(const Rect& r, Color c, uint8_t alpha) {
  if (alpha == 0) return;
  ForClipped(*this, CanvasPainter::ToBitmap(*this, r), [&](const Rect& part) {
    for (int32_t y = part.top; y < part.bottom; ++y) {
      uint8_t* p = At(target_, part.left, y);
      for (int32_t x = part.left; x < part.right; ++x, p += 3) {
        p[0] = Mix(p[0], Blue(c), alpha);
        p[1] = Mix(p[1], Green(c), alpha);
        p[2] = Mix(p[2], Red(c), alpha);
      }
    }
  });
}

// ---- lines ----

void Canvas::MoveTo(int32_t x, int32_t y) { state_.pen_pos = {x, y}; }

void Canvas::LineTo(int32_t x, int32_t y) {
  CanvasPainter::Line(*this, state_.pen_pos, {x, y});
  state_.pen_pos = {x, y};
}

void Canvas::Polyline(std::span<const Point> points) {
  if (points.empty()) return;
  MoveTo(points[0].x, points[0].y);
  for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
}

void Canvas::Polygon(std::span<const Point> points) {
  if (points.empty()) return;
  if (state_.brush.style == BrushStyle::kSolid && points.size() >= 3) {
    // Even-odd fill sampled at pixel centres.
    int64_t top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
      top = std::min<int64_t>(top, p.y);
      bottom = std::max<int64_t>(bottom, p.y);
    }
    const Rect clip = ClipBounds();
    top = std::max<int64_t>(top, clip.top);
    bottom = std::min<int64_t>(bottom, clip.bottom);
    std::vector<Rect> rows;
    std::vector<double> xs;
    for (int64_t y = top; y < bottom; ++y) {
      const double yc = static_cast<double>(y) + 0.5;
      xs.clear();
      for (size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i], b = points[(i + 1) % points.size()];
        if ((a.y <= yc) == (b.y <= yc)) continue;
        xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
      }
      std::sort(xs.begin(), xs.end());
      for (size_t i = 0; i + 1 < xs.size(); i += 2) {
        const int64_t left = static_cast<int64_t>(std::ceil(xs[i] - 0.5));
        const int64_t right = static_cast<int64_t>(std::ceil(xs[i + 1] - 0.5));
        if (right > left)
          rows.push_back({Clamp(std::max<int64_t>(left, clip.left)), static_cast<int32_t>(y),
                          Clamp(std::min<int64_t>(right, clip.right)), static_cast<int32_t>(y + 1)});
      }
    }
    rows.erase(std::remove_if(rows.begin(), rows.end(), [](const Rect& r) { return r.IsEmpty(); }), rows.end());
    FillRegion(Region(rows), state_.brush.color);
  }
  Polyline(points);
  if (points.size() > 1) LineTo(points[0].x, points[0].y);
}

// ---- bitmaps ----

namespace {

// The source as a 24-bit picture that is not the target: converted or copied only when needed.
const Bitmap& Source24(const Bitmap& src, const Bitmap& target, Bitmap& holder) {
  if (src.BitsPerPixel() == 24 && &src != &target) return src;
  holder = src.BitsPerPixel() == 24 ? src : src.ToBgr24();
  return holder;
}

// Calls op(dst, src, n) for each row span of src_rect copied to at (bitmap coordinates), clipped.
template <class Op>
void Blit(Canvas& c, Point at, const Bitmap& src, const Rect& src_rect, Op op) {
  const Rect s = src_rect.Intersect(src.Bounds());
  if (s.IsEmpty()) return;
  const Rect d = Rect::FromSize(Clamp(int64_t{at.x} + (s.left - src_rect.left)),
                                Clamp(int64_t{at.y} + (s.top - src_rect.top)), s.Width(), s.Height());
  Bitmap& dst = c.Target();
  ForClipped(c, d, [&](const Rect& part) {
    for (int32_t y = part.top; y < part.bottom; ++y)
      op(At(dst, part.left, y), At(src, s.left + (part.left - d.left), s.top + (y - d.top)), part.Width());
  });
}

// Calls op(dst, src) for each destination pixel of a nearest-neighbour stretch, clipped.
template <class Op>
void Stretch(Canvas& c, const Rect& dst_rect, const Bitmap& src, const Rect& src_rect, Op op) {
  if (dst_rect.IsEmpty() || src_rect.IsEmpty()) return;
  const int64_t sw = src_rect.Width(), sh = src_rect.Height();
  const int64_t dw = dst_rect.Width(), dh = dst_rect.Height();
  Bitmap& dst = c.Target();
  std::vector<int32_t> xs;
  ForClipped(c, dst_rect, [&](const Rect& part) {
    xs.resize(static_cast<size_t>(part.Width()));
    for (int32_t x = part.left; x < part.right; ++x)
      xs[static_cast<size_t>(x - part.left)] = static_cast<int32_t>(src_rect.left + (x - dst_rect.left) * sw / dw);
    for (int32_t y = part.top; y < part.bottom; ++y) {
      const int64_t sy = src_rect.top + (y - dst_rect.top) * sh / dh;
      if (sy < 0 || sy >= src.Height()) continue;
      uint8_t* d = At(dst, part.left, y);
      for (size_t k = 0; k < xs.size(); ++k, d += 3) {
        if (xs[k] < 0 || xs[k] >= src.Width()) continue;
        op(d, At(src, xs[k], static_cast<int32_t>(sy)));
      }
    }
  });
}

}  // namespace

void Canvas::Draw(int32_t x, int32_t y, const Bitmap& src) { CopyRect({x, y}, src, src.Bounds()); }

void Canvas::CopyRect(Point at, const Bitmap& src, const Rect& src_rect) {
  Bitmap holder;
  const Bitmap& s = Source24(src, target_, holder);
  Blit(*this, CanvasPainter::ToBitmap(*this, at), s, src_rect,
       [](uint8_t* d, const uint8_t* p, int32_t n) { std::copy(p, p + static_cast<size_t>(n) * 3, d); });
}

void Canvas::StretchDraw(const Rect& dst, const Bitmap& src) { StretchDraw(dst, src, src.Bounds()); }

void Canvas::StretchDraw(const Rect& dst, const Bitmap& src, const Rect& src_rect) {
  Bitmap holder;
  const Bitmap& s = Source24(src, target_, holder);
  Stretch(*this, CanvasPainter::ToBitmap(*this, dst), s, src_rect, [](uint8_t* d, const uint8_t* p) {
    d[0] = p[0];
    d[1] = p[1];
    d[2] = p[2];
  });
}

void Canvas::CopyTransparent(Point at, const Bitmap& src, const Rect& src_rect, Color transparent) {
  Bitmap holder;
  const Bitmap& s = Source24(src, target_, holder);
  Blit(*this, CanvasPainter::ToBitmap(*this, at), s, src_rect, [&](uint8_t* d, const uint8_t* p, int32_t n) {
    for (int32_t i = 0; i < n; ++i, d += 3, p += 3) {
      if (SameColor(p, transparent)) continue;
      d[0] = p[0];
      d[1] = p[1];
      d[2] = p[2];
    }
  });
}

void Canvas::StretchTransparent(const Rect& dst, const Bitmap& src, const Rect& src_rect, Color transparent) {
  Bitmap holder;
  const Bitmap& s = Source24(src, target_, holder);
  Stretch(*this, CanvasPainter::ToBitmap(*this, dst), s, src_rect, [&](uint8_t* d, const uint8_t* p) {
    if (SameColor(p, transparent)) return;
    d[0] = p[0];
    d[1] = p[1];
    d[2] = p[2];
  });
}

void Canvas::BlendBitmap(Point at, const Bitmap& src, const Rect& src_rect, uint8_t alpha) {
  if (alpha == 0) return;
  Bitmap holder;
  const Bitmap& s = Source24(src, target_, holder);
  Blit(*this, CanvasPainter::ToBitmap(*this, at), s, src_rect, [&](uint8_t* d, const uint8_t* p, int32_t n) {
    for (int32_t i = 0; i < n * 3; ++i) d[i] = Mix(d[i], p[i], alpha);
  });
}

}  // namespace gfx
