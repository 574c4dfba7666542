// TskSkinToolBar: a skinned row of speed buttons, bevels and labels that can scroll when they do not fit.
#include "skin/controls/TskSkinToolBar.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/data/SkinButtonRecords.h"
#include "skin/data/SkinData.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGlyphs.h"
#include "skin/render/SkinImage.h"
#include "skin/render/SkinStrip.h"
#include "ui/ImageList.h"

namespace skin {

namespace {

constexpr gfx::Color kNavy = gfx::Rgb(0, 0, 128);
constexpr gfx::Color kPressedFace = gfx::Rgb(133, 147, 181);
constexpr gfx::Color kHotFace = gfx::Rgb(182, 189, 210);

}  // namespace

TskSkinToolBar::TskSkinToolBar() {
  SetSkinDataName("toolpanel");
  SetBorderStyle(SkinBorderStyle::bvNone);
  SetDefaultHeight(25);
  SetHeight(25);
}

TskSkinToolBar::~TskSkinToolBar() {
  for (ui::ImageList* list : {images_, hot_images_, disabled_images_})
    if (list != nullptr) RemoveFreeNotification(list);
}

void TskSkinToolBar::SetSkinData(TskSkinData* data) {
  TskSkinPanel::SetSkinData(data);
  for (size_t i = 0; i < ChildCount(); ++i) {
    ui::Control* c = Child(i);
    if (auto* button = dynamic_cast<TskSkinSpeedButton*>(c)) button->SetSkinData(data);
    else if (auto* bevel = dynamic_cast<TskSkinBevel*>(c)) bevel->SetSkinData(data);
  }
}

void TskSkinToolBar::SetFlat(bool flat) {
  flat_ = flat;
  ForEachChild([flat](ui::Control& c) {
    if (auto* button = dynamic_cast<TskSkinSpeedButton*>(&c)) button->SetFlat(flat);
  });
}

void TskSkinToolBar::SetImageList(ui::ImageList*& slot, ui::ImageList* list) {
  if (slot == list) return;
  if (slot != nullptr) RemoveFreeNotification(slot);
  slot = list;
  if (slot != nullptr) FreeNotification(slot);
}

void TskSkinToolBar::RepaintButtons() {
  ForEachChild([](ui::Control& c) {
    if (dynamic_cast<TskSkinSpeedButton*>(&c) != nullptr) c.Invalidate();
  });
}

void TskSkinToolBar::SetImages(ui::ImageList* list) {
  SetImageList(images_, list);
  RepaintButtons();
}

void TskSkinToolBar::SetHotImages(ui::ImageList* list) { SetImageList(hot_images_, list); }
void TskSkinToolBar::SetDisabledImages(ui::ImageList* list) { SetImageList(disabled_images_, list); }

void TskSkinToolBar::Notification(ui::Component* component, Operation operation) {
  TskSkinPanel::Notification(component, operation);
  if (operation != Operation::kRemove) return;
  for (ui::ImageList** slot : {&images_, &hot_images_, &disabled_images_})
    if (*slot == component) *slot = nullptr;
}

void TskSkinToolBar::SetShowCaptions(bool show) {
  if (show == show_captions_) return;
  show_captions_ = show;
  if (!auto_show_hide_captions_) return;
  ForEachChild([show](ui::Control& c) {
    if (auto* button = dynamic_cast<TskSkinSpeedButton*>(&c)) button->SetShowCaption(show);
  });
  if (width_with_captions_ != 0 && width_without_captions_ != 0)
    SetWidth(show ? width_with_captions_ : width_without_captions_);
}

// --- scrolling ---

void TskSkinToolBar::InvalidateAll() {
  // Invalidate covers the client area only; the arrows lie outside it.
  const gfx::Rect cr = ClientRect();
  InvalidateRect({-cr.left, -cr.top, Width() - cr.left, Height() - cr.top});
}

void TskSkinToolBar::SetCanScroll(bool on) {
  if (on == can_scroll_) return;
  can_scroll_ = on;
  UpdateScrollMode();
}

void TskSkinToolBar::SetScrollOffset(int32_t offset) {
  if (offset >= 0) scroll_offset_ = offset;
}

void TskSkinToolBar::SetScrollTimerInterval(int32_t ms) {
  if (ms > 0) scroll_interval_ = static_cast<uint32_t>(ms);
}

gfx::Rect TskSkinToolBar::ClientRect() const {
  const int32_t w = Width(), h = Height();
  if (!scroll_mode_) return {0, 0, w, h};
  return {std::min(kArrowWidth, w), 0, std::max(std::min(kArrowWidth, w), w - kArrowWidth), h};
}

gfx::Rect TskSkinToolBar::AlignRect() const {
  gfx::Rect r = TskSkinPanel::AlignRect();
  if (!scroll_mode_) return r;
  const int32_t top = SkinRecord() != nullptr ? r.top : 1;
  const int32_t bottom = SkinRecord() != nullptr ? r.bottom : Height() - 1;
  return {-position_, top, -position_ + std::max(ContentExtent(), ClientWidth()), bottom};
}

int32_t TskSkinToolBar::ContentExtent() const {
  int32_t extent = 0;
  for (size_t i = 0; i < ChildCount(); ++i) {
    const ui::Control* c = Child(i);
    if (c->Visible()) extent = std::max(extent, c->Left() + c->Width());
  }
  // The children stand moved left by the scroll position.
  return extent + position_;
}

void TskSkinToolBar::UpdateScrollMode() {
  if (checking_ || Destroying()) return;
  checking_ = true;
  const int32_t extent = ContentExtent();
  if (can_scroll_ && extent > Width()) {
    if (!scroll_mode_) {
      scroll_mode_ = true;
      Realign();
      InvalidateAll();
    }
    // No gap is left at the row's end when the tool bar grows while scrolled.
    const int32_t last = std::max(0, extent - ClientWidth());
    if (position_ > last) ScrollTo(last);
  } else if (scroll_mode_) {
    ScrollTo(0);
    StopTimer();
    hover_arrow_ = pressed_arrow_ = kNoArrow;
    scroll_mode_ = false;
    Realign();
    InvalidateAll();
  }
  checking_ = false;
}

void TskSkinToolBar::Resize() {
  TskSkinPanel::Resize();
  UpdateScrollMode();
}

gfx::Rect TskSkinToolBar::ArrowRect(int arrow) const {
  if (!scroll_mode_) return {};
  const int32_t h = Height();
  if (arrow == kLeftArrow) return {-kArrowWidth, 0, 0, h};
  if (arrow == kRightArrow) return {ClientWidth(), 0, ClientWidth() + kArrowWidth, h};
  return {};
}

int TskSkinToolBar::ArrowAt(int x) const {
  if (!scroll_mode_) return kNoArrow;
  if (x < 0) return kLeftArrow;
  if (x >= ClientWidth()) return kRightArrow;
  return kNoArrow;
}

void TskSkinToolBar::ScrollTo(int32_t position) {
  const int32_t dx = position_ - position;
  if (dx == 0) return;
  position_ = position;
  DisableAlign();
  for (size_t i = 0; i < ChildCount(); ++i) {
    ui::Control* c = Child(i);
    if (c->GetAlign() == ui::Align::kNone) c->SetBounds(c->Left() + dx, c->Top(), c->Width(), c->Height());
  }
  EnableAlign();
  InvalidateAll();
}

bool TskSkinToolBar::ScrollStep(int arrow) {
  if (!scroll_mode_) return false;
  const int32_t step = scroll_offset_ > 0 ? scroll_offset_ : ClientWidth();
  int32_t target = position_;
  if (arrow == kLeftArrow) target = std::max(0, position_ - step);
  if (arrow == kRightArrow) target = std::max(position_, std::min(position_ + step, ContentExtent() - ClientWidth() + 1));
  if (target == position_) return false;
  ScrollTo(target);
  return true;
}

void TskSkinToolBar::StartTimer(int arrow) {
  timer_arrow_ = arrow;
  SetTimer(kScrollTimer, scroll_interval_);
}

void TskSkinToolBar::StopTimer() {
  if (timer_arrow_ == kNoArrow) return;
  timer_arrow_ = kNoArrow;
  KillTimer(kScrollTimer);
}

void TskSkinToolBar::TimerTick(uintptr_t id) {
  if (id != kScrollTimer) {
    TskSkinPanel::TimerTick(id);
    return;
  }
  if (timer_arrow_ == kNoArrow || !ScrollStep(timer_arrow_)) StopTimer();
}

void TskSkinToolBar::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  const int arrow = button == ui::MouseButton::kLeft ? ArrowAt(x) : kNoArrow;
  if (arrow == kNoArrow) {
    TskSkinPanel::MouseDown(button, shift, x, y);
    return;
  }
  pressed_arrow_ = hover_arrow_ = arrow;
  InvalidateAll();
  StartTimer(arrow);
}

