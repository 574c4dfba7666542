// TskSkinPopupWindow painting: the whole level composed off-screen, single items redrawn in place.
#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/data/SkinData.h"
#include "skin/menus/TskSkinPopupWindow.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinGlyphs.h"
#include "skin/render/SkinImage.h"
#include "skin/render/SkinStrip.h"
#include "skin/render/TskEffectBmp.h"
#include "ui/Control.h"
#include "ui/ImageList.h"

namespace skin {

namespace {

// The highlight of the default look.
constexpr gfx::Color kHotFill = gfx::Rgb(182, 189, 210);
constexpr gfx::Color kHotFrame = gfx::Rgb(0, 0, 128);
constexpr gfx::Color kWindowText = gfx::kBlack;

// The small right-pointing arrow of an item with sub-items: four columns 7, 5, 3 and 1 pixels high
// from x on, centred on row cy.
void DrawSubmenuArrow(gfx::Canvas& canvas, int32_t x, int32_t cy, gfx::Color color) {
  for (int32_t i = 0; i < 4; ++i) {
    const int32_t half = 3 - i;
    canvas.FillRect({x + i, cy - half, x + i + 1, cy + half + 1}, color);
  }
}

void DrawRadioDot(gfx::Canvas& canvas, int32_t x, int32_t y, gfx::Color color) {
  gfx::CanvasSaver saver(canvas);
  canvas.SetPen(gfx::Pen{color});
  canvas.SetBrush(gfx::Brush{color});
  canvas.Ellipse({x, y, x + 6, y + 6});
}

// The frame command glyphs of items the skinned frame puts in its system and tray menus.
bool DrawCommandGlyph(gfx::Canvas& canvas, const std::string& name, int32_t x, int32_t y, gfx::Color color) {
  if (name == "ZUV_CLOSE" || name == "TRAY_ZUV_CLOSE") DrawCloseGlyph(canvas, x, y, color);
  else if (name == "ZUV_MINITEM") DrawMinimizeGlyph(canvas, x, y, color);
  else if (name == "ZUV_MAXITEM") DrawMaximizeGlyph(canvas, x, y, color);
  else if (name == "ZUV_RESTORE" || name == "TRAY_ZUV_RESTORE") DrawRestoreGlyph(canvas, x, y, color);
  else if (name == "ZUV_ROLLUP") DrawRollUpGlyph(canvas, x, y, color);
  else if (name == "ZUV_MINTOTRAY") DrawMinToTrayGlyph(canvas, x, y, color);
  else return false;
  return true;
}

// One line of text vertically centred in r; "&" marks the accelerator unless no_prefix.
void ItemText(gfx::Canvas& canvas, gfx::Rect r, const std::string& text, gfx::DrawTextFlags align, bool no_prefix) {
  if (r.right <= r.left || text.empty()) return;
  canvas.Brush().style = gfx::BrushStyle::kClear;
  gfx::DrawTextFlags flags = align | gfx::kDtSingleLine | gfx::kDtVCenter;
  if (no_prefix) flags |= gfx::kDtNoPrefix;
  canvas.DrawText(r, text, flags);
}

}  // namespace

void TskSkinPopupWindow::Paint(gfx::Canvas& canvas) {
  if (shut_) return;
  if (!back_valid_) RebuildBack();
  canvas.Draw(0, 0, back_);
}

void TskSkinPopupWindow::DrawBackground() {
  const int32_t w = std::max(Width(), 1);
  const int32_t h = std::max(Height(), 1);
  if (popup_record_ != nullptr) {
    const TskDataSkinPopupWindow& r = *popup_record_;
    SkinSource src{{0, 0, popup_picture_->Width(), popup_picture_->Height()},
                   r.lefttoppoint,
                   r.righttoppoint,
                   r.leftbottompoint,
                   r.rightbottompoint,
                   r.itemsrect};
    SkinTarget dst{lt_, rt_, lb_, rb_, items_rect_, w, h};
    // The items area is filled too: items without a picture of their own, and the gaps a scrolling
    // level leaves, show it.
    BuildSkinImageStretched(background_, *popup_picture_, src, dst, true,
                            EdgeStretch{r.leftstretch, r.topstretch, r.rightstretch, r.bottomstretch});
    return;
  }
  background_ = gfx::Bitmap(w, h, 24);
  gfx::Canvas canvas(background_);
  canvas.FillRect({0, 0, w, h}, ui::kColorWindow);
  canvas.FillRect({0, 0, glyph_column_width_ + 2, h}, ui::kColorBtnFace);
  canvas.FrameRect({0, 0, w, h}, ui::kColorBtnShadow);
  canvas.FrameRect({1, 1, w - 1, h - 1}, ui::kColorWindow);
}

void TskSkinPopupWindow::RebuildBack() {
  DrawBackground();
  back_ = background_;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].visible) DrawItem(static_cast<int>(i));
  }
  DrawScrollMarkers();
  back_valid_ = true;
}

