// Bitmap file decoding: every header version, palette, bit-field and run-length variant.
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <string>

#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "gfx/ImageError.h"

namespace gfx {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

// Compression codes of the info header. OS/2 2.x headers reuse 3 and 4 for other schemes.
enum Compression : uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitfields = 3,
  kJpeg = 4,
  kPng = 5,
  kAlphaBitfields = 6,
};

[[noreturn]] void Fail(const std::string& reason) { throw ImageError(reason); }

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// What the headers say, reduced to what decoding needs.
struct Layout {
  size_t limit = 0;             // bytes of the buffer that belong to this file
  bool standalone = true;       // the limit is the buffer's end rather than the total size
  uint32_t data_offset = 0;     // where the pixels start
  uint32_t header_size = 0;
  bool core = false;            // 12-byte header: 16-bit sizes, 3-byte palette entries
  bool os2 = false;             // OS/2 2.x header: compression 3 and 4 mean Huffman and RLE24
  int64_t width = 0;
  int64_t height = 0;           // always positive; see top_down
  bool top_down = false;
  int bits = 0;
  int planes = 1;
  uint32_t compression = kRgb;
  uint32_t colors_used = 0;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  size_t headers_end = 0;       // end of the headers and of the masks that follow an info header
};

[[noreturn]] void FailMissingPixels(const Layout& l) {
  if (l.standalone) Fail("位图文件不完整：缺少像素数据");
  Fail("位图文件头中的总大小 " + std::to_string(l.limit) + " 字节容不下它的像素数据");
}

// A channel of a bit-field pixel and its scaling to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int width = 0;

  explicit Channel(uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    width = std::popcount(m);
  }

  // Up to 8 bits the value's bits are repeated down to the low end (0 stays 0, the maximum
  // becomes 255, the usual expansion of 5 and 6-bit channels); wider channels are rounded to the
  // nearest 8-bit value.
  uint8_t Scale(uint32_t pixel) const {
    uint32_t v = (pixel & mask) >> shift;
    if (width == 8) return static_cast<uint8_t>(v);
    if (width > 8) {
      uint64_t max = (uint64_t{1} << width) - 1;
      return static_cast<uint8_t>((v * uint64_t{255} + max / 2) / max);
    }
    uint32_t out = 0;
    for (int s = 8 - width; s > -width; s -= width) out |= s >= 0 ? v << s : v >> -s;
    return static_cast<uint8_t>(out);
  }
};

bool IsContiguous(uint32_t mask) {
  if (mask == 0) return false;
  uint32_t low = mask >> std::countr_zero(mask);
  return (low & (low + 1)) == 0;
}

