// Puts gallery samples into their states with the toolkit's own input messages.
#include "app/gallery/GalleryInput.h"

#include "ui/Control.h"
#include "ui/Message.h"

namespace app {

namespace {

uint32_t DownMessage(ui::MouseButton b) {
  switch (b) {
    case ui::MouseButton::kLeft: return ui::kMsgLButtonDown;
    case ui::MouseButton::kRight: return ui::kMsgRButtonDown;
    case ui::MouseButton::kMiddle: return ui::kMsgMButtonDown;
  }
  return ui::kMsgLButtonDown;
}

uint32_t UpMessage(ui::MouseButton b) {
  switch (b) {
    case ui::MouseButton::kLeft: return ui::kMsgLButtonUp;
    case ui::MouseButton::kRight: return ui::kMsgRButtonUp;
    case ui::MouseButton::kMiddle: return ui::kMsgMButtonUp;
  }
  return ui::kMsgLButtonUp;
}

ui::ShiftState Held(ui::MouseButton b) {
  switch (b) {
    case ui::MouseButton::kLeft: return ui::kLeftHeld;
    case ui::MouseButton::kRight: return ui::kRightHeld;
    case ui::MouseButton::kMiddle: return ui::kMiddleHeld;
  }
  return ui::kLeftHeld;
}

}  // namespace

gfx::Point GalleryInput::Centre(const ui::Control& c) { return {c.ClientWidth() / 2, c.ClientHeight() / 2}; }

void GalleryInput::Hover(ui::Control& c) { Hover(c, Centre(c)); }

void GalleryInput::Hover(ui::Control& c, gfx::Point at) {
  c.Send(ui::kMsgMouseEnter);
  c.Send(ui::kMsgMouseMove, ui::kShiftNone, ui::MakePointParam(at.x, at.y));
}

void GalleryInput::Leave(ui::Control& c) { c.Send(ui::kMsgMouseLeave); }

void GalleryInput::Press(ui::Control& c, ui::MouseButton button) { Press(c, Centre(c), button); }

void GalleryInput::Press(ui::Control& c, gfx::Point at, ui::MouseButton button) {
  Hover(c, at);
  c.Send(DownMessage(button), Held(button), ui::MakePointParam(at.x, at.y));
}

void GalleryInput::Drag(ui::Control& c, gfx::Point to) {
  c.Send(ui::kMsgMouseMove, ui::kLeftHeld, ui::MakePointParam(to.x, to.y));
}

void GalleryInput::Release(ui::Control& c, gfx::Point at, ui::MouseButton button) {
  c.Send(UpMessage(button), ui::kShiftNone, ui::MakePointParam(at.x, at.y));
}

void GalleryInput::Click(ui::Control& c) { Click(c, Centre(c)); }

void GalleryInput::Click(ui::Control& c, gfx::Point at) {
  Press(c, at);
  Release(c, at);
}

void GalleryInput::Focus(ui::Control& c) { c.Send(ui::kMsgSetFocus); }

void GalleryInput::Key(ui::Control& c, uint16_t key, ui::ShiftState shift) {
  c.Send(ui::kMsgKeyDown, key, shift);
  c.Send(ui::kMsgKeyUp, key, shift);
}

}  // namespace app
