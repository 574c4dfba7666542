// TskSkinListBox: the caption bar of the list box, its three buttons and their repeat.
#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeMath.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/controls/TskSkinListBox.h"
#include "skin/data/SkinListRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinGlyphs.h"
#include "ui/Application.h"

namespace skin {

namespace {

int32_t GlyphCellWidth(const gfx::Bitmap& glyph, int num_glyphs) {
  return glyph.IsEmpty() || num_glyphs <= 0 ? 0 : glyph.Width() / num_glyphs;
}

}  // namespace

// --- properties ---

void TskSkinCustomListBox::SetCaptionMode(bool on) {
  if (on == caption_mode_) return;
  caption_mode_ = on;
  StopPress();
  ApplyRowCount();
  LayoutList();
  UpdateListBoxScrollBars();
  Invalidate();
}

void TskSkinCustomListBox::SetDefaultCaptionHeight(int32_t height) {
  default_caption_height_ = std::max(height, 0);
  if (!caption_mode_) return;
  ApplyRowCount();
  LayoutList();
  UpdateListBoxScrollBars();
  Invalidate();
}

void TskSkinCustomListBox::SetDefaultCaptionFont(const gfx::Font& font) {
  default_caption_font_ = font;
  if (caption_mode_) Invalidate();
}

void TskSkinCustomListBox::SetCaptionAlignment(Alignment alignment) {
  caption_alignment_ = alignment;
  if (caption_mode_) Invalidate();
}

void TskSkinCustomListBox::SetGlyph(gfx::Bitmap glyph) {
  glyph_ = std::move(glyph);
  Invalidate();
}

void TskSkinCustomListBox::SetNumGlyphs(int n) {
  num_glyphs_ = std::max(n, 1);
  Invalidate();
}

void TskSkinCustomListBox::SetSpacing(int32_t spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TskSkinCustomListBox::CaptionChanged() {
  TskSkinCustomControl::CaptionChanged();
  if (caption_mode_) Invalidate();
}

// --- buttons ---

gfx::Rect TskSkinCustomListBox::CaptionButtonRect(int button) const {
  if (!caption_mode_ || button < kUpButton || button > kCheckButton) return {};
  if (const TskDataSkinListBox* r = HasSkinLook() ? ListRecord() : nullptr) {
    const gfx::Rect place = button == kUpButton     ? r->upbuttonrect
                            : button == kDownButton ? r->downbuttonrect
                                                    : r->checkbuttonrect;
    if (IsNullRect(place)) return {};
    return Geometry().Stretched(HeldRecordRect(place), Width(), Height());
  }
  // Squares at the bar's right end: up against the right edge, down and check to its left.
  const int32_t side = std::min(default_caption_height_ - 3, 17);
  if (side <= 0) return {};
  const int32_t right = Width() - 2 - button * side;
  return {right - side, 2, right, 2 + side};
}

int TskSkinCustomListBox::ButtonAt(gfx::Point p) const {
  for (int b : {kUpButton, kDownButton, kCheckButton}) {
    if (CaptionButtonRect(b).Contains(p)) return b;
  }
  return kNoButton;
}

const ui::NotifyEvent& TskSkinCustomListBox::ButtonEvent(int button) const {
  return button == kUpButton ? OnUpButtonClick : button == kDownButton ? OnDownButtonClick : OnCheckButtonClick;
}

void TskSkinCustomListBox::ButtonAction(int button) {
  if (Count() == 0 && button != kCheckButton) return;
  switch (button) {
    case kUpButton:
      SetItemIndex(std::max(0, ItemIndex() - 1));
      break;
    case kDownButton:
      SetItemIndex(std::min(Count() - 1, ItemIndex() + 1));
      break;
    case kCheckButton:
      list_->Click();
      break;
    default:
      break;
  }
}

void TskSkinCustomListBox::StopPress() {
  KillTimer(kRepeatTimer);
  repeat_paused_ = false;
  if (pressed_ == kNoButton) return;
  pressed_ = kNoButton;
  Invalidate();
}

void TskSkinCustomListBox::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  TskSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != ui::MouseButton::kLeft) return;
  const int b = ButtonAt({x, y});
  if (b == kNoButton) return;
  pressed_ = b;
  hot_button_ = b;
  repeat_paused_ = false;
  Invalidate();
  // A button with its own click event waits for the release.
  if (ButtonEvent(b)) return;
  ButtonAction(b);
  if (b != kCheckButton) SetTimer(kRepeatTimer, kFirstDelayMs);
}

void TskSkinCustomListBox::MouseMove(ui::ShiftState shift, int x, int y) {
  TskSkinCustomControl::MouseMove(shift, x, y);
  const int b = ButtonAt({x, y});
  if (b != hot_button_) {
    hot_button_ = b;
    Invalidate();
  }
  if (pressed_ == kNoButton || ButtonEvent(pressed_)) return;
  // Leaving the held button pauses its repeat; coming back resumes it soon.
  if (b != pressed_ && !repeat_paused_) {
    repeat_paused_ = true;
    KillTimer(kRepeatTimer);
  } else if (b == pressed_ && repeat_paused_) {
    repeat_paused_ = false;
    if (pressed_ != kCheckButton) SetTimer(kRepeatTimer, kResumeMs);
  }
}

