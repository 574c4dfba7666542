// Nine-part skin image builders.
#include "skin/render/SkinImage.h"

#include <algorithm>
#include <cstdint>

#include "skin/render/PieceCopy.h"

namespace skin {

namespace {

using gfx::Rect;

// Draws from one picture relative to the skin rectangle's top-left corner.
class PieceDrawer {
 public:
  PieceDrawer(gfx::Bitmap& target, const gfx::Bitmap& pic, const Rect& source)
      : target_(target), pic_(pic), dx_(source.left), dy_(source.top) {}

  void Copy(const Rect& from, const Rect& to, Fit fit_x = Fit::kScale, Fit fit_y = Fit::kScale) {
    CopyPiece(target_, to, pic_, from.Offset(dx_, dy_), fit_x, fit_y);
  }
  void TileX(const Rect& from, const Rect& to) { Copy(from, to, Fit::kRepeat, Fit::kScale); }
  void TileY(const Rect& from, const Rect& to) { Copy(from, to, Fit::kScale, Fit::kRepeat); }

 private:
  gfx::Bitmap& target_;
  const gfx::Bitmap& pic_;
  int32_t dx_, dy_;
};

bool NothingToDraw(const gfx::Bitmap& pic, const SkinSource& s) {
  return s.rb.x == s.lt.x || s.rb.y == s.lt.y || pic.IsEmpty();
}

// Each edge piece either repeats along the edge (the last tile cut at the edge's end) or is
// stretched over it. A tiled edge whose target span is empty or shorter than nothing gets no tiles.
void DrawEdges(PieceDrawer& d, const SkinSource& s, const SkinTarget& t, EdgeStretch stretch) {
  const int32_t sw = RectWidth(s.source), sh = RectHeight(s.source);
  const Rect& c = s.client;
  const Rect& nc = t.client;
  const Rect top_from{s.lt.x, 0, s.rt.x, c.top}, top_to{t.lt.x, 0, t.rt.x, nc.top};
  const Rect bottom_from{s.lb.x, c.bottom, s.rb.x, sh}, bottom_to{t.lb.x, nc.bottom, t.rb.x, t.height};
  const Rect left_from{0, s.lt.y, nc.left, s.lb.y}, left_to{0, t.lt.y, nc.left, t.lb.y};
  const Rect right_from{c.right, s.rt.y, sw, s.rb.y}, right_to{nc.right, t.rt.y, t.width, t.rb.y};
  if (stretch.top) d.Copy(top_from, top_to); else d.TileX(top_from, top_to);
  if (stretch.bottom) d.Copy(bottom_from, bottom_to); else d.TileX(bottom_from, bottom_to);
  // The left edge reads the target's client left, which equals the source's in the usual geometry.
  if (stretch.left) d.Copy({0, s.lt.y, c.left, s.lb.y}, left_to); else d.TileY(left_from, left_to);
  if (stretch.right) d.Copy(right_from, right_to); else d.TileY(right_from, right_to);
}

void DrawLeftCorners(PieceDrawer& d, const SkinSource& s, const SkinTarget& t) {
  const int32_t sh = RectHeight(s.source);
  const Rect& c = s.client;
  const Rect& nc = t.client;
  d.Copy({0, 0, s.lt.x, c.top}, {0, 0, t.lt.x, nc.top});
  d.Copy({0, c.top, c.left, s.lt.y}, {0, nc.top, nc.left, t.lt.y});
  d.Copy({0, s.lb.y, c.left, sh}, {0, t.lb.y, nc.left, t.height});
  d.Copy({c.left, c.bottom, s.lb.x, sh}, {nc.left, nc.bottom, t.lb.x, t.height});
}

void DrawCorners(PieceDrawer& d, const SkinSource& s, const SkinTarget& t) {
  const int32_t sw = RectWidth(s.source), sh = RectHeight(s.source);
  const Rect& c = s.client;
  const Rect& nc = t.client;
  const int32_t w = t.width, h = t.height;
  d.Copy({0, 0, s.lt.x, c.top}, {0, 0, t.lt.x, nc.top});
  d.Copy({0, c.top, c.left, s.lt.y}, {0, nc.top, nc.left, t.lt.y});
  d.Copy({s.rt.x, 0, sw, c.top}, {t.rt.x, 0, w, nc.top});
  d.Copy({c.right, c.top, sw, s.rt.y}, {nc.right, nc.top, w, t.rt.y});
  d.Copy({0, s.lb.y, c.left, sh}, {0, t.lb.y, nc.left, h});
  d.Copy({c.left, c.bottom, s.lb.x, sh}, {nc.left, nc.bottom, t.lb.x, h});
  d.Copy({s.rb.x, c.bottom, sw, sh}, {t.rb.x, nc.bottom, w, h});
  d.Copy({c.right, s.rb.y, sw, c.bottom}, {nc.right, t.rb.y, w, nc.bottom});
}

void DrawClient(PieceDrawer& d, const SkinSource& s, const Rect& to) {
  d.Copy(s.client, to, Fit::kRepeat, Fit::kRepeat);
}

}  // namespace

void BuildSkinImageStretched(gfx::Bitmap& target, const gfx::Bitmap& pic, const SkinSource& src,
                             const SkinTarget& dst, bool draw_client, EdgeStretch stretch) {
  ResetTarget(target, dst.width, dst.height);
  if (NothingToDraw(pic, src)) return;
  gfx::Bitmap scratch;
  PieceDrawer d(target, As24(pic, scratch), src.source);
  DrawEdges(d, src, dst, stretch);
  DrawCorners(d, src, dst);
  if (draw_client) DrawClient(d, src, dst.client);
}

void BuildSkinImage(gfx::Bitmap& target, const gfx::Bitmap& pic, const SkinSource& src, const SkinTarget& dst,
                    bool draw_client) {
  BuildSkinImageStretched(target, pic, src, dst, draw_client, EdgeStretch{});
}

void BuildSkinImageOpenRight(gfx::Bitmap& target, const gfx::Bitmap& pic, const SkinSource& src,
                             const SkinTarget& dst, bool draw_client) {
  ResetTarget(target, dst.width, dst.height);
  if (NothingToDraw(pic, src)) return;
  gfx::Bitmap scratch;
  PieceDrawer d(target, As24(pic, scratch), src.source);
  const int32_t sh = RectHeight(src.source);
  const Rect& c = src.client;
  const Rect& nc = dst.client;
  const int32_t w = dst.width, h = dst.height;

  // Top edge: the piece lt.x..rt.x placed every rb.x - lt.x pixels from the left corner up to the
  // right side. When the step differs from the piece's width each tile is stretched to the step.
  const int32_t step = src.rb.x - src.lt.x;
  const int32_t piece = src.rt.x - src.lt.x;
  if (step == piece) {
    d.TileX({src.lt.x, 0, src.rt.x, c.top}, {dst.lt.x, 0, w, nc.top});
  } else if (step > 0) {
    const int64_t x0 = dst.lt.x;
    const int64_t last = (w - x0) / step;  // truncated; no tile when negative
    // Tiles that end left of the target are skipped without changing what is drawn.
    int64_t first = std::max<int64_t>(0, -x0 / step - 1);
    for (int64_t i = first; i <= last; ++i) {
      const int64_t x = x0 + i * step;
      const int64_t cut = std::max<int64_t>(0, x + step - w);
      d.Copy({src.lt.x, 0, static_cast<int32_t>(src.rt.x - cut), c.top},
             {static_cast<int32_t>(x), 0, static_cast<int32_t>(x + step - cut), nc.top});
    }
  }
  d.TileX({src.lb.x, c.bottom, src.rb.x, sh}, {dst.lb.x, nc.bottom, w, h});
  d.TileY({0, src.lt.y, nc.left, src.lb.y}, {0, dst.lt.y, nc.left, dst.lb.y});
  DrawLeftCorners(d, src, dst);
  if (draw_client) DrawClient(d, src, {nc.left, nc.top, w, nc.bottom});
}

}  // namespace skin
