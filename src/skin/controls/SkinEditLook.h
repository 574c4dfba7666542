// What the skinned edit and memo share: the record's picture, the frame insets, the text colour, the plain frame.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"

namespace gfx {
class Bitmap;
class Canvas;
}  // namespace gfx

namespace skin {

class SkinDataLink;
class TskDataSkinEditControl;

// The picture the record's rectangles lie in, or null without a record, a skin or a picture.
const gfx::Bitmap* EditPicture(const SkinDataLink& link, const TskDataSkinEditControl* record);

// How much the record's frame takes from each side: skinrect around clientrect.
gfx::Rect EditFrameInsets(const TskDataSkinEditControl& record);

// The text colour of a state: disabledfontcolor when disabled, activefontcolor while hot or
// focused (`active`), fontcolor otherwise. Without a record the control's own font colour, grey
// when disabled.
gfx::Color EditTextColor(const TskDataSkinEditControl* record, bool enabled, bool active, gfx::Color own_color);

// The frame without a skin: the background inside a shadow line and a face line.
void PaintPlainEditFrame(gfx::Canvas& canvas, int width, int height, gfx::Color background);

}  // namespace skin
