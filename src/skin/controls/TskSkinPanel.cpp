// TskSkinPanel: a skinned container with an optional caption that can carry a check box or roll the panel up.
#include "skin/controls/TskSkinPanel.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGlyphs.h"

namespace skin {

namespace {

// The glyph cell shown: the second one when disabled and there is one.
int GlyphCell(bool enabled, int num_glyphs) { return !enabled && num_glyphs == 2 ? 2 : 1; }

int32_t GlyphCellWidth(const gfx::Bitmap& glyph, int num_glyphs) {
  return glyph.IsEmpty() ? 0 : glyph.Width() / std::max(1, num_glyphs);
}

}  // namespace

TskSkinPanel::TskSkinPanel() {
  SetSkinDataName("panel");
  SetBounds(0, 0, 150, 150);
}

TskSkinPanel::~TskSkinPanel() {
  for (ui::Control* c : hidden_) RemoveFreeNotification(c);
}

TskDataSkinPanelControl* TskSkinPanel::PanelRecord() const { return SkinRecordAs<TskDataSkinPanelControl>(); }

void TskSkinPanel::Relayout() {
  Realign();
  Invalidate();
}

void TskSkinPanel::SetBorderStyle(SkinBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  if (RecordIndex() == kNoRecord) Relayout();
}

void TskSkinPanel::SetCaptionMode(bool on) {
  if (on == caption_mode_) return;
  caption_mode_ = on;
  Relayout();
}

void TskSkinPanel::SetDefaultCaptionHeight(int32_t height) {
  if (height == default_caption_height_) return;
  default_caption_height_ = height;
  if (RecordIndex() == kNoRecord && caption_mode_) Relayout();
}

void TskSkinPanel::SetDefaultAlignment(Alignment alignment) {
  if (alignment == default_alignment_) return;
  default_alignment_ = alignment;
  if (RecordIndex() == kNoRecord && caption_mode_) Invalidate();
}

void TskSkinPanel::SetGlyph(gfx::Bitmap glyph) {
  glyph_ = std::move(glyph);
  Invalidate();
}

void TskSkinPanel::SetNumGlyphs(int n) {
  num_glyphs_ = std::clamp(n, 1, 2);
  Invalidate();
}

void TskSkinPanel::SetSpacing(int32_t spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TskSkinPanel::SetCheckedMode(bool on) {
  checked_mode_ = on;
  Invalidate();
}

void TskSkinPanel::SetChecked(bool checked) {
  checked_ = checked;
  if (checked_mode_) {
    Invalidate();
    if (auto_enabled_controls_) {
      // A handler may add or remove children, so the list is copied first.
      std::vector<ui::Control*> children;
      ForEachChild([&](ui::Control& c) { children.push_back(&c); });
      for (ui::Control* c : children) c->SetEnabled(checked);
    }
  }
  if (OnChecked) OnChecked(this);
}

void TskSkinPanel::SetRollUpMode(bool on) {
  if (on == roll_up_mode_) return;
  roll_up_mode_ = on;
  if (RecordIndex() == kNoRecord && caption_mode_) Invalidate();
}

void TskSkinPanel::SetRollUpState(bool rolled) {
  if (rolled == roll_up_state_) return;
  if (!roll_up_mode_) return;
  roll_up_state_ = rolled;
  if (rolled) {
    RollUp();
  } else {
    RollDown();
  }
}

void TskSkinPanel::RollUp() {
  if (real_height_ != -1) return;
  real_height_ = Height();
  if (!holds_hidden_) {
    holds_hidden_ = true;
    std::vector<ui::Control*> children;
    ForEachChild([&](ui::Control& c) { children.push_back(&c); });
    for (ui::Control* c : children) {
      if (!c->Visible()) continue;
      hidden_.push_back(c);
      FreeNotification(c);
      c->Hide();
    }
  }
  LoadSkinRecord();
  const int32_t h = RecordIndex() == kNoRecord ? default_caption_height_ + 1
                                               : Height() - CurrentClientRect().Height();
  SetHeight(std::max(0, h));
}

void TskSkinPanel::RollDown() {
  if (real_height_ == -1) return;
  const int32_t h = real_height_;
  real_height_ = -1;
  SetHeight(h);
  std::vector<ui::Control*> hidden = std::move(hidden_);
  hidden_.clear();
  holds_hidden_ = false;
  for (ui::Control* c : hidden) {
    RemoveFreeNotification(c);
    c->Show();
  }
}

void TskSkinPanel::Notification(ui::Component* component, Operation operation) {
  TskSkinCustomControl::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  hidden_.erase(std::remove(hidden_.begin(), hidden_.end(), component), hidden_.end());
}

void TskSkinPanel::ApplySkin() {
  TskSkinCustomControl::ApplySkin();
  if (real_height_ == -1) {
    Realign();
    return;
  }
  // Still rolled up: the rolled height of the new skin, with the height to restore kept.
  const int32_t h = RecordIndex() == kNoRecord ? default_caption_height_ + 1
                                               : Height() - CurrentClientRect().Height();
  SetHeight(std::max(0, h));
}

void TskSkinPanel::Resize() {
  TskSkinCustomControl::Resize();
  if (RecordIndex() == kNoRecord) Invalidate();
}

void TskSkinPanel::CaptionChanged() {
  if (caption_mode_) Invalidate();
}

bool TskSkinPanel::TilesInnerTexture() const {
  return border_style_ == SkinBorderStyle::bvNone && !caption_mode_ && SkinSizing() == SkinSizingKind::kNinePart;
}

gfx::Rect TskSkinPanel::AlignRect() const {
  const gfx::Rect whole{0, 0, Width(), Height()};
  const TskDataSkinPanelControl* record = RecordIndex() == kNoRecord ? nullptr : PanelRecord();
  if (RecordIndex() == kNoRecord || (record == nullptr && !Geometry().Drawable())) {
    gfx::Rect r = whole;
    if (border_style_ != SkinBorderStyle::bvNone) r = {1, 1, Width() - 1, Height() - 1};
    if (caption_mode_) r.top += default_caption_height_;
    r.right = std::max(r.left, r.right);
    r.bottom = std::max(r.top, r.bottom);
    return r;
  }
  if (record != nullptr && SkinData()->ActivePicture(record->bgpictureindex) != nullptr) return whole;
  if (TilesInnerTexture()) return whole;
  gfx::Rect r = CurrentClientRect();
  r.right = std::max(r.left, r.right);
  r.bottom = std::max(r.top, r.bottom);
  return r;
}

gfx::Rect TskSkinPanel::CaptionRect() const {
  if (RecordIndex() == kNoRecord || !HasSkinLook()) {
    if (border_style_ != SkinBorderStyle::bvNone) return {1, 1, Width() - 1, default_caption_height_};
    return {0, 0, Width(), default_caption_height_};
  }
  const TskDataSkinPanelControl* record = PanelRecord();
  if (record == nullptr) return {};
  const SkinSizingKind sizing = SkinSizing();
  if (sizing == SkinSizingKind::kFixed || sizing == SkinSizingKind::kNone) return record->captionrect;
  return Geometry().Stretched(record->captionrect, Width(), Height());
}

bool TskSkinPanel::HasSkinLook() const {
  if (RecordIndex() == kNoRecord) return false;
  const TskDataSkinPanelControl* record = PanelRecord();
  if (record != nullptr && SkinData()->ActivePicture(record->bgpictureindex) != nullptr) return true;
  return Geometry().Drawable();
}

void TskSkinPanel::DrawSkinImage(gfx::Bitmap& bitmap) {
  const TskDataSkinPanelControl* record = PanelRecord();
  if (record != nullptr) {
    if (const gfx::Bitmap* bg = SkinData()->ActivePicture24(record->bgpictureindex); bg != nullptr && !bg->IsEmpty()) {
      gfx::Bitmap scratch;
      CopyPiece(bitmap, bitmap.Bounds(), As24(*bg, scratch), bg->Bounds(), Fit::kRepeat, Fit::kRepeat);
      return;
    }
  }
  const SkinControlGeometry& g = Geometry();
  if (TilesInnerTexture()) {
    gfx::Bitmap scratch;
    const gfx::Rect inner = g.clientrect.Offset(g.skinrect.left, g.skinrect.top).Intersect(g.skinrect);
    CopyPiece(bitmap, bitmap.Bounds(), As24(*g.picture, scratch), inner, Fit::kRepeat, Fit::kRepeat);
    return;
  }
  if (!DrawSkinPart(bitmap, g.picture, g.skinrect)) return;
  if (record == nullptr || Caption().empty()) return;
  const gfx::Rect caption = CaptionRect();
  if (caption.IsEmpty()) return;
  gfx::Canvas canvas(bitmap);
  DrawSkinCaption(canvas, caption, *record);
}

void TskSkinPanel::DrawSkinCaption(gfx::Canvas& canvas, gfx::Rect r, const TskDataSkinPanelControl& record) {
  const gfx::Rect full = r;
  if (roll_up_mode_) r.right -= 12;
  const gfx::Bitmap* pic = Picture();
  if (checked_mode_ && pic != nullptr) {
    const gfx::Rect image = checked_ ? record.checkimagerect : record.uncheckimagerect;
    if (!image.IsEmpty()) {
      const gfx::Rect inside = image.Intersect(pic->Bounds());
      if (!inside.IsEmpty()) {
        const gfx::Color key = pic->Pixel(inside.left, inside.bottom - 1);
        const int32_t y = r.top + r.Height() / 2 - image.Height() / 2;
        gfx::CanvasSaver saver(canvas);
        canvas.IntersectClip(full);
        canvas.CopyTransparent({r.left, y}, *pic, inside, key);
      }
      r.left += image.Width() + 2;
    }
  }
  canvas.SetFont(UseSkinFont() ? RecordFont(record.fontname, record.fontheight, record.fontstyle, record.fontcolor)
                               : DefaultFont());
  canvas.Font().SetColor(record.fontcolor);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const int32_t cell = GlyphCellWidth(glyph_, num_glyphs_);
  const int32_t text_w = canvas.TextWidth(Caption());
  const int32_t content = (cell > 0 ? cell + spacing_ : 0) + text_w;
  int32_t x = r.left;
  if (record.alignment == Alignment::tarightjustify) x = r.right - content;
  if (record.alignment == Alignment::tacenter) x = r.left + r.Width() / 2 - content / 2;
  if (cell > 0) {
    gfx::CanvasSaver saver(canvas);
    canvas.IntersectClip(r);
    DrawGlyphFrame(canvas, x, r.top + r.Height() / 2 - glyph_.Height() / 2, GlyphCell(Enabled(), num_glyphs_),
                   num_glyphs_, glyph_);
    x += cell + spacing_;
  }
  const int32_t y = r.top + r.Height() / 2 - canvas.TextHeight(Caption()) / 2;
  canvas.TextRect(r, x, y, Caption());
  if (roll_up_mode_) {
    DrawArrow(canvas, {r.right, r.top, r.right + 10, r.bottom}, record.fontcolor,
              roll_up_state_ ? kArrowDown : kArrowUp);
  }
}

void TskSkinPanel::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const int32_t w = Width(), h = Height();
  canvas.FillRect({0, 0, w, h}, ui::kColorBtnFace);
  DrawPlainBorder(canvas, {0, 0, w, h}, border_style_);
  if (!caption_mode_) return;
  const gfx::Rect bar = CaptionRect();
  if (border_style_ != SkinBorderStyle::bvNone) {
    DrawFrame3D(canvas, bar, ui::kColorBtnShadow, ui::kColorBtnHighlight);
    DrawFrame3D(canvas, {bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1}, ui::kColorBtnHighlight,
                ui::kColorBtnShadow);
  } else {
    canvas.FrameRect(bar, ui::kColorBtnShadow);
    DrawFrame3D(canvas, {bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1}, ui::kColorBtnHighlight,
                ui::kColorBtnFace);
  }
  int32_t text_left = bar.left + 2;
  int32_t text_right = bar.right;
  if (checked_mode_) {
    const gfx::Rect box = gfx::Rect::FromSize(5, bar.top + bar.Height() / 2 - 7, 14, 14);
    canvas.FrameRect(box, ui::kColorBtnShadow);
    if (checked_) DrawCheckMark(canvas, box.left + 3, box.top + 2, ui::kColorBtnText);
    text_left += 20;
  }
  if (roll_up_mode_) {
    text_right -= 12;
    DrawArrow(canvas, {text_right, bar.top, text_right + 10, bar.bottom}, ui::kColorBtnText,
              roll_up_state_ ? kArrowDown : kArrowUp);
  }
  const gfx::Rect text_rect{text_left, bar.top, text_right, bar.bottom};
  gfx::Font font = DefaultFont();
  font.SetColor(Enabled() ? ui::kColorBtnText : ui::kColorGrayText);
  canvas.SetFont(font);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const int32_t cell = GlyphCellWidth(glyph_, num_glyphs_);
  const int32_t content = (cell > 0 ? cell + spacing_ : 0) + canvas.TextWidth(Caption());
  int32_t x = text_left;
  if (default_alignment_ == Alignment::tacenter) x = bar.left + 2 + bar.Width() / 2 - content / 2;
  if (default_alignment_ == Alignment::tarightjustify) x = text_right - content;
  if (cell > 0) {
    gfx::CanvasSaver saver(canvas);
    canvas.IntersectClip(text_rect);
    DrawGlyphFrame(canvas, x, bar.top + bar.Height() / 2 - glyph_.Height() / 2, GlyphCell(Enabled(), num_glyphs_),
                   num_glyphs_, glyph_);
    x += cell + spacing_;
  }
  canvas.TextRect(text_rect, x, bar.top + bar.Height() / 2 - canvas.TextHeight(Caption()) / 2, Caption());
}

void TskSkinPanel::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (button == ui::MouseButton::kLeft && (roll_up_mode_ || checked_mode_) && caption_mode_) {
    LoadSkinRecord();
    const gfx::Rect hit = RecordIndex() == kNoRecord || !HasSkinLook()
                              ? gfx::Rect{1, 1, Width() - 1, default_caption_height_}
                              : CaptionRect();
    if (hit.Contains({x, y})) {
      if (checked_mode_) SetChecked(!checked_);
      if (roll_up_mode_) SetRollUpState(!roll_up_state_);
    }
  }
  TskSkinCustomControl::MouseUp(button, shift, x, y);
}

TskSkinGroupBox::TskSkinGroupBox() {
  SetSkinDataName("groupbox");
  SetCaptionMode(true);
}

TskSkinStatusBar::TskSkinStatusBar() {
  SetSkinDataName("statusbar");
  SetBorderStyle(SkinBorderStyle::bvNone);
  SetDefaultHeight(21);
  SetAlign(ui::Align::kBottom);
}

void TskSkinStatusBar::SetSkinData(TskSkinData* data) {
  TskSkinPanel::SetSkinData(data);
  std::vector<ui::Control*> children;
  ForEachChild([&](ui::Control& c) { children.push_back(&c); });
  for (ui::Control* c : children) {
    if (auto* skinned = dynamic_cast<TskSkinControl*>(c)) skinned->SetSkinData(data);
  }
}

}  // namespace skin
