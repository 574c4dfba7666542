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
  c.Send(ui::Message::MakeMouse(ui::kMsgMouseMove, ui::kShiftNone, at));
}

void GalleryInput::Leave(ui::Control& c) { c.Send(ui::kMsgMouseLeave); }

void GalleryInput::Press(ui::Control& c, ui::MouseButton button) { Press(c, Centre(c), button); }

void GalleryInput::Press(ui::Control& c, gfx::Point at, ui::MouseButton button) {
  Hover(c, at);
  c.Send(ui::Message::MakeMouse(DownMessage(button), Held(button), at));
}

void GalleryInput::Drag(ui::Control& c, gfx::Point to) {
  c.Send(ui::Message::MakeMouse(ui::kMsgMouseMove, ui::kLeftHeld, to));
}

void GalleryInput::Release(ui::Control& c, gfx::Point at, ui::MouseButton button) {
  c.Send(ui::Message::MakeMouse(UpMessage(button), ui::kShiftNone, at));
}

void GalleryInput::Click(ui::Control& c) { Click(c, Centre(c)); }

void GalleryInput::Click(ui::Control& c, gfx::Point at) {
  Press(c, at);
  Release(c, at);
}

void GalleryInput::Focus(ui::Control& c) { c.Send(ui::kMsgSetFocus); }

void GalleryInput::Key(ui::Control& c, uint16_t key, ui::ShiftState shift) {
  c.Send(ui::Message::MakeKey(ui::kMsgKeyDown, key, shift));
  c.Send(ui::Message::MakeKey(ui::kMsgKeyUp, key, shift));
}

}  // namespace app
