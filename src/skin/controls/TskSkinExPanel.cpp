// TskSkinExPanel: an expandable panel whose caption has a close button and a button that rolls it up.
#include "skin/controls/TskSkinExPanel.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/SkinControlFont.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGlyphs.h"
#include "skin/render/SkinStrip.h"
#include "skin/render/SkinText.h"

namespace skin {

namespace {

gfx::Rect SizeAt(int32_t x, int32_t y, const gfx::Rect& like) { return gfx::Rect::FromSize(x, y, like.Width(), like.Height()); }

// An empty active image falls back to the normal one, an empty down image to the active one.
const gfx::Rect& Pick(const gfx::Rect& normal, const gfx::Rect& active, const gfx::Rect& down, bool is_active,
                      bool is_down) {
  const gfx::Rect& a = active.IsEmpty() ? normal : active;
  if (is_active && is_down) return down.IsEmpty() ? a : down;
  if (is_active) return a;
  return normal;
}

}  // namespace

TskSkinExPanel::TskSkinExPanel() {
  SetSkinDataName("expanel");
  SetBounds(0, 0, 150, 100);
}

TskSkinExPanel::~TskSkinExPanel() {
  *alive_ = false;
  for (ui::Control* c : hidden_) RemoveFreeNotification(c);
}

TskDataSkinExPanelControl* TskSkinExPanel::ExRecord() const { return SkinRecordAs<TskDataSkinExPanelControl>(); }

bool TskSkinExPanel::SkinLook() const { return HasSkinLook() && ExRecord() != nullptr; }

int32_t TskSkinExPanel::RolledSize() const {
  const TskDataSkinExPanelControl* r = SkinLook() ? ExRecord() : nullptr;
  if (roll_kind_ == RollKind::rkRollVertical) {
    if (r != nullptr && r->rollvskinrect.Height() > 0) return r->rollvskinrect.Height();
    return default_caption_height_;
  }
  if (r != nullptr && r->rollhskinrect.Width() > 0) return r->rollhskinrect.Width();
  return default_caption_height_;
}

void TskSkinExPanel::SetRollKind(RollKind kind) {
  if (kind == roll_kind_) return;
  roll_kind_ = kind;
  Invalidate();
}

void TskSkinExPanel::SetShowRollButton(bool show) {
  show_roll_button_ = show;
  Invalidate();
}

void TskSkinExPanel::SetShowCloseButton(bool show) {
  show_close_button_ = show;
  Invalidate();
}

void TskSkinExPanel::SetDefaultCaptionHeight(int32_t height) {
  default_caption_height_ = height;
  if (RecordIndex() != kNoRecord) return;
  Realign();
  Invalidate();
}

void TskSkinExPanel::SetRollState(bool rolled) {
  if (rolled == roll_state_) return;
  roll_state_ = rolled;
  rolling_ = true;
  LoadSkinRecord();
  const bool vertical = roll_kind_ == RollKind::rkRollVertical;
  if (rolled) {
    std::vector<ui::Control*> children;
    ForEachChild([&](ui::Control& c) { children.push_back(&c); });
    for (ui::Control* c : children) {
      if (!c->Visible()) continue;
      hidden_.push_back(c);
      FreeNotification(c);
      c->Hide();
    }
    if (vertical && real_height_ == 0) {
      real_height_ = Height();
      SetHeight(RolledSize());
    } else if (!vertical && real_width_ == 0) {
      real_width_ = Width();
      SetWidth(RolledSize());
    }
  } else {
    if (vertical) {
      if (real_height_ != 0) SetHeight(real_height_);
      real_height_ = 0;
    } else {
      if (real_width_ != 0) SetWidth(real_width_);
      real_width_ = 0;
    }
    std::vector<ui::Control*> hidden = std::move(hidden_);
    hidden_.clear();
    for (ui::Control* c : hidden) {
      RemoveFreeNotification(c);
      c->Show();
    }
  }
  rolling_ = false;
  Invalidate();
  if (OnChangeRollState) OnChangeRollState(this);
}

void TskSkinExPanel::Close() {
  Hide();
  if (OnClose) OnClose(this);
}

void TskSkinExPanel::Notification(ui::Component* component, Operation operation) {
  TskSkinCustomControl::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  hidden_.erase(std::remove(hidden_.begin(), hidden_.end(), component), hidden_.end());
}

void TskSkinExPanel::SetBounds(int left, int top, int width, int height) {
  if (roll_state_ && !rolling_) {
    // Rolled, the panel keeps its rolled size along the rolled axis.
    LoadSkinRecord();
    if (roll_kind_ == RollKind::rkRollVertical) height = RolledSize();
    else width = RolledSize();
  }
  TskSkinCustomControl::SetBounds(left, top, width, height);
}

void TskSkinExPanel::ApplySkin() {
  TskSkinCustomControl::ApplySkin();
  if (!roll_state_) {
    Realign();
    return;
  }
  rolling_ = true;
  if (roll_kind_ == RollKind::rkRollVertical) SetHeight(RolledSize());
  else SetWidth(RolledSize());
  rolling_ = false;
}

gfx::Rect TskSkinExPanel::AlignRect() const {
  if (!SkinLook()) {
    return {1, std::min(default_caption_height_, Height()), std::max(1, Width() - 1),
            std::max(std::min(default_caption_height_, Height()), Height() - 1)};
  }
  gfx::Rect r = CurrentClientRect();
  r.right = std::max(r.left, r.right);
  r.bottom = std::max(r.top, r.bottom);
  return r;
}

TskSkinExPanel::Layout TskSkinExPanel::ComputeLayout() const {
  Layout l;
  const int32_t w = Width(), h = Height();
  const bool horizontal_rolled = roll_state_ && roll_kind_ == RollKind::rkRollHorizontal;
  const TskDataSkinExPanelControl* r = SkinLook() ? ExRecord() : nullptr;
  gfx::Rect close_size, roll_size;
  if (r != nullptr) {
    const int32_t sw = Geometry().skinrect.Width();
    if (!roll_state_) {
      l.caption = r->captionrect;
      l.caption.right += w - sw;
    } else if (!horizontal_rolled) {
      l.caption = r->rollvcaptionrect;
      l.caption.right += w - r->rollvskinrect.Width();
    } else {
      l.caption = r->rollhcaptionrect;
      l.caption.bottom += h - r->rollhskinrect.Height();
    }
    close_size = r->closebuttonrect;
    roll_size = horizontal_rolled ? r->hrollbuttonrect : r->vrollbuttonrect;
  } else {
    const int32_t side = std::max(0, default_caption_height_ - 6);
    close_size = roll_size = {0, 0, side, side};
    if (!horizontal_rolled) {
      l.caption = {0, 0, w, default_caption_height_};
    } else {
      l.caption = {0, 0, default_caption_height_, h};
    }
  }
  gfx::Rect& close = l.buttons[kCloseButton];
  gfx::Rect& roll = l.buttons[kRollButton];
  l.text = l.caption;
  if (!horizontal_rolled) {
    // Right-aligned at the top of the caption: the close button last, the roll button before it.
    const int32_t top = r != nullptr ? l.caption.top : 3;
    int32_t right = r != nullptr ? l.caption.right : w - 2;
    if (show_close_button_) {
      close = SizeAt(right - close_size.Width(), top, close_size);
      right = close.left - (r != nullptr ? 2 : 0);
    }
    if (show_roll_button_) roll = SizeAt(right - roll_size.Width(), top, roll_size);
    if (show_close_button_ || show_roll_button_) {
      const int32_t first = show_roll_button_ ? roll.left : close.left;
      l.text.right = std::max(l.text.left, first - 2);
    }
    if (r == nullptr) l.text.left = 2;
    return l;
  }
  // Rolled sideways: the buttons stack at the top of the caption column.
  const int32_t left = r != nullptr ? l.caption.left : 3;
  int32_t top = r != nullptr ? l.caption.top : 3;
  if (show_close_button_) {
    close = SizeAt(left, top, close_size);
    top = close.bottom + (r != nullptr ? 2 : 0);
  }
  if (show_roll_button_) {
    roll = SizeAt(left, top, roll_size);
    top = roll.bottom;
  }
  l.text.top = std::min(l.text.bottom, top + 2);
  return l;
}

gfx::Rect TskSkinExPanel::ButtonRect(int button) const {
  if (button != kCloseButton && button != kRollButton) return {};
  if (button == kCloseButton && !show_close_button_) return {};
  if (button == kRollButton && !show_roll_button_) return {};
  return ComputeLayout().buttons[button];
}

int TskSkinExPanel::ButtonAt(gfx::Point p) const {
  const Layout l = ComputeLayout();
  if (show_close_button_ && l.buttons[kCloseButton].Contains(p)) return kCloseButton;
  if (show_roll_button_ && l.buttons[kRollButton].Contains(p)) return kRollButton;
  return kNoButton;
}

void TskSkinExPanel::SetHot(int button) {
  if (button == hot_) return;
  if (hot_ != kNoButton) active_[hot_] = false;
  hot_ = button;
  if (hot_ != kNoButton) active_[hot_] = true;
  Invalidate();
}

void TskSkinExPanel::MouseMove(ui::ShiftState shift, int x, int y) {
  TskSkinCustomControl::MouseMove(shift, x, y);
  LoadSkinRecord();
  const int at = ButtonAt({x, y});
  // While one button is held, no other becomes hot.
  if (pressed_ != kNoButton && at != pressed_) {
    SetHot(kNoButton);
    return;
  }
  SetHot(at);
}

void TskSkinExPanel::MouseLeave() {
  TskSkinCustomControl::MouseLeave();
  active_[0] = active_[1] = false;
  hot_ = kNoButton;
  Invalidate();
}

void TskSkinExPanel::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  LoadSkinRecord();
  // The hot button follows the point of the press too, should no move have told of it.
  if (pressed_ == kNoButton) SetHot(ButtonAt({x, y}));
  if (hot_ != kNoButton && pressed_ == kNoButton) {
    pressed_ = hot_;
    active_[pressed_] = true;
    down_[pressed_] = true;
    Invalidate();
  }
  TskSkinCustomControl::MouseDown(button, shift, x, y);
}

