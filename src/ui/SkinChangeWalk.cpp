// The walk that tells every control of a tree that the skin is about to change or has changed.
#include "ui/SkinChangeWalk.h"

#include "ui/Message.h"
#include "ui/WinControl.h"

namespace ui {

namespace {

void Visit(Control& c, bool before, const void* sender) {
  if (before) c.SkinMessageBeforeChange(sender);
  else c.SkinMessageChange(sender);
  if (!c.IsWindowed()) return;
  // By index into the live list: a hook that hides or shows controls leaves the list as it is, and
  // one that adds or removes children cannot make the walk read a stale copy.
  const auto& children = static_cast<WinControl&>(c).Controls();
  for (size_t i = 0; i < children.size(); ++i) Visit(*children[i], before, sender);
}

}  // namespace

void WalkSkinChange(Control& root, uint32_t msg, const void* sender) {
  if (msg != kSkinMsgBeforeChange && msg != kSkinMsgChange) return;
  Visit(root, msg == kSkinMsgBeforeChange, sender);
}

}  // namespace ui