Layout ReadLayout(std::span<const uint8_t> data, bool standalone) {
  Layout l;
  if (data.size() < 2 || data[0] != 'B' || data[1] != 'M') Fail("不是位图文件（缺少 BM 标记）");
  if (data.size() < kFileHeaderSize + 4) Fail("位图文件不完整：文件头被截断");
  const uint8_t* p = data.data();
  uint32_t total = U32(p + 2);
  l.data_offset = U32(p + 10);
  l.header_size = U32(p + 14);

  l.limit = data.size();
  l.standalone = standalone;
  if (!standalone) {
    if (total > data.size())
      Fail("位图文件不完整：文件头给出的总大小为 " + std::to_string(total) + " 字节，但只有 " +
           std::to_string(data.size()) + " 字节");
    if (total < kFileHeaderSize + 4) Fail("位图文件头中的总大小无效: " + std::to_string(total));
    l.limit = total;
  }

  uint32_t hs = l.header_size;
  bool known = hs == kCoreHeaderSize || (hs >= 16 && hs <= 64) || hs == 108 || hs == 124;
  if (!known) Fail("不支持的位图信息头大小: " + std::to_string(hs));
  if (kFileHeaderSize + hs > l.limit) Fail("位图文件不完整：信息头被截断");
  const uint8_t* h = p + kFileHeaderSize;
  l.core = hs == kCoreHeaderSize;
  l.os2 = hs != kCoreHeaderSize && hs != kInfoHeaderSize && hs != 52 && hs != 56 && hs < 108;

  if (l.core) {
    l.width = U16(h + 4);
    l.height = U16(h + 6);
    l.planes = U16(h + 8);
    l.bits = U16(h + 10);
  } else {
    // OS/2 2.x headers may stop after any field; the missing ones are zero.
    auto field = [&](uint32_t at) -> uint32_t { return at + 4 <= hs ? U32(h + at) : 0; };
    l.width = static_cast<int32_t>(U32(h + 4));
    int32_t height = static_cast<int32_t>(U32(h + 8));
    l.planes = U16(h + 12);
    l.bits = U16(h + 14);
    l.compression = field(16);
    l.colors_used = field(32);
    if (height < 0) {
      l.top_down = true;
      l.height = -static_cast<int64_t>(height);
    } else {
      l.height = height;
    }
    if (hs >= 52) {
      for (int i = 0; i < 3; ++i) l.masks[i] = U32(h + 40 + 4 * i);
      if (hs >= 56) l.masks[3] = U32(h + 52);
    }
  }
  l.headers_end = kFileHeaderSize + hs;

  if (l.os2 && l.compression == kBitfields) Fail("不支持的位图压缩方式: OS/2 Huffman 1D");
  if (l.os2 && l.compression == kJpeg && l.bits != 24)
    Fail("不支持的位图压缩方式: OS/2 RLE24 需要 24 位像素");
  if (!l.os2 && l.compression == kJpeg) Fail("不支持内嵌 JPEG 图像的位图文件");
  if (l.compression == kPng) Fail("不支持内嵌 PNG 图像的位图文件");
  bool bitfields = !l.os2 && (l.compression == kBitfields || l.compression == kAlphaBitfields);
  if (bitfields && hs == kInfoHeaderSize) {
    // The info header is followed by the masks: three, or four with the alpha one.
    size_t count = l.compression == kAlphaBitfields ? 4 : 3;
    if (l.headers_end + 4 * count > l.limit) Fail("位图文件不完整：颜色位域被截断");
    for (size_t i = 0; i < count; ++i) l.masks[i] = U32(p + l.headers_end + 4 * i);
    l.headers_end += 4 * count;
  }
  if (l.compression > kAlphaBitfields || (l.os2 && l.compression > kJpeg))
    Fail("不支持的位图压缩方式: " + std::to_string(l.compression));

  if (l.width < 0) Fail("位图宽度无效: " + std::to_string(l.width));
  // The format has one colour plane; other counts come from damaged or foreign files.
  if (l.planes != 1) Fail("位图平面数无效: " + std::to_string(l.planes) + "（应为 1）");
  switch (l.bits) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: Fail("不支持的位图颜色深度: " + std::to_string(l.bits));
  }
  bool ok = true;
  switch (l.compression) {
    case kRle8: ok = l.bits == 8; break;
    case kRle4: ok = l.bits == 4; break;
    case kJpeg: ok = l.bits == 24; break;  // OS/2 RLE24, checked above
    case kBitfields:
    case kAlphaBitfields: ok = l.bits == 16 || l.bits == 32; break;
    default: break;
  }
  if (!ok)
    Fail("位图压缩方式 " + std::to_string(l.compression) + " 与颜色深度 " +
         std::to_string(l.bits) + " 不相容");
  // Run-length rows are defined bottom-up only: a top-down file's runs and moves have no meaning.
  bool rle = l.compression == kRle8 || l.compression == kRle4 || (l.os2 && l.compression == kJpeg);
  if (rle && l.top_down) Fail("RLE 压缩的位图不能自上而下存储（高度为负）");
  if (!Bitmap::IsAllowedSize(l.width, l.height))
    Fail("位图尺寸过大: " + std::to_string(l.width) + " x " + std::to_string(l.height));
  if (l.data_offset < l.headers_end)
    Fail("位图像素数据的位置无效: " + std::to_string(l.data_offset));
  if (l.data_offset > l.limit) FailMissingPixels(l);
  return l;
}