void TskSkinToolBar::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  if (button != ui::MouseButton::kLeft || pressed_arrow_ == kNoArrow) {
    TskSkinPanel::MouseUp(button, shift, x, y);
    return;
  }
  const int arrow = pressed_arrow_;
  pressed_arrow_ = kNoArrow;
  StopTimer();
  ScrollStep(arrow);
  InvalidateAll();
}

void TskSkinToolBar::MouseMove(ui::ShiftState shift, int x, int y) {
  TskSkinPanel::MouseMove(shift, x, y);
  const int arrow = ArrowAt(x);
  if (arrow == hover_arrow_) return;
  hover_arrow_ = arrow;
  if (hot_scroll_ && pressed_arrow_ == kNoArrow) {
    if (arrow != kNoArrow) StartTimer(arrow);
    else StopTimer();
  }
  InvalidateAll();
}

void TskSkinToolBar::MouseLeave() {
  TskSkinPanel::MouseLeave();
  if (hover_arrow_ == kNoArrow) return;
  hover_arrow_ = kNoArrow;
  if (hot_scroll_ && pressed_arrow_ == kNoArrow) StopTimer();
  InvalidateAll();
}

// --- painting ---

void TskSkinToolBar::Paint(gfx::Canvas& canvas) {
  if (!scroll_mode_) {
    TskSkinPanel::Paint(canvas);
    return;
  }
  const int32_t cw = ClientWidth(), h = Height();
  if (cw > 0 && h > 0 && gfx::Bitmap::IsAllowedSize(cw, h)) {
    LoadSkinRecord();
    gfx::Bitmap body;
    const SkinControlGeometry& g = Geometry();
    if (HasSkinLook() && Picture() != nullptr) {
      // The record's middle piece tiled along the whole row, without its ends.
      gfx::Bitmap strip;
      BuildHorzTile(strip, g.lefttoppoint.x, g.skinrect.Width() - g.righttoppoint.x, cw, g.skinrect, *Picture());
      ResetTarget(body, cw, h);
      CopyPiece(body, body.Bounds(), strip, strip.Bounds());
    } else {
      ResetTarget(body, cw, h);
      gfx::Canvas(body).FillRect(body.Bounds(), GetColor());
    }
    canvas.Draw(0, 0, body);
  }
  DrawArrowButton(canvas, kLeftArrow);
  DrawArrowButton(canvas, kRightArrow);
}

