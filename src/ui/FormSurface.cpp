// Form: the surface behind a form: creation, hit-test and move/size hooks, shape, opacity, frame buffer.
#include "ui/Form.h"

#include <exception>

#include "platform/Backend.h"
#include "ui/Application.h"

namespace ui {

namespace {

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

// The backend calls the hooks from inside its own code, where an exception must not pass: the
// error report runs later, from the loop.
void ReportLater(std::exception_ptr e) {
  if (Application* app = Application::Current()) app->RunOnMainThread([app, e] { app->HandleException(e); });
}

}  // namespace

platform::Surface& Form::HandleNeeded() {
  if (!surface_) CreateSurface();
  return *surface_;
}

platform::SurfaceParams Form::SurfaceParamsNow() {
  platform::SurfaceParams p;
  p.kind = surface_kind_;
  p.bounds = bounds_;
  p.title = Caption();
  bool framed = p.kind == platform::SurfaceKind::kNormal || p.kind == platform::SurfaceKind::kDialog;
  p.decorated = framed && SystemFrame();
  p.resizable = Sizeable();
  if (p.kind == platform::SurfaceKind::kDialog || p.kind == platform::SurfaceKind::kPopup) {
    // Dialogs and popups belong to the main form's window; a dialog without one is a plain window.
    Application* app = Application::Current();
    Form* owner = app != nullptr ? app->MainForm() : nullptr;
    if (owner != nullptr && owner != this) p.owner = &owner->HandleNeeded();
    if (p.owner == nullptr && p.kind == platform::SurfaceKind::kDialog) p.kind = platform::SurfaceKind::kNormal;
  }
  return p;
}

void Form::CreateSurface() {
  platform::SurfaceParams p = SurfaceParamsNow();
  gfx::Size wanted_client{client_rect_.Width(), client_rect_.Height()};
  surface_ = platform::GetBackend().CreateSurface(p);
  InstallSurfaceHooks();
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

void Form::InstallSurfaceHooks() {
  // The window system asks what a point of the window is through kMsgNcHitTest...
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
  // ...and lets the window procedure adjust every step of its move/size loop.
  surface_->SetSizeMoveFilter([this](const gfx::Rect& proposed, platform::HitCode hit) {
    gfx::Rect r = proposed;
    try {
      if (hit == platform::HitCode::kCaption) Send(Message::MakeMoving(r));
      else Send(Message::MakeSizing(SizingEdge(hit), r));
    } catch (...) {
      ReportLater(std::current_exception());
      return proposed;
    }
    return r;
  });
}

void Form::DestroySurface() {
  if (!surface_) return;
  if (Application* app = Application::Current()) {
    if (Contains(app->CaptureControl())) app->SetCaptureControl(nullptr);
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

void Form::SurfaceBoundsChanged(const gfx::Rect& outer) {
  applying_surface_bounds_ = true;
  SetBounds(outer.left, outer.top, outer.Width(), outer.Height());
  applying_surface_bounds_ = false;
}

}  // namespace ui
