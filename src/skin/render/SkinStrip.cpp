// One-axis skin strip builders.
#include "skin/render/SkinStrip.h"

#include "skin/render/PieceCopy.h"

namespace skin {

using gfx::Rect;

namespace {

// The columns of source between the two ends.
Rect HorzMiddle(const Rect& s, int32_t left, int32_t right) { return {s.left + left, s.top, s.right - right, s.bottom}; }

}  // namespace

void BuildHorzStrip(gfx::Bitmap& target, int32_t left, int32_t right, int32_t width, const Rect& source,
                    const gfx::Bitmap& pic) {
  const int32_t h = source.Height();
  ResetTarget(target, width, h);
  gfx::Bitmap scratch;
  const gfx::Bitmap& p = As24(pic, scratch);
  if (left > 0) CopyPiece(target, {0, 0, left, h}, p, {source.left, source.top, source.left + left, source.bottom});
  if (right > 0)
    CopyPiece(target, {width - right, 0, width, h}, p, {source.right - right, source.top, source.right, source.bottom});
  CopyPiece(target, {left, 0, width - right, h}, p, HorzMiddle(source, left, right), Fit::kRepeat);
}

void BuildHorzStripLeft(gfx::Bitmap& target, int32_t left, int32_t right, int32_t width, const Rect& source,
                        const gfx::Bitmap& pic) {
  const int32_t h = source.Height();
  ResetTarget(target, width, h);
  gfx::Bitmap scratch;
  const gfx::Bitmap& p = As24(pic, scratch);
  if (left > 0) CopyPiece(target, {0, 0, left, h}, p, {source.left, source.top, source.left + left, source.bottom});
  CopyPiece(target, {left, 0, width, h}, p, HorzMiddle(source, left, right), Fit::kRepeat);
}

void BuildHorzTile(gfx::Bitmap& target, int32_t left, int32_t right, int32_t width, const Rect& source,
                   const gfx::Bitmap& pic) {
  const int32_t h = source.Height();
  ResetTarget(target, width, h);
  gfx::Bitmap scratch;
  CopyPiece(target, {0, 0, width, h}, As24(pic, scratch), HorzMiddle(source, left, right), Fit::kRepeat);
}

void BuildVertStrip(gfx::Bitmap& target, int32_t top, int32_t bottom, int32_t height, const Rect& source,
                    const gfx::Bitmap& pic) {
  const int32_t w = source.Width();
  ResetTarget(target, w, height);
  gfx::Bitmap scratch;
  const gfx::Bitmap& p = As24(pic, scratch);
  if (top > 0) CopyPiece(target, {0, 0, w, top}, p, {source.left, source.top, source.right, source.top + top});
  if (bottom > 0)
    CopyPiece(target, {0, height - bottom, w, height}, p,
              {source.left, source.bottom - bottom, source.right, source.bottom});
  CopyPiece(target, {0, top, w, height - bottom}, p,
            {source.left, source.top + top, source.right, source.bottom - bottom}, Fit::kScale, Fit::kRepeat);
}

}  // namespace skin