void TskSkinExPanel::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  std::shared_ptr<bool> alive = alive_;
  TskSkinCustomControl::MouseUp(button, shift, x, y);
  if (!*alive || pressed_ == kNoButton) return;
  const int b = pressed_;
  pressed_ = kNoButton;
  down_[b] = false;
  LoadSkinRecord();
  if (ButtonAt({x, y}) != b) {
    active_[b] = false;
    if (hot_ == b) hot_ = kNoButton;
  }
  Invalidate();
  if (!active_[b]) return;
  if (b == kCloseButton) {
    active_[b] = false;
    hot_ = kNoButton;
    Close();
    return;
  }
  SetRollState(!roll_state_);
  if (!*alive) return;
  SetHot(ButtonAt({x, y}));
  Invalidate();
}

void TskSkinExPanel::DrawSkinButton(gfx::Bitmap& bitmap, int button, const gfx::Rect& at,
                                    const TskDataSkinExPanelControl& r) {
  const bool a = active_[button], d = down_[button];
  gfx::Rect src;
  if (button == kCloseButton) {
    src = a && d ? r.closebuttondownrect : a ? r.closebuttonactiverect : r.closebuttonrect;
  } else if (roll_kind_ == RollKind::rkRollHorizontal) {
    src = roll_state_ ? Pick(r.hrestorebuttonrect, r.hrestorebuttonactiverect, r.hrestorebuttondownrect, a, d)
                      : Pick(r.hrollbuttonrect, r.hrollbuttonactiverect, r.hrollbuttondownrect, a, d);
  } else {
    src = roll_state_ ? Pick(r.vrestorebuttonrect, r.vrestorebuttonactiverect, r.vrestorebuttondownrect, a, d)
                      : Pick(r.vrollbuttonrect, r.vrollbuttonactiverect, r.vrollbuttondownrect, a, d);
  }
  const gfx::Bitmap* pic = Picture();
  if (pic == nullptr || src.IsEmpty()) return;
  gfx::Bitmap scratch;
  CopyPiece(bitmap, SizeAt(at.left, at.top, src), As24(*pic, scratch), src);
}

