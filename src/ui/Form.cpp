// Form: a windowed control that is a top-level surface, with outer bounds, a client rectangle and a frame buffer.
#include "ui/Form.h"

#include <algorithm>
#include <stdexcept>

#include "gfx/Canvas.h"
#include "gfx/TextUtf8.h"
#include "platform/Backend.h"
#include "ui/Application.h"
#include "ui/PopupMenu.h"
#include "ui/SkinChangeWalk.h"

namespace ui {

namespace {

ShiftState ShiftFromModifiers(uint32_t m) {
  uint8_t s = 0;
  if (m & platform::kModShift) s |= kShift;
  if (m & platform::kModAlt) s |= kAlt;
  if (m & platform::kModControl) s |= kCtrl;
  if (m & platform::kModLeftButton) s |= kLeftHeld;
  if (m & platform::kModRightButton) s |= kRightHeld;
  if (m & platform::kModMiddleButton) s |= kMiddleHeld;
  return static_cast<ShiftState>(s);
}

MouseButton ButtonOf(const platform::Event& ev) {
  switch (ev.button) {
    case platform::MouseButton::kLeft: return MouseButton::kLeft;
    case platform::MouseButton::kRight: return MouseButton::kRight;
    default: return MouseButton::kMiddle;
  }
}

ButtonAction ActionOf(const platform::Event& ev) {
  if (ev.type == platform::EventType::kMouseUp) return ButtonAction::kUp;
  return ev.click_count >= 2 ? ButtonAction::kDoubleClick : ButtonAction::kDown;
}

// Input a user gives a form: what a disabled form ignores.
bool IsUserInput(platform::EventType t) {
  using platform::EventType;
  switch (t) {
    case EventType::kMouseMove:
    case EventType::kMouseDown:
    case EventType::kMouseUp:
    case EventType::kMouseWheel:
    case EventType::kKeyDown:
    case EventType::kKeyUp:
    case EventType::kTextInput:
    case EventType::kCloseRequest:
      return true;
    default:
      return false;
  }
}

platform::HitCode ToHitCode(intptr_t code) {
  switch (code) {
    case kHtNowhere:
    case kHtClient:
    case kHtCaption:
    case kHtLeft:
    case kHtRight:
    case kHtTop:
    case kHtTopLeft:
    case kHtTopRight:
    case kHtBottom:
    case kHtBottomLeft:
    case kHtBottomRight:
    case kHtObject:
      return static_cast<platform::HitCode>(code);
    default:
      // Caption buttons, the system menu box and other frame parts are the toolkit's own.
      return platform::HitCode::kObject;
  }
}

// Edge codes of kMsgSizing (1 = left ... 8 = bottom-right), from a border hit code.
intptr_t SizingEdge(platform::HitCode hit) {
  switch (hit) {
    case platform::HitCode::kLeft: return 1;
    case platform::HitCode::kRight: return 2;
    case platform::HitCode::kTop: return 3;
    case platform::HitCode::kTopLeft: return 4;
    case platform::HitCode::kTopRight: return 5;
    case platform::HitCode::kBottom: return 6;
    case platform::HitCode::kBottomLeft: return 7;
    case platform::HitCode::kBottomRight: return 8;
    default: return 0;
  }
}

// The cursor the window system shows over a part of the frame: sizing arrows on the borders.
platform::CursorShape CursorForHit(platform::HitCode hit) {
  switch (hit) {
    case platform::HitCode::kLeft:
    case platform::HitCode::kRight: return platform::CursorShape::kSizeWE;
    case platform::HitCode::kTop:
    case platform::HitCode::kBottom: return platform::CursorShape::kSizeNS;
    case platform::HitCode::kTopLeft:
    case platform::HitCode::kBottomRight: return platform::CursorShape::kSizeNWSE;
    case platform::HitCode::kTopRight:
    case platform::HitCode::kBottomLeft: return platform::CursorShape::kSizeNESW;
    default: return platform::CursorShape::kArrow;
  }
}

void ReportLater(std::exception_ptr e) {
  if (Application* app = Application::Current()) app->RunOnMainThread([app, e] { app->HandleException(e); });
}

}  // namespace

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

platform::Surface& Form::HandleNeeded() {
  if (!surface_) CreateSurface();
  return *surface_;
}

void Form::CreateSurface() {
  platform::Backend& backend = platform::GetBackend();
  platform::SurfaceParams p;
  p.kind = surface_kind_;
  p.bounds = bounds_;
  p.title = Caption();
  bool framed = p.kind == platform::SurfaceKind::kNormal || p.kind == platform::SurfaceKind::kDialog;
  p.decorated = framed && SystemFrame();
  p.resizable = Sizeable();
  if (p.kind == platform::SurfaceKind::kDialog || p.kind == platform::SurfaceKind::kPopup) {
    Application* app = Application::Current();
    Form* owner = app != nullptr ? app->MainForm() : nullptr;
    if (owner != nullptr && owner != this) p.owner = &owner->HandleNeeded();
    if (p.owner == nullptr && p.kind == platform::SurfaceKind::kDialog) p.kind = platform::SurfaceKind::kNormal;
  }
  gfx::Size wanted_client{client_rect_.Width(), client_rect_.Height()};
  surface_ = backend.CreateSurface(p);
  surface_->SetHitTest([this](gfx::Point local) {
    if (!surface_) return platform::HitCode::kClient;
    gfx::Rect outer = surface_->Bounds();
    gfx::Point off = surface_->ClientRect().TopLeft();
    gfx::Point screen{outer.left + off.x + local.x, outer.top + off.y + local.y};
    try {
      return ToHitCode(Send(Message::MakeNcMouse(kMsgNcHitTest, kHtNowhere, screen)));
    } catch (...) {
      ReportLater(std::current_exception());
      return platform::HitCode::kClient;
    }
  });
  surface_->SetSizeMoveFilter([this](const gfx::Rect& proposed, platform::HitCode hit) {
    gfx::Rect r = proposed;
    try {
      if (hit == platform::HitCode::kCaption) {
        Send(Message::MakeMoving(r));
      } else {
        Send(Message::MakeSizing(SizingEdge(hit), r));
      }
    } catch (...) {
      ReportLater(std::current_exception());
      return proposed;
    }
    return r;
  });
  if (alpha_) surface_->SetOpacity(*alpha_);
  ApplySizeLimits();
  applying_surface_bounds_ = true;
  bounds_ = surface_->Bounds();
  applying_surface_bounds_ = false;
  RecalcClientRect();
  // A window-system frame takes room from the outer rectangle: keep the client size asked for.
  if (p.decorated && (client_rect_.Width() != wanted_client.width || client_rect_.Height() != wanted_client.height)) {
    SetBounds(Left(), Top(), Width() + wanted_client.width - client_rect_.Width(),
              Height() + wanted_client.height - client_rect_.Height());
  }
  if (window_region_) SetWindowRegion(window_region_);
}

void Form::DestroySurface() {
  if (!surface_) return;
  if (Application* app = Application::Current()) {
    Control* cap = app->CaptureControl();
    if (cap != nullptr && (cap == this || Contains(cap))) app->SetCaptureControl(nullptr);
  }
  surface_.reset();
  frame_ = gfx::Bitmap();
  active_ = false;
}

void Form::RecreateWnd() {
  bool shown = surface_ && surface_->IsVisible();
  DestroySurface();
  CreateSurface();
  if (shown) surface_->Show(surface_kind_ != platform::SurfaceKind::kPopup);
  InvalidateAll();
}

void Form::SetWindowRegion(std::optional<gfx::Region> region) {
  window_region_ = std::move(region);
  if (surface_) {
    if (!window_region_) {
      surface_->SetShape(std::nullopt);
    } else {
      // Window coordinates to surface (frame-buffer) coordinates.
      gfx::Region shape = *window_region_;
      gfx::Point off = BufferOffset();
      shape.Offset(-off.x, -off.y);
      surface_->SetShape(std::move(shape));
    }
  }
  InvalidateAll();
}

bool Form::SetAlphaBlendValue(uint8_t alpha) {
  alpha_ = alpha;
  if (!surface_) return platform::GetBackend().LayeredWindowsAvailable();
  return surface_->SetOpacity(alpha);
}

gfx::Point Form::BufferOffset() const {
  if (!surface_) return {0, 0};
  return surface_->ClientRect().TopLeft();
}

void Form::EnsureFrameBuffer() {
  if (!surface_) return;
  gfx::Size s = surface_->FrameSize();
  if (frame_.Width() == s.width && frame_.Height() == s.height) return;
  frame_ = gfx::Bitmap(s.width, s.height, 24);
  invalid_.Union(gfx::Rect{0, 0, Width(), Height()});
}

void Form::ApplySizeLimits() {
  MinMaxInfo info{};
  Send(Message::MakeMinMaxInfo(info));
  if (!surface_) return;
  surface_->SetMinSize(info.min_track);
  surface_->SetMaxSize(info.max_track);
}

void Form::InvalidateWindowRect(const gfx::Rect& r) {
  gfx::Rect clipped = r.Intersect({0, 0, Width(), Height()});
  if (clipped.IsEmpty()) return;
  invalid_.Union(clipped);
}

void Form::InvalidateAll() { InvalidateWindowRect({0, 0, Width(), Height()}); }

void Form::UpdateNow() {
  if (!surface_ || !Visible() || Destroying()) return;
  EnsureFrameBuffer();
  gfx::Point off = BufferOffset();
  gfx::Rect buffer_area{off.x, off.y, off.x + frame_.Width(), off.y + frame_.Height()};
  if (!invalid_.IsEmpty()) {
    gfx::Region dirty = std::move(invalid_);
    invalid_ = gfx::Region();
    dirty.Intersect(buffer_area);
    // Nothing outside the window's shape is ever seen.
    if (window_region_) dirty.Intersect(*window_region_);
    struct PaintingScope {
      bool& flag;
      explicit PaintingScope(bool& f) : flag(f) { flag = true; }
      ~PaintingScope() { flag = false; }
    } scope(painting_);
    gfx::Region nc = dirty;
    nc.Subtract(gfx::Region(client_rect_));
    if (!nc.IsEmpty()) Send(Message::MakeNcPaint(nc));
    gfx::Region client = dirty;
    client.Intersect(client_rect_);
    if (!client.IsEmpty() && !frame_.IsEmpty()) {
      gfx::Canvas canvas(frame_);
      canvas.SetOrigin({client_rect_.left - off.x, client_rect_.top - off.y});
      client.Offset(-client_rect_.left, -client_rect_.top);
      canvas.SetClipRegion(client);
      canvas.SetFont(GetFont());
      PaintTree(canvas, client.Bounds());
    }
    unpresented_.Union(dirty);
  }
  if (unpresented_.IsEmpty()) return;
  std::vector<gfx::Rect> rects = unpresented_.Rects();
  unpresented_ = gfx::Region();
  if (rects.size() > 8) rects = {gfx::Region(rects).Bounds()};
  for (const gfx::Rect& r : rects) surface_->Present(frame_, r.Offset(-off.x, -off.y));
}

Form::WindowDC::WindowDC(Form& form) : form_(form) {
  form_.EnsureFrameBuffer();
  canvas_ = std::make_unique<gfx::Canvas>(form_.frame_);
  gfx::Point off = form_.BufferOffset();
  canvas_->SetOrigin({-off.x, -off.y});
  canvas_->SetFont(form_.GetFont());
}

Form::WindowDC::WindowDC(Form& form, const gfx::Rect& area) : WindowDC(form) {
  area_ = area;
  canvas_->IntersectClip(area);
}

Form::WindowDC::~WindowDC() {
  canvas_.reset();
  gfx::Point off = form_.BufferOffset();
  gfx::Rect buffer{off.x, off.y, off.x + form_.frame_.Width(), off.y + form_.frame_.Height()};
  form_.unpresented_.Union(area_ ? area_->Intersect(buffer) : buffer);
  // Presenting now keeps drawing done outside a paint cycle (a frame redrawn from a timer) visible
  // without waiting for the loop.
  if (form_.surface_ && form_.Visible() && !form_.painting_ && form_.invalid_.IsEmpty()) form_.UpdateNow();
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
  Application* app = Application::Current();
  if (app != nullptr) app->FormActivated(this, active);
  Send(kMsgNcActivate, active ? 1 : 0);
  Send(kMsgActivate, active ? kActiveByClick : kActiveNone);
  if (active) UpdateTextInput();
}

void Form::SetActiveControl(WinControl* control) {
  if (control == active_control_) return;
  if (control != nullptr && (control->ParentForm() != this || !control->CanFocus())) return;
  WinControl* old = active_control_;
  active_control_ = control;
  if (old != nullptr) old->Send(kMsgKillFocus);
  // A handler of the old control may have moved the focus elsewhere already.
  if (active_control_ == control && control != nullptr) control->Send(kMsgSetFocus);
  UpdateTextInput();
}

void Form::UpdateTextInput() {
  if (!surface_ || !active_) return;
  platform::Backend& backend = platform::GetBackend();
  if (active_control_ == nullptr || !active_control_->WantsChars()) {
    backend.StopTextInput();
    return;
  }
  gfx::Point o = active_control_->OriginInWindow();
  gfx::Point off = BufferOffset();
  gfx::Rect caret = active_control_->CaretRect().Offset(o.x - off.x, o.y - off.y);
  backend.StartTextInput(surface_->Id(), caret);
}

void Form::SelectNext(bool forward) {
  std::vector<WinControl*> list;
  GetTabOrderList(list);
  std::vector<WinControl*> candidates;
  for (WinControl* w : list) {
    if (w->TabStop() && w->CanFocus()) candidates.push_back(w);
  }
  if (candidates.empty()) return;
  auto it = std::find(candidates.begin(), candidates.end(), active_control_);
  size_t n = candidates.size();
  size_t next;
  if (it == candidates.end()) {
    // The focus sits on a control without a tab stop: continue from its place in the full list.
    next = forward ? 0 : n - 1;
    auto pos = std::find(list.begin(), list.end(), active_control_);
    if (pos != list.end()) {
      for (size_t i = 0; i < n; ++i) {
        auto ci = std::find(list.begin(), list.end(), candidates[i]);
        if (forward && ci > pos) { next = i; break; }
        if (!forward && ci < pos) next = i;
      }
    }
  } else {
    size_t i = static_cast<size_t>(it - candidates.begin());
    next = forward ? (i + 1) % n : (i + n - 1) % n;
  }
  SetActiveControl(candidates[next]);
}

void Form::Close() { Send(kMsgClose); }

bool Form::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

int Form::ShowModal() {
  if (Visible() || modal_) throw std::logic_error("Cannot make a visible window modal");
  Application* app = Application::Current();
  if (app == nullptr) throw std::logic_error("no application");
  app->SetCaptureControl(nullptr);
  app->CancelHint();
  std::vector<Form*> disabled;
  std::vector<Form*> forms = app->LiveForms();
  for (Form* f : forms) {
    if (f != this && f->Visible() && f->Enabled()) {
      f->SetEnabled(false);
      disabled.push_back(f);
    }
  }
  Form* previous = app->ActiveForm();
  modal_ = true;
  modal_result_ = kMrNone;
  struct Restore {
    Form* self;
    Application* app;
    std::vector<Form*>& disabled;
    Form* previous;
    ~Restore() {
      for (Form* f : disabled) {
        if (app->IsLive(f)) f->SetEnabled(true);
      }
      if (app->IsLive(self)) {
        self->modal_ = false;
        self->Hide();
      }
      if (previous != nullptr && app->IsLive(previous) && previous->Visible()) previous->Activate();
    }
  } restore{this, app, disabled, previous};
  Show();
  Activate();
  bool gone = false;
  app->RunUntil([&] {
    if (!app->IsLive(this)) {
      gone = true;
      return true;
    }
    if (!Visible()) {
      if (modal_result_ == kMrNone) modal_result_ = kMrCancel;
      return true;
    }
    if (modal_result_ == kMrNone) return false;
    // A result was set: the form may still refuse to close.
    CloseAction action = CloseAction::kHide;
    if (!CloseQuery()) {
      modal_result_ = kMrNone;
      return false;
    }
    if (OnClose) OnClose(this, action);
    if (action == CloseAction::kNone) {
      modal_result_ = kMrNone;
      return false;
    }
    return true;
  });
  if (gone) return kMrCancel;
  return modal_result_;
}

void Form::Release() {
  if (Application* app = Application::Current()) app->QueueRelease(this);
}

void Form::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void Form::DoDestroy() { Send(kMsgDestroy); }

void Form::VisibleChanged() {
  if (Destroying()) return;
  Application* app = Application::Current();
  if (Visible()) {
    HandleNeeded();
    PlaceOnFirstShow();
    Send(kMsgShowWindow, 1);
    InvalidateAll();
    surface_->Show(surface_kind_ != platform::SurfaceKind::kPopup);
    if (OnShow) OnShow(this);
    return;
  }
  if (app != nullptr) app->ControlHidden(this);
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
  gfx::Rect area{0, 0, 0, 0};
  if (position_ == FormPosition::kScreenCenter) {
    gfx::Size s = platform::GetBackend().ScreenSize();
    area = {0, 0, s.width, s.height};
  } else {
    Application* app = Application::Current();
    Form* main = app != nullptr ? app->MainForm() : nullptr;
    if (main == nullptr || main == this) {
      gfx::Size s = platform::GetBackend().ScreenSize();
      area = {0, 0, s.width, s.height};
    } else {
      area = main->BoundsRect();
    }
  }
  SetBounds(area.left + (area.Width() - Width()) / 2, area.top + (area.Height() - Height()) / 2, Width(), Height());
}

void Form::SurfaceBoundsChanged(const gfx::Rect& outer) {
  applying_surface_bounds_ = true;
  SetBounds(outer.left, outer.top, outer.Width(), outer.Height());
  applying_surface_bounds_ = false;
}

void Form::ControlGone(Control* c) {
  if (active_control_ != nullptr && c != this && c->Contains(active_control_)) active_control_ = nullptr;
}

void Form::DropFocusWithin(Control* c) {
  if (active_control_ == nullptr || !c->Contains(active_control_)) return;
  WinControl* old = active_control_;
  active_control_ = nullptr;
  old->Send(kMsgKillFocus);
}

void Form::HandleEvent(const platform::Event& ev) {
  using platform::EventType;
  Application* app = Application::Current();
  if (IsUserInput(ev.type) && !EffectivelyEnabled()) {
    // A disabled form (one under a modal form, say) takes no input; a press only beeps.
    if (ev.type == EventType::kMouseDown) platform::GetBackend().Beep();
    return;
  }
  switch (ev.type) {
    case EventType::kMouseMove:
    case EventType::kMouseDown:
    case EventType::kMouseUp:
    case EventType::kMouseWheel:
      HandleMouse(ev);
      return;
    case EventType::kMouseLeave:
      if (app != nullptr && app->MouseControl() != nullptr && app->MouseControl()->ParentForm() == this) {
        app->SetMouseControl(nullptr);
      }
      Send(kMsgNcMouseLeave);
      return;
    case EventType::kKeyDown:
    case EventType::kKeyUp:
      HandleKey(ev);
      return;
    case EventType::kTextInput:
      HandleText(ev);
      return;
    case EventType::kFocusIn:
    case EventType::kFocusOut:
      if (active_control_ != nullptr) active_control_->Invalidate();
      return;
    case EventType::kActivate:
      SetActive(true);
      return;
    case EventType::kDeactivate:
      SetActive(false);
      return;
    case EventType::kCloseRequest:
      Close();
      return;
    case EventType::kDropFiles:
      if (OnDropFiles) OnDropFiles(this, ev.files);
      return;
    case EventType::kExpose: {
      Send(kMsgSyncPaint);
      gfx::Point off = BufferOffset();
      unpresented_.Union(ev.rect.Offset(off.x, off.y));
      return;
    }
    case EventType::kMoved:
    case EventType::kResized:
      SurfaceBoundsChanged(ev.rect);
      return;
    case EventType::kMinimized:
      Send(Message::MakeSize(kSizeMinimized, {client_rect_.Width(), client_rect_.Height()}));
      return;
    case EventType::kRestored:
      Send(Message::MakeSize(kSizeRestored, {client_rect_.Width(), client_rect_.Height()}));
      InvalidateAll();
      return;
    case EventType::kSizeMoveBegin:
      in_size_move_ = true;
      ApplySizeLimits();
      Send(kMsgEnterSizeMove);
      return;
    case EventType::kSizeMoveEnd:
      if (!ev.rect.IsEmpty()) SurfaceBoundsChanged(ev.rect);
      in_size_move_ = false;
      size_move_pending_ = false;
      Send(kMsgExitSizeMove);
      return;
    case EventType::kCaptureLost:
      if (app != nullptr) {
        Control* cap = app->CaptureControl();
        if (cap != nullptr && cap->ParentForm() == this) app->SetCaptureControl(nullptr);
      }
      return;
    default:
      return;
  }
}

void Form::RunSizeMoveLoop() {
  // Like the classic window system, the move/size loop runs inside the handling of the press:
  // the caller of the non-client button message gets control back when the loop has ended.
  Application* app = Application::Current();
  if (app == nullptr) return;
  bool scripted = platform::GetBackend().ScriptedInput();
  for (;;) {
    // A handler inside the loop may destroy the form: then nothing of it is touched again (the
    // window system's loop and the capture went with its surface).
    if (!app->IsLive(this)) return;
    if (!size_move_pending_ || app->Terminated()) break;
    // Scripted input that has run out ends the loop: nothing more will arrive.
    if (!app->HandleMessage() && scripted) {
      if (!app->IsLive(this)) return;
      break;
    }
  }
  size_move_pending_ = false;
}

void Form::HandleMouse(const platform::Event& ev) {
  using platform::EventType;
  Application* app = Application::Current();
  if (app == nullptr) return;
  if (ev.type == EventType::kMouseDown) app->CancelHint();
  Control* capture = app->CaptureControl();
  if (capture != nullptr && capture->ParentForm() != this) capture = nullptr;
  gfx::Point off = BufferOffset();
  gfx::Point wp{ev.local.x + off.x, ev.local.y + off.y};
  bool in_client = ev.hit == platform::HitCode::kClient && client_rect_.Contains(wp);
  Control* under = in_client ? ControlAtPoint(wp, false) : nullptr;
  if (ev.type != EventType::kMouseWheel) app->MouseMovedOver(under, ev.screen);
  if (capture == nullptr && !in_client) {
    if (ev.type == EventType::kMouseMove) platform::GetBackend().SetCursor(CursorForHit(ev.hit));
    SendNonClientMouse(ev);
    return;
  }
  Control* target = capture != nullptr ? capture : (under != nullptr ? under : this);
  if (ev.type == EventType::kMouseWheel) {
    SendWheel(target, ev, wp);
    return;
  }
  SendClientMouse(*target, ev, wp, capture == nullptr);
}

void Form::SendNonClientMouse(const platform::Event& ev) {
  uint32_t id = kMsgNcMouseMove;
  if (ev.type == platform::EventType::kMouseDown || ev.type == platform::EventType::kMouseUp) {
    ButtonAction action = ActionOf(ev);
    if (ev.button == platform::MouseButton::kLeft && action != ButtonAction::kUp) {
      // A left press on the caption or a border starts the window system's move/size loop.
      size_move_pending_ = action == ButtonAction::kDown && platform::StartsSizeMove(ev.hit);
    }
    id = MouseButtonMessageId(ButtonOf(ev), action, true);
  } else if (ev.type != platform::EventType::kMouseMove) {
    return;
  }
  Send(Message::MakeNcMouse(id, static_cast<intptr_t>(ev.hit), ev.screen));
}

void Form::SendWheel(Control* target, const platform::Event& ev, gfx::Point window_point) {
  // The first control up the parent chain that takes the wheel ends the search.
  ShiftState shift = ShiftFromModifiers(ev.modifiers);
  for (Control* c = target; c != nullptr; c = c->Parent()) {
    gfx::Point o = c->OriginInWindow();
    gfx::Point at{window_point.x - o.x, window_point.y - o.y};
    if (c->Send(Message::MakeWheel(shift, ev.wheel_delta, at)) != 0) return;
  }
}

void Form::SendClientMouse(Control& target, const platform::Event& ev, gfx::Point window_point, bool take_capture) {
  Application* app = Application::Current();
  gfx::Point o = target.OriginInWindow();
  gfx::Point at{window_point.x - o.x, window_point.y - o.y};
  ShiftState shift = ShiftFromModifiers(ev.modifiers);
  if (ev.type == platform::EventType::kMouseMove) {
    target.Send(Message::MakeMouse(kMsgMouseMove, shift, at));
    return;
  }
  uint32_t id = MouseButtonMessageId(ButtonOf(ev), ActionOf(ev), false);
  if (ev.type == platform::EventType::kMouseDown) {
    // The pressed control keeps the mouse until the release; a left press focuses it.
    if (take_capture) app->CaptureUntilRelease(&target);
    WinControl* w = target.AsWinControl();
    if (ev.button == platform::MouseButton::kLeft && w != nullptr && w != this && w->CanFocus()) SetActiveControl(w);
    target.Send(Message::MakeMouse(id, shift, at));
    return;
  }
  uint64_t epoch = app->DestroyEpoch();
  target.Send(Message::MakeMouse(id, shift, at));
  uint32_t held = ev.modifiers & (platform::kModLeftButton | platform::kModRightButton | platform::kModMiddleButton);
  if (held == 0) app->EndCaptureOfPress(&target);
  // A handler that destroyed controls leaves `target` unusable: no context menu then.
  if (ev.button == platform::MouseButton::kRight && app->DestroyEpoch() == epoch) OpenContextMenu(target, ev.screen);
}

void Form::OpenContextMenu(Control& target, gfx::Point screen) {
  // The context menu of the control, or of the nearest parent that has one.
  for (Control* c = &target; c != nullptr; c = c->Parent()) {
    bool handled = false;
    if (c->OnContextPopup) c->OnContextPopup(c, screen, handled);
    if (handled) return;
    if (PopupMenu* menu = c->GetPopupMenu()) {
      menu->SetPopupComponent(c);
      menu->Popup(screen.x, screen.y);
      return;
    }
  }
}

void Form::HandleKey(const platform::Event& ev) {
  ShiftState shift = ShiftFromModifiers(ev.modifiers);
  bool alt = Has(shift, kAlt);
  uint16_t key = ev.key;
  WinControl* target = active_control_ != nullptr ? active_control_ : this;
  if (ev.type == platform::EventType::kKeyUp) {
    target->Send(Message::MakeKey(alt ? kMsgSysKeyUp : kMsgKeyUp, key, shift));
    return;
  }
  if (key_preview_ && target != this) {
    uint16_t k = key;
    WinControl::KeyDown(k, shift);
    if (k == 0) return;
    key = k;
  }
  intptr_t left = target->Send(Message::MakeKey(alt ? kMsgSysKeyDown : kMsgKeyDown, key, shift));
  if (left == 0) return;
  key = static_cast<uint16_t>(left);
  if (alt && key == platform::kVkF4) {
    // The system command a window system gives Alt+F4; a bare X server has nobody else to do it.
    Send(kMsgSysCommand, kScClose);
    return;
  }
  if (alt && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))) {
    TryAccelerator(static_cast<char32_t>(key));
    return;
  }
  if (!target->WantsKey(key)) DialogKey(key, shift);
}

