// Control: a visible component with bounds in its parent's client area, alignment, input and painting.
#include "ui/Control.h"

#include <cassert>
#include <cctype>
#include <stdexcept>

#include "gfx/Canvas.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/PopupMenu.h"
#include "ui/WinControl.h"

namespace ui {

Control::Control() = default;

Control::~Control() {
  BeginDestroy();
  if (Application* app = Application::Current()) app->ControlDestroyed(this);
  // A parent frees its children itself after taking them out; a child deleted behind its parent's
  // back would be freed twice.
  assert(parent_ == nullptr && "a control owned by its parent was deleted directly");
  if (parent_ != nullptr) (void)parent_->RemoveChild(this).release();
  live_mark_ = 0;
}

void Control::SetParent(WinControl* parent) {
  if (parent == parent_) return;
  if (parent_ == nullptr) throw std::logic_error("SetParent: the control has no parent; add it with AddChild");
  if (parent == nullptr) throw std::logic_error("SetParent: take a control out with RemoveChild");
  if (Contains(parent)) throw std::logic_error("SetParent: a control cannot go below itself");
  parent->InsertChild(parent_->RemoveChild(this));
  ParentChanged();
}

Form* Control::ParentForm() const {
  const Control* c = this;
  while (c->parent_ != nullptr) c = c->parent_;
  return c->AsForm();
}

void Control::ForEachChild(const std::function<void(Control&)>& fn) const {
  for (size_t i = 0; i < ChildCount(); ++i) fn(*Child(i));
}

bool Control::Contains(const Control* c) const {
  for (; c != nullptr; c = c->parent_) {
    if (c == this) return true;
  }
  return false;
}

void Control::ApplyBounds(const gfx::Rect& r) {
  if (r == bounds_) return;
  bool resized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
  bool moved = r.left != bounds_.left || r.top != bounds_.top;
  if (parent_ != nullptr && visible_) parent_->InvalidateRect(bounds_);
  bounds_ = r;
  if (parent_ != nullptr && visible_) parent_->InvalidateRect(bounds_);
  if (moved) Send(Message::MakeMove({r.left, r.top}));
  if (resized) Send(Message::MakeSize(kSizeRestored, {r.Width(), r.Height()}));
}

void Control::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  gfx::Rect r = gfx::Rect::FromSize(left, top, width, height);
  if (r == bounds_) return;
  ApplyBounds(r);
  RememberAnchorDistances();
  RequestParentRealign();
}

void Control::SetAlignedBounds(const gfx::Rect& r) {
  ApplyBounds(r);
  RememberAnchorDistances();
}

void Control::SetClientSize(int width, int height) {
  gfx::Rect c = ClientRect();
  SetBounds(Left(), Top(), Width() + width - c.Width(), Height() + height - c.Height());
}

void Control::RememberAnchorDistances() {
  if (parent_ == nullptr) return;
  gfx::Rect pc = parent_->ClientRect();
  anchor_right_ = pc.Width() - bounds_.right;
  anchor_bottom_ = pc.Height() - bounds_.bottom;
}

void Control::ApplyAnchors(gfx::Size pc) {
  if (align_ != Align::kNone) return;
  gfx::Rect r = bounds_;
  if (anchors_ & kAnchorRight) {
    if (anchors_ & kAnchorLeft) {
      r.right = pc.width - anchor_right_;
      if (r.right < r.left) r.right = r.left;
    } else {
      int w = r.Width();
      r.right = pc.width - anchor_right_;
      r.left = r.right - w;
    }
  }
  if (anchors_ & kAnchorBottom) {
    if (anchors_ & kAnchorTop) {
      r.bottom = pc.height - anchor_bottom_;
      if (r.bottom < r.top) r.bottom = r.top;
    } else {
      int h = r.Height();
      r.bottom = pc.height - anchor_bottom_;
      r.top = r.bottom - h;
    }
  }
  ApplyBounds(r);
}

void Control::RequestParentRealign() {
  if (parent_ != nullptr && !Destroying()) parent_->Realign();
}

gfx::Point Control::OriginInWindow() const {
  gfx::Point p{0, 0};
  const Control* c = this;
  while (c != nullptr) {
    gfx::Rect cr = c->ClientRect();
    p.x += cr.left;
    p.y += cr.top;
    if (c->parent_ == nullptr) break;
    p.x += c->bounds_.left;
    p.y += c->bounds_.top;
    c = c->parent_;
  }
  return p;
}

gfx::Point Control::ClientToScreen(gfx::Point p) const {
  gfx::Point o = OriginInWindow();
  Form* f = ParentForm();
  gfx::Point base{0, 0};
  if (f != nullptr) base = {f->Left(), f->Top()};
  return {p.x + o.x + base.x, p.y + o.y + base.y};
}