// Bit fields of a 16 or 32-bit picture: the given masks, or the defaults without them.
void ResolveMasks(Layout& l) {
  bool bitfields = !l.os2 && (l.compression == kBitfields || l.compression == kAlphaBitfields);
  if (!bitfields) {
    if (l.bits == 16) {
      l.masks[0] = 0x7C00, l.masks[1] = 0x03E0, l.masks[2] = 0x001F;
    } else {
      l.masks[0] = 0xFF0000, l.masks[1] = 0x00FF00, l.masks[2] = 0x0000FF;
    }
    l.masks[3] = 0;
    return;
  }
  uint32_t allowed = l.bits == 16 ? 0xFFFFu : 0xFFFFFFFFu;
  uint32_t seen = 0;
  for (int i = 0; i < 3; ++i) {
    uint32_t m = l.masks[i];
    if (!IsContiguous(m) || (m & ~allowed) != 0 || (m & seen) != 0) {
      char text[96];
      std::snprintf(text, sizeof text, "位图颜色位域无效: 红 0x%X, 绿 0x%X, 蓝 0x%X", l.masks[0],
                    l.masks[1], l.masks[2]);
      Fail(text);
    }
    seen |= m;
  }
}

std::vector<Color> ReadPalette(std::span<const uint8_t> data, const Layout& l) {
  size_t entry = l.core ? 3 : 4;
  size_t most = size_t{1} << l.bits;
  size_t space = (l.data_offset - l.headers_end) / entry;  // the palette ends where pixels start
  size_t count = std::min(most, space);
  if (!l.core && l.colors_used != 0) {
    if (l.colors_used > most && l.colors_used > space)
      Fail("位图调色板的颜色数无效: " + std::to_string(l.colors_used));
    count = std::min<size_t>(count, l.colors_used);
  }
  if (count == 0) Fail("位图文件缺少调色板");
  std::vector<Color> palette(count);
  const uint8_t* p = data.data() + l.headers_end;
  for (size_t i = 0; i < count; ++i, p += entry) palette[i] = Rgb(p[2], p[1], p[0]);
  return palette;
}

size_t FileStride(int64_t width, int bits) {
  return static_cast<size_t>((static_cast<uint64_t>(width) * bits + 31) / 32 * 4);
}

// Output row for the n-th row of the file.
int32_t RowOf(const Layout& l, int64_t n) {
  return static_cast<int32_t>(l.top_down ? n : l.height - 1 - n);
}

// Uncompressed rows. Only the bytes that hold pixels must be present in the last row: some writers
// leave out its padding.
const uint8_t* CheckRows(std::span<const uint8_t> data, const Layout& l, size_t stride) {
  uint64_t used = (static_cast<uint64_t>(l.width) * l.bits + 7) / 8;
  uint64_t need = static_cast<uint64_t>(stride) * static_cast<uint64_t>(l.height - 1) + used;
  if (l.data_offset + need > l.limit) FailMissingPixels(l);
  return data.data() + l.data_offset;
}

Bitmap DecodeIndexed(std::span<const uint8_t> data, const Layout& l, RowProgress* progress) {
  std::vector<Color> palette = ReadPalette(data, l);
  size_t stride = FileStride(l.width, l.bits);
  const uint8_t* src = CheckRows(data, l, stride);
  int out_bits = l.bits == 2 ? 4 : l.bits;
  Bitmap out(static_cast<int32_t>(l.width), static_cast<int32_t>(l.height), out_bits);
  out.SetPalette(std::move(palette));
  size_t used_bits = static_cast<size_t>(l.width) * l.bits;
  for (int64_t n = 0; n < l.height; ++n, src += stride) {
    ReportRows(progress, n, l.height);
    uint8_t* dst = out.Row(RowOf(l, n));
    if (l.bits == 2) {
      for (int64_t x = 0; x < l.width; ++x) {
        uint8_t index = (src[x >> 2] >> (6 - 2 * (x & 3))) & 3;
        dst[x >> 1] |= static_cast<uint8_t>(x & 1 ? index : index << 4);
      }
      continue;
    }
    std::memcpy(dst, src, (used_bits + 7) / 8);
    if (used_bits % 8) dst[used_bits / 8] &= static_cast<uint8_t>(0xFF << (8 - used_bits % 8));
  }
  return out;
}

