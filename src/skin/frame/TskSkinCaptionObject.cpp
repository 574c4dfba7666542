// The caption of a skinned frame: the window title on its own background, active or inactive.
#include "skin/frame/TskSkinCaptionObject.h"

#include <algorithm>

#include "gfx/Canvas.h"
#include "skin/data/SkinData.h"
#include "skin/frame/FramePictures.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/SkinStrip.h"
#include "skin/render/SkinText.h"
#include "skin/render/TskEffectBmp.h"

namespace skin {

namespace {

gfx::Font CaptionFont(const std::string& name, int32_t height, FontStyles style, gfx::Color color) {
  gfx::FontStyle s = gfx::kFontRegular;
  if (style.bold) s = s | gfx::kFontBold;
  if (style.italic) s = s | gfx::kFontItalic;
  if (style.underline) s = s | gfx::kFontUnderline;
  if (style.strikeout) s = s | gfx::kFontStrikeOut;
  return gfx::Font(name, height, s, color);
}

}  // namespace

TskSkinCaptionObject::TskSkinCaptionObject(FrameObjectHost& host, const FramePictures* pictures,
                                           const TskDataSkinCaption* record)
    : TskActiveSkinObject(host, pictures, record) {
  if (record == nullptr) return;
  if (pictures != nullptr && pictures->Info() != nullptr) {
    const SkinFrameInfo& info = *pictures->Info();
    autorenderinginactiveimage = info.autorenderinginactiveimage;
    inactiveeffect = info.inactiveeffect;
    const int32_t width = RectWidth(record->skinrect);
    FixedLeft = std::clamp(info.lefttoppoint.x - record->skinrect.left, 0, std::max(width, 0));
    FixedRight = std::clamp(record->skinrect.right - info.righttoppoint.x, 0, std::max(width - FixedLeft, 0));
  }
  fontname = record->font.fontname;
  fontheight = record->font.fontheight;
  fontstyle = record->font.fontstyle;
  fontcolor = record->font.fontcolor;
  activefontcolor = record->activefontcolor;
  shadow = record->shadow;
  shadowcolor = record->shadowcolor;
  activeshadowcolor = record->activeshadowcolor;
  alignment = record->alignment;
  textrect = record->textrect;
  framerect = record->framerect;
  activeframerect = record->activeframerect;
  frametextrect = record->frametextrect;
  frameleftoffset = record->frameleftoffset;
  framerightoffset = record->framerightoffset;
}

gfx::Rect TskSkinCaptionObject::TextRect() const {
  gfx::Rect t = textrect;
  // The text area grows with the object.
  if (!IsNullRect(textrect)) t.right = RectWidth(ObjectRect) + textrect.right - RectWidth(skinrect);
  if (!IsNullRect(framerect)) {
    t.left += frametextrect.left;
    t.top += frametextrect.top;
    t.right += frametextrect.right - RectWidth(framerect);
  }
  return t;
}

void TskSkinCaptionObject::DrawText(gfx::Canvas& canvas, gfx::Point origin, bool active) const {
  const std::string caption = host_.CaptionText();
  if (caption.empty() || IsNullRect(textrect)) return;
  const gfx::Rect t = TextRect().Offset(origin.x, origin.y);
  gfx::CanvasSaver saver(canvas);
  canvas.SetFont(CaptionFont(fontname, fontheight, fontstyle, active ? activefontcolor : fontcolor));
  canvas.Brush().style = gfx::BrushStyle::kClear;
  const std::string text = FitTextWithEllipsis(canvas, caption, RectWidth(t));
  const int32_t tw = canvas.TextWidth(text);
  const int32_t th = canvas.TextHeight(text);
  const int32_t y = t.top + RectHeight(t) / 2 - th / 2;
  int32_t x = t.left;
  if (alignment == Alignment::tarightjustify) x = t.right - tw;
  if (alignment == Alignment::tacenter) x = t.left + RectWidth(t) / 2 - tw / 2;
  if (!IsNullRect(framerect)) {
    // The text's own frame, a strip as wide as the text needs.
    const gfx::Rect& source = active && !IsNullRect(activeframerect) ? activeframerect : framerect;
    if (OwnPicture != nullptr) {
      gfx::Bitmap strip;
      gfx::Bitmap scratch;
      BuildHorzStrip(strip, frameleftoffset, framerightoffset,
                     RectWidth(framerect) + tw - RectWidth(frametextrect), source, As24(*OwnPicture, scratch));
      canvas.Draw(x - frametextrect.left, y - frametextrect.top, strip);
    }
  }
  if (shadow) {
    canvas.Font().SetColor(active ? activeshadowcolor : shadowcolor);
    canvas.TextOut(x + 1, y + 1, text);
    canvas.Font().SetColor(active ? activefontcolor : fontcolor);
  }
  canvas.TextOut(x, y, text);
}

gfx::Bitmap TskSkinCaptionObject::LookImage(bool active) const {
  const int32_t w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  gfx::Bitmap image;
  ResetTarget(image, w, h);
  const gfx::Bitmap* picture = active ? OwnPicture : SkinPicture;
  const gfx::Rect& source = active ? activeskinrect : skinrect;
  if (picture != nullptr && !picture->IsEmpty() && !IsNullRect(source) && w > 0 && h > 0) {
    gfx::Bitmap scratch;
    const gfx::Bitmap& pic = As24(*picture, scratch);
    // Fixed ends from the frame's corner points, the band between them tiled across the image.
    const int32_t left = FixedLeft, right = FixedRight;
    if (left != 0 || right != 0) {
      const gfx::Rect band{source.left + left, source.top, source.right - right, source.bottom};
      if (!IsNullRect(band)) CopyPiece(image, {0, 0, w, h}, pic, band, Fit::kRepeat, Fit::kScale);
      CopyPiece(image, {0, 0, left, h}, pic, {source.left, source.top, source.left + left, source.bottom});
      CopyPiece(image, {w - right, 0, w, h}, pic, {source.right - right, source.top, source.right, source.bottom});
    } else {
      CopyPiece(image, {0, 0, w, h}, pic, source);
    }
  }
  gfx::Canvas canvas(image);
  DrawText(canvas, {0, 0}, active);
  return image;
}

void TskSkinCaptionObject::DrawObject(gfx::Canvas& canvas, bool) {
  const bool form_active = host_.IsFormActive();
  auto inactive = [&](TskEffectBmp& image) {
    if (!form_active && autorenderinginactiveimage) image.ApplyInactiveEffect(static_cast<int>(inactiveeffect));
  };
  if (morphing && MorphInProgress()) {
    TskEffectBmp blend(LookImage(false));
    TskEffectBmp active(LookImage(true));
    blend.Morph(static_cast<int>(morphkind), active, MorphProgress);
    inactive(blend);
    canvas.Draw(ObjectRect.left, ObjectRect.top, blend.Bitmap());
    return;
  }
  if (IsNullRect(activeskinrect) || (!Highlighted && !morphing)) {
    // The frame shows the background; only the text is drawn.
    DrawText(canvas, ObjectRect.TopLeft(), Highlighted);
    return;
  }
  if (Highlighted) {
    canvas.Draw(ObjectRect.left, ObjectRect.top, LookImage(true));
    return;
  }
  TskEffectBmp normal(LookImage(false));
  inactive(normal);
  canvas.Draw(ObjectRect.left, ObjectRect.top, normal.Bitmap());
}

void TskSkinCaptionObject::MouseDown(int32_t x, int32_t y, FrameMouseButton button) {
  host_.ObjectMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TskSkinCaptionObject::MouseUp(int32_t x, int32_t y, FrameMouseButton button) {
  host_.ObjectMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TskSkinCaptionObject::MouseEnter() {
  Hovered = true;
  host_.ObjectMouseEnterEvent(IDName);
}

void TskSkinCaptionObject::MouseLeave() {
  Hovered = false;
  host_.ObjectMouseLeaveEvent(IDName);
}

}  // namespace skin
