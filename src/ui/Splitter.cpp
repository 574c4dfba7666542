// Splitter: a bar between two aligned controls that the user drags to resize the one beside it.
#include "ui/Splitter.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

namespace ui {

Splitter::Splitter() {
  SetAlign(Align::kLeft);
  SetBounds(0, 0, 3, 100);
  SetOpaque(true);
  SetCursor(Cursor::kSizeWE);
}

bool Splitter::Horizontal() const { return GetAlign() == Align::kTop || GetAlign() == Align::kBottom; }

Control* Splitter::FindNeighbour() const {
  if (Parent() == nullptr) return nullptr;
  const gfx::Rect me = BoundsRect();
  for (size_t i = 0; i < Parent()->ChildCount(); ++i) {
    Control* c = Parent()->Child(i);
    if (c == this || !c->Visible() || c->GetAlign() != GetAlign()) continue;
    const gfx::Rect r = c->BoundsRect();
    switch (GetAlign()) {
      case Align::kLeft:
        if (r.right == me.left && r.top < me.bottom && me.top < r.bottom) return c;
        break;
      case Align::kRight:
        if (r.left == me.right && r.top < me.bottom && me.top < r.bottom) return c;
        break;
      case Align::kTop:
        if (r.bottom == me.top && r.left < me.right && me.left < r.right) return c;
        break;
      case Align::kBottom:
        if (r.top == me.bottom && r.left < me.right && me.left < r.right) return c;
        break;
      default:
        return nullptr;
    }
  }
  return nullptr;
}

void Splitter::Paint(gfx::Canvas& canvas) { canvas.FillRect({0, 0, Width(), Height()}, GetColor()); }

void Splitter::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  GraphicControl::MouseDown(button, shift, x, y);
  if (button != MouseButton::kLeft || Dragging()) return;
  Control* n = FindNeighbour();
  if (n == nullptr || Parent() == nullptr) return;
  neighbour_ = n;
  FreeNotification(n);
  down_ = ClientToScreen({x, y});
  start_size_ = Horizontal() ? n->Height() : n->Width();
  new_size_ = start_size_;
  // What lies beyond the splitter keeps at least MinSize.
  const gfx::Rect pc{0, 0, Parent()->ClientWidth(), Parent()->ClientHeight()};
  const gfx::Rect me = BoundsRect();
  int room = 0;
  switch (GetAlign()) {
    case Align::kLeft: room = pc.right - me.right; break;
    case Align::kRight: room = me.left - pc.left; break;
    case Align::kTop: room = pc.bottom - me.bottom; break;
    case Align::kBottom: room = me.top - pc.top; break;
    default: break;
  }
  for (size_t i = 0; i < Parent()->ChildCount(); ++i) {
    Control* c = Parent()->Child(i);
    // Controls aligned to the far side take their room first.
    if (c == this || !c->Visible()) continue;
    if ((GetAlign() == Align::kLeft && c->GetAlign() == Align::kRight) ||
        (GetAlign() == Align::kRight && c->GetAlign() == Align::kLeft)) {
      room -= c->Width();
    } else if ((GetAlign() == Align::kTop && c->GetAlign() == Align::kBottom) ||
               (GetAlign() == Align::kBottom && c->GetAlign() == Align::kTop)) {
      room -= c->Height();
    }
  }
  max_size_ = std::max(start_size_, start_size_ + room - min_size_);
  if (resize_style_ == ResizeStyle::kLine) ShowLine(new_size_);
}

int Splitter::SizeFor(gfx::Point screen) const {
  int delta = Horizontal() ? screen.y - down_.y : screen.x - down_.x;
  if (GetAlign() == Align::kRight || GetAlign() == Align::kBottom) delta = -delta;
  int size = start_size_ + delta;
  // The lower bound gives way only to a neighbour that was already smaller.
  return std::clamp(size, std::min(min_size_, start_size_), max_size_);
}

void Splitter::MouseMove(ShiftState shift, int x, int y) {
  GraphicControl::MouseMove(shift, x, y);
  if (!Dragging()) return;
  int size = SizeFor(ClientToScreen({x, y}));
  if (size == new_size_) return;
  bool accept = true;
  if (OnCanResize) OnCanResize(this, size, accept);
  if (!accept || !Dragging()) return;
  new_size_ = size;
  switch (resize_style_) {
    case ResizeStyle::kUpdate:
      Apply(size);
      if (OnMoved) OnMoved(this);
      break;
    case ResizeStyle::kLine:
      ShowLine(size);
      break;
    case ResizeStyle::kNone:
      break;
  }
}

void Splitter::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::kLeft && Dragging()) EndDrag(resize_style_ != ResizeStyle::kUpdate);
  GraphicControl::MouseUp(button, shift, x, y);
}

void Splitter::WndProc(Message& m) {
  if ((m.id == kMsgCancelMode || m.id == kMsgCaptureChanged) && Dragging()) EndDrag(false);
  if (m.id == kMsgMouseMove || m.id == kMsgMouseEnter) SetCursor(Horizontal() ? Cursor::kSizeNS : Cursor::kSizeWE);
  GraphicControl::WndProc(m);
}

void Splitter::Notification(Component* component, Operation operation) {
  GraphicControl::Notification(component, operation);
  if (operation != Operation::kRemove || component != neighbour_) return;
  // The neighbour went away in the middle of a drag: the drag ends with nothing to resize.
  neighbour_ = nullptr;
  HideLine();
}

void Splitter::EndDrag(bool apply) {
  HideLine();
  Control* n = neighbour_;
  neighbour_ = nullptr;
  if (n != nullptr) RemoveFreeNotification(n);
  if (!apply || n == nullptr || new_size_ == start_size_) return;
  neighbour_ = n;
  Apply(new_size_);
  neighbour_ = nullptr;
  if (OnMoved) OnMoved(this);
}

void Splitter::Apply(int size) {
  if (neighbour_ == nullptr) return;
  if (Horizontal()) {
    neighbour_->SetHeight(size);
  } else {
    neighbour_->SetWidth(size);
  }
}

gfx::Rect Splitter::LineRect(int size) const {
  const int shift = size - start_size_;
  gfx::Rect r{0, 0, Width(), Height()};
  switch (GetAlign()) {
    case Align::kLeft: r = r.Offset(shift, 0); break;
    case Align::kRight: r = r.Offset(-shift, 0); break;
    case Align::kTop: r = r.Offset(0, shift); break;
    case Align::kBottom: r = r.Offset(0, -shift); break;
    default: break;
  }
  const gfx::Point o = OriginInWindow();
  return r.Offset(o.x, o.y);
}

void Splitter::ShowLine(int size) {
  Form* f = ParentForm();
  if (f == nullptr) return;
  Form::WindowDC dc(*f);
  // Inverting twice restores the pixels, so the old line goes and the new one comes.
  if (line_shown_) dc.Canvas().InvertRect(LineRect(line_size_));
  dc.Canvas().InvertRect(LineRect(size));
  line_shown_ = true;
  line_size_ = size;
}

void Splitter::HideLine() {
  if (!line_shown_) return;
  line_shown_ = false;
  Form* f = ParentForm();
  if (f == nullptr) return;
  Form::WindowDC dc(*f);
  dc.Canvas().InvertRect(LineRect(line_size_));
}

}  // namespace ui