Bitmap DecodeDirect(std::span<const uint8_t> data, Layout& l, RowProgress* progress) {
  size_t stride = FileStride(l.width, l.bits);
  if (l.bits == 24) {
    const uint8_t* src = CheckRows(data, l, stride);
    Bitmap out(static_cast<int32_t>(l.width), static_cast<int32_t>(l.height), 24);
    for (int64_t n = 0; n < l.height; ++n, src += stride) {
      ReportRows(progress, n, l.height);
      std::memcpy(out.Row(RowOf(l, n)), src, static_cast<size_t>(l.width) * 3);
    }
    return out;
  }
  ResolveMasks(l);
  const uint8_t* src = CheckRows(data, l, stride);
  bool plain = l.bits == 16 ? l.masks[0] == 0x7C00 && l.masks[1] == 0x03E0 && l.masks[2] == 0x001F
                            : l.masks[0] == 0xFF0000 && l.masks[1] == 0xFF00 && l.masks[2] == 0xFF;
  if (plain) {
    Bitmap out(static_cast<int32_t>(l.width), static_cast<int32_t>(l.height), l.bits);
    size_t used = static_cast<size_t>(l.width) * (l.bits / 8);
    for (int64_t n = 0; n < l.height; ++n, src += stride) {
      ReportRows(progress, n, l.height);
      std::memcpy(out.Row(RowOf(l, n)), src, used);
    }
    return out;
  }
  Channel red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]);
  Bitmap out(static_cast<int32_t>(l.width), static_cast<int32_t>(l.height), 24);
  for (int64_t n = 0; n < l.height; ++n, src += stride) {
    ReportRows(progress, n, l.height);
    uint8_t* dst = out.Row(RowOf(l, n));
    for (int64_t x = 0; x < l.width; ++x, dst += 3) {
      uint32_t v = l.bits == 16 ? U16(src + 2 * x) : U32(src + 4 * x);
      dst[0] = blue.Scale(v);
      dst[1] = green.Scale(v);
      dst[2] = red.Scale(v);
    }
  }
  return out;
}

// Run-length streams: pairs (count, value) and escapes 0-0 end of line, 0-1 end of picture,
// 0-2-dx-dy move, 0-n n literal pixels padded to an even byte count. Rows are counted in file
// order. Some writers encode each row at its stored width, padding included, so their last run
// passes the row's end by the pixels that fill the row to four bytes: those pixels are dropped.
// A run or move that goes further, or leaves the picture downwards, is refused rather than
// clipped: such a stream is damaged, and what it meant to draw is unknown. Without an output
// picture the stream is only checked, so that a damaged one is refused before a large picture is
// allocated for it.
class RleDecoder {
 public:
  RleDecoder(std::span<const uint8_t> data, const Layout& l, Bitmap* out, RowProgress* progress = nullptr)
      : src_(data.data() + l.data_offset),
        end_(data.data() + l.limit),
        layout_(l),
        out_(out),
        progress_(progress),
        width_(l.width),
        stored_width_(StoredRowPixels(l)),
        height_(l.height) {}

  void Run() {
    while (end_ - src_ >= 2) {
      uint8_t count = *src_++;
      if (count > 0) {
        Repeat(count);
        continue;
      }
      uint8_t code = *src_++;
      switch (code) {
        case 0:
          x_ = 0;
          ++y_;
          ReportRows(progress_, y_, height_);
          continue;
        case 1: return;
        case 2: {
          Need(2);
          int64_t x = x_ + src_[0];
          int64_t y = y_ + src_[1];
          src_ += 2;
          if (x > stored_width_ || y > height_ || (y == height_ && x > 0))
            Fail("位图 RLE 压缩数据越出了图片范围");
          x_ = x;
          y_ = y;
          continue;
        }
        default: Literal(code);
      }
    }
    // A stream without its end mark is accepted only when it has reached the last pixel.
    if (y_ < height_ && !(y_ == height_ - 1 && x_ >= width_)) Fail("位图 RLE 压缩数据不完整");
  }

 private:
  void Need(size_t bytes) {
    if (static_cast<size_t>(end_ - src_) < bytes) Fail("位图 RLE 压缩数据不完整");
  }

  // The pixels of a stored row, padding to four bytes included: 24-bit runs count 3 bytes a pixel.
  static int64_t StoredRowPixels(const Layout& l) {
    const int64_t bits = l.compression == kJpeg ? 24 : l.bits;
    return (l.width * bits + 31) / 32 * 32 / bits;
  }

  // Checks that `count` pixels fit at the current position within the stored row.
  void Place(int count) {
    if (y_ >= height_ || x_ + count > stored_width_) Fail("位图 RLE 压缩数据越出了图片范围");
  }

