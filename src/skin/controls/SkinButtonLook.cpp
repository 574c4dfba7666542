// What the push and speed buttons share: the record's text and state images, glyph options, the fade.
#include "skin/controls/SkinButtonLook.h"

#include <utility>

#include "skin/data/SkinButtonRecords.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/TskEffectBmp.h"

namespace skin {

void ButtonSkinFields::Copy(const TskDataSkinButtonControl& r) {
  fontname = r.fontname;
  fontheight = r.fontheight;
  fontstyle = r.fontstyle;
  fontcolor = r.fontcolor;
  activefontcolor = r.activefontcolor;
  downfontcolor = r.downfontcolor;
  disabledfontcolor = r.disabledfontcolor;
  activeskinrect = IsNullRect(r.activeskinrect) ? r.skinrect : r.activeskinrect;
  downskinrect = IsNullRect(r.downskinrect) ? activeskinrect : r.downskinrect;
  disabledskinrect = r.disabledskinrect;
  morphing = r.morphing;
  morphkind = r.morphkind;
}

gfx::Color ButtonSkinFields::TextColor(bool enabled, bool down, bool active) const {
  if (!enabled) return disabledfontcolor;
  if (down && active) return downfontcolor;
  if (active) return activefontcolor;
  return fontcolor;
}

bool MorphFade::Tick(bool lit) {
  if (lit && steps_ < kSteps) {
    ++steps_;
    return true;
  }
  if (!lit && steps_ > 0) {
    --steps_;
    return true;
  }
  steps_ = lit ? kSteps : 0;
  return false;
}

void MorphInto(gfx::Bitmap& normal, gfx::Bitmap& active, MorphKind kind, double k) {
  if (normal.GetSize() != active.GetSize()) return;
  TskEffectBmp n(std::move(normal));
  TskEffectBmp a(std::move(active));
  n.Morph(static_cast<int>(kind), a, k);
  normal = n.TakeBitmap();
  // Both pictures keep their memory for the next step.
  active = a.TakeBitmap();
}

}  // namespace skin
