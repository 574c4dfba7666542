// Form: the focused control, text input for it, and moving the focus along the tab order.
#include "ui/Form.h"

#include <algorithm>

#include "platform/Backend.h"
#include "ui/Application.h"

namespace ui {

void Form::SetActiveControl(WinControl* control) {
  if (control == active_control_) return;
  if (control != nullptr && (control->ParentForm() != this || !control->CanFocus())) return;
  WinControl* old = active_control_;
  active_control_ = control;
  if (old != nullptr) old->Send(kMsgKillFocus);
  // A handler of the old control may have moved the focus elsewhere already.
  if (active_control_ == control && control != nullptr) control->Send(kMsgSetFocus);
  if (active_control_ == control) NotifyFocusChanged(control);
  UpdateTextInput();
}

void Form::NotifyFocusChanged(WinControl* focused) {
  // Controls whose look depends on where the focus is (a default button) hear of every move.
  Application* app = Application::Current();
  const uint64_t epoch = app != nullptr ? app->DestroyEpoch() : 0;
  std::vector<Control*> stack;
  for (size_t i = ChildCount(); i-- > 0;) stack.push_back(Child(i));
  while (!stack.empty()) {
    Control* c = stack.back();
    stack.pop_back();
    c->Send(Message::MakeFocusChanged(focused));
    // A handler that moved the focus again or destroyed controls ends this round.
    if (active_control_ != focused || (app != nullptr && app->DestroyEpoch() != epoch)) return;
    for (size_t i = c->ChildCount(); i-- > 0;) stack.push_back(c->Child(i));
  }
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

void Form::ControlGone(Control* c) {
  if (active_control_ != nullptr && c != this && c->Contains(active_control_)) active_control_ = nullptr;
}

void Form::DropFocusWithin(Control* c) {
  if (active_control_ == nullptr || !c->Contains(active_control_)) return;
  WinControl* old = active_control_;
  active_control_ = nullptr;
  old->Send(kMsgKillFocus);
}

}  // namespace ui
