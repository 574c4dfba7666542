// The row-pointer picture.
#include "skin/render/TskFBitmap.h"

namespace skin {

TskFBitmap::TskFBitmap(const gfx::Bitmap& source) : bitmap_(source.ToBgr24()) { MakeRows(); }

TskFBitmap::TskFBitmap(int32_t width, int32_t height) : bitmap_(width, height, 24) { MakeRows(); }

void TskFBitmap::MakeRows() {
  rows_.resize(static_cast<size_t>(bitmap_.Height()));
  for (int32_t y = 0; y < bitmap_.Height(); ++y) rows_[static_cast<size_t>(y)] = bitmap_.Row(y);
}

}  // namespace skin
