// TskSkinSplitter: the toolkit's splitter drawn as a strip of the skin's splitter image.
#include "skin/controls/TskSkinSplitter.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/SkinControlGeometry.h"
#include "skin/data/SkinControlRecord.h"
#include "skin/data/SkinData.h"
#include "skin/render/SkinStrip.h"

namespace skin {

TskSkinSplitter::TskSkinSplitter() : link_([this] { Invalidate(); }) { link_.SetName("vsplitter"); }

void TskSkinSplitter::SetSkinData(TskSkinData* data) {
  link_.SetData(data);
  ApplySkin();
}

void TskSkinSplitter::SkinMessageChange(const void* skin_data) {
  if (link_.Concerns(skin_data)) ApplySkin();
}

void TskSkinSplitter::ApplySkin() {
  const auto* r = link_.RecordAs<TskDataSkinCustomControl>();
  const bool across = Horizontal();
  int size = default_size_;
  if (r != nullptr && !r->skinrect.IsEmpty()) size = across ? r->skinrect.Height() : r->skinrect.Width();
  size = std::min(size, kMaxSkinExtent);
  SetMinSize(size);
  if (GetAlign() == ui::Align::kTop || GetAlign() == ui::Align::kBottom) SetHeight(size);
  if (GetAlign() == ui::Align::kLeft || GetAlign() == ui::Align::kRight) SetWidth(size);
  Invalidate();
}

void TskSkinSplitter::Paint(gfx::Canvas& canvas) {
  const auto* r = link_.RecordAs<TskDataSkinCustomControl>();
  const ui::Align a = GetAlign();
  const gfx::Bitmap* pic = r != nullptr ? link_.Data()->ActivePicture24(r->pictureindex) : nullptr;
  if (pic == nullptr || pic->IsEmpty() || r->skinrect.IsEmpty() || a == ui::Align::kNone || a == ui::Align::kClient ||
      r->skinrect.Width() > kMaxSkinExtent || r->skinrect.Height() > kMaxSkinExtent || Width() <= 0 || Height() <= 0) {
    ui::Splitter::Paint(canvas);
    return;
  }
  const gfx::Rect& s = r->skinrect;
  if (Horizontal()) {
    BuildHorzStrip(offscreen_, r->lefttoppoint.x, s.Width() - r->righttoppoint.x, Width(), s, *pic);
  } else {
    BuildVertStrip(offscreen_, r->lefttoppoint.y, s.Height() - r->leftbottompoint.y, Height(), s, *pic);
  }
  if (offscreen_.Width() < Width() || offscreen_.Height() < Height()) ui::Splitter::Paint(canvas);
  canvas.Draw(0, 0, offscreen_);
}

}  // namespace skin
