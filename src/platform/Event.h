// Platform-neutral input and window events as the backend's event queue delivers them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Geometry.h"
#include "platform/HitCode.h"
#include "platform/KeyCodes.h"

namespace platform {

// Names one top-level surface for as long as it exists; ids are never reused within a process.
using SurfaceId = uint32_t;
inline constexpr SurfaceId kNoSurface = 0;

enum class EventType : uint8_t {
  kMouseMove,   // screen, local, hit, modifiers
  kMouseDown,   // + button, click_count (2 for the second press of a double click)
  kMouseUp,     // + button
  kMouseWheel,  // + wheel_delta; goes to the surface under the cursor (or the capture)
  kMouseLeave,  // the cursor left the surface (not sent while the surface holds the capture)
  kKeyDown,     // key, modifiers, repeat; to the surface with the keyboard focus
  kKeyUp,
  kTextInput,    // text: committed UTF-8 text (typed characters or an input method's result)
  kTextEditing,  // text: the input method's composition so far, edit_cursor inside it (bytes)
  kFocusIn,      // the surface got the keyboard focus
  kFocusOut,
  kActivate,  // the surface became the active top-level surface (popups never do)
  kDeactivate,
  kCloseRequest,  // the user or the window system asks the surface to close; nothing is closed yet
  kDropFiles,     // files: UTF-8 paths dropped on the surface at screen / local
  kExpose,        // rect (surface coordinates) must be presented again
  kMoved,         // rect: the new outer bounds (screen coordinates)
  kResized,       // rect: the new outer bounds; the surface's frame buffer must be re-made (also
                  // sent when only the window system's frame, and so the client area, changed)
  kMinimized,
  kRestored,
  kSizeMoveBegin,  // an interactive move (hit kCaption) or resize (a border code) started
  kSizeMoveEnd,    // ... and ended; rect: the final outer bounds
  kCaptureLost,    // the mouse capture was taken away (another capture, or the window system)
  kWake,           // Backend::Wake was called (several calls may give one event)
  kQuit,           // the session asks the whole program to end
};

enum class MouseButton : uint8_t { kNone, kLeft, kRight, kMiddle };

// Modifier and button state bits of Event::modifiers.
inline constexpr uint32_t kModShift = 1u << 0;
inline constexpr uint32_t kModControl = 1u << 1;
inline constexpr uint32_t kModAlt = 1u << 2;
inline constexpr uint32_t kModLeftButton = 1u << 3;
inline constexpr uint32_t kModRightButton = 1u << 4;
inline constexpr uint32_t kModMiddleButton = 1u << 5;

// One event; which fields are meaningful depends on the type (see EventType).
//
// Coordinates: `screen` is in screen pixels (the primary monitor's top-left is 0, 0). `local` is in
// surface coordinates: relative to the top-left of the surface's frame buffer, which is the outer
// top-left for an undecorated surface and the client top-left for a decorated one (Surface::ClientRect).
// While a surface holds the mouse capture, `local` may lie outside it or be negative.
struct Event {
  EventType type = EventType::kWake;
  SurfaceId surface = kNoSurface;  // the target; kNoSurface for kWake and kQuit
  gfx::Point screen;
  gfx::Point local;
  // Mouse events: what the surface's hit test answered at the point (kClient without a hit test).
  // A left press on kCaption or a border code is followed by kSizeMoveBegin; no kMouseUp follows
  // that press, because the window system's move/size loop consumes the release. The second press
  // of a double click starts no loop (and is followed by its kMouseUp), except under a window
  // manager that is handed every frame press: there a loop that moves nothing follows it as well.
  HitCode hit = HitCode::kClient;
  MouseButton button = MouseButton::kNone;
  int32_t click_count = 0;  // 1, or 2 for the press that completes a double click
  int32_t wheel_delta = 0;  // 120 per notch; positive means away from the user (scroll up)
  uint32_t modifiers = 0;   // kMod* bits at the time of the event
  KeyCode key = kVkNone;
  bool repeat = false;      // kKeyDown from auto-repeat
  std::string text;         // kTextInput, kTextEditing
  int32_t edit_cursor = 0;  // kTextEditing
  std::vector<std::string> files;  // kDropFiles
  gfx::Rect rect;                  // kExpose, kMoved, kResized, kSizeMoveEnd
};

// The modifier bit that says a mouse button is held (0 for none).
constexpr uint32_t ModifierBit(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft: return kModLeftButton;
    case MouseButton::kRight: return kModRightButton;
    case MouseButton::kMiddle: return kModMiddleButton;
    case MouseButton::kNone: break;
  }
  return 0;
}

// The events a change of the active surface posts: deactivate and focus-out for the old one,
// then activate and focus-in for the new one (either may be kNoSurface).
std::vector<Event> ActivationChangeEvents(SurfaceId old_active, SurfaceId new_active);

}  // namespace platform