void Form::HandleText(const platform::Event& ev) {
  // Bytes that are not well-formed UTF-8 arrive as U+FFFD, one per byte that cannot start a character.
  for (char32_t cp : gfx::DecodeUtf8(ev.text)) {
    WinControl* target = active_control_ != nullptr ? active_control_ : this;
    intptr_t left = target->Send(Message::MakeChar(cp));
    if (left == 0 || target->WantsChars()) continue;
    if ((cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9')) TryAccelerator(cp);
  }
}

bool Form::TryAccelerator(char32_t ch) {
  // Depth-first over the visible, enabled controls.
  std::vector<Control*> stack;
  for (size_t i = ChildCount(); i-- > 0;) stack.push_back(Child(i));
  while (!stack.empty()) {
    Control* c = stack.back();
    stack.pop_back();
    if (!c->Visible() || !c->Enabled()) continue;
    if (c->IsAccelerator(ch) && c->HandleAccelerator()) return true;
    for (size_t i = c->ChildCount(); i-- > 0;) stack.push_back(c->Child(i));
  }
  return false;
}

bool Form::DialogKey(uint16_t key, ShiftState shift) {
  if (key == platform::kVkTab && !Has(shift, kCtrl) && !Has(shift, kAlt)) {
    SelectNext(!Has(shift, kShift));
    return true;
  }
  if (key != platform::kVkReturn && key != platform::kVkEscape) return false;
  bool enter = key == platform::kVkReturn;
  std::vector<Control*> stack;
  for (size_t i = ChildCount(); i-- > 0;) stack.push_back(Child(i));
  while (!stack.empty()) {
    Control* c = stack.back();
    stack.pop_back();
    if (!c->Visible() || !c->Enabled()) continue;
    if (enter ? c->IsDefaultButton() : c->IsCancelButton()) {
      c->Click();
      return true;
    }
    for (size_t i = c->ChildCount(); i-- > 0;) stack.push_back(c->Child(i));
  }
  return false;
}

void Form::WndProc(Message& m) {
  switch (m.id) {
    case kMsgNcCalcSize: {
      NcCalcSizeParams* p = m.CalcSize();
      if (p != nullptr && SystemFrame() && surface_ && surface_->Kind() != platform::SurfaceKind::kPopup) {
        // The window system's frame surrounds the frame buffer.
        gfx::Rect c = surface_->ClientRect();
        gfx::Rect outer = surface_->Bounds();
        p->rect = {p->rect.left + c.left, p->rect.top + c.top, p->rect.right - (outer.Width() - c.right),
                   p->rect.bottom - (outer.Height() - c.bottom)};
      }
      return;
    }
    case kMsgNcHitTest: {
      gfx::Point screen = m.At();
      gfx::Rect outer = surface_ ? surface_->Bounds() : bounds_;
      gfx::Point wp{screen.x - outer.left, screen.y - outer.top};
      m.result = client_rect_.Contains(wp) ? kHtClient : kHtObject;
      return;
    }
    case kMsgNcLButtonDown:
      if (size_move_pending_) RunSizeMoveLoop();
      return;
    case kMsgNcPaint:
    case kMsgNcActivate:
      m.result = 1;
      return;
    case kMsgSyncPaint:
      InvalidateAll();
      return;
    case kMsgActivate:
      if (m.wparam != kActiveNone) {
        if (active_control_ == nullptr) SelectNext(true);
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    case kMsgGetMinMaxInfo: {
      MinMaxInfo* info = m.MinMax();
      if (info == nullptr) return;
      if (min_size_.width > 0) info->min_track.width = min_size_.width;
      if (min_size_.height > 0) info->min_track.height = min_size_.height;
      if (max_size_.width > 0) info->max_track.width = max_size_.width;
      if (max_size_.height > 0) info->max_track.height = max_size_.height;
      return;
    }
    case kMsgSetText:
      if (surface_) surface_->SetTitle(Caption());
      WinControl::WndProc(m);
      return;
    case kMsgClose: {
      if (modal_) {
        modal_result_ = kMrCancel;
        return;
      }
      if (!CloseQuery()) return;
      Application* app = Application::Current();
      bool main = app != nullptr && app->MainForm() == this;
      CloseAction action = main ? CloseAction::kFree : CloseAction::kHide;
      if (OnClose) OnClose(this, action);
      if (action == CloseAction::kNone) return;
      if (action == CloseAction::kMinimize) {
        if (surface_) surface_->Minimize();
        return;
      }
      if (main) {
        // Closing the main form ends the program, whatever other forms still exist.
        Hide();
        app->Terminate();
        return;
      }
      if (action == CloseAction::kHide) Hide();
      else Release();
      return;
    }
    case kMsgSysCommand:
      switch (m.wparam & 0xFFF0) {
        case kScClose: Close(); return;
        case kScMinimize: Minimize(); return;
        case kScRestore: Restore(); return;
        default: return;
      }
    case kMsgDestroy:
      if (OnDestroy) OnDestroy(this);
      return;
    case kSkinMsgBeforeChange:
    case kSkinMsgChange:
      WalkSkinChange(*this, m.id, m.SkinData());
      return;
    case kMsgEraseBackground:
      if (gfx::Canvas* canvas = m.Canvas()) EraseBackground(*canvas);
      m.result = 1;
      return;
    default:
      WinControl::WndProc(m);
  }
}

}  // namespace ui
