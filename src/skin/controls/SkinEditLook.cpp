// What the skinned edit and memo share: the record's picture, the frame insets, the text colour, the plain frame.
#include "skin/controls/SkinEditLook.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/controls/SkinDataLink.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinEditRecords.h"
#include "ui/Control.h"

namespace skin {

const gfx::Bitmap* EditPicture(const SkinDataLink& link, const TskDataSkinEditControl* record) {
  if (record == nullptr || link.Data() == nullptr) return nullptr;
  const gfx::Bitmap* pic = link.Data()->ActivePicture24(record->pictureindex);
  return pic == nullptr || pic->IsEmpty() ? nullptr : pic;
}

gfx::Rect EditFrameInsets(const TskDataSkinEditControl& record) {
  const gfx::Rect& c = record.clientrect;
  return {c.left, c.top, std::max(0, record.skinrect.Width() - c.right),
          std::max(0, record.skinrect.Height() - c.bottom)};
}

gfx::Color EditTextColor(const TskDataSkinEditControl* record, bool enabled, bool active, gfx::Color own_color) {
  if (!enabled) return record != nullptr ? record->disabledfontcolor : ui::kColorGrayText;
  if (record == nullptr) return own_color;
  return active ? record->activefontcolor : record->font.fontcolor;
}

void PaintPlainEditFrame(gfx::Canvas& canvas, int width, int height, gfx::Color background) {
  const gfx::Rect whole{0, 0, width, height};
  canvas.FillRect(whole, background);
  canvas.FrameRect(whole, ui::kColorBtnShadow);
  canvas.FrameRect({1, 1, width - 1, height - 1}, ui::kColorBtnFace);
}

}  // namespace skin
