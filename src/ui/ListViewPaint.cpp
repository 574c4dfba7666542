// ListView: painting the items of each view style.
#include <algorithm>

#include "gfx/Canvas.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"
#include "ui/PlainDraw.h"

namespace ui {

void ListView::Paint(gfx::Canvas& canvas) {
  if (border_) {
    const gfx::Rect outer{-kBorder, -kBorder, Width() - kBorder, Height() - kBorder};
    DrawBevel(canvas, outer, false);
    DrawBevel(canvas, {outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1}, false);
  }
  const ListViewLayout l = Layout();
  if (vbar_shown_ && hbar_shown_) {
    const gfx::Rect cr = ClientRect();
    canvas.FillRect({l.area.right, l.area.bottom, cr.Width(), cr.Height()}, kColorBtnFace);
  }
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(l.area);
  int32_t first = 0;
  int32_t last = 0;
  l.VisibleRange(top_line_, first, last);
  ListItemData data;
  for (int32_t i = first; i < last; ++i) {
    const gfx::Rect r = l.ItemRect(i, top_line_, h_offset_);
    if (!canvas.IsVisible(r)) continue;
    const bool selected = selection_.Contains(i);
    if (OnDrawItem) {
      OnDrawItem(this, canvas, i, r, selected, i == focused_);
      continue;
    }
    if (owner_data_) {
      data.caption.clear();
      data.image_index = -1;
      data.sub_items.clear();
      if (OnData) OnData(this, i, data);
      PaintItem(canvas, i, data, r);
    } else {
      PaintItem(canvas, i, items_[static_cast<size_t>(i)], r);
    }
  }
}

void ListView::PaintItem(gfx::Canvas& canvas, int32_t index, const ListItemData& data, const gfx::Rect& r) const {
  const bool selected = selection_.Contains(index);
  const bool focused = has_focus_;
  const gfx::Color text_color = selected && focused ? kColorBtnHighlight : GetFont().Color();
  canvas.SetFont(GetFont());
  canvas.Font().SetColor(text_color);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const gfx::DrawTextFlags line = gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtEndEllipsis | gfx::kDtNoPrefix;
  const gfx::Color mark = focused ? kColorHighlight : kColorBtnFace;

  if (style_ == ViewStyle::kIcon) {
    const int32_t iw = large_images_ != nullptr ? large_images_->Width() : 32;
    const int32_t ih = large_images_ != nullptr ? large_images_->Height() : 32;
    if (large_images_ != nullptr) large_images_->Draw(canvas, r.left + (r.Width() - iw) / 2, r.top + kTextGap, data.image_index);
    gfx::Rect text{r.left + 1, r.top + ih + 2 * kTextGap, r.right - 1, r.bottom - kTextGap + 2};
    if (selected) canvas.FillRect(text, mark);
    gfx::Rect t = text;
    canvas.DrawText(t, data.caption, line | gfx::kDtCenter);
    if (index == focused_ && focused) canvas.DrawFocusRect(text);
    return;
  }

  int32_t x = r.left + 2;
  if (small_images_ != nullptr) {
    if (small_images_->ValidIndex(data.image_index)) {
      small_images_->Draw(canvas, x, r.top + (r.Height() - small_images_->Height()) / 2, data.image_index);
    }
    x += small_images_->Width() + kTextGap / 2;
  }
  // The first column's cell (the whole cell in the other styles) holds the caption.
  int32_t first_right = r.right;
  if (style_ == ViewStyle::kReport) first_right = header_->SectionCount() > 0 ? r.left + header_->Section(0).width : r.left;
  int32_t caption_right = first_right;
  if (style_ != ViewStyle::kReport) caption_right = std::min(r.right, x + kTextGap + canvas.TextWidth(data.caption) + kTextGap);
  gfx::Rect caption{x, r.top, caption_right, r.bottom};
  if (selected) canvas.FillRect(caption, mark);
  gfx::Rect t{caption.left + kTextGap / 2, caption.top, caption.right - kTextGap / 2, caption.bottom};
  canvas.DrawText(t, data.caption, line);
  if (index == focused_ && focused) canvas.DrawFocusRect(caption);
  if (style_ != ViewStyle::kReport) return;

  canvas.Font().SetColor(GetFont().Color());
  int32_t left = first_right;
  for (int c = 1; c < header_->SectionCount(); ++c) {
    const HeaderSection& s = header_->Section(c);
    const size_t sub = static_cast<size_t>(c - 1);
    if (sub < data.sub_items.size() && s.width > 2 * kTextGap) {
      gfx::Rect cell{left + kTextGap, r.top, left + s.width - kTextGap, r.bottom};
      gfx::DrawTextFlags flags = line;
      if (s.alignment == TextAlignment::kRight) flags = flags | gfx::kDtRight;
      if (s.alignment == TextAlignment::kCenter) flags = flags | gfx::kDtCenter;
      canvas.DrawText(cell, data.sub_items[sub], flags);
    }
    left += s.width;
  }
}

}  // namespace ui
