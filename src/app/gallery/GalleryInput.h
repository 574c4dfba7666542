// Puts gallery samples into their states with the toolkit's own input messages.
#pragma once

#include <cstdint>
#include <functional>

#include "gfx/Geometry.h"
#include "ui/Input.h"

namespace ui {
class Control;
}

namespace app {

// Every call delivers the messages a real mouse or keyboard would bring, straight to the
// control's window procedure, so several samples can rest in a state only one of them could hold
// at a time with one pointer (two hot buttons, a pressed one beside them). Points are in the
// control's client coordinates; the default point is the control's centre.
class GalleryInput {
 public:
  // Runs the timers due within `ms` milliseconds: on the headless backend by advancing its clock
  // in steps; on a desktop by letting that much real time pass through the message loop.
  using AdvanceFn = std::function<void(uint32_t ms)>;
  explicit GalleryInput(AdvanceFn advance) : advance_(std::move(advance)) {}

  static gfx::Point Centre(const ui::Control& c);

  // The mouse enters the control and moves to the point.
  void Hover(ui::Control& c);
  void Hover(ui::Control& c, gfx::Point at);
  void Leave(ui::Control& c);
  // A button goes down at the point (entering the control first) and stays down.
  void Press(ui::Control& c, ui::MouseButton button = ui::MouseButton::kLeft);
  void Press(ui::Control& c, gfx::Point at, ui::MouseButton button = ui::MouseButton::kLeft);
  // The held left button moves to the point.
  void Drag(ui::Control& c, gfx::Point to);
  void Release(ui::Control& c, gfx::Point at, ui::MouseButton button = ui::MouseButton::kLeft);
  // Press and release at one point.
  void Click(ui::Control& c);
  void Click(ui::Control& c, gfx::Point at);
  // Focus arrives at the control, as when the user tabs to it.
  void Focus(ui::Control& c);
  // A key goes down and up while the control has the keyboard.
  void Key(ui::Control& c, uint16_t key, ui::ShiftState shift = ui::kShiftNone);
  // Lets timers (morphs, repeats) run for that long.
  void Advance(uint32_t ms) { advance_(ms); }

 private:
  AdvanceFn advance_;
};

}  // namespace app
