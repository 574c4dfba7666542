// What part of a skinned or plain window frame lies under a point: client, caption, borders, objects.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Geometry.h"
#include "skin/render/BorderStrips.h"

namespace skin {

struct FrameGeometry;

// The mask cut for the current size: the four pieces around the mask area (black is inside).
struct FrameMaskPieces {
  BorderStrips pieces;
  gfx::Rect mask_area;
};

// Whether a window point lies inside the window's shape: inside the mask area, or on a black
// pixel of the piece beside it. A position outside a piece is not inside.
bool IsInsideMask(const FrameMaskPieces& mask, gfx::Point p);

// The state of the form a hit test depends on.
struct FrameHitState {
  bool sizeable = false;
  bool maximized = false;
  bool rolled_up_or_minimized = false;
  bool in_size_move = false;
  bool has_hot_object = false;  // an object is under the cursor now
};

// The hit code (the classic values of ui/Message.h) of window point p of a skinned frame. The
// sizing borders lie within border_width of the shape's edge; which border, between the hit-test
// points:
//
//      hit_lt.x          hit_rt.x
//   TOPLEFT |    TOP     | TOPRIGHT      rows above hit_lt.y / hit_rt.y
//   LEFT    |   client   | RIGHT
//   BOTTOMLEFT | BOTTOM  | BOTTOMRIGHT   rows from hit_lb.y / hit_rb.y
//
// `mask` is null for a skin without a mask (the window is its rectangle); `captions` holds the
// caption objects' rectangles, shown or not.
intptr_t HitTestSkin(const FrameGeometry& g, const FrameMaskPieces* mask, const std::vector<gfx::Rect>& captions,
                     const FrameHitState& s, gfx::Point p);

// The hit code of window point p of the plain frame of a width x height window, its caption bar
// `caption_height` high and its caption rectangle `caption`.
intptr_t HitTestDefault(int32_t width, int32_t height, int32_t caption_height, const gfx::Rect& caption,
                        const FrameHitState& s, gfx::Point p);

}  // namespace skin
