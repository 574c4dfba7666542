// Hit-test codes: what part of a top-level surface lies under a point (client, caption, borders, ...).
#pragma once

#include <cstdint>

namespace platform {

// The classic numeric values, so a window procedure can pass them on unchanged.
enum class HitCode : int32_t {
  kNowhere = 0,  // the point is not on the surface (outside its shape)
  kClient = 1,
  kCaption = 2,  // a press here starts an interactive move
  kLeft = 10,    // kLeft..kBottomRight: a press starts an interactive resize from that edge or corner
  kRight = 11,
  kTop = 12,
  kTopLeft = 13,
  kTopRight = 14,
  kBottom = 15,
  kBottomLeft = 16,
  kBottomRight = 17,
  kObject = 19,  // a frame part the toolkit handles itself (frame buttons, plain frame)
};

// True for the eight edge and corner codes.
constexpr bool IsBorderHit(HitCode code) {
  return static_cast<int32_t>(code) >= static_cast<int32_t>(HitCode::kLeft) &&
         static_cast<int32_t>(code) <= static_cast<int32_t>(HitCode::kBottomRight);
}

// True when a left press at this code starts the window system's move or size loop.
constexpr bool StartsSizeMove(HitCode code) { return code == HitCode::kCaption || IsBorderHit(code); }

// True when the point is in the non-client area: the toolkit turns such mouse input into its
// non-client messages.
constexpr bool IsNonClientHit(HitCode code) { return code != HitCode::kClient && code != HitCode::kNowhere; }

}  // namespace platform
