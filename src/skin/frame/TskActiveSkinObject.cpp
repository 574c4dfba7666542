// The live parts of a skinned frame: the object base, what objects need from their frame, user objects.
#include "skin/frame/TskActiveSkinObject.h"

#include "gfx/Canvas.h"
#include "skin/frame/FramePictures.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/SkinGeometry.h"
#include "skin/render/TskEffectBmp.h"

namespace skin {

gfx::Bitmap PieceImage(const gfx::Bitmap* picture, const gfx::Rect& piece, int32_t width, int32_t height) {
  gfx::Bitmap out;
  ResetTarget(out, width, height);
  if (picture == nullptr || picture->IsEmpty() || IsNullRect(piece)) return out;
  gfx::Bitmap scratch;
  CopyPiece(out, {0, 0, width, height}, As24(*picture, scratch), piece);
  return out;
}

TskActiveSkinObject::TskActiveSkinObject(FrameObjectHost& host, const FramePictures* pictures,
                                         const TskDataSkinObject* record)
    : host_(host) {
  if (pictures != nullptr && !pictures->Frame().IsEmpty()) SkinPicture = &pictures->Frame();
  if (record == nullptr) return;
  IDName = record->SectionName();
  hint = record->hint;
  skinrectinapicture = record->skinrectinapicture;
  skinrect = record->skinrect;
  activeskinrect = record->activeskinrect;
  morphing = record->morphing;
  morphkind = record->morphkind;
  if (pictures != nullptr) OwnPicture = pictures->Active(record->activepictureindex);
  // Without its own picture an object has no active look and nothing to fade to.
  if (OwnPicture == nullptr) activeskinrect = {};
  if (IsNullRect(activeskinrect)) morphing = false;
  ObjectRect = skinrect;
}

bool TskActiveSkinObject::MorphInProgress() const {
  return Highlighted ? MorphProgress < 1 : MorphProgress > 0;
}

void TskActiveSkinObject::DrawPiece(gfx::Canvas& canvas, const gfx::Bitmap* picture, const gfx::Rect& piece) const {
  if (picture == nullptr || IsNullRect(piece) || IsNullRect(ObjectRect)) return;
  if (RectWidth(piece) == RectWidth(ObjectRect) && RectHeight(piece) == RectHeight(ObjectRect)) {
    canvas.CopyRect(ObjectRect.TopLeft(), *picture, piece);
    return;
  }
  canvas.StretchDraw(ObjectRect, *picture, piece);
}

void TskActiveSkinObject::DrawMorph(gfx::Canvas& canvas, const gfx::Bitmap* normal_picture, const gfx::Rect& normal,
                                    const gfx::Bitmap* active_picture, const gfx::Rect& active) const {
  const int32_t w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  if (w <= 0 || h <= 0) return;
  TskEffectBmp blend(PieceImage(normal_picture, normal, w, h));
  TskEffectBmp target(PieceImage(active_picture, active, w, h));
  blend.Morph(static_cast<int>(morphkind), target, MorphProgress);
  canvas.Draw(ObjectRect.left, ObjectRect.top, blend.Bitmap());
}

void TskActiveSkinObject::DrawLook(gfx::Canvas& canvas, bool draw_normal, const gfx::Rect& normal,
                                   const gfx::Rect& active) {
  if (morphing && MorphInProgress()) {
    DrawMorph(canvas, NormalPicture(), normal, OwnPicture, active);
    return;
  }
  if (Highlighted && !IsNullRect(active)) {
    DrawPiece(canvas, OwnPicture, active);
    return;
  }
  // The frame picture already shows the normal look of an object cut from it.
  if (!draw_normal && !skinrectinapicture) return;
  DrawPiece(canvas, NormalPicture(), normal);
}

void TskActiveSkinObject::DrawObject(gfx::Canvas& canvas, bool draw_normal) {
  DrawLook(canvas, draw_normal, skinrect, activeskinrect);
}

void TskActiveSkinObject::StartStateChange() {
  if (morphing) {
    host_.StartMorphTimer();
    return;
  }
  host_.RedrawObject(*this);
}

void TskActiveSkinObject::MouseDown(int32_t x, int32_t y, FrameMouseButton button) {
  host_.ObjectMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TskActiveSkinObject::MouseUp(int32_t x, int32_t y, FrameMouseButton button) {
  if (Hovered) host_.ObjectMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TskActiveSkinObject::MouseMove(int32_t x, int32_t y) { host_.ObjectMouseMoveEvent(IDName, x, y, ObjectRect); }

void TskActiveSkinObject::MouseEnter() {
  Hovered = true;
  Highlighted = true;
  if (!IsNullRect(activeskinrect)) StartStateChange();
  host_.ObjectMouseEnterEvent(IDName);
}

void TskActiveSkinObject::MouseLeave() {
  Hovered = false;
  Highlighted = false;
  if (!IsNullRect(activeskinrect)) StartStateChange();
  host_.ObjectMouseLeaveEvent(IDName);
}

void TskUserObject::DrawObject(gfx::Canvas& canvas, bool) { host_.ObjectPaintEvent(IDName, canvas, ObjectRect); }

}  // namespace skin
