// TskSkinSpeedButton: the windowless skinned tool button: flat or see-through, glyph or tool bar image, groups, repeat.
#include "skin/controls/TskSkinSpeedButton.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/controls/ToolBarImages.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/render/SkinGeometry.h"
#include "ui/Application.h"
#include "ui/ImageList.h"
#include "ui/WinControl.h"

namespace skin {

TskSkinSpeedButton::TskSkinSpeedButton() {
  SetSkinDataName("toolbutton");
  SetBounds(0, 0, 25, 25);
}

TskSkinSpeedButton::~TskSkinSpeedButton() { *alive_ = false; }

// --- properties ---

void TskSkinSpeedButton::SetTransparent(bool v) {
  transparent_ = v;
  SetOpaque(!v);
  if (v) {
    press_.StopFade(*this);
    fields_.morphing = false;
  }
  Invalidate();
}

void TskSkinSpeedButton::SetFlat(bool v) {
  flat_ = v;
  SetTransparent(v);
}

void TskSkinSpeedButton::SetShowCaption(bool v) {
  show_caption_ = v;
  if (width_with_caption_ > 0 && width_without_caption_ > 0) {
    SetWidth(v ? width_with_caption_ : width_without_caption_);
    return;
  }
  Invalidate();
}

void TskSkinSpeedButton::SetImageIndex(int index) {
  image_index_ = index;
  if (dynamic_cast<const ToolBarImages*>(Parent()) != nullptr) Invalidate();
}

void TskSkinSpeedButton::SetGlyph(const gfx::Bitmap& glyph) {
  glyph_.glyph = glyph;
  Invalidate();
}

void TskSkinSpeedButton::SetNumGlyphs(int n) {
  glyph_.num_glyphs = std::clamp(n, 1, 4);
  Invalidate();
}

void TskSkinSpeedButton::SetMargin(int m) {
  if (m < -1 || m == glyph_.margin) return;
  glyph_.margin = m;
  Invalidate();
}

void TskSkinSpeedButton::SetSpacing(int s) {
  glyph_.spacing = s;
  Invalidate();
}

void TskSkinSpeedButton::SetLayout(ButtonLayout layout) {
  glyph_.layout = layout;
  Invalidate();
}

// --- skin ---

void TskSkinSpeedButton::LoadSkinRecord() {
  TskGraphicSkinCustomControl::LoadSkinRecord();
  if (const auto* record = SkinRecordAs<TskDataSkinButtonControl>()) fields_.Copy(*record);
  if (transparent_) fields_.morphing = false;
}

void TskSkinSpeedButton::ApplySkin() {
  press_.StopFade(*this);
  TskGraphicSkinCustomControl::ApplySkin();
  if (Morphs() && press_.Hovered() && !transparent_) press_.Fade().SetActive();
}

void TskSkinSpeedButton::ButtonClick() {
  if (OnClick) OnClick(this);
}

// --- state ---

void TskSkinSpeedButton::SetDownState(bool v) {
  press_.SetDown(*this, v, Morphs());
  if (group_index_ != 0 && v && !allow_all_up_) ReleaseGroupOf(*this);
}

void TskSkinSpeedButton::RefreshState() { press_.Refresh(*this, Morphs()); }

void TskSkinSpeedButton::AbandonPress() { press_.Abandon(*this, group_index_); }

// --- messages ---

void TskSkinSpeedButton::WndProc(ui::Message& m) {
  if ((m.id == ui::kMsgCaptureChanged || m.id == ui::kMsgCancelMode) && (press_.MousePressed() || press_.Repeating())) {
    AbandonPress();
  }
  TskGraphicSkinCustomControl::WndProc(m);
}

void TskSkinSpeedButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  TskGraphicSkinCustomControl::MouseDown(button, shift, x, y);
  if (!*alive || button != ui::MouseButton::kLeft || !EffectivelyEnabled() || !press_.Press(group_index_)) return;
  SetDownState(true);
  if (repeat_mode_ && group_index_ == 0) {
    press_.StartRepeat(*this, repeat_interval_);
  } else if (group_index_ != 0) {
    ButtonClick();
  }
}

void TskSkinSpeedButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  TskGraphicSkinCustomControl::MouseUp(button, shift, x, y);
  if (!*alive || button != ui::MouseButton::kLeft || !press_.MousePressed()) return;
  const bool inside = gfx::Rect{0, 0, Width(), Height()}.Contains({x, y});
  if (!press_.Release(*this, inside, group_index_, allow_all_up_)) return;
  SetDownState(false);
  ButtonClick();
}

void TskSkinSpeedButton::MouseEnter() {
  std::shared_ptr<bool> alive = alive_;
  TskGraphicSkinCustomControl::MouseEnter();
  if (!*alive || !EffectivelyEnabled()) return;
  press_.SetHovered(true);
  if (group_index_ == 0 || !press_.Down()) {
    if (press_.Down()) {
      if (fields_.morphing) press_.Fade().SetActive();
      Invalidate();
    } else {
      RefreshState();
    }
  }
  if (press_.Down() && press_.MousePressed() && repeat_mode_ && group_index_ == 0) press_.StartRepeat(*this, repeat_interval_);
}

void TskSkinSpeedButton::MouseLeave() {
  std::shared_ptr<bool> alive = alive_;
  TskGraphicSkinCustomControl::MouseLeave();
  if (!*alive || !press_.Hovered()) return;
  press_.SetHovered(false);
  if (group_index_ == 0 || !press_.Down()) RefreshState();
  if (press_.Down() && repeat_mode_ && press_.Repeating() && group_index_ == 0) press_.StopRepeat(*this);
}

void TskSkinSpeedButton::TimerTick(uintptr_t id) {
  if (id == kFadeTimer) {
    press_.FadeTick(*this, Morphs(), press_.Hovered());
    return;
  }
  if (id == kRepeatTimer) {
    if (!EffectivelyEnabled() || !Showing()) {
      AbandonPress();
      return;
    }
    ButtonClick();
    return;
  }
  TskGraphicSkinCustomControl::TimerTick(id);
}

void TskSkinSpeedButton::EnabledChanged() {
  press_.StopFade(*this);
  press_.Fade().SetNormal();
  press_.SetHovered(false);
  if (!Enabled()) AbandonPress();
  TskGraphicSkinCustomControl::EnabledChanged();
  Invalidate();
}

void TskSkinSpeedButton::VisibleChanged() {
  TskGraphicSkinCustomControl::VisibleChanged();
  if (!Visible()) AbandonPress();
}

// --- painting ---

bool TskSkinSpeedButton::ShowsOnlyContent() const {
  if (!transparent_ || ShownDown() || press_.Hovered()) return false;
  // A record's button that ended its fade at the active image still shows the face.
  return !(HasSkinLook() && fields_.morphing && press_.Fade().AtActive());
}

const ui::ImageList* TskSkinSpeedButton::ToolBarList() const {
  const auto* bar = dynamic_cast<const ToolBarImages*>(Parent());
  if (bar == nullptr || !glyph_.glyph.IsEmpty()) return nullptr;
  if (!EffectivelyEnabled() && bar->DisabledImages() != nullptr) return bar->DisabledImages();
  if ((press_.Hovered() || press_.Down()) && bar->HotImages() != nullptr) return bar->HotImages();
  return bar->Images();
}

void TskSkinSpeedButton::DrawContent(gfx::Canvas& canvas, const gfx::Rect& rect, bool pressed, int cell) {
  const std::string caption = show_caption_ ? Caption() : std::string();
  if (const ui::ImageList* list = ToolBarList()) {
    const auto* bar = dynamic_cast<const ToolBarImages*>(Parent());
    // A list of disabled images is drawn as it is; the others are greyed for a disabled button.
    const bool enabled = EffectivelyEnabled() || list == bar->DisabledImages();
    DrawImageAndCaption(canvas, rect, glyph_.margin, pressed, *list, image_index_, enabled, caption, glyph_.layout,
                        glyph_.spacing);
    return;
  }
  DrawGlyphAndCaption(canvas, rect, glyph_.margin, pressed, cell, glyph_.num_glyphs, glyph_.glyph, caption,
                      glyph_.layout, glyph_.spacing);
}

