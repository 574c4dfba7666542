// Mask scanning and window region building.
#include "skin/render/MaskRegion.h"

#include <cstring>

#include "skin/render/BorderStrips.h"
#include "skin/render/PieceCopy.h"

namespace skin {

namespace {

// Room for this many runs is made at once; longer lists grow.
constexpr size_t kInitialRuns = 10000;

inline bool IsBlack(const uint8_t* p) { return (p[0] | p[1] | p[2]) == 0; }

inline uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// True when some byte of v is 0.
inline bool HasZeroByte(uint64_t v) {
  return ((v - 0x0101010101010101ULL) & ~v & 0x8080808080808080ULL) != 0;
}

void AppendRowRuns(std::vector<gfx::Rect>& runs, const uint8_t* row, int32_t width, int32_t ox, int32_t top) {
  // Long stretches are crossed eight pixels (24 bytes) at a time: outside while none of the three
  // words holds a zero byte (a black pixel needs three), inside while all three are zero.
  int32_t x = 0;
  while (x < width) {
    while (x + 8 <= width) {
      const uint8_t* p = row + static_cast<size_t>(x) * 3;
      if (HasZeroByte(Load64(p)) || HasZeroByte(Load64(p + 8)) || HasZeroByte(Load64(p + 16))) break;
      x += 8;
    }
    while (x < width && !IsBlack(row + static_cast<size_t>(x) * 3)) ++x;
    if (x >= width) return;
    const int32_t x0 = x;
    while (x + 8 <= width) {
      const uint8_t* p = row + static_cast<size_t>(x) * 3;
      if ((Load64(p) | Load64(p + 8) | Load64(p + 16)) != 0) break;
      x += 8;
    }
    while (x < width && IsBlack(row + static_cast<size_t>(x) * 3)) ++x;
    runs.push_back({ox + x0, top, ox + x, top + 1});
  }
}

void PutLe32(uint8_t*& out, uint32_t v) {
  out[0] = static_cast<uint8_t>(v);
  out[1] = static_cast<uint8_t>(v >> 8);
  out[2] = static_cast<uint8_t>(v >> 16);
  out[3] = static_cast<uint8_t>(v >> 24);
  out += 4;
}

void PutRect(uint8_t*& out, const gfx::Rect& r) {
  PutLe32(out, static_cast<uint32_t>(r.left));
  PutLe32(out, static_cast<uint32_t>(r.top));
  PutLe32(out, static_cast<uint32_t>(r.right));
  PutLe32(out, static_cast<uint32_t>(r.bottom));
}

}  // namespace

void AppendMaskRuns(std::vector<gfx::Rect>& runs, const gfx::Bitmap& mask24, int32_t ox, int32_t oy) {
  for (int32_t y = 0; y < mask24.Height(); ++y) AppendRowRuns(runs, mask24.Row(y), mask24.Width(), ox, oy + y);
}

std::vector<uint8_t> MaskRegionData::ToBytes() const {
  std::vector<uint8_t> block(ByteSize());
  uint8_t* out = block.data();
  PutLe32(out, 32);
  PutLe32(out, 1);
  PutLe32(out, static_cast<uint32_t>(rects.size()));
  PutLe32(out, 0);
  PutRect(out, bounds);
  for (const gfx::Rect& r : rects) PutRect(out, r);
  return block;
}

gfx::Region MaskRegionData::ToRegion() const { return gfx::Region::FromRects(rects.data(), rects.size()); }

std::optional<MaskRegionData> RegionDataFromMask(const gfx::Bitmap& mask, int32_t ox, int32_t oy) {
  if (mask.IsEmpty()) return std::nullopt;
  gfx::Bitmap scratch;
  const gfx::Bitmap& m = As24(mask, scratch);
  MaskRegionData data;
  data.bounds = gfx::Rect::FromSize(ox, oy, m.Width(), m.Height());
  data.rects.reserve(kInitialRuns);
  AppendMaskRuns(data.rects, m, ox, oy);
  return data;
}

std::optional<gfx::Region> RegionFromMask(const gfx::Bitmap& mask) {
  std::optional<MaskRegionData> data = RegionDataFromMask(mask, 0, 0);
  if (!data) return std::nullopt;
  return data->ToRegion();
}

std::optional<gfx::Region> RegionForSize(const gfx::Bitmap& mask, const MaskSource& src, const SkinTarget& dst) {
  if (mask.IsEmpty() || dst.rt.x < dst.lt.x || dst.lb.y < dst.lt.y) return std::nullopt;
  if (IsNullRect(dst.client)) return std::nullopt;
  BorderStrips strips;
  BuildMaskBorders(strips, mask, src, dst);
  // The client rectangle and the runs of all four strips go into one list, which the region
  // sorts and merges in a single pass.
  std::vector<gfx::Rect> rects;
  rects.reserve(kInitialRuns);
  rects.push_back(dst.client);
  AppendMaskRuns(rects, strips.top, 0, 0);
  AppendMaskRuns(rects, strips.bottom, 0, dst.client.bottom);
  AppendMaskRuns(rects, strips.left, 0, dst.client.top);
  AppendMaskRuns(rects, strips.right, dst.client.right, dst.client.top);
  return gfx::Region::FromRects(rects.data(), rects.size());
}

}  // namespace skin
