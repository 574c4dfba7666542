// Where the parts of a skinned window frame lie for one outer size of the window.
#pragma once

#include <cstdint>

#include "gfx/Geometry.h"
#include "skin/render/SkinGeometry.h"

namespace skin {

struct SkinFrameInfo;

// The frame is the frame picture (pw x ph) with its middle bands grown by dx = W - pw and
// dy = H - ph. Everything is in window coordinates (origin at the outer top-left corner).
struct FrameGeometry {
  int32_t width = 0;   // W
  int32_t height = 0;  // H
  int32_t picture_width = 0;
  int32_t picture_height = 0;
  int32_t dx = 0;
  int32_t dy = 0;
  gfx::Point lt, rt, lb, rb;  // corner points
  gfx::Rect client;
  gfx::Rect caption;  // empty when the skin names none
  gfx::Rect buttons;  // empty when the skin names none
  int32_t buttons_offset = 0;
  bool buttons_in_left = false;
  gfx::Point hit_lt, hit_rt, hit_lb, hit_rb;  // hit-test points
  gfx::Rect mask_area;
  int32_t border_width = 0;
};

// The frame of a width x height window over a picture_width x picture_height frame picture.
FrameGeometry CalcFrameGeometry(const SkinFrameInfo& info, int32_t picture_width, int32_t picture_height,
                                int32_t width, int32_t height);

// Where a rectangle of the frame picture lies on the window: moved with the corner it lies in, or
// stretched across the corners it spans (see the diagram of SkinGeometry.h):
//   top-left: unchanged            top-left..bottom-right: right += dx, bottom += dy
//   top-right: moved by (dx, 0)    top-left..top-right: right += dx
//   bottom-left: moved by (0, dy)  bottom-left..bottom-right: right += dx, moved by (0, dy)
//   bottom-right: moved (dx, dy)   top-left..bottom-left: bottom += dy
//                                  top-right..bottom-right: moved by (dx, 0), bottom += dy
// Anything else stays where it is.
gfx::Rect MapSkinRect(const FrameGeometry& g, const SkinFrameInfo& info, const gfx::Rect& r);

// The picture cut of the frame and the target it is built for (BuildFrameBorders).
SkinSource FrameSource(const SkinFrameInfo& info, int32_t picture_width, int32_t picture_height);
SkinTarget FrameTarget(const FrameGeometry& g);
// The mask cut and its target (BuildMaskBorders): the mask area stands for the client.
MaskSource FrameMaskSource(const SkinFrameInfo& info);
SkinTarget FrameMaskTarget(const FrameGeometry& g);

}  // namespace skin
