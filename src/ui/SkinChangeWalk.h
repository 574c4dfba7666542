// The walk that tells every control of a tree that the skin is about to change or has changed.
#pragma once

#include <cstdint>

namespace ui {

class Control;

// Calls the hook matching `msg` (SkinMessageBeforeChange for kSkinMsgBeforeChange,
// SkinMessageChange for kSkinMsgChange; other messages do nothing) on `root` and then on every
// control below it, depth-first: each control before its children, children in their parent's
// order. `sender` is the skin data object that changes (null: any). Hooks may hide and show
// controls while the walk runs. A form runs this walk for both messages in its default window
// procedure; a component that takes over a form's window procedure and answers the message itself
// runs it instead.
void WalkSkinChange(Control& root, uint32_t msg, const void* sender);

}  // namespace ui