void TskSkinToolBar::DrawArrowButton(gfx::Canvas& canvas, int arrow) {
  const gfx::Rect r = ArrowRect(arrow);
  if (r.IsEmpty()) return;
  const bool hovered = hover_arrow_ == arrow;
  const bool shown_down = (pressed_arrow_ == arrow && hovered) || (hovered && hot_scroll_);
  const TskSkinData* data = SkinData();
  const auto* rec = data != nullptr && !data->IsEmpty() ? data->FindControlRecord<TskDataSkinButtonControl>("resizebutton")
                                                       : nullptr;
  const gfx::Bitmap* pic = rec != nullptr ? data->ActivePicture(rec->pictureindex) : nullptr;
  gfx::Color arrow_colour = ui::kColorBtnText;
  if (pic != nullptr) {
    gfx::Rect source = rec->skinrect;
    arrow_colour = rec->font.fontcolor;
    if (shown_down && !rec->downskinrect.IsEmpty()) {
      source = rec->downskinrect;
      arrow_colour = rec->downfontcolor;
    } else if (hovered && !rec->activeskinrect.IsEmpty()) {
      source = rec->activeskinrect;
      arrow_colour = rec->activefontcolor;
    }
    const SkinSource src{source, rec->lefttoppoint, rec->righttoppoint, rec->leftbottompoint, rec->rightbottompoint,
                         rec->clientrect};
    gfx::Bitmap image;
    ResetTarget(image, r.Width(), r.Height());
    BuildSkinImage(image, *pic, src, UsualTarget(src, r.Width(), r.Height()), true);
    canvas.Draw(r.left, r.top, image);
  } else {
    canvas.FillRect(r, shown_down ? kPressedFace : hovered ? kHotFace : ui::kColorBtnFace);
    canvas.FrameRect(r, shown_down || hovered ? kNavy : ui::kColorBtnShadow);
  }
  DrawArrow(canvas, r, arrow_colour, arrow == kLeftArrow ? kArrowLeft : kArrowRight);
}

}  // namespace skin