void TskSkinPopupWindow::DrawScrollMarkers() {
  if (!needs_scroll_) return;
  gfx::Rect top;
  gfx::Rect bottom;
  gfx::Color normal;
  gfx::Color active;
  if (popup_record_ != nullptr) {
    top = {items_rect_.left, items_rect_.top, items_rect_.right, items_rect_.top + kScrollMarkerHeight};
    bottom = {items_rect_.left, items_rect_.bottom - kScrollMarkerHeight, items_rect_.right, items_rect_.bottom};
    normal = popup_record_->scrollmarkercolor;
    active = popup_record_->scrollmarkeractivecolor;
  } else {
    top = {3, 3, Width() - 3, 13};
    bottom = {3, Height() - 10, Width() - 3, Height() - 3};
    normal = ui::kColorBtnShadow;
    active = ui::kColorBtnText;
  }
  gfx::Canvas canvas(back_);
  canvas.CopyRect(top.TopLeft(), background_, top);
  canvas.CopyRect(bottom.TopLeft(), background_, bottom);
  DrawArrow(canvas, top, scroll_direction_ == 1 ? active : normal, kArrowUp);
  DrawArrow(canvas, bottom, scroll_direction_ == 2 ? active : normal, kArrowDown);
}

void TskSkinPopupWindow::RedrawMarkers() {
  if (!needs_scroll_ || !back_valid_) return;
  DrawScrollMarkers();
  Invalidate();
}

void TskSkinPopupWindow::RedrawItem(int i) {
  if (shut_ || i < 0 || static_cast<size_t>(i) >= items_.size() || !items_[static_cast<size_t>(i)].visible) return;
  if (!back_valid_) {
    Invalidate();
    return;
  }
  DrawItem(i);
  InvalidateRect(items_[static_cast<size_t>(i)].rect);
}

void TskSkinPopupWindow::DrawItem(int i) {
  const TskSkinMenuItem& item = items_[static_cast<size_t>(i)];
  gfx::Canvas canvas(back_);
  canvas.SetFont(window_font_);
  canvas.CopyRect(item.rect.TopLeft(), background_, item.rect);
  canvas.SetClipRect(item.rect);
  if (popup_record_ != nullptr && item_record_ != nullptr) DrawSkinnedItem(canvas, item, item.rect);
  else DrawDefaultItem(canvas, item, item.rect);
}

