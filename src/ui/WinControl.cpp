// WinControl: a control with children, tab order, keyboard focus and keyboard input.
#include "ui/WinControl.h"

#include <algorithm>
#include <stdexcept>

#include "gfx/Canvas.h"
#include "platform/KeyCodes.h"
#include "ui/Form.h"

namespace ui {

namespace {

// The area a windowed child covers in its parent's client coordinates: its rectangle, or its
// shape when it has one.
gfx::Region CoveredArea(const WinControl& child) {
  gfx::Rect b = child.BoundsRect();
  const gfx::Region* shape = child.Shape();
  if (shape == nullptr) return gfx::Region(b);
  gfx::Rect cr = child.ClientRect();
  gfx::Region area = *shape;
  area.Offset(b.left + cr.left, b.top + cr.top);
  area.Intersect(b);
  return area;
}

}  // namespace

WinControl::WinControl() = default;

WinControl::~WinControl() {
  BeginDestroy();
  DestroyChildren();
}

void WinControl::DestroyChildren() {
  // Children go first, newest first, while this control is still whole.
  while (!children_.empty()) RemoveChild(children_.back().get()).reset();
}

void WinControl::CheckNewChild(const Control* child) const {
  if (child == nullptr) throw std::logic_error("AddChild: no control");
  if (child->Parent() != nullptr) throw std::logic_error("AddChild: the control has a parent already");
  if (child->Contains(this)) throw std::logic_error("AddChild: a control cannot go below itself");
}

void WinControl::InsertChild(std::unique_ptr<Control> owned) {
  Control* child = owned.get();
  child->parent_ = this;
  children_.push_back(std::move(owned));
  if (WinControl* w = child->AsWinControl()) tab_list_.push_back(w);
  child->ParentFontChanged();
  child->ParentColorChanged();
  child->RememberAnchorDistances();
  if (child->Visible()) InvalidateRect(child->bounds_);
  Realign();
}

std::unique_ptr<Control> WinControl::RemoveChild(Control* child) {
  auto it = std::find_if(children_.begin(), children_.end(), [child](const auto& c) { return c.get() == child; });
  if (it == children_.end()) return nullptr;
  if (child->Visible() && !Destroying()) InvalidateRect(child->bounds_);
  std::unique_ptr<Control> out = std::move(*it);
  children_.erase(it);
  tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), child), tab_list_.end());
  child->parent_ = nullptr;
  if (!Destroying()) Realign();
  return out;
}

int WinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void WinControl::SetTabOrder(int index) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  index = std::clamp(index, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + index, this);
}