gfx::Point Control::ScreenToClient(gfx::Point p) const {
  gfx::Point zero = ClientToScreen({0, 0});
  return {p.x - zero.x, p.y - zero.y};
}

void Control::SetAlign(Align a) {
  if (a == align_) return;
  align_ = a;
  RequestParentRealign();
}

void Control::SetAnchors(Anchors a) {
  anchors_ = a;
  RememberAnchorDistances();
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  VisibleChanged();
}

void Control::VisibleChanged() {
  if (parent_ != nullptr) {
    parent_->InvalidateRect(bounds_);
    RequestParentRealign();
  }
  if (!visible_) {
    if (Application* app = Application::Current()) app->ControlHidden(this);
  }
}

bool Control::Showing() const {
  const Control* c = this;
  while (c != nullptr) {
    if (!c->visible_) return false;
    if (c->parent_ == nullptr) return c->AsForm() != nullptr;
    c = c->parent_;
  }
  return false;
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Send(kMsgEnable, v ? 1 : 0);
  EnabledChanged();
  Invalidate();
  if (!v) {
    if (Application* app = Application::Current()) app->ControlHidden(this);
  }
}

bool Control::EffectivelyEnabled() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->enabled_) return false;
  }
  return true;
}

void Control::SetCaption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  Send(Message::MakeSetText(caption_.c_str()));
}

void Control::SetFont(const gfx::Font& f) {
  parent_font_ = false;
  if (f == font_) return;
  font_ = f;
  FontChanged();
  ForEachChild([](Control& c) { c.ParentFontChanged(); });
  Invalidate();
}

void Control::SetParentFont(bool v) {
  parent_font_ = v;
  if (v) ParentFontChanged();
}

void Control::ParentFontChanged() {
  if (!parent_font_ || parent_ == nullptr) return;
  if (font_ == parent_->font_) return;
  font_ = parent_->font_;
  FontChanged();
  ForEachChild([](Control& c) { c.ParentFontChanged(); });
  Invalidate();
}

void Control::SetColor(gfx::Color c) {
  parent_color_ = false;
  if (c == color_) return;
  color_ = c;
  ForEachChild([](Control& c) { c.ParentColorChanged(); });
  Invalidate();
}

void Control::SetParentColor(bool v) {
  parent_color_ = v;
  if (v) ParentColorChanged();
}

void Control::ParentColorChanged() {
  if (!parent_color_ || parent_ == nullptr) return;
  if (color_ == parent_->color_) return;
  color_ = parent_->color_;
  ForEachChild([](Control& c) { c.ParentColorChanged(); });
  Invalidate();
}

void Control::SetPopupMenu(PopupMenu* menu) {
  if (popup_menu_ != nullptr) RemoveFreeNotification(popup_menu_);
  popup_menu_ = menu;
  if (menu != nullptr) FreeNotification(menu);
}

void Control::Notification(Component* component, Operation operation) {
  Component::Notification(component, operation);
  if (operation == Operation::kRemove && component == popup_menu_) popup_menu_ = nullptr;
}

void Control::Invalidate() {
  // ClientRect() is where the client area sits in the control (a form: in its window); in client
  // coordinates a control covers the client area moved back by that inset, its border included. A
  // form's frame is the frame's own to repaint, so a form invalidates its client area alone.
  const gfx::Rect cr = ClientRect();
  if (AsForm() != nullptr) {
    InvalidateRect({0, 0, cr.Width(), cr.Height()});
  } else {
    InvalidateRect({-cr.left, -cr.top, Width() - cr.left, Height() - cr.top});
  }
}

void Control::InvalidateRect(const gfx::Rect& r) {
  if (Destroying()) return;
  Form* f = ParentForm();
  if (f == nullptr) return;
  gfx::Point o = OriginInWindow();
  // Painting never reaches outside the control, so clip to it here.
  gfx::Rect cr = ClientRect();
  gfx::Rect own{-cr.left, -cr.top, Width() - cr.left, Height() - cr.top};
  gfx::Rect clipped = r.Intersect(own);
  if (clipped.IsEmpty()) return;
  f->InvalidateWindowRect(clipped.Offset(o.x, o.y));
}

void Control::Update() {
  if (Form* f = ParentForm()) f->UpdateNow();
}

intptr_t Control::Send(uint32_t id, intptr_t wparam, intptr_t lparam) { return Send(Message{id, wparam, lparam, 0}); }

intptr_t Control::Send(Message m) {
  Dispatch(m);
  return m.result;
}

