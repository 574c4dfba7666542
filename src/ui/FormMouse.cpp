// Form: mouse routing: non-client messages, the wheel, client messages with the press capture, the context menu.
#include "ui/Form.h"

#include "platform/Backend.h"
#include "ui/Application.h"
#include "ui/PlatformEvents.h"
#include "ui/PopupMenu.h"

namespace ui {

namespace {

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

}  // namespace

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
    if (c->DefaultContextMenu(screen)) return;
  }
}

}  // namespace ui
