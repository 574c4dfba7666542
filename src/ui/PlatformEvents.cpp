// Translating the backend's input events into the toolkit's terms: modifiers, buttons, user input.
#include "ui/PlatformEvents.h"

namespace ui {

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

}  // namespace ui