void Control::Dispatch(Message& m) {
  assert(live_mark_ == kLiveMark && "a message was sent to a destroyed control");
  if (window_proc_) {
    // Copy first: the procedure may replace itself while it runs.
    WindowProcFn proc = window_proc_;
    proc(m);
    return;
  }
  WndProc(m);
}

WindowProcFn Control::WindowProc() {
  if (window_proc_) return window_proc_;
  return [this](Message& m) { WndProc(m); };
}

void Control::Post(uint32_t id, intptr_t wparam, intptr_t lparam) {
  assert(live_mark_ == kLiveMark && "a message was posted to a destroyed control");
  if (Application* app = Application::Current()) app->PostMessage(this, Message{id, wparam, lparam, 0});
}

void Control::SetTimer(uintptr_t id, uint32_t interval_ms) {
  if (Application* app = Application::Current()) app->SetControlTimer(this, id, interval_ms);
}

void Control::KillTimer(uintptr_t id) {
  if (Application* app = Application::Current()) app->KillControlTimer(this, id);
}

Control* Control::ControlAtPoint(gfx::Point p, bool allow_disabled) {
  if (!visible_ || (!allow_disabled && !enabled_)) return nullptr;
  if (!gfx::Rect{0, 0, Width(), Height()}.Contains(p)) return nullptr;
  return this;
}

void Control::Click() {
  if (OnClick) OnClick(this);
}

bool Control::IsAccelerator(char32_t ch) const {
  const std::string& s = caption_;
  for (size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] != '&') continue;
    if (s[i + 1] == '&') {
      ++i;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(s[i + 1]);
    if (c >= 0x80 || ch >= 0x80) return false;
    return std::toupper(c) == std::toupper(static_cast<int>(ch));
  }
  return false;
}

void Control::Paint(gfx::Canvas&) {}

void Control::EraseBackground(gfx::Canvas& canvas) {
  if (!Opaque() && !IsWindowed()) return;
  canvas.FillRect(ClientRect().Offset(-ClientRect().left, -ClientRect().top), color_);
}

void Control::WndProc(Message& m) {
  if (IsMouseButtonMessage(m.id, false)) {
    HandleMouseButton(m);
    return;
  }
  switch (m.id) {
    case kMsgPaint:
      if (gfx::Canvas* canvas = m.Canvas()) Paint(*canvas);
      return;
    case kMsgEraseBackground:
      if (gfx::Canvas* canvas = m.Canvas()) EraseBackground(*canvas);
      m.result = 1;
      return;
    case kMsgMouseMove:
      MouseMove(m.MouseShift(), m.At().x, m.At().y);
      return;
    case kMsgMouseEnter:
      MouseEnter();
      return;
    case kMsgMouseLeave:
      MouseLeave();
      return;
    case kMsgMouseWheel:
      m.result = MouseWheel(m.MouseShift(), m.WheelDelta(), m.At().x, m.At().y) ? 1 : 0;
      return;
    case kMsgSize:
      Resize();
      return;
    case kMsgTimer:
      TimerTick(static_cast<uintptr_t>(m.wparam));
      return;
    case kMsgSetText:
      CaptionChanged();
      Invalidate();
      return;
    case kMsgCancelMode:
      clicked_ = false;
      return;
    default:
      return;
  }
}

void Control::HandleMouseButton(const Message& m) {
  MouseButton button = m.Button();
  ShiftState shift = m.MouseShift();
  gfx::Point at = m.At();
  bool left = button == MouseButton::kLeft;
  if (m.Action() == ButtonAction::kUp) {
    bool fire = left && clicked_ && gfx::Rect{0, 0, Width(), Height()}.Contains(at);
    if (left) clicked_ = false;
    // A mouse-up handler may destroy this control (a panel closed by its own button); then
    // nothing of it may be touched, its click included.
    Application* app = Application::Current();
    const uint64_t epoch = app != nullptr ? app->DestroyEpoch() : 0;
    MouseUp(button, shift, at.x, at.y);
    if (fire && (app == nullptr || app->DestroyEpoch() == epoch)) Click();
    return;
  }
  bool dbl = m.Action() == ButtonAction::kDoubleClick;
  if (left) {
    if (dbl) DblClick();
    clicked_ = ClicksOnRelease();
  }
  MouseDown(button, dbl ? shift | kDouble : shift, at.x, at.y);
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void Control::MouseMove(ShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void Control::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void Control::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

bool Control::MouseWheel(ShiftState shift, int delta, int x, int y) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, delta, x, y, handled);
  return handled;
}

void Control::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void Control::Resize() {
  if (OnResize) OnResize(this);
}

void Control::TimerTick(uintptr_t) {}

}  // namespace ui