void TskSkinExPanel::DrawSkinImage(gfx::Bitmap& bitmap) {
  const TskDataSkinExPanelControl* r = ExRecord();
  const gfx::Bitmap* pic = Picture();
  if (r == nullptr || pic == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  const bool horizontal_rolled = roll_state_ && roll_kind_ == RollKind::rkRollHorizontal;
  if (!roll_state_) {
    DrawSkinPart(bitmap, pic, Geometry().skinrect);
  } else if (!horizontal_rolled) {
    BuildHorzStrip(bitmap, r->rollleftoffset, r->rollrightoffset, Width(), r->rollvskinrect, *pic);
  } else {
    BuildVertStrip(bitmap, r->rolltopoffset, r->rollbottomoffset, Height(), r->rollhskinrect, *pic);
  }
  const Layout l = ComputeLayout();
  if (show_close_button_) DrawSkinButton(bitmap, kCloseButton, l.buttons[kCloseButton], *r);
  if (show_roll_button_) DrawSkinButton(bitmap, kRollButton, l.buttons[kRollButton], *r);
  if (Caption().empty()) return;
  gfx::Canvas canvas(bitmap);
  gfx::Font font = UseSkinFont() ? RecordFont(r->fontname, r->fontheight, r->fontstyle, r->fontcolor) : DefaultFont();
  font.SetColor(r->fontcolor);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  if (!horizontal_rolled) {
    canvas.SetFont(font);
    DrawClippedText(canvas, l.text, Caption());
    return;
  }
  font.SetEscapement(900);
  canvas.SetFont(font);
  const int32_t tw = canvas.TextWidth(Caption()), th = canvas.TextHeight(Caption());
  const int32_t x = l.text.left + l.text.Width() / 2 - th / 2;
  const int32_t y = std::min(l.text.bottom - 2, l.text.top + l.text.Height() / 2 + tw / 2);
  canvas.TextRect(l.text, x, y, Caption());
}

void TskSkinExPanel::DrawPlainButton(gfx::Canvas& canvas, int button, const gfx::Rect& at) {
  const bool a = active_[button], d = down_[button];
  gfx::Rect glyph = at;
  if (a && d) {
    DrawPlainHighlight(canvas, at, PlainState::kPressed);
    glyph.left += 2;
    glyph.top += 2;
  } else if (a) {
    DrawPlainHighlight(canvas, at, PlainState::kHot);
  } else {
    canvas.FillRect(at, ui::kColorBtnFace);
  }
  if (button == kCloseButton) {
    DrawCloseGlyph(canvas, glyph, gfx::kBlack);
    return;
  }
  const bool vertical = roll_kind_ == RollKind::rkRollVertical;
  const int kind = vertical ? (roll_state_ ? kArrowDown : kArrowUp) : (roll_state_ ? kArrowRight : kArrowLeft);
  DrawArrow(canvas, glyph, gfx::kBlack, kind);
}

void TskSkinExPanel::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const int32_t w = Width(), h = Height();
  const gfx::Rect all{0, 0, w, h};
  const Layout l = ComputeLayout();
  const bool horizontal_rolled = roll_state_ && roll_kind_ == RollKind::rkRollHorizontal;
  canvas.FillRect(all, ui::kColorBtnFace);
  if (!horizontal_rolled) {
    canvas.FrameRect(all, ui::kColorBtnShadow);
    canvas.FrameRect(l.caption, ui::kColorBtnShadow);
    DrawFrame3D(canvas, {l.caption.left + 1, l.caption.top + 1, l.caption.right - 1, l.caption.bottom - 1},
                ui::kColorBtnHighlight, ui::kColorBtnFace);
  } else {
    canvas.FrameRect(all, ui::kColorBtnShadow);
    DrawFrame3D(canvas, {1, 1, w - 1, h - 1}, ui::kColorBtnHighlight, ui::kColorBtnFace);
  }
  if (show_close_button_) DrawPlainButton(canvas, kCloseButton, l.buttons[kCloseButton]);
  if (show_roll_button_) DrawPlainButton(canvas, kRollButton, l.buttons[kRollButton]);
  if (Caption().empty()) return;
  gfx::Font font = DefaultFont();
  font.SetColor(Enabled() ? ui::kColorBtnText : ui::kColorGrayText);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  if (!horizontal_rolled) {
    canvas.SetFont(font);
    DrawClippedText(canvas, {l.text.left - 2, l.text.top, l.text.right, l.text.bottom}, Caption());
    return;
  }
  font.SetEscapement(900);
  canvas.SetFont(font);
  const int32_t tw = canvas.TextWidth(Caption()), th = canvas.TextHeight(Caption());
  const int32_t x = l.text.left + l.text.Width() / 2 - th / 2;
  const int32_t y = std::min(l.text.bottom - 2, l.text.top + l.text.Height() / 2 + tw / 2);
  canvas.TextRect(l.text, x, y, Caption());
}

}  // namespace skin
