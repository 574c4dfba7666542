// What part of a skinned or plain window frame lies under a point: client, caption, borders, objects.
#include "skin/frame/FrameHitTest.h"

#include "skin/frame/FrameGeometry.h"
#include "ui/Message.h"

namespace skin {

namespace {

bool IsBlack(const gfx::Bitmap& piece, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= piece.Width() || y >= piece.Height() || piece.BitsPerPixel() != 24) return false;
  const uint8_t* px = piece.Row(y) + static_cast<size_t>(x) * 3;
  return px[0] == 0 && px[1] == 0 && px[2] == 0;
}

bool InCaption(const std::vector<gfx::Rect>& captions, gfx::Point p) {
  for (const gfx::Rect& r : captions) {
    if (r.Contains(p)) return true;
  }
  return false;
}

}  // namespace

bool IsInsideMask(const FrameMaskPieces& mask, gfx::Point p) {
  const gfx::Rect& a = mask.mask_area;
  if (a.Contains(p)) return true;
  if (p.y < a.top) return IsBlack(mask.pieces.top, p.x, p.y);
  if (p.y < a.bottom) {
    if (p.x > a.left) return IsBlack(mask.pieces.right, p.x - a.right, p.y - a.top);
    return IsBlack(mask.pieces.left, p.x, p.y - a.top);
  }
  return IsBlack(mask.pieces.bottom, p.x, p.y - a.bottom);
}

intptr_t HitTestSkin(const FrameGeometry& g, const FrameMaskPieces* mask, const std::vector<gfx::Rect>& captions,
                     const FrameHitState& s, gfx::Point p) {
  const int32_t x = p.x, y = p.y;
  if (!s.rolled_up_or_minimized) {
    if (s.has_hot_object && !InCaption(captions, p) && !g.client.Contains(p) && !s.in_size_move) return ui::kHtObject;
    if (s.sizeable && !s.maximized) {
      const int32_t b = g.border_width;
      const gfx::Point probes[] = {{x - b, y}, {x, y - b}, {x + b, y}, {x, y + b}};
      const gfx::Rect window{0, 0, g.width, g.height};
      bool near_edge = false;
      if (mask == nullptr) {
        for (gfx::Point q : probes) near_edge = near_edge || !window.Contains(q);
      } else if (!mask->mask_area.Contains(p)) {
        for (gfx::Point q : probes) near_edge = near_edge || !IsInsideMask(*mask, q);
      }
      if (!near_edge) {
        if (g.client.Contains(p)) return ui::kHtClient;
        return InCaption(captions, p) ? ui::kHtCaption : ui::kHtObject;
      }
      if (x <= g.hit_lt.x && y <= g.hit_lt.y) return ui::kHtTopLeft;
      if (x >= g.hit_rt.x && y <= g.hit_rt.y) return ui::kHtTopRight;
      if (x <= g.hit_lb.x && y >= g.hit_lb.y) return ui::kHtBottomLeft;
      if (x >= g.hit_rb.x && y >= g.hit_rb.y) return ui::kHtBottomRight;
      if (gfx::Rect{g.hit_lt.x, 0, g.hit_rt.x, g.client.top}.Contains(p)) return ui::kHtTop;
      if (gfx::Rect{g.hit_lb.x, g.client.bottom, g.hit_rb.x, g.height}.Contains(p)) return ui::kHtBottom;
      if (gfx::Rect{0, g.hit_lt.y, g.client.left, g.hit_lb.y}.Contains(p)) return ui::kHtLeft;
      if (gfx::Rect{g.client.right, g.hit_rt.y, g.width, g.hit_rb.y}.Contains(p)) return ui::kHtRight;
    }
    if (g.client.Contains(p)) return ui::kHtClient;
  }
  return InCaption(captions, p) ? ui::kHtCaption : ui::kHtObject;
}

intptr_t HitTestDefault(int32_t width, int32_t height, int32_t caption_height, const gfx::Rect& caption,
                        const FrameHitState& s, gfx::Point p) {
  const int32_t x = p.x, y = p.y;
  if (s.sizeable && !s.maximized && !s.rolled_up_or_minimized) {
    if (s.has_hot_object) return ui::kHtObject;
    if (x <= 2 && y <= 2) return ui::kHtTopLeft;
    if (x >= width - 2 && y <= 2) return ui::kHtTopRight;
    if (x <= 2 && y >= height - 2) return ui::kHtBottomLeft;
    if (x >= width - 2 && y >= height - 2) return ui::kHtBottomRight;
    if (x <= 2) return ui::kHtLeft;
    if (y <= 2) return ui::kHtTop;
    if (x >= width - 2) return ui::kHtRight;
    if (y >= height - 2) return ui::kHtBottom;
  }
  if (caption.Contains(p)) return ui::kHtCaption;
  if (gfx::Rect{3, caption_height + 3, width - 3, height - 3}.Contains(p)) return ui::kHtClient;
  return ui::kHtObject;
}

}  // namespace skin
