// Nine-part skin images: corners copied once, edges and client tiled or stretched to any size.
#pragma once

#include "gfx/Bitmap.h"
#include "skin/render/SkinGeometry.h"

namespace skin {

// Which edges of a nine-part image are stretched instead of tiled.
struct EdgeStretch {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
};

// Makes `target` a black target.width x target.height picture and draws the nine-part image of
// `src` (cut from `pic`) into it: the four edges tiled (top, bottom, left, right), then the eight
// corner pieces, then, with draw_client, the client tiled over target.client. Nothing is drawn
// when the picture is empty or when src.rb.x == src.lt.x or src.rb.y == src.lt.y; an edge or a
// client with a length of 0 or less draws no tiles. `target` is another bitmap than `pic`; a
// picture of another depth than 24 bits is read through a 24-bit copy.
void BuildSkinImage(gfx::Bitmap& target, const gfx::Bitmap& pic, const SkinSource& src, const SkinTarget& dst,
                    bool draw_client);

// As BuildSkinImage, with each flagged edge drawn as one stretched copy of the whole edge piece.
void BuildSkinImageStretched(gfx::Bitmap& target, const gfx::Bitmap& pic, const SkinSource& src,
                             const SkinTarget& dst, bool draw_client, EdgeStretch stretch);

// The left part of a nine-part image for sections that run out to the right side of the target:
// top and bottom edges tiled from their left corners up to the target's right side, the left edge,
// the four left corner pieces and the client widened to the right side. The top edge steps by
// rb.x - lt.x, as header sections whose top and bottom right points agree expect.
void BuildSkinImageOpenRight(gfx::Bitmap& target, const gfx::Bitmap& pic, const SkinSource& src,
                             const SkinTarget& dst, bool draw_client);

}  // namespace skin
