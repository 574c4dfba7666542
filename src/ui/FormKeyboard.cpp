// Form: keys and typed text to the focused control, accelerators and dialog keys (Tab, Enter, Escape).
#include "ui/Form.h"

#include <functional>

#include "gfx/TextUtf8.h"
#include "platform/KeyCodes.h"
#include "ui/PlatformEvents.h"

namespace ui {

namespace {

// Depth-first over the visible, enabled controls below `parent` (each before its children, in
// z-order): the first one `match` accepts.
Control* FindEnabledControl(const Control& parent, const std::function<bool(Control&)>& match) {
  for (size_t i = 0; i < parent.ChildCount(); ++i) {
    Control* c = parent.Child(i);
    if (!c->Visible() || !c->Enabled()) continue;
    if (match(*c)) return c;
    if (Control* found = FindEnabledControl(*c, match)) return found;
  }
  return nullptr;
}

}  // namespace

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
  return FindEnabledControl(*this, [ch](Control& c) { return c.IsAccelerator(ch) && c.HandleAccelerator(); }) !=
         nullptr;
}

bool Form::DialogKey(uint16_t key, ShiftState shift) {
  for (WinControl* w = active_control_; w != nullptr && w != this; w = w->Parent()) {
    if (w->HandleDialogKey(key, shift)) return true;
  }
  if (key == platform::kVkTab && !Has(shift, kCtrl) && !Has(shift, kAlt)) {
    SelectNext(!Has(shift, kShift));
    return true;
  }
  if (key != platform::kVkReturn && key != platform::kVkEscape) return false;
  bool enter = key == platform::kVkReturn;
  Control* button =
      FindEnabledControl(*this, [enter](Control& c) { return enter ? c.IsDefaultButton() : c.IsCancelButton(); });
  if (button == nullptr) return false;
  button->Click();
  return true;
}

}  // namespace ui