  // `count` copies of one value: a palette index (two alternating ones for RLE4) or a colour.
  void Repeat(int count) {
    Place(count);
    bool rgb = layout_.compression == kJpeg;
    Need(rgb ? 3 : 1);
    const uint8_t* value = src_;
    src_ += rgb ? 3 : 1;
    for (int i = 0; i < count; ++i) {
      if (rgb) {
        SetColor(x_ + i, value);
      } else if (layout_.bits == 4) {
        SetIndex(x_ + i, i & 1 ? value[0] & 0x0F : value[0] >> 4);
      } else {
        SetIndex(x_ + i, value[0]);
      }
    }
    x_ += count;
  }

  void Literal(int count) {
    Place(count);
    size_t bytes = layout_.compression == kJpeg ? 3 * static_cast<size_t>(count)
                   : layout_.bits == 4         ? (static_cast<size_t>(count) + 1) / 2
                                               : static_cast<size_t>(count);
    Need(bytes);
    for (int i = 0; i < count; ++i) {
      if (layout_.compression == kJpeg) {
        SetColor(x_ + i, src_ + 3 * i);
      } else if (layout_.bits == 4) {
        SetIndex(x_ + i, i & 1 ? src_[i / 2] & 0x0F : src_[i / 2] >> 4);
      } else {
        SetIndex(x_ + i, src_[i]);
      }
    }
    // The literal bytes are padded to an even count; a missing pad byte at the very end is harmless.
    src_ += std::min<size_t>(bytes + (bytes & 1), static_cast<size_t>(end_ - src_));
    x_ += count;
  }

  void SetIndex(int64_t x, uint8_t index) {
    if (!out_ || x >= width_) return;
    uint8_t* row = out_->Row(RowOf(layout_, y_));
    if (layout_.bits == 8) {
      row[x] = index;
      return;
    }
    row[x >> 1] |= static_cast<uint8_t>(x & 1 ? index : index << 4);
  }

  void SetColor(int64_t x, const uint8_t* bgr) {
    if (!out_ || x >= width_) return;
    uint8_t* p = out_->Row(RowOf(layout_, y_)) + 3 * x;
    p[0] = bgr[0];
    p[1] = bgr[1];
    p[2] = bgr[2];
  }

  const uint8_t* src_;
  const uint8_t* end_;
  const Layout& layout_;
  Bitmap* out_;
  RowProgress* progress_;
  int64_t width_;
  int64_t stored_width_;  // width_ and the row's padding
  int64_t height_;
  int64_t x_ = 0;
  int64_t y_ = 0;
};

Bitmap DecodeRle(std::span<const uint8_t> data, const Layout& l, RowProgress* progress) {
  bool rgb = l.compression == kJpeg;
  std::vector<Color> palette;
  if (!rgb) palette = ReadPalette(data, l);
  RleDecoder(data, l, nullptr).Run();
  Bitmap out(static_cast<int32_t>(l.width), static_cast<int32_t>(l.height), rgb ? 24 : l.bits);
  out.SetPalette(std::move(palette));
  RleDecoder(data, l, &out, progress).Run();
  return out;
}

}  // namespace

Bitmap DecodeBmp(std::span<const uint8_t> data, size_t* consumed, bool standalone, RowProgress* progress) {
  Layout l = ReadLayout(data, standalone);
  Bitmap out;
  if (l.width == 0 || l.height == 0) {
    out = Bitmap(0, 0, l.bits == 2 ? 4 : l.bits);
  } else if (l.compression == kRle8 || l.compression == kRle4 || l.compression == kJpeg) {
    out = DecodeRle(data, l, progress);
  } else if (l.bits <= 8) {
    out = DecodeIndexed(data, l, progress);
  } else {
    out = DecodeDirect(data, l, progress);
  }
  ReportRows(progress, l.height, l.height);
  if (consumed) {
    uint32_t total = U32(data.data() + 2);
    *consumed = standalone && (total < l.data_offset || total > data.size()) ? data.size() : total;
  }
  return out;
}

Bitmap ReadBmpFile(const std::string& path) {
  std::vector<uint8_t> bytes = ReadWholeFile(path);
  try {
    return DecodeBmp(bytes);
  } catch (const ImageError& e) {
    throw ImageError("无法读取位图文件 " + path + ": " + e.what());
  }
}

}  // namespace gfx
