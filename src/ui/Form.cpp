// Form: a windowed control that is a top-level surface: creation, attributes, bounds, activation and showing.
#include "ui/Form.h"

#include <algorithm>

#include "platform/Backend.h"
#include "ui/Application.h"

namespace ui {

Form::Form() {
  InitVisible(false);
  SetColor(kColorBtnFace);
  SetParentFont(false);
  bounds_ = {0, 0, 320, 240};
  client_rect_ = {0, 0, 320, 240};
  if (Application* app = Application::Current()) app->FormCreated(this);
}

Form::~Form() {
  BeginDestroy();
  if (Application* app = Application::Current()) app->FormRemoved(this);
  // Components such as a frame handler must go while the form is whole: they may put back a
  // window procedure they replaced.
  DestroyComponents();
  DestroyChildren();
  active_control_ = nullptr;
  DestroySurface();
}

void Form::SetBorderStyle(BorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  if (surface_) RecreateWnd();
  else RecalcClientRect();
}

void Form::SetSystemFrame(bool on) {
  if (on == system_frame_) return;
  system_frame_ = on;
  if (surface_) RecreateWnd();
  else RecalcClientRect();
}

void Form::SetMinSize(gfx::Size s) {
  min_size_ = s;
  ApplySizeLimits();
  SetBounds(Left(), Top(), Width(), Height());
}

void Form::SetMaxSize(gfx::Size s) {
  max_size_ = s;
  ApplySizeLimits();
  SetBounds(Left(), Top(), Width(), Height());
}

void Form::SetBounds(int left, int top, int width, int height) {
  if (min_size_.width > 0) width = std::max(width, min_size_.width);
  if (min_size_.height > 0) height = std::max(height, min_size_.height);
  if (max_size_.width > 0) width = std::min(width, max_size_.width);
  if (max_size_.height > 0) height = std::min(height, max_size_.height);
  width = std::max(width, 0);
  height = std::max(height, 0);
  gfx::Rect r = gfx::Rect::FromSize(left, top, width, height);
  if (surface_ && !applying_surface_bounds_) {
    surface_->SetBounds(r);
    // The window system may keep the size within its own limits.
    r = surface_->Bounds();
  }
  if (r == bounds_) return;
  bool resized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
  bool moved = r.left != bounds_.left || r.top != bounds_.top;
  bounds_ = r;
  if (resized) RecalcClientRect();
  if (moved) Send(Message::MakeMove({r.left + client_rect_.left, r.top + client_rect_.top}));
  if (resized) Send(Message::MakeSize(kSizeRestored, {client_rect_.Width(), client_rect_.Height()}));
}

void Form::RecalcClientRect() {
  NcCalcSizeParams p{{0, 0, Width(), Height()}};
  Send(Message::MakeCalcSize(p));
  if (p.rect.right < p.rect.left) p.rect.right = p.rect.left;
  if (p.rect.bottom < p.rect.top) p.rect.bottom = p.rect.top;
  bool changed = p.rect != client_rect_;
  client_rect_ = p.rect;
  EnsureFrameBuffer();
  if (changed) Realign();
  InvalidateAll();
}

void Form::Paint(gfx::Canvas& canvas) {
  if (OnPaint) OnPaint(this, canvas);
}

void Form::Activate() {
  if (!Visible()) return;
  HandleNeeded().Activate();
}

void Form::Minimize() {
  if (surface_) surface_->Minimize();
}

void Form::Restore() {
  if (surface_) surface_->Restore();
}

void Form::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (Application* app = Application::Current()) app->FormActivated(this, active);
  Send(kMsgNcActivate, active ? 1 : 0);
  Send(kMsgActivate, active ? kActiveByClick : kActiveNone);
  if (active) UpdateTextInput();
}

void Form::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void Form::DoDestroy() { Send(kMsgDestroy); }

void Form::VisibleChanged() {
  if (Destroying()) return;
  if (Visible()) {
    HandleNeeded();
    PlaceOnFirstShow();
    Send(kMsgShowWindow, 1);
    InvalidateAll();
    surface_->Show(surface_kind_ != platform::SurfaceKind::kPopup);
    if (OnShow) OnShow(this);
    return;
  }
  if (Application* app = Application::Current()) app->ControlHidden(this);
  if (surface_) {
    Send(kMsgShowWindow, 0);
    surface_->Hide();
  }
  if (active_) SetActive(false);
  if (OnHide) OnHide(this);
}

void Form::PlaceOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  if (position_ == FormPosition::kDesigned) return;
  gfx::Size screen = platform::GetBackend().ScreenSize();
  gfx::Rect area{0, 0, screen.width, screen.height};
  if (position_ == FormPosition::kMainFormCenter) {
    Application* app = Application::Current();
    Form* main = app != nullptr ? app->MainForm() : nullptr;
    if (main != nullptr && main != this) area = main->BoundsRect();
  }
  SetBounds(area.left + (area.Width() - Width()) / 2, area.top + (area.Height() - Height()) / 2, Width(), Height());
}

}  // namespace ui
