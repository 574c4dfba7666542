// Form: the backend's events for one form: input to the mouse and keyboard handling, window events.
#include "ui/Form.h"

#include "platform/Backend.h"
#include "ui/Application.h"
#include "ui/PlatformEvents.h"

namespace ui {

void Form::HandleEvent(const platform::Event& ev) {
  if (IsUserInput(ev.type)) {
    HandleInput(ev);
    return;
  }
  HandleWindowEvent(ev);
}

void Form::HandleInput(const platform::Event& ev) {
  using platform::EventType;
  if (!EffectivelyEnabled()) {
    // A disabled form (one under a modal form, say) takes no input; a press only beeps.
    if (ev.type == EventType::kMouseDown) platform::GetBackend().Beep();
    return;
  }
  switch (ev.type) {
    case EventType::kKeyDown:
    case EventType::kKeyUp:
      HandleKey(ev);
      return;
    case EventType::kTextInput:
      HandleText(ev);
      return;
    case EventType::kCloseRequest:
      Close();
      return;
    default:
      HandleMouse(ev);
  }
}

void Form::HandleWindowEvent(const platform::Event& ev) {
  using platform::EventType;
  switch (ev.type) {
    case EventType::kMouseLeave:
      MouseLeft();
      return;
    case EventType::kFocusIn:
    case EventType::kFocusOut:
      if (active_control_ != nullptr) active_control_->Invalidate();
      return;
    case EventType::kActivate:
    case EventType::kDeactivate:
      SetActive(ev.type == EventType::kActivate);
      return;
    case EventType::kDropFiles:
      if (OnDropFiles) OnDropFiles(this, ev.files);
      return;
    case EventType::kExpose:
      Exposed(ev.rect);
      return;
    case EventType::kMoved:
    case EventType::kResized:
      SurfaceBoundsChanged(ev.rect);
      return;
    case EventType::kMinimized:
    case EventType::kRestored:
      Send(Message::MakeSize(ev.type == EventType::kMinimized ? kSizeMinimized : kSizeRestored,
                             {client_rect_.Width(), client_rect_.Height()}));
      if (ev.type == EventType::kRestored) InvalidateAll();
      return;
    case EventType::kSizeMoveBegin:
    case EventType::kSizeMoveEnd:
      SizeMoveChanged(ev);
      return;
    case EventType::kCaptureLost:
      CaptureLost();
      return;
    case EventType::kTextEditing:
      if (active_control_ != nullptr && EffectivelyEnabled()) {
        active_control_->Send(Message::MakeComposition(ev.text, ev.edit_cursor));
      }
      return;
    default:
      return;
  }
}

void Form::MouseLeft() {
  Application* app = Application::Current();
  if (app != nullptr && app->MouseControl() != nullptr && app->MouseControl()->ParentForm() == this) {
    app->SetMouseControl(nullptr);
  }
  Send(kMsgNcMouseLeave);
}

void Form::Exposed(const gfx::Rect& surface_rect) {
  Send(kMsgSyncPaint);
  gfx::Point off = BufferOffset();
  unpresented_.Union(surface_rect.Offset(off.x, off.y));
}

void Form::CaptureLost() {
  Application* app = Application::Current();
  if (app == nullptr) return;
  Control* cap = app->CaptureControl();
  if (cap != nullptr && cap->ParentForm() == this) app->SetCaptureControl(nullptr);
}

void Form::SizeMoveChanged(const platform::Event& ev) {
  if (ev.type == platform::EventType::kSizeMoveBegin) {
    in_size_move_ = true;
    ApplySizeLimits();
    Send(kMsgEnterSizeMove);
    return;
  }
  if (!ev.rect.IsEmpty()) SurfaceBoundsChanged(ev.rect);
  in_size_move_ = false;
  size_move_pending_ = false;
  Send(kMsgExitSizeMove);
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

}  // namespace ui