bool WinControl::CanFocus() const {
  if (Destroying()) return false;
  const Control* c = this;
  for (; c != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void WinControl::SetFocus() {
  Form* f = ParentForm();
  if (f == nullptr) return;
  if (f == this) {
    f->SetActiveControl(nullptr);
    return;
  }
  f->SetActiveControl(this);
}

bool WinControl::Focused() const {
  Form* f = ParentForm();
  return f != nullptr && f->ActiveControl() == this && f->Active();
}

void WinControl::GetTabOrderList(std::vector<WinControl*>& out) const {
  for (WinControl* w : tab_list_) {
    out.push_back(w);
    w->GetTabOrderList(out);
  }
}

bool WinControl::HandleAccelerator() {
  if (!CanFocus()) return false;
  SetFocus();
  return true;
}

bool WinControl::WantsKey(uint16_t key) const {
  (void)key;
  return false;
}

void WinControl::EnableAlign() {
  if (align_disabled_ > 0) --align_disabled_;
  if (align_disabled_ == 0) Realign();
}

void WinControl::Realign() {
  if (align_disabled_ > 0 || realigning_ || Destroying()) return;
  realigning_ = true;
  gfx::Rect rect = AlignRect();
  for (Align a : {Align::kTop, Align::kBottom, Align::kLeft, Align::kRight, Align::kClient}) PlaceAligned(a, rect);
  gfx::Size client{ClientRect().Width(), ClientRect().Height()};
  for (const auto& c : children_) {
    if (c->GetAlign() == Align::kNone) c->ApplyAnchors(client);
  }
  realigning_ = false;
}

void WinControl::PlaceAligned(Align align, gfx::Rect& rect) {
  // Controls of one alignment are placed in order of their position along the docking axis,
  // so "below the first panel" keeps meaning what it meant when the layout was built.
  std::vector<Control*> list;
  for (const auto& c : children_) {
    if (c->Visible() && c->GetAlign() == align) list.push_back(c.get());
  }
  auto key = [align](const Control* c) {
    switch (align) {
      case Align::kTop: return c->Top();
      case Align::kBottom: return -c->BoundsRect().bottom;
      case Align::kLeft: return c->Left();
      case Align::kRight: return -c->BoundsRect().right;
      default: return 0;
    }
  };
  std::stable_sort(list.begin(), list.end(), [&](const Control* a, const Control* b) { return key(a) < key(b); });
  // Each control takes its strip from what is left of `rect`; the client control takes the rest.
  for (Control* c : list) {
    gfx::Rect r = rect;
    switch (align) {
      case Align::kTop:
        r.bottom = rect.top + c->Height();
        rect.top = std::min(rect.bottom, r.bottom);
        break;
      case Align::kBottom:
        r.top = rect.bottom - c->Height();
        rect.bottom = std::max(rect.top, r.top);
        break;
      case Align::kLeft:
        r.right = rect.left + c->Width();
        rect.left = std::min(rect.right, r.right);
        break;
      case Align::kRight:
        r.left = rect.right - c->Width();
        rect.right = std::max(rect.left, r.left);
        break;
      default:
        break;
    }
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    c->SetAlignedBounds(r);
  }
}

void WinControl::Resize() {
  Realign();
  Control::Resize();
}

void WinControl::SetShape(std::optional<gfx::Region> shape) {
  shape_ = std::move(shape);
  // The parent repaints what the control no longer covers as well as what it now covers.
  if (Parent() != nullptr && Visible()) Parent()->InvalidateRect(bounds_);
  else Invalidate();
}

Control* WinControl::ControlAtPoint(gfx::Point p, bool allow_disabled) {
  if (!Visible() || (!allow_disabled && !Enabled())) return nullptr;
  if (!gfx::Rect{0, 0, Width(), Height()}.Contains(p)) return nullptr;
  gfx::Rect cr = ClientRect();
  if (shape_ && !shape_->Contains({p.x - cr.left, p.y - cr.top})) return nullptr;
  gfx::Point cp{p.x - cr.left, p.y - cr.top};
  if (cr.Contains(p)) {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
      Control* c = it->get();
      gfx::Point local{cp.x - c->Left(), cp.y - c->Top()};
      if (Control* hit = c->ControlAtPoint(local, allow_disabled)) return hit;
    }
  }
  return this;
}

void WinControl::PaintTree(gfx::Canvas& canvas, const gfx::Rect& dirty) {
  // The canvas origin is this control's client origin; `dirty` is in the same coordinates.
  {
    gfx::CanvasSaver saver(canvas);
    canvas.IntersectClip(dirty);
    // Windowed children paint themselves: clip them out so the parent never draws under them.
    for (const auto& c : children_) {
      WinControl* w = c->AsWinControl();
      if (w != nullptr && w->Visible() && w->Opaque()) canvas.ExcludeClip(CoveredArea(*w));
    }
    if (!canvas.ClipRegion().IsEmpty()) {
      Send(Message::MakeCanvas(kMsgEraseBackground, canvas));
      Send(Message::MakeCanvas(kMsgPaint, canvas));
    }
  }
  // By index: a paint handler that adds or removes children must not leave the loop on a stale one.
  for (size_t i = 0; i < children_.size(); ++i) {
    Control* c = children_[i].get();
    if (!c->Visible() || c->bounds_.Intersect(dirty).IsEmpty()) continue;
    PaintChild(c, canvas, dirty);
  }
}

void WinControl::PaintChild(Control* child, gfx::Canvas& canvas, const gfx::Rect& dirty) {
  gfx::CanvasSaver saver(canvas);
  canvas.IntersectClip(child->bounds_);
  canvas.Translate(child->Left(), child->Top());
  gfx::Rect local = dirty.Offset(-child->Left(), -child->Top());
  if (WinControl* w = child->AsWinControl()) {
    // A child paints at its client origin; the clip stays its whole rectangle so a border
    // outside the client area can be drawn too.
    gfx::Rect cr = w->ClientRect();
    canvas.Translate(cr.left, cr.top);
    if (w->shape_) canvas.IntersectClip(*w->shape_);
    canvas.SetFont(w->GetFont());
    w->PaintTree(canvas, local.Offset(-cr.left, -cr.top));
    return;
  }
  canvas.IntersectClip(local);
  canvas.SetFont(child->GetFont());
  child->Send(Message::MakeCanvas(kMsgPaint, canvas));
}

void WinControl::WndProc(Message& m) {
  switch (m.id) {
    case kMsgKeyDown:
    case kMsgSysKeyDown: {
      uint16_t key = m.Key();
      KeyDown(key, m.KeyShift());
      m.result = key;
      return;
    }
    case kMsgKeyUp:
    case kMsgSysKeyUp: {
      uint16_t key = m.Key();
      KeyUp(key, m.KeyShift());
      m.result = key;
      return;
    }
    case kMsgChar: {
      char32_t ch = m.Char();
      KeyPress(ch);
      m.result = static_cast<intptr_t>(ch);
      return;
    }
    case kMsgSetFocus:
      DoEnter();
      return;
    case kMsgKillFocus:
      DoExit();
      return;
    default:
      Control::WndProc(m);
  }
}

void WinControl::KeyDown(uint16_t& key, ShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void WinControl::KeyUp(uint16_t& key, ShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void WinControl::KeyPress(char32_t& ch) {
  if (OnKeyPress) OnKeyPress(this, ch);
}

void WinControl::DoEnter() {
  Invalidate();
  if (OnEnter) OnEnter(this);
}

void WinControl::DoExit() {
  Invalidate();
  if (OnExit) OnExit(this);
}

}  // namespace ui
