// TskSkinForm under the mouse: hit tests, hover and press of frame objects, window states, moving and sizing.
#include <algorithm>

#include "skin/data/SkinData.h"
#include "skin/frame/DefaultFrame.h"
#include "skin/frame/FramePlacement.h"
#include "skin/frame/TskSkinButtonObject.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/menus/TskSkinHint.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Message.h"
#include "ui/Screen.h"

namespace skin {

namespace {

bool IsCaption(const TskActiveSkinObject& o) { return o.GetKind() == TskActiveSkinObject::Kind::kCaption; }

}  // namespace

gfx::Point TskSkinForm::ScreenToWindow(gfx::Point screen) const {
  return {screen.x - form_.Left(), screen.y - form_.Top()};
}

intptr_t TskSkinForm::HitTest(gfx::Point p) {
  FrameHitState s;
  s.sizeable = form_.Sizeable();
  s.maximized = window_state_ == FrameWindowState::kMaximized;
  s.rolled_up_or_minimized = rolled_up_ || window_state_ == FrameWindowState::kMinimized;
  s.in_size_move = in_size_move_;
  s.has_hot_object = hot_index_ != -1;
  if (!skinned_) {
    const gfx::Rect caption = LayoutDefault();
    return HitTestDefault(form_.Width(), form_.Height(), PlainMetrics().caption_height, caption, s, p);
  }
  const FrameGeometry g =
      CalcFrameGeometry(skin_data_->FrameInfo(), skin_data_->FramePicture().Width(),
                        skin_data_->FramePicture().Height(), form_.Width(), form_.Height());
  std::vector<gfx::Rect> captions;
  for (const auto& o : objects_) {
    if (IsCaption(*o)) captions.push_back(o->ObjectRect);
  }
  const bool mask_fits = mask_ && refreshed_size_ == gfx::Size{g.width, g.height};
  return HitTestSkin(g, mask_fits ? &*mask_ : nullptr, captions, s, p);
}

// --- hover ---

void TskSkinForm::TrackHotObject(gfx::Point p) {
  if (objects_.empty() || !IsFormActive()) return;
  auto alive = alive_;
  const int previous = hot_index_;
  int hot = -1;
  for (size_t i = 0; i < objects_.size(); ++i) {
    const TskActiveSkinObject& o = *objects_[i];
    if (o.IsEnabled && o.IsVisible && o.ObjectRect.Contains(p)) {
      hot = static_cast<int>(i);
      break;
    }
  }
  // While an object is held no other one lights up.
  if (pressed_index_ != -1 && hot != -1 && hot != pressed_index_) hot = -1;
  previous_hot_index_ = previous;
  hot_index_ = hot;
  if (hot == previous) return;
  if (previous >= 0 && previous < static_cast<int>(objects_.size())) {
    TskActiveSkinObject& o = *objects_[static_cast<size_t>(previous)];
    if (o.IsEnabled && o.IsVisible) {
      if (!o.hint.empty()) HideObjectHint();
      o.MouseLeave();
    }
    if (!*alive) return;
  }
  if (hot < 0 || hot_index_ != hot) return;
  TskActiveSkinObject& o = *objects_[static_cast<size_t>(hot)];
  o.MouseEnter();
  if (!*alive || hot_index_ != hot) return;
  if (ShowObjectHint && skin_hint_ != nullptr && !o.hint.empty()) skin_hint_->ShowHintText(o.hint);
}

void TskSkinForm::HotTrackTick() {
  if (!IsFormActive()) return;
  if (in_size_move_) {
    hot_track_timer_.SetEnabled(false);
    return;
  }
  const gfx::Point p = ScreenToWindow(ui::CursorPos());
  // A hover ends within one tick of the cursor leaving the object, even off the window.
  if (!form_.ClientRect().Contains(p)) {
    TrackHotObject(p);
    return;
  }
  if (hot_index_ != -1) TrackHotObject({-1, -1});
}

// --- presses ---

void TskSkinForm::ReleaseCapture() {
  if (!captured_) return;
  captured_ = false;
  ui::Application* app = ui::Application::Current();
  if (app != nullptr && app->CaptureControl() == &form_) app->SetCaptureControl(nullptr);
}

void TskSkinForm::ObjectMouseDown(FrameMouseButton button, gfx::Point p) {
  if (hot_index_ < 0 || hot_index_ >= static_cast<int>(objects_.size())) return;
  TskActiveSkinObject& o = *objects_[static_cast<size_t>(hot_index_)];
  if (!IsCaption(o)) {
    // The release comes back to the form wherever the mouse goes.
    if (ui::Application* app = ui::Application::Current()) {
      app->SetCaptureControl(&form_);
      captured_ = true;
    }
  }
  pressed_index_ = hot_index_;
  o.MouseDown(p.x, p.y, button);
}

void TskSkinForm::ObjectMouseUp(FrameMouseButton button, gfx::Point p) {
  if (pressed_index_ < 0 || pressed_index_ >= static_cast<int>(objects_.size())) {
    pressed_index_ = -1;
    return;
  }
  TskActiveSkinObject& o = *objects_[static_cast<size_t>(pressed_index_)];
  if (!IsCaption(o)) ReleaseCapture();
  pressed_index_ = -1;
  o.MouseUp(p.x, p.y, button);
}

void TskSkinForm::ObjectMouseMove(gfx::Point p) {
  int i = pressed_index_ != -1 ? pressed_index_ : hot_index_;
  if (i < 0 || i >= static_cast<int>(objects_.size())) return;
  objects_[static_cast<size_t>(i)]->MouseMove(p.x, p.y);
}

void TskSkinForm::ObjectDblClick() {
  if (hot_index_ < 0 || hot_index_ >= static_cast<int>(objects_.size())) return;
  objects_[static_cast<size_t>(hot_index_)]->DblClick();
}

void TskSkinForm::RouteMouse(const ui::Message& m) {
  if (!ui::IsMouseButtonMessage(m.id, true) && m.id != ui::kMsgNcMouseMove && m.id != ui::kMsgLButtonUp &&
      m.id != ui::kMsgRButtonUp)
    return;
  auto alive = alive_;
  // Client releases come from a captured press: their point says nothing about the frame.
  const bool non_client = m.id != ui::kMsgLButtonUp && m.id != ui::kMsgRButtonUp;
  const intptr_t hit = non_client ? m.Hit() : ui::kHtClient;
  const gfx::Point p = non_client ? ScreenToWindow(m.At()) : gfx::Point{-1, -1};
  switch (m.id) {
    case ui::kMsgNcMouseMove:
      ObjectMouseMove(p);
      return;
    case ui::kMsgNcLButtonDown:
      // Back from a move or size loop: the press has been used.
      if (in_size_move_) {
        in_size_move_ = false;
        return;
      }
      TrackHotObject(p);
      if (!*alive) return;
      ObjectMouseDown(FrameMouseButton::kLeft, p);
      if (*alive && hit == ui::kHtCaption) pressed_index_ = -1;
      return;
    case ui::kMsgNcLButtonUp:
      ObjectMouseUp(FrameMouseButton::kLeft, p);
      return;
    case ui::kMsgLButtonUp:
      ObjectMouseUp(FrameMouseButton::kLeft, {-1, -1});
      return;
    case ui::kMsgNcLButtonDblClk:
      TrackHotObject(p);
      if (!*alive) return;
      ObjectMouseDown(FrameMouseButton::kLeft, p);
      if (!*alive) return;
      ObjectDblClick();
      if (!*alive || hit != ui::kHtCaption) return;
      CaptionDblClick();
      if (*alive) pressed_index_ = -1;
      return;
    case ui::kMsgNcRButtonDown:
      TrackHotObject(p);
      if (!*alive) return;
      ObjectMouseDown(FrameMouseButton::kRight, p);
      if (!*alive || hit != ui::kHtCaption) return;
      pressed_index_ = -1;
      PopupSystemMenu(m.At().x, m.At().y);
      return;
    case ui::kMsgNcRButtonUp:
      ObjectMouseUp(FrameMouseButton::kRight, p);
      return;
    case ui::kMsgRButtonUp:
      ObjectMouseUp(FrameMouseButton::kRight, {-1, -1});
      return;
    case ui::kMsgNcRButtonDblClk:
      TrackHotObject(p);
      if (!*alive) return;
      ObjectMouseDown(FrameMouseButton::kRight, p);
      if (*alive && hit == ui::kHtCaption) pressed_index_ = -1;
      return;
    default:
      return;
  }
}

void TskSkinForm::CaptionDblClick() {
  const bool sizeable = form_.Sizeable();
  if (sizeable && window_state_ == FrameWindowState::kMinimized) {
    SetWindowState(FrameWindowState::kNormal);
  } else if (sizeable && window_state_ != FrameWindowState::kMaximized && !rolled_up_ &&
             (border_icons_ & biMaximize) != 0) {
    SetWindowState(FrameWindowState::kMaximized);
  } else if (sizeable && window_state_ == FrameWindowState::kMaximized && !rolled_while_maximized_) {
    SetWindowState(FrameWindowState::kNormal);
  } else {
    SetRollUp(!rolled_up_);
  }
}

// --- commands and window states ---

void TskSkinForm::RunCommand(SkinCommand command) {
  switch (command) {
    case SkinCommand::cmclose:
      form_.Close();
      return;
    case SkinCommand::cmmaximize:
      SetWindowState(window_state_ == FrameWindowState::kMaximized ? FrameWindowState::kNormal
                                                                   : FrameWindowState::kMaximized);
      return;
    case SkinCommand::cmminimize:
      SetWindowState(window_state_ == FrameWindowState::kMinimized ? FrameWindowState::kNormal
                                                                   : FrameWindowState::kMinimized);
      return;
    case SkinCommand::cmrollup:
      SetRollUp(!rolled_up_);
      return;
    case SkinCommand::cmsysmenu:
    case SkinCommand::cmdefault:
    case SkinCommand::cmminimizetotray:
      // The system menu opens on the press; custom objects are the application's; the program has
      // no notification-area icon to minimize to.
      return;
  }
}

void TskSkinForm::SetWindowState(FrameWindowState state) {
  if (state == window_state_) return;
  ui::Application* app = ui::Application::Current();
  const bool main = app != nullptr && app->MainForm() == &form_;
  // Minimizing the main form minimizes the application; the frame keeps its state.
  if (!(state == FrameWindowState::kMinimized && main)) window_state_ = state;
  switch (state) {
    case FrameWindowState::kNormal: RestoreForm(); return;
    case FrameWindowState::kMinimized: MinimizeForm(); return;
    case FrameWindowState::kMaximized: MaximizeForm(); return;
  }
}

void TskSkinForm::MinimizeForm() {
  ui::Application* app = ui::Application::Current();
  if (app != nullptr && app->MainForm() == &form_) {
    form_.Minimize();
    return;
  }
  if (saved_bounds_.IsEmpty()) saved_bounds_ = form_.BoundsRect();
  const gfx::Point p = MinimizedPositionNow();
  form_.ApplySizeLimits();
  form_.SetBounds(p.x, p.y, GetMinWidth(), GetMinHeight());
}

gfx::Point TskSkinForm::MinimizedPositionNow() const {
  const gfx::Rect area = ui::MonitorArea(form_.BoundsRect(), true);
  std::vector<gfx::Point> taken;
  if (ui::Application* app = ui::Application::Current()) {
    for (ui::Form* f : app->Forms()) {
      if (f == &form_ || f == app->MainForm() || !f->Visible()) continue;
      TskSkinForm* other = FindSkinForm(f);
      if (other != nullptr && other->WindowState() == FrameWindowState::kMinimized) taken.push_back({f->Left(), f->Top()});
    }
  }
  return MinimizedPosition(area, GetMinWidth(), GetMinHeight(), taken);
}

void TskSkinForm::MaximizeForm() {
  if (saved_bounds_.IsEmpty()) saved_bounds_ = form_.BoundsRect();
  const gfx::Rect monitor = ui::MonitorArea(form_.BoundsRect(), false);
  const gfx::Rect work = ui::MonitorArea(form_.BoundsRect(), true);
  const gfx::Rect target = MaximizedBounds(monitor, work, MaximizeOnFullScreen);
  form_.ApplySizeLimits();
  form_.SetBounds(target.left, target.top, target.Width(), target.Height());
}

void TskSkinForm::RestoreForm() {
  auto alive = alive_;
  if (rolled_while_maximized_) {
    // Rolled up while maximized and then restored: the normal bounds are whole again.
    rolled_while_maximized_ = false;
    rolled_up_ = false;
    if (OnChangeRollUpState) OnChangeRollUpState(this);
    if (!*alive) return;
  }
  form_.ApplySizeLimits();
  if (!saved_bounds_.IsEmpty()) {
    const gfx::Size before{form_.Width(), form_.Height()};
    form_.SetBounds(saved_bounds_.left, saved_bounds_.top, saved_bounds_.Width(), saved_bounds_.Height());
    if (!*alive) return;
    if (before == gfx::Size{form_.Width(), form_.Height()}) NudgeSize();
  }
  if (!*alive) return;
  hot_track_timer_.SetEnabled(true);
  form_.InvalidateAll();
  form_.UpdateNow();
  saved_bounds_ = {};
}

void TskSkinForm::SetRollUp(bool v) {
  if ((border_icons_ & biRollUp) == 0 || window_state_ == FrameWindowState::kMinimized) return;
  if (rolled_up_ && window_state_ == FrameWindowState::kMaximized && !rolled_while_maximized_) return;
  // Rolling up twice would keep the rolled height as the one to come back to.
  if (v == rolled_up_) return;
  auto alive = alive_;
  if (window_state_ == FrameWindowState::kMaximized) rolled_while_maximized_ = v;
  rolled_up_ = v;
  if (v) {
    saved_height_ = form_.Height();
    form_.ApplySizeLimits();
    form_.SetBounds(form_.Left(), form_.Top(), form_.Width(), GetMinHeight());
  } else {
    form_.SetBounds(form_.Left(), form_.Top(), form_.Width(), saved_height_);
    if (!*alive) return;
    form_.ApplySizeLimits();
  }
  if (!*alive) return;
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

// --- size limits, moving and sizing ---

int32_t TskSkinForm::GetMinWidth() const {
  if (skinned_) {
    const int32_t pw = skin_data_->FramePicture().Width();
    return MinWidth > pw && window_state_ != FrameWindowState::kMinimized ? MinWidth : pw;
  }
  return MinWidth > 0 ? MinWidth : 120;
}

int32_t TskSkinForm::GetMinHeight() const {
  int32_t f;
  if (skinned_) {
    const gfx::Rect& c = skin_data_->FrameInfo().clientrect;
    f = skin_data_->FramePicture().Height() - (c.bottom - c.top);
  } else {
    f = PlainMetrics().caption_height + 6;
  }
  if (f >= MinHeight || rolled_up_ || window_state_ == FrameWindowState::kMinimized) return f;
  return MinHeight;
}

void TskSkinForm::GetMinMaxInfo(ui::Message& m) {
  ui::MinMaxInfo* info = m.MinMax();
  if (info == nullptr) {
    CallSaved(m);
    return;
  }
  const gfx::Size frame_min{GetMinWidth(), GetMinHeight()};
  info->min_track = frame_min;
  const gfx::Rect area = ui::MonitorArea(form_.BoundsRect(), !MaximizeOnFullScreen);
  info->max_track = {area.Width(), area.Height()};
  CallSaved(m);
  // The form's own limits may ask for more, never for less: below its minimum the frame cannot be
  // drawn.
  info->min_track.width = std::max(info->min_track.width, frame_min.width);
  info->min_track.height = std::max(info->min_track.height, frame_min.height);
}

void TskSkinForm::EnterSizeMove() {
  ResetObjectStates();
  hot_track_timer_.SetEnabled(false);
  ReleaseCapture();
  hot_index_ = pressed_index_ = -1;
  in_size_move_ = true;
  // The windows of this program's window systems always show their contents while dragged.
  full_drag_ = true;
}

void TskSkinForm::ExitSizeMove() {
  hot_track_timer_.SetEnabled(false);
  hot_index_ = previous_hot_index_ = pressed_index_ = -1;
  if (skinned_) SyncNcPaint();
}

void TskSkinForm::Sizing(ui::Message& m) {
  if (!(in_size_move_ && full_drag_)) {
    CallSaved(m);
    return;
  }
  auto alive = alive_;
  CallSaved(m);
  if (!*alive) return;
  const gfx::Rect* r = m.DragRect();
  if (r == nullptr) return;
  frame_width_ = r->Width();
  frame_height_ = r->Height();
  // One step ahead of the size change: the shape and the object places for the proposed size.
  if (skin_data_ != nullptr && form_.Width() >= GetMinWidth() && form_.Height() >= GetMinHeight()) RefreshFrame(true);
}

void TskSkinForm::Size(ui::Message& m) {
  auto alive = alive_;
  CallSaved(m);
  if (!*alive) return;
  const gfx::Size now{form_.Width(), form_.Height()};
  if (in_size_move_ && full_drag_) {
    // The sizing step made the frame for the proposed size; the window system may have kept the
    // window to its limits instead.
    if (skinned_ && refreshed_size_ != now) {
      frame_width_ = now.width;
      frame_height_ = now.height;
      RefreshFrame(true);
    }
  } else {
    frame_width_ = now.width;
    frame_height_ = now.height;
    if (!skinned_) {
      SyncNcPaint();
    } else if (now.width >= GetMinWidth() && now.height >= GetMinHeight()) {
      RefreshFrame(true);
    }
    if (!*alive) return;
    if (alpha_blend_ && alpha_blend_value_ != 255 && ui::LayeredWindowsAvailable()) {
      SyncNcPaint();
      form_.InvalidateAll();
      form_.UpdateNow();
    }
  }
  if (*alive && !logo_.IsEmpty()) {
    form_.InvalidateAll();
    form_.UpdateNow();
  }
}

void TskSkinForm::Moving(ui::Message& m) {
  gfx::Rect* r = m.DragRect();
  if (r != nullptr) {
    const int32_t w = form_.Width(), h = form_.Height();
    if (window_state_ == FrameWindowState::kMaximized) {
      // A maximized window stays where it is.
      *r = form_.BoundsRect();
    } else if (Magnetic) {
      const gfx::Rect area = ui::MonitorArea(form_.BoundsRect(), true);
      const gfx::Point p = MagneticSnap(r->TopLeft(), w, h, area, MagneticSize);
      *r = gfx::Rect::FromSize(p.x, p.y, w, h);
    }
  }
  CallSaved(m);
}

}  // namespace skin
