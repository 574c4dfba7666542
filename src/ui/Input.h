// Mouse buttons, modifier sets and the event handler types controls fire.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class Control;

enum class MouseButton { kLeft, kRight, kMiddle };

// Modifier keys and mouse buttons held during an input event.
enum ShiftState : uint8_t {
  kShiftNone = 0,
  kShift = 1,
  kAlt = 2,
  kCtrl = 4,
  kLeftHeld = 8,
  kRightHeld = 16,
  kMiddleHeld = 32,
  kDouble = 64,
};
constexpr ShiftState operator|(ShiftState a, ShiftState b) {
  return static_cast<ShiftState>(static_cast<uint8_t>(a) | static_cast<uint8_t>(b));
}
constexpr bool Has(ShiftState s, ShiftState flag) { return (static_cast<uint8_t>(s) & flag) != 0; }

// Handlers receive the control that fired them. Key handlers may set the key (or character) to
// 0 to consume it.
using MouseEvent = std::function<void(Control* sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Control* sender, ShiftState shift, int x, int y)>;
using MouseWheelEvent = std::function<void(Control* sender, ShiftState shift, int delta, int x, int y, bool& handled)>;
using KeyEvent = std::function<void(Control* sender, uint16_t& key, ShiftState shift)>;
using KeyPressEvent = std::function<void(Control* sender, char32_t& ch)>;

}  // namespace ui
