// TskSkinLabel and TskSkinStatusPanel: one line of text on the skin's label image.
#include "skin/controls/TskSkinLabel.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/render/SkinGlyphs.h"

namespace skin {

TskSkinLabel::TskSkinLabel() {
  SetSkinDataName("label");
  SetBounds(0, 0, 75, 21);
}

void TskSkinLabel::SetBorderStyle(SkinBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  if (RecordIndex() != kNoRecord) return;
  Realign();
  Invalidate();
}

void TskSkinLabel::SetAlignment(Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TskSkinLabel::SetAutoSize(bool on) {
  auto_size_ = on;
  AdjustToText();
}

void TskSkinLabel::LoadSkinRecord() {
  TskSkinCustomControl::LoadSkinRecord();
  // A fixed image has no room to give: the label keeps the skin's size.
  if (RecordIndex() != kNoRecord && SkinSizing() == SkinSizingKind::kFixed) auto_size_ = false;
}

gfx::Font TskSkinLabel::TextFont() const {
  const auto* r = HasSkinLook() ? SkinRecordAs<TskDataSkinLabelControl>() : nullptr;
  if (r == nullptr) return DefaultFont();
  return SkinTextFont(UseSkinFont(), DefaultFont(), r->fontname, r->fontheight, r->fontstyle, r->fontcolor);
}

gfx::Rect TskSkinLabel::TextRect() const {
  if (HasSkinLook()) return CurrentClientRect();
  return {3, 3, Width() - 3, Height() - 3};
}

int32_t TskSkinLabel::ExtraWidth() {
  LoadSkinRecord();
  const int32_t text = TextFont().TextWidth(Caption()) + LeadWidth();
  if (!HasSkinLook()) return text + 4 - Width();
  if (SkinSizing() == SkinSizingKind::kFixed) return 0;
  return text - CurrentClientRect().Width();
}

void TskSkinLabel::AdjustToText() {
  if (!auto_size_ || Destroying()) return;
  const ui::Align a = GetAlign();
  if (a == ui::Align::kTop || a == ui::Align::kBottom || a == ui::Align::kClient) return;
  const int32_t extra = ExtraWidth();
  if (extra != 0) SetWidth(std::max(0, Width() + extra));
}

void TskSkinLabel::FitSizeToSkin(int32_t& width, int32_t& height) {
  TskSkinCustomControl::FitSizeToSkin(width, height);
  if (!auto_size_ || fitting_ || SkinSizing() == SkinSizingKind::kFixed) return;
  const int32_t extra = TextFont().TextWidth(Caption()) + LeadWidth() - CurrentClientRect().Width();
  if (extra <= 0) return;
  fitting_ = true;
  width += extra;
  TskSkinCustomControl::FitSizeToSkin(width, height);
  fitting_ = false;
}

void TskSkinLabel::CaptionChanged() {
  AdjustToText();
  Invalidate();
}

void TskSkinLabel::DrawLabelText(gfx::Canvas& canvas, const gfx::Rect& r) {
  DrawLead(canvas, r);
  if (Caption().empty()) return;
  gfx::Font font = TextFont();
  canvas.SetFont(font);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const gfx::Rect text{r.left + TextOffset(), r.top, r.right, r.bottom};
  const int32_t tw = canvas.TextWidth(Caption());
  const int32_t y = text.top + text.Height() / 2 - canvas.TextHeight(Caption()) / 2;
  int32_t x = text.left;
  if (alignment_ == Alignment::tarightjustify) x = text.right - tw;
  if (alignment_ == Alignment::tacenter) x = text.left + text.Width() / 2 - tw / 2;
  if (!HasSkinLook() && !EffectivelyEnabled()) {
    DrawDisabledText(canvas, x, y, text, Caption().c_str());
    return;
  }
  canvas.TextRect(text, x, y, Caption());
}

void TskSkinLabel::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  canvas.FillRect(bitmap.Bounds(), ui::kColorBtnFace);
  DrawPlainBorder(canvas, bitmap.Bounds(), border_style_);
  DrawLabelText(canvas, TextRect());
}

void TskSkinLabel::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (!DrawSkinPart(bitmap, Picture(), Geometry().skinrect)) return;
  gfx::Canvas canvas(bitmap);
  DrawLabelText(canvas, TextRect());
}

TskSkinStatusPanel::TskSkinStatusPanel() {
  SetSkinDataName("statuspanel");
  SetBounds(0, 0, 120, 21);
}

void TskSkinStatusPanel::SetGlyph(gfx::Bitmap glyph) {
  glyph_ = std::move(glyph);
  AdjustToText();
  Invalidate();
}

void TskSkinStatusPanel::SetNumGlyphs(int n) {
  num_glyphs_ = std::clamp(n, 1, 2);
  AdjustToText();
  Invalidate();
}

int32_t TskSkinStatusPanel::CellWidth() const { return glyph_.IsEmpty() ? 0 : glyph_.Width() / num_glyphs_; }

int32_t TskSkinStatusPanel::TextOffset() const { return glyph_.IsEmpty() ? 0 : CellWidth() + 2; }

int32_t TskSkinStatusPanel::LeadWidth() const { return glyph_.IsEmpty() ? 0 : CellWidth() + 3; }

void TskSkinStatusPanel::DrawLead(gfx::Canvas& canvas, const gfx::Rect& r) {
  if (glyph_.IsEmpty()) return;
  // The second cell when disabled, whatever NumGlyphs says: a strip of one cell then shows none.
  const int cell = EffectivelyEnabled() ? 1 : 2;
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(r);
  DrawGlyphFrame(canvas, r.left, r.top + r.Height() / 2 - glyph_.Height() / 2, cell, num_glyphs_, glyph_);
}

}  // namespace skin
