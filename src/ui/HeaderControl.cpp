// HeaderControl: column captions with click and drag-to-resize.
#include "ui/HeaderControl.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "ui/ImageList.h"
#include "ui/PlainDraw.h"

namespace ui {

HeaderControl::HeaderControl() {
  SetOpaque(true);
  SetParentColor(false);
  SetColor(kColorBtnFace);
  SetBounds(0, 0, 200, HeightFor(GetFont()));
}

HeaderControl::~HeaderControl() { SetImages(nullptr); }

int32_t HeaderControl::HeightFor(const gfx::Font& font) { return font.TextHeight() + 6; }

int HeaderControl::AddSection(HeaderSection section) {
  section.width = std::max(0, section.width);
  sections_.push_back(std::move(section));
  Changed();
  return SectionCount() - 1;
}

void HeaderControl::SetSection(int index, HeaderSection section) {
  section.width = std::max(0, section.width);
  sections_.at(static_cast<size_t>(index)) = std::move(section);
  Changed();
}

void HeaderControl::SetSectionWidth(int index, int32_t width) {
  sections_.at(static_cast<size_t>(index)).width = std::max(0, width);
  Changed();
}

void HeaderControl::DeleteSection(int index) {
  sections_.erase(sections_.begin() + static_cast<ptrdiff_t>(index));
  hot_ = pressed_ = resizing_ = -1;
  Changed();
}

void HeaderControl::ClearSections() {
  sections_.clear();
  hot_ = pressed_ = resizing_ = -1;
  Changed();
}

void HeaderControl::Changed() {
  Invalidate();
  if (OnSectionsChange) OnSectionsChange(this);
}

int32_t HeaderControl::SectionsWidth() const {
  int64_t w = 0;
  for (const HeaderSection& s : sections_) w += s.width;
  return static_cast<int32_t>(std::min<int64_t>(w, INT32_MAX));
}

void HeaderControl::SetOffset(int32_t offset) {
  if (offset == offset_) return;
  offset_ = offset;
  Invalidate();
}

gfx::Rect HeaderControl::SectionRect(int index) const {
  int32_t x = -offset_;
  for (int i = 0; i < index && i < SectionCount(); ++i) x += sections_[static_cast<size_t>(i)].width;
  if (index < 0 || index >= SectionCount()) return {};
  return {x, 0, x + sections_[static_cast<size_t>(index)].width, ClientHeight()};
}

int HeaderControl::SectionAt(int x) const {
  int32_t left = -offset_;
  for (int i = 0; i < SectionCount(); ++i) {
    const int32_t right = left + sections_[static_cast<size_t>(i)].width;
    if (x >= left && x < right) return i;
    left = right;
  }
  return -1;
}

int HeaderControl::ResizeEdgeAt(int x) const {
  // The last edge within reach wins, so a section dragged down to nothing can be widened again.
  int found = -1;
  int32_t right = -offset_;
  for (int i = 0; i < SectionCount(); ++i) {
    right += sections_[static_cast<size_t>(i)].width;
    if (x >= right - kResizeGrip && x <= right + kResizeGrip) found = i;
  }
  return found;
}

void HeaderControl::SetImages(ImageList* images) {
  if (images == images_) return;
  if (images_ != nullptr) RemoveFreeNotification(images_);
  images_ = images;
  if (images_ != nullptr) FreeNotification(images_);
  Invalidate();
}

void HeaderControl::Notification(Component* component, Operation operation) {
  WinControl::Notification(component, operation);
  if (operation == Operation::kRemove && component == images_) {
    images_ = nullptr;
    Invalidate();
  }
}

void HeaderControl::Paint(gfx::Canvas& canvas) {
  const gfx::Rect all = ClientRect();
  canvas.FillRect(all, GetColor());
  for (int i = 0; i < SectionCount(); ++i) PaintSection(canvas, i);
  // The room right of the last section looks like an empty section.
  const int32_t end = SectionRect(SectionCount() - 1).right;
  const int32_t from = SectionCount() == 0 ? 0 : end;
  if (from < all.right) DrawRaisedEdge(canvas, {from, 0, all.right, all.bottom});
}

void HeaderControl::PaintSection(gfx::Canvas& canvas, int index) const {
  const gfx::Rect r = SectionRect(index);
  if (r.IsEmpty() || r.right <= 0 || r.left >= ClientWidth()) return;
  const HeaderSection& s = sections_[static_cast<size_t>(index)];
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(r);
  const bool down = index == pressed_ && index == hot_;
  if (down) {
    canvas.FillRect(r, GetColor());
    canvas.FrameRect(r, kColorBtnShadow);
  } else {
    DrawRaisedEdge(canvas, r);
  }
  const int shift = down ? 1 : 0;
  gfx::Rect text{r.left + kTextMargin + shift, r.top + shift, r.right - kTextMargin + shift, r.bottom + shift};
  if (images_ != nullptr && images_->ValidIndex(s.image_index)) {
    images_->Draw(canvas, text.left, text.top + (text.Height() - images_->Height()) / 2, s.image_index);
    text.left += images_->Width() + kTextMargin;
  }
  if (text.IsEmpty() || s.text.empty()) return;
  gfx::DrawTextFlags flags = gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtEndEllipsis | gfx::kDtNoPrefix;
  if (s.alignment == TextAlignment::kRight) flags = flags | gfx::kDtRight;
  if (s.alignment == TextAlignment::kCenter) flags = flags | gfx::kDtCenter;
  canvas.SetFont(GetFont());
  canvas.Font().SetColor(kColorBtnText);
  canvas.Brush().style = gfx::BrushStyle::kClear;
  canvas.DrawText(text, s.text, flags);
}

void HeaderControl::SetHot(int index) {
  if (index == hot_) return;
  hot_ = index;
  Invalidate();
}

void HeaderControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  WinControl::MouseDown(button, shift, x, y);
  if (button != MouseButton::kLeft) return;
  resizing_ = ResizeEdgeAt(x);
  if (resizing_ >= 0) {
    drag_start_x_ = x;
    drag_start_width_ = sections_[static_cast<size_t>(resizing_)].width;
    return;
  }
  pressed_ = SectionAt(x);
  SetHot(pressed_);
  Invalidate();
}

void HeaderControl::MouseMove(ShiftState shift, int x, int y) {
  WinControl::MouseMove(shift, x, y);
  if (resizing_ >= 0) {
    SetSectionWidth(resizing_, drag_start_width_ + (x - drag_start_x_));
    if (OnSectionResize) OnSectionResize(this, resizing_);
    return;
  }
  SetCursor(ResizeEdgeAt(x) >= 0 ? Cursor::kSizeWE : Cursor::kDefault);
  const bool inside = y >= 0 && y < ClientHeight();
  SetHot(inside ? SectionAt(x) : -1);
}

void HeaderControl::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::kLeft) {
    const int was_pressed = pressed_;
    const bool was_resizing = resizing_ >= 0;
    pressed_ = -1;
    resizing_ = -1;
    Invalidate();
    const bool inside = y >= 0 && y < ClientHeight();
    if (!was_resizing && was_pressed >= 0 && inside && SectionAt(x) == was_pressed && OnSectionClick) {
      OnSectionClick(this, was_pressed);
    }
  }
  WinControl::MouseUp(button, shift, x, y);
}

void HeaderControl::MouseLeave() {
  WinControl::MouseLeave();
  if (pressed_ < 0) SetHot(-1);
}

}  // namespace ui