void TskSkinPopupWindow::DrawSkinnedItem(gfx::Canvas& canvas, const TskSkinMenuItem& shown, const gfx::Rect& r) {
  const TskDataSkinMenuItem& rec = *item_record_;
  const ui::MenuItem& item = *shown.item;
  const int32_t w = r.Width();
  if (item.IsSeparator()) {
    if (item_picture_ == nullptr || IsNullRect(rec.dividerrect)) return;
    gfx::Bitmap strip;
    BuildHorzStrip(strip, rec.dividerleftoffset, rec.dividerrightoffset, w, rec.dividerrect, *item_picture_);
    canvas.Draw(r.left, r.top, strip);
    return;
  }
  const bool active = shown.Active();
  if (item_picture_ != nullptr) {
    const bool blend = rec.morphing && shown.morph_progress > 0 && shown.morph_progress < 1 &&
                       !IsNullRect(rec.skinrect) && !IsNullRect(rec.activeskinrect);
    if (blend) {
      gfx::Bitmap normal;
      gfx::Bitmap hot;
      BuildHorzStrip(normal, rec.itemleftoffset, rec.itemrightoffset, w, rec.skinrect, *item_picture_);
      BuildHorzStrip(hot, rec.itemleftoffset, rec.itemrightoffset, w, rec.activeskinrect, *item_picture_);
      TskEffectBmp mix(std::move(normal));
      mix.Morph(static_cast<int>(rec.morphkind), TskEffectBmp(std::move(hot)), shown.morph_progress);
      canvas.Draw(r.left, r.top, mix.Bitmap());
    } else {
      const gfx::Rect& source = active ? rec.activeskinrect : rec.skinrect;
      if (!IsNullRect(source)) {
        gfx::Bitmap strip;
        BuildHorzStrip(strip, rec.itemleftoffset, rec.itemrightoffset, w, source, *item_picture_);
        canvas.Draw(r.left, r.top, strip);
      }
    }
  }
  gfx::Rect text = rec.textrect.Offset(r.left, r.top);
  text.right += w - RectWidth(rec.skinrect);
  // A disabled item keeps its pale colour under the pointer, so it never looks available.
  const gfx::Color color = !item.Enabled() ? rec.unenabledfontcolor : active ? rec.activefontcolor : rec.fontcolor;
  canvas.Font().SetColor(color);
  const int32_t cy = text.top + text.Height() / 2;
  const int32_t x = text.left + (images_ != nullptr ? glyph_column_width_ : 16);
  ItemText(canvas, {x, text.top, text.right, text.bottom}, item.Caption(), gfx::kDtLeft, false);
  if (!item.ShortCutText().empty()) {
    ItemText(canvas, {x, text.top, text.right - 16, text.bottom}, item.ShortCutText(), gfx::kDtRight, true);
  }
  if (item.HasChildren()) DrawSubmenuArrow(canvas, text.right - 7, cy, color);
  DrawItemMark(canvas, item, text.left + 2, text.left + 2, text.left + 2, cy, color);
}

void TskSkinPopupWindow::DrawDefaultItem(gfx::Canvas& canvas, const TskSkinMenuItem& shown, const gfx::Rect& r) {
  const ui::MenuItem& item = *shown.item;
  const int32_t cy = r.top + r.Height() / 2;
  const bool active = shown.Active() && !item.IsSeparator();
  if (active) {
    canvas.FillRect(r, kHotFill);
    canvas.FrameRect(r, kHotFrame);
  } else {
    canvas.FillRect(r, ui::kColorWindow);
    canvas.FillRect({r.left, r.top, std::min(r.right, r.left + glyph_column_width_), r.bottom}, ui::kColorBtnFace);
  }
  if (item.IsSeparator()) {
    canvas.FillRect({r.left + glyph_column_width_, cy, r.right, cy + 1}, ui::kColorBtnShadow);
    return;
  }
  const gfx::Color color = item.Enabled() ? kWindowText : ui::kColorBtnShadow;
  canvas.Font().SetColor(color);
  const gfx::Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  const int32_t x = inner.left + glyph_column_width_;
  ItemText(canvas, {x, inner.top, inner.right, inner.bottom}, item.Caption(), gfx::kDtLeft, false);
  if (!item.ShortCutText().empty()) {
    ItemText(canvas, {x, inner.top, r.right - 21, inner.bottom}, item.ShortCutText(), gfx::kDtRight, true);
  }
  if (item.HasChildren()) DrawSubmenuArrow(canvas, r.right - 9, cy, color);
  DrawItemMark(canvas, item, r.left + 2, r.left + 4, r.left + 5, cy, color);
}

void TskSkinPopupWindow::DrawItemMark(gfx::Canvas& canvas, const ui::MenuItem& item, int32_t image_x, int32_t glyph_x,
                                      int32_t mark_x, int32_t cy, gfx::Color color) {
  const int index = item.ImageIndex();
  if (images_ != nullptr && index >= 0 && index < images_->Count()) {
    const int32_t y = cy - images_->Height() / 2;
    images_->Draw(canvas, image_x, y, index, item.Enabled());
    if (item.Checked()) canvas.FrameRect({image_x - 1, y - 1, image_x + images_->Width() + 1, y + images_->Height() + 1}, color);
    return;
  }
  if (DrawCommandGlyph(canvas, item.Name(), glyph_x, cy - 4, color)) return;
  if (!item.Checked()) return;
  if (item.RadioItem()) DrawRadioDot(canvas, mark_x, cy - 3, color);
  else DrawCheckMark(canvas, mark_x, cy - 4, color);
}

}  // namespace skin