void TskSkinCustomListBox::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const int held = pressed_;
  StopPress();
  TskSkinCustomControl::MouseUp(button, shift, x, y);
  if (button != ui::MouseButton::kLeft || held == kNoButton || ButtonAt({x, y}) != held) return;
  if (const ui::NotifyEvent& event = ButtonEvent(held)) event(this);
}

void TskSkinCustomListBox::MouseLeave() {
  TskSkinCustomControl::MouseLeave();
  if (hot_button_ == kNoButton) return;
  hot_button_ = kNoButton;
  Invalidate();
}

void TskSkinCustomListBox::TimerTick(uintptr_t id) {
  if (id != kRepeatTimer) {
    TskSkinCustomControl::TimerTick(id);
    return;
  }
  if (pressed_ == kNoButton || !Showing() || !EffectivelyEnabled()) {
    StopPress();
    return;
  }
  SetTimer(kRepeatTimer, kRepeatMs);
  ButtonAction(pressed_);
}

// --- drawing ---

void TskSkinCustomListBox::DrawCaptionBar(gfx::Bitmap& bitmap, const TskDataSkinListBox* r) {
  if (!caption_mode_) return;
  gfx::Canvas canvas(bitmap);
  gfx::Rect bar;
  if (r == nullptr) {
    bar = {1, 1, Width() - 1, default_caption_height_};
    canvas.FillRect(bar, ui::kColorBtnFace);
    canvas.FillRect({1, default_caption_height_ - 1, Width() - 1, default_caption_height_}, ui::kColorBtnShadow);
    canvas.SetFont(default_caption_font_);
  } else {
    if (IsNullRect(r->captionrect)) return;
    bar = Geometry().Stretched(HeldRecordRect(r->captionrect), Width(), Height());
    canvas.SetFont(SkinTextFont(UseSkinFont(), default_caption_font_, r->captionfont.fontname,
                                r->captionfont.fontheight, r->captionfont.fontstyle, r->captionfont.fontcolor));
  }
  // The text ends before the buttons.
  gfx::Rect text_area{bar.left + 2, bar.top, bar.right - 2, bar.bottom - (r == nullptr ? 1 : 0)};
  for (int b : {kUpButton, kDownButton, kCheckButton}) {
    const gfx::Rect br = CaptionButtonRect(b);
    if (!br.IsEmpty()) text_area.right = std::min(text_area.right, br.left - 2);
  }
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const int32_t cell = GlyphCellWidth(glyph_, num_glyphs_);
  const int32_t content = (cell > 0 ? cell + spacing_ : 0) + canvas.TextWidth(Caption());
  int32_t x = text_area.left;
  if (caption_alignment_ == Alignment::tarightjustify) x = text_area.right - content;
  if (caption_alignment_ == Alignment::tacenter) x = text_area.left + text_area.Width() / 2 - content / 2;
  if (cell > 0) {
    canvas.Save();
    canvas.IntersectClip(text_area);
    const int frame = !EffectivelyEnabled() && num_glyphs_ >= 2 ? 2 : 1;
    DrawGlyphFrame(canvas, x, text_area.top + text_area.Height() / 2 - glyph_.Height() / 2, frame, num_glyphs_, glyph_);
    canvas.Restore();
    x += cell + spacing_;
  }
  if (!Caption().empty() && !text_area.IsEmpty()) {
    canvas.TextRect(text_area, x, text_area.top + text_area.Height() / 2 - canvas.TextHeight(Caption()) / 2, Caption());
  }
  for (int b : {kUpButton, kDownButton, kCheckButton}) {
    const gfx::Rect br = CaptionButtonRect(b);
    if (br.IsEmpty()) continue;
    const bool down = pressed_ == b && hot_button_ == b;
    const bool active = hot_button_ == b || pressed_ == b;
    if (r == nullptr) {
      if (down || active) {
        DrawPlainHighlight(canvas, br, down ? PlainState::kPressed : PlainState::kHot);
      } else {
        DrawPlainFramedFace(canvas, br);
      }
      if (b == kCheckButton) {
        DrawCheckMark(canvas, br.left + (br.Width() - 8) / 2, br.top + (br.Height() - 8) / 2, ui::kColorBtnText);
      } else {
        DrawArrow(canvas, br, ui::kColorBtnText, b == kUpButton ? kArrowUp : kArrowDown);
      }
      continue;
    }
    // With a record the normal button is part of the frame image; hot and held ones are copied over it.
    const gfx::Rect active_image = b == kUpButton     ? r->activeupbuttonrect
                                   : b == kDownButton ? r->activedownbuttonrect
                                                      : r->activecheckbuttonrect;
    const gfx::Rect down_image = b == kUpButton     ? r->downupbuttonrect
                                 : b == kDownButton ? r->downdownbuttonrect
                                                    : r->downcheckbuttonrect;
    const gfx::Rect image = down ? (IsNullRect(down_image) ? active_image : down_image) : active ? active_image : gfx::Rect{};
    if (IsNullRect(image) || Picture() == nullptr) continue;
    gfx::Bitmap scratch;
    const gfx::Rect src = HeldRecordRect(image);
    CopyPiece(bitmap, gfx::Rect::FromSize(br.left, br.top, src.Width(), src.Height()), As24(*Picture(), scratch), src);
  }
}

}  // namespace skin
