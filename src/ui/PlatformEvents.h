// Translating the backend's input events into the toolkit's terms: modifiers, buttons, user input.
#pragma once

#include <cstdint>

#include "platform/Event.h"
#include "ui/Input.h"
#include "ui/Message.h"

namespace ui {

// The modifier keys and held buttons of platform::kMod* bits.
ShiftState ShiftFromModifiers(uint32_t modifiers);
// The button of a press or release (an event without one counts as the middle button).
MouseButton ButtonOf(const platform::Event& ev);
// A release, a press or (the second press of a double click) a double click.
ButtonAction ActionOf(const platform::Event& ev);
// Input a user gives a form, which a disabled form ignores.
bool IsUserInput(platform::EventType type);

}  // namespace ui
