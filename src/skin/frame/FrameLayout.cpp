// Placing the objects of a skinned frame for the current window size.
#include "skin/frame/FrameLayout.h"

#include "skin/frame/FrameGeometry.h"
#include "skin/frame/TskSkinButtonObject.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/render/SkinGeometry.h"

namespace skin {

namespace {

constexpr SkinCommand kRowOrder[] = {SkinCommand::cmclose, SkinCommand::cmmaximize, SkinCommand::cmminimize,
                                     SkinCommand::cmrollup, SkinCommand::cmminimizetotray};

// The command of a std button or animate object; false for other objects.
bool CommandOf(const TskActiveSkinObject* o, SkinCommand& command) {
  switch (o->GetKind()) {
    case TskActiveSkinObject::Kind::kStdButton:
      command = static_cast<const TskSkinStdButtonObject*>(o)->command;
      return true;
    case TskActiveSkinObject::Kind::kAnimate:
      command = static_cast<const TskSkinAnimateObject*>(o)->command;
      return true;
    default:
      return false;
  }
}

bool InRow(const TskActiveSkinObject* o) { return o->skinrectinapicture && o->IsVisible; }

}  // namespace

void LayoutFrameObjects(const std::vector<TskActiveSkinObject*>& objects, const FrameGeometry& g,
                        const SkinFrameInfo& info) {
  for (TskActiveSkinObject* o : objects) {
    if (!o->skinrectinapicture) o->ObjectRect = MapSkinRect(g, info, o->skinrect);
  }
  const bool in_buttons = !IsNullRect(g.buttons);
  if (!in_buttons && IsNullRect(g.caption)) return;
  const gfx::Rect row = in_buttons ? g.buttons : g.caption;

  // The row's objects in placing order: one per frame command, then the application's own.
  std::vector<TskActiveSkinObject*> placed;
  for (SkinCommand wanted : kRowOrder) {
    for (TskActiveSkinObject* o : objects) {
      SkinCommand command;
      if (InRow(o) && CommandOf(o, command) && command == wanted) {
        placed.push_back(o);
        break;
      }
    }
  }
  for (TskActiveSkinObject* o : objects) {
    SkinCommand command;
    if (InRow(o) && CommandOf(o, command) && command == SkinCommand::cmdefault) placed.push_back(o);
  }
  TskActiveSkinObject* sysmenu = nullptr;
  for (TskActiveSkinObject* o : objects) {
    SkinCommand command;
    if (InRow(o) && CommandOf(o, command) && command == SkinCommand::cmsysmenu) {
      sysmenu = o;
      break;
    }
  }
  TskActiveSkinObject* caption = nullptr;
  for (TskActiveSkinObject* o : objects) {
    if (o->GetKind() == TskActiveSkinObject::Kind::kCaption) {
      caption = o;
      break;
    }
  }

  if (!g.buttons_in_left) {
    int32_t x = row.right;
    for (TskActiveSkinObject* o : placed) {
      const int32_t w = RectWidth(o->skinrect);
      o->ObjectRect = gfx::Rect::FromSize(x - w, row.top, w, RectHeight(o->skinrect));
      x -= w + g.buttons_offset;
    }
    if (!in_buttons && caption != nullptr) caption->ObjectRect.right = x + g.buttons_offset;
    if (sysmenu != nullptr && !IsNullRect(g.caption)) {
      const int32_t h = RectHeight(sysmenu->skinrect);
      const int32_t top = g.caption.top + RectHeight(g.caption) / 2 - h / 2;
      sysmenu->ObjectRect = gfx::Rect::FromSize(g.caption.left, top, RectWidth(sysmenu->skinrect), h);
      if (caption != nullptr) caption->ObjectRect.left = sysmenu->ObjectRect.right;
    }
    return;
  }
  int32_t x = row.left;
  if (!in_buttons && sysmenu != nullptr) placed.push_back(sysmenu);
  for (TskActiveSkinObject* o : placed) {
    const int32_t w = RectWidth(o->skinrect);
    o->ObjectRect = gfx::Rect::FromSize(x, row.top, w, RectHeight(o->skinrect));
    x += w + g.buttons_offset;
  }
  if (!in_buttons && caption != nullptr) caption->ObjectRect.left = x + g.buttons_offset;
}

}  // namespace skin
