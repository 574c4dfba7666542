// TskSkinSpeedButton: the windowless skinned tool button: flat or see-through, glyph or tool bar image, groups, repeat.
#include "skin/controls/TskSkinSpeedButton.h"

#include <algorithm>
#include <vector>

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
    StopFade();
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
  StopFade();
  TskGraphicSkinCustomControl::ApplySkin();
  if (Morphs() && hovered_ && !transparent_) fade_.SetActive();
}

void TskSkinSpeedButton::ButtonClick() {
  if (OnClick) OnClick(this);
}

// --- state ---

void TskSkinSpeedButton::SetDownState(bool v) {
  down_ = v;
  if (Morphs()) {
    fade_.SetActive();
    if (v) {
      StopFade();
    } else if (!fading_) {
      fading_ = true;
      SetTimer(kFadeTimer, MorphFade::kTickMs);
    }
  }
  Invalidate();
  if (group_index_ == 0 || !v || allow_all_up_ || Parent() == nullptr) return;
  std::vector<ui::Control*> siblings;
  Parent()->ForEachChild([&](ui::Control& c) { siblings.push_back(&c); });
  for (ui::Control* c : siblings) {
    auto* other = dynamic_cast<TskSkinSpeedButton*>(c);
    if (other != nullptr && other != this && other->group_index_ == group_index_ && other->down_) {
      other->SetDownState(false);
    }
  }
}

void TskSkinSpeedButton::RefreshState() {
  if (!Morphs()) {
    Invalidate();
    return;
  }
  if (fading_) return;
  fading_ = true;
  SetTimer(kFadeTimer, MorphFade::kTickMs);
}

void TskSkinSpeedButton::StopFade() {
  if (!fading_) return;
  fading_ = false;
  KillTimer(kFadeTimer);
}

void TskSkinSpeedButton::StartRepeat() {
  repeating_ = true;
  SetTimer(kRepeatTimer, std::max<uint32_t>(repeat_interval_, 1));
}

void TskSkinSpeedButton::StopRepeat() {
  if (!repeating_) return;
  repeating_ = false;
  KillTimer(kRepeatTimer);
}

void TskSkinSpeedButton::AbandonPress() {
  StopRepeat();
  if (mouse_pressed_) {
    mouse_pressed_ = false;
    if (group_index_ == 0 && down_) {
      down_ = false;
      Invalidate();
    }
  }
  ui::Application* app = ui::Application::Current();
  if (app != nullptr && app->CaptureControl() == this) app->SetCaptureControl(nullptr);
}

// --- messages ---

void TskSkinSpeedButton::WndProc(ui::Message& m) {
  if ((m.id == ui::kMsgCaptureChanged || m.id == ui::kMsgCancelMode) && (mouse_pressed_ || repeating_)) {
    AbandonPress();
  }
  TskGraphicSkinCustomControl::WndProc(m);
}

void TskSkinSpeedButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  TskGraphicSkinCustomControl::MouseDown(button, shift, x, y);
  if (!*alive || button != ui::MouseButton::kLeft || !EffectivelyEnabled()) return;
  mouse_pressed_ = true;
  if (down_) {
    if (group_index_ != 0) pressed_while_down_ = true;
    return;
  }
  hovered_ = true;
  pressed_while_down_ = false;
  SetDownState(true);
  if (repeat_mode_ && group_index_ == 0) {
    StartRepeat();
  } else if (group_index_ != 0) {
    ButtonClick();
  }
}

void TskSkinSpeedButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  TskGraphicSkinCustomControl::MouseUp(button, shift, x, y);
  if (!*alive || button != ui::MouseButton::kLeft || !mouse_pressed_) return;
  mouse_pressed_ = false;
  const bool over = hovered_ && gfx::Rect{0, 0, Width(), Height()}.Contains({x, y});
  if (group_index_ == 0) {
    StopRepeat();
    if (over) {
      SetDownState(false);
      ButtonClick();
    } else if (down_) {
      down_ = false;
      Invalidate();
    }
    return;
  }
  if (down_ && allow_all_up_ && pressed_while_down_ && over) {
    SetDownState(false);
    ButtonClick();
  }
}

void TskSkinSpeedButton::MouseEnter() {
  std::shared_ptr<bool> alive = alive_;
  TskGraphicSkinCustomControl::MouseEnter();
  if (!*alive || !EffectivelyEnabled()) return;
  hovered_ = true;
  if (group_index_ == 0 || !down_) {
    if (down_) {
      if (fields_.morphing) fade_.SetActive();
      Invalidate();
    } else {
      RefreshState();
    }
  }
  if (down_ && mouse_pressed_ && repeat_mode_ && group_index_ == 0) StartRepeat();
}

void TskSkinSpeedButton::MouseLeave() {
  std::shared_ptr<bool> alive = alive_;
  TskGraphicSkinCustomControl::MouseLeave();
  if (!*alive || !hovered_) return;
  hovered_ = false;
  if (group_index_ == 0 || !down_) RefreshState();
  if (down_ && repeat_mode_ && repeating_ && group_index_ == 0) StopRepeat();
}

void TskSkinSpeedButton::TimerTick(uintptr_t id) {
  if (id == kFadeTimer) {
    if (!Morphs()) {
      if (hovered_) fade_.SetActive();
      else fade_.SetNormal();
      StopFade();
    } else if (!fade_.Tick(hovered_)) {
      StopFade();
    }
    Invalidate();
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
  StopFade();
  fade_.SetNormal();
  hovered_ = false;
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
  if (!transparent_ || ShownDown() || hovered_) return false;
  // A record's button that ended its fade at the active image still shows the face.
  return !(HasSkinLook() && fields_.morphing && fade_.AtActive());
}

const ui::ImageList* TskSkinSpeedButton::ToolBarList() const {
  const auto* bar = dynamic_cast<const ToolBarImages*>(Parent());
  if (bar == nullptr || !glyph_.glyph.IsEmpty()) return nullptr;
  if (!EffectivelyEnabled() && bar->DisabledImages() != nullptr) return bar->DisabledImages();
  if ((hovered_ || down_) && bar->HotImages() != nullptr) return bar->HotImages();
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
  const int cell = GlyphCell(down_, false, enabled, glyph_.num_glyphs);
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
  } else if (hovered_) {
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
  DrawContent(canvas, r, shown_down, GlyphCell(down_, hovered_, enabled, glyph_.num_glyphs));
}

void TskSkinSpeedButton::DrawSkinImage(gfx::Bitmap& bitmap) {
  const bool enabled = EffectivelyEnabled();
  if (fields_.morphing && fade_.Blending() && enabled && !transparent_) {
    DrawStateImage(bitmap, Geometry().skinrect, false, false);
    DrawStateImage(active_scratch_, fields_.activeskinrect, false, true);
    MorphInto(bitmap, active_scratch_, fields_.morphkind, fade_.Factor());
    return;
  }
  if (ShownDown()) {
    DrawStateImage(bitmap, fields_.downskinrect, true, true);
  } else if (hovered_ || (fields_.morphing && fade_.AtActive())) {
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
