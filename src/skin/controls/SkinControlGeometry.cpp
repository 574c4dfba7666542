// The geometry a skinned control copies from its record: how its image is cut, sized and shaped.
#include "skin/controls/SkinControlGeometry.h"

#include "skin/data/SkinControlRecord.h"
#include "skin/data/SkinData.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinImage.h"
#include "skin/render/SkinStrip.h"

namespace skin {

namespace {

const gfx::Bitmap* UsablePicture(const TskSkinData& data, int32_t index) {
  const gfx::Bitmap* pic = data.ActivePicture24(index);
  if (pic == nullptr || pic->IsEmpty()) return nullptr;
  return pic;
}

bool Absurd(const gfx::Rect& r) { return r.Width() > kMaxSkinExtent || r.Height() > kMaxSkinExtent; }

}  // namespace

SkinSizingKind SizingFor(const gfx::Rect& skinrect, gfx::Point righttop, gfx::Point leftbottom,
                         gfx::Point rightbottom) {
  if (skinrect.Width() <= 0 || skinrect.Height() <= 0) return SkinSizingKind::kNone;
  if (rightbottom.x != 0 && rightbottom.y != 0) return SkinSizingKind::kNinePart;
  if (righttop.x != 0 || righttop.y != 0) return SkinSizingKind::kHorizontal;
  if (leftbottom.x != 0 || leftbottom.y != 0) return SkinSizingKind::kVertical;
  return SkinSizingKind::kFixed;
}

void SkinControlGeometry::Clear() {
  picture = nullptr;
  mask_picture = nullptr;
  sizing = SkinSizingKind::kNone;
}

void SkinControlGeometry::Copy(const TskDataSkinControl& record, const TskSkinData& data) {
  const auto* custom = RecordAs<TskDataSkinCustomControl>(&record);
  if (custom == nullptr) {
    Clear();
    return;
  }
  lefttoppoint = custom->lefttoppoint;
  righttoppoint = custom->righttoppoint;
  leftbottompoint = custom->leftbottompoint;
  rightbottompoint = custom->rightbottompoint;
  skinrect = custom->skinrect;
  clientrect = custom->clientrect;
  picture = UsablePicture(data, custom->pictureindex);
  mask_picture = UsablePicture(data, custom->maskpictureindex);
  sizing = SizingFor(skinrect, righttoppoint, leftbottompoint, rightbottompoint);
  if (Absurd(skinrect)) {
    Clear();
    return;
  }
  if (picture != nullptr && skinrect.Intersect(picture->Bounds()).IsEmpty()) picture = nullptr;
}

void SkinControlGeometry::Fit(int32_t& width, int32_t& height) {
  const int32_t sw = skinrect.Width(), sh = skinrect.Height();
  const int32_t dw = width - sw, dh = height - sh;
  const gfx::Rect& c = clientrect;
  switch (sizing) {
    case SkinSizingKind::kNone:
      return;
    case SkinSizingKind::kFixed:
      width = sw;
      height = sh;
      current_lefttoppoint = lefttoppoint;
      current_righttoppoint = righttoppoint;
      current_leftbottompoint = leftbottompoint;
      current_rightbottompoint = rightbottompoint;
      current_clientrect = clientrect;
      return;
    case SkinSizingKind::kNinePart:
      current_lefttoppoint = lefttoppoint;
      current_righttoppoint = {righttoppoint.x + dw, righttoppoint.y};
      current_leftbottompoint = {leftbottompoint.x, leftbottompoint.y + dh};
      current_rightbottompoint = {rightbottompoint.x + dw, rightbottompoint.y + dh};
      current_clientrect = {c.left, c.top, c.right + dw, c.bottom + dh};
      return;
    case SkinSizingKind::kHorizontal:
      height = sh;
      current_lefttoppoint = lefttoppoint;
      current_righttoppoint = {righttoppoint.x + dw, righttoppoint.y};
      current_leftbottompoint = leftbottompoint;
      current_rightbottompoint = rightbottompoint;
      current_clientrect = {c.left, c.top, c.right + dw, c.bottom};
      return;
    case SkinSizingKind::kVertical:
      width = sw;
      current_lefttoppoint = lefttoppoint;
      current_righttoppoint = righttoppoint;
      current_leftbottompoint = {leftbottompoint.x, leftbottompoint.y + dh};
      current_rightbottompoint = rightbottompoint;
      current_clientrect = {c.left, c.top, c.right, c.bottom + dh};
      return;
  }
}

bool SkinControlGeometry::DrawPart(gfx::Bitmap& target, const gfx::Bitmap* pic, const gfx::Rect& source,
                                   int32_t width, int32_t height) const {
  if (pic == nullptr || pic->IsEmpty() || source.IsEmpty() || Absurd(source)) return false;
  const int32_t sw = skinrect.Width(), sh = skinrect.Height();
  switch (sizing) {
    case SkinSizingKind::kNone:
      return false;
    case SkinSizingKind::kFixed: {
      ResetTarget(target, source.Width(), source.Height());
      gfx::Bitmap scratch;
      CopyPiece(target, target.Bounds(), As24(*pic, scratch), source);
      return true;
    }
    case SkinSizingKind::kNinePart: {
      const SkinSource src{source, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect};
      const SkinTarget dst{current_lefttoppoint, current_righttoppoint, current_leftbottompoint,
                           current_rightbottompoint, current_clientrect, width, height};
      BuildSkinImage(target, *pic, src, dst, true);
      return true;
    }
    case SkinSizingKind::kHorizontal:
      BuildHorzStrip(target, lefttoppoint.x, sw - righttoppoint.x, width, source, *pic);
      return true;
    case SkinSizingKind::kVertical:
      BuildVertStrip(target, lefttoppoint.y, sh - leftbottompoint.y, height, source, *pic);
      return true;
  }
  return false;
}

namespace {

// One axis of Stretched: [a, b) against the fixed start (up to `start`) and the fixed end (from `end`).
void StretchSpan(int32_t& a, int32_t& b, int32_t start, int32_t end, int32_t delta) {
  if (b <= start) return;
  if (a >= end) {
    a += delta;
    b += delta;
    return;
  }
  b += delta;
}

}  // namespace

gfx::Rect SkinControlGeometry::Stretched(const gfx::Rect& r, int32_t width, int32_t height) const {
  gfx::Rect out = r;
  const int32_t dw = width - skinrect.Width(), dh = height - skinrect.Height();
  const bool along_x = sizing == SkinSizingKind::kNinePart || sizing == SkinSizingKind::kHorizontal;
  const bool along_y = sizing == SkinSizingKind::kNinePart || sizing == SkinSizingKind::kVertical;
  if (along_x) StretchSpan(out.left, out.right, lefttoppoint.x, righttoppoint.x, dw);
  if (along_y) StretchSpan(out.top, out.bottom, lefttoppoint.y, leftbottompoint.y, dh);
  return out;
}

std::optional<gfx::Region> SkinControlGeometry::Region(int32_t width, int32_t height) const {
  if (mask_picture == nullptr) return std::nullopt;
  const int32_t dw = width - skinrect.Width(), dh = height - skinrect.Height();
  switch (sizing) {
    case SkinSizingKind::kNone:
      return std::nullopt;
    case SkinSizingKind::kFixed:
      return RegionFromMask(*mask_picture);
    case SkinSizingKind::kNinePart:
      return RegionForSize(*mask_picture,
                           {lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect},
                           {current_lefttoppoint, current_righttoppoint, current_leftbottompoint,
                            current_rightbottompoint, current_clientrect, width, height});
    case SkinSizingKind::kHorizontal: {
      // The strip has no bottom corners: the bottom points are taken equal to the top ones.
      const gfx::Point right{righttoppoint.x + dw, righttoppoint.y};
      return RegionForSize(*mask_picture, {lefttoppoint, righttoppoint, lefttoppoint, righttoppoint, clientrect},
                           {lefttoppoint, right, lefttoppoint, right, current_clientrect, width, height});
    }
    case SkinSizingKind::kVertical: {
      // The strip has no right corners: the right points are taken equal to the left ones.
      const gfx::Point bottom{leftbottompoint.x, leftbottompoint.y + dh};
      return RegionForSize(*mask_picture,
                           {lefttoppoint, lefttoppoint, leftbottompoint, leftbottompoint, clientrect},
                           {lefttoppoint, lefttoppoint, bottom, bottom, current_clientrect, width, height});
    }
  }
  return std::nullopt;
}

}  // namespace skin
