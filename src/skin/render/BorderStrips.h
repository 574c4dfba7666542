// The four border strips of a skinned window frame, from the frame picture or from its mask.
#pragma once

#include "gfx/Bitmap.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinImage.h"

namespace skin {

// The caller places them at (0, 0), (0, client.bottom), (0, client.top) and (client.right,
// client.top) of the target geometry. A strip a builder does not make keeps what it had.
struct BorderStrips {
  gfx::Bitmap top;
  gfx::Bitmap bottom;
  gfx::Bitmap left;
  gfx::Bitmap right;
};

// The frame's border strips for a dst.width x dst.height window:
//   top:    width x client.top, made when the top edge piece has width;
//   bottom: width x (height - client.bottom), from the last rows of the picture;
//   left:   client.left x (height - top strip height - bottom strip height);
//   right:  (width - client.right) x the same height.
// Each strip's middle piece is tiled from its start (or stretched when flagged) and its two ends
// are copied over it.
void BuildFrameBorders(BorderStrips& strips, const gfx::Bitmap& pic, const SkinSource& src, const SkinTarget& dst,
                       EdgeStretch stretch);

// The mask's border strips for a dst.width x dst.height window, the mask used whole:
//   left and right: inner.left and (mask width - inner.right) wide, as high as dst.client;
//   top: width x inner.top; bottom: width x (mask height - inner.bottom).
// The middles are tiled between the target's corner points and the ends copied over them.
void BuildMaskBorders(BorderStrips& strips, const gfx::Bitmap& mask, const MaskSource& src, const SkinTarget& dst);

}  // namespace skin
