// The geometry a skinned control copies from its record: how its image is cut, sized and shaped.
#pragma once

#include <cstdint>
#include <optional>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "gfx/Region.h"

namespace skin {

class TskDataSkinControl;
class TskSkinData;

// How the skin image follows the control's size, told by the record's corner points.
enum class SkinSizingKind : int32_t {
  kNone = -1,       // skinrect has no area: nothing to draw, the size is left alone
  kFixed = 0,       // the control takes the skin rectangle's size
  kNinePart = 1,    // corners copied, edges and middle tiled both ways
  kHorizontal = 2,  // the skin's height, a tiled middle between two ends along x
  kVertical = 3,    // the skin's width, a tiled middle between two ends along y
};

// Larger skin pieces than this are taken for damaged geometry: no skin shows a control piece
// bigger than a screen, and sizing a control to such a piece would ask for gigabytes of pixels.
constexpr int32_t kMaxSkinExtent = 4096;

// The record's geometry (corner points relative to skinrect's top-left corner, clientrect in the
// same coordinates) and the current geometry for the control's present size. Pictures point into
// the skin data's picture list and are valid only while its skin is loaded.
struct SkinControlGeometry {
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect skinrect;
  gfx::Rect clientrect;
  const gfx::Bitmap* picture = nullptr;
  const gfx::Bitmap* mask_picture = nullptr;
  SkinSizingKind sizing = SkinSizingKind::kNone;

  gfx::Point current_lefttoppoint;
  gfx::Point current_righttoppoint;
  gfx::Point current_leftbottompoint;
  gfx::Point current_rightbottompoint;
  gfx::Rect current_clientrect;

  // Forgets the pictures (the skin is about to be freed) and the sizing.
  void Clear();

  // Copies the record. A record of another family than the nine-part one has no geometry to copy:
  // it is kept as a record without pictures and without sizing, so the control keeps its size and
  // draws its plain look. Picture indexes naming no picture (or an empty one) give none. A skin
  // rectangle larger than kMaxSkinExtent, or one that does not overlap its picture, counts as no
  // sizing and no picture.
  void Copy(const TskDataSkinControl& record, const TskSkinData& data);

  // Adjusts a requested size to the sizing kind and computes the current geometry for it.
  void Fit(int32_t& width, int32_t& height);

  // Whether the record's image can be drawn: a sizing that draws and its picture.
  bool Drawable() const { return sizing != SkinSizingKind::kNone && picture != nullptr; }

  // Draws `source` (a rectangle of `pic` the size of skinrect) into target for a width x height
  // control by the sizing kind. The fixed kind makes target the source's size, the horizontal one
  // the skin's height, the vertical one the skin's width. Every copy is clipped to both pictures.
  // False (target left alone) when there is nothing to draw.
  bool DrawPart(gfx::Bitmap& target, const gfx::Bitmap* pic, const gfx::Rect& source, int32_t width,
                int32_t height) const;

  // Where a rectangle of the skin image (relative to skinrect) lies in a width x height control:
  // along each axis that stretches, one inside the fixed start keeps its place, one inside the
  // fixed end moves by the size difference, and one reaching into the stretched middle grows with
  // it. Fixed and no sizing leave it as it is.
  gfx::Rect Stretched(const gfx::Rect& r, int32_t width, int32_t height) const;

  // The window shape for a width x height control from the mask picture, or none.
  std::optional<gfx::Region> Region(int32_t width, int32_t height) const;
};

// The sizing kind of a set of corner points and a skin rectangle (first matching test wins).
SkinSizingKind SizingFor(const gfx::Rect& skinrect, gfx::Point righttop, gfx::Point leftbottom,
                         gfx::Point rightbottom);

}  // namespace skin