void TskSkinSpeedButton::Paint(gfx::Canvas& canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  LoadSkinRecord();
  if (!ShowsOnlyContent()) {
    TskGraphicSkinCustomControl::Paint(canvas);
    return;
  }
  // Straight onto the parent, which has drawn what lies behind.
  const bool enabled = EffectivelyEnabled();
  gfx::CanvasSaver saver(canvas);
  const int cell = GlyphCell(press_.Down(), false, enabled, glyph_.num_glyphs);
  if (HasSkinLook()) {
    canvas.SetFont(SkinTextFont(UseSkinFont(), DefaultFont(), fields_.fontname, fields_.fontheight, fields_.fontstyle,
                                enabled ? fields_.fontcolor : fields_.disabledfontcolor));
    DrawContent(canvas, CurrentClientRect(), false, cell);
    return;
  }
  gfx::Font font = DefaultFont();
  if (!enabled) font.SetColor(ui::kColorBtnShadow);
  canvas.SetFont(font);
  DrawContent(canvas, {0, 0, Width(), Height()}, false, cell);
}

void TskSkinSpeedButton::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const gfx::Rect r = bitmap.Bounds();
  const bool shown_down = ShownDown();
  if (shown_down) {
    DrawPlainHighlight(canvas, r, PlainState::kPressed);
  } else if (press_.Hovered()) {
    DrawPlainHighlight(canvas, r, PlainState::kHot);
  } else if (!flat_) {
    DrawPlainFramedFace(canvas, r);
  } else if (!transparent_) {
    canvas.FillRect(r, ui::kColorBtnFace);
  }
  const bool enabled = EffectivelyEnabled();
  gfx::Font font = DefaultFont();
  if (!enabled) font.SetColor(ui::kColorBtnShadow);
  canvas.SetFont(font);
  DrawContent(canvas, r, shown_down, GlyphCell(press_.Down(), press_.Hovered(), enabled, glyph_.num_glyphs));
}

void TskSkinSpeedButton::DrawSkinImage(gfx::Bitmap& bitmap) {
  const bool enabled = EffectivelyEnabled();
  if (fields_.morphing && press_.Fade().Blending() && enabled && !transparent_) {
    DrawStateImage(bitmap, Geometry().skinrect, false, false);
    DrawStateImage(active_scratch_, fields_.activeskinrect, false, true);
    MorphInto(bitmap, active_scratch_, fields_.morphkind, press_.Fade().Factor());
    return;
  }
  if (ShownDown()) {
    DrawStateImage(bitmap, fields_.downskinrect, true, true);
  } else if (press_.Hovered() || (fields_.morphing && press_.Fade().AtActive())) {
    DrawStateImage(bitmap, fields_.activeskinrect, false, true);
  } else if (!enabled && !IsNullRect(fields_.disabledskinrect)) {
    DrawStateImage(bitmap, fields_.disabledskinrect, false, false);
  } else {
    DrawStateImage(bitmap, Geometry().skinrect, false, false);
  }
}

void TskSkinSpeedButton::DrawStateImage(gfx::Bitmap& bitmap, const gfx::Rect& source, bool down, bool active) {
  if (!DrawSkinPart(bitmap, Picture(), source)) return;
  const bool enabled = EffectivelyEnabled();
  gfx::Canvas canvas(bitmap);
  canvas.SetFont(SkinTextFont(UseSkinFont(), DefaultFont(), fields_.fontname, fields_.fontheight, fields_.fontstyle,
                              fields_.TextColor(enabled, down, active)));
  DrawContent(canvas, CurrentClientRect(), down && active, GlyphCell(down, active, enabled, glyph_.num_glyphs));
}

}  // namespace skin
