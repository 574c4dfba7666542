// The walk that tells every control of a tree that the skin is about to change or has changed.
#include "ui/SkinChangeWalk.h"

#include "ui/Message.h"
#include "ui/Control.h"

namespace ui {

namespace {

void Visit(Control& c, bool before, const void* sender) {
  if (before) c.SkinMessageBeforeChange(sender);
  else c.SkinMessageChange(sender);
  // Hooks that hide or show controls leave the child lists as they are; ForEachChild copes with
  // one that adds or removes children too.
  c.ForEachChild([&](Control& child) { Visit(child, before, sender); });
}

}  // namespace

void WalkSkinChange(Control& root, uint32_t msg, const void* sender) {
  if (msg != kSkinMsgBeforeChange && msg != kSkinMsgChange) return;
  Visit(root, msg == kSkinMsgBeforeChange, sender);
}

}  // namespace ui
