// Bitmap file decoding: the bitmap suite against reference pictures, damaged and cut files,
// files in a stream, and hand-made files for what the suite does not hold.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "gfx/ImageError.h"

namespace gfx {
namespace {

std::string SuitePath(const std::string& name) {
  return std::string(ORVEL_TEST_DATA_DIR) + "/bmpsuite/" + name + ".bmp";
}

std::vector<uint8_t> SuiteFile(const std::string& name) { return ReadWholeFile(SuitePath(name)); }

// The reference picture of a good suite file: a binary PPM, top row first.
Bitmap Reference(const std::string& name) {
  std::vector<uint8_t> ppm =
      ReadWholeFile(std::string(ORVEL_TEST_DATA_DIR) + "/bmpsuite-ref/" + name + ".ppm");
  std::string text(ppm.begin(), ppm.end());
  int width = 0, height = 0, max = 0, header = 0;
  if (std::sscanf(text.c_str(), "P6 %d %d %d%n", &width, &height, &max, &header) != 3 || max != 255)
    throw ImageError("bad reference " + name);
  Bitmap out(width, height, 24);
  const uint8_t* p = ppm.data() + header + 1;
  if (header + 1 + size_t(width) * height * 3 > ppm.size()) throw ImageError("short reference " + name);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x, p += 3) out.SetPixel(x, y, Rgb(p[0], p[1], p[2]));
  return out;
}

// The decoder's error text, or "" when it decoded.
std::string ErrorOf(std::span<const uint8_t> data, bool standalone = true) {
  try {
    DecodeBmp(data, nullptr, standalone);
    return "";
  } catch (const ImageError& e) {
    return e.what();
  }
}

// Every good file decodes to its reference picture and keeps the depth it should.
TEST(BmpReaderTest, SuiteGoodFilesMatchReferences) {
  const std::map<std::string, int> depth = {
      {"pal1", 1},         {"pal1bg", 1},        {"pal1wb", 1},         {"pal4", 4},
      {"pal4gs", 4},       {"pal4rle", 4},       {"pal8-0", 8},         {"pal8", 8},
      {"pal8gs", 8},       {"pal8nonsquare", 8}, {"pal8os2", 8},        {"pal8rle", 8},
      {"pal8topdown", 8},  {"pal8v4", 8},        {"pal8v5", 8},         {"pal8w124", 8},
      {"pal8w125", 8},     {"pal8w126", 8},      {"rgb16", 16},         {"rgb16bfdef", 16},
      {"rgb16-565", 24},   {"rgb16-565pal", 24}, {"rgb24", 24},         {"rgb24pal", 24},
      {"rgb32", 32},       {"rgb32bfdef", 32},   {"rgb32bf", 24}};
  std::string dir = std::string(ORVEL_TEST_DATA_DIR) + "/bmpsuite/g";
  bool any = false;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::string name = "g/" + entry.path().stem().string();
    SCOPED_TRACE(name);
    any = true;
    auto it = depth.find(entry.path().stem().string());
    ASSERT_NE(it, depth.end()) << "no expected depth for this file";
    std::vector<uint8_t> bytes = SuiteFile(name);
    size_t consumed = 0;
    Bitmap picture = DecodeBmp(bytes, &consumed);
    EXPECT_EQ(consumed, bytes.size());
    EXPECT_EQ(picture.BitsPerPixel(), it->second);
    EXPECT_TRUE(picture.ToBgr24() == Reference(it->first));
  }
  EXPECT_TRUE(any);
}

// Questionable files: decoded sensibly (the suite's usual picture where the file shows it) or
// refused with a reason.
TEST(BmpReaderTest, SuiteQuestionableFiles) {
  struct Case {
    const char* name;
    int depth;             // 0: refused
    const char* same_as;   // reference picture it must show, or nullptr
  };
  const Case cases[] = {
      {"pal1huffmsb", 0, nullptr},      // fax compression
      {"pal1p1", 1, nullptr},           // one-entry palette
      {"pal2", 4, nullptr},             // 2-bit indexes kept in a 4-bit picture
      {"pal4rlecut", 4, nullptr},       // skipped pixels are index 0
      {"pal4rletrns", 4, nullptr},
      {"pal8offs", 8, "pal8"},          // gap between palette and pixels
      {"pal8os2-sz", 8, "pal8"},        // total size = headers only
      {"pal8os2sp", 8, "pal8"},         // short core palette
      {"pal8os2v2", 8, "pal8"},         // 64-byte OS/2 header
      {"pal8os2v2-40sz", 8, "pal8"},
      {"pal8oversizepal", 8, "pal8"},   // 300 entries, the first 256 used
      {"rgb16-231", 24, nullptr},
      {"rgb24jpeg", 0, nullptr},
      {"rgb24largepal", 24, "rgb24"},
      {"rgb24lprof", 24, "rgb24"},      // linked profile never opened
      {"rgb24prof", 24, "rgb24"},
      {"rgb24rle24", 24, "pal8"},       // OS/2 RLE24 of the usual picture
      {"rgb32-111110", 24, nullptr},
      {"rgb32-xbgr", 24, "rgb24"},
      {"rgb32fakealpha", 32, "rgb24"},
      {"rgb32h52", 24, "rgb24"},
      {"rgba16-4444", 24, nullptr},
      {"rgba16-5551", 16, "rgb16"},
      {"rgba32-1", 32, nullptr},
      {"rgba32-1010102", 24, nullptr},
      {"rgba32-81284", 24, nullptr},
      {"rgba32abf", 24, nullptr},
      {"rgba64", 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> bytes = SuiteFile(std::string("q/") + c.name);
    if (c.depth == 0) {
      EXPECT_NE(ErrorOf(bytes), "");
      continue;
    }
    Bitmap picture = DecodeBmp(bytes);
    EXPECT_EQ(picture.BitsPerPixel(), c.depth);
    EXPECT_EQ(picture.Width(), 127);
    EXPECT_EQ(picture.Height(), 64);
    if (c.same_as) {
      EXPECT_TRUE(picture.ToBgr24() == Reference(c.same_as));
    }
  }
  // The alpha variants show one picture whichever way their masks are given.
  EXPECT_TRUE(DecodeBmp(SuiteFile("q/rgba32abf")).ToBgr24() ==
              DecodeBmp(SuiteFile("q/rgba32-1")).ToBgr24());
  EXPECT_TRUE(DecodeBmp(SuiteFile("q/rgba32-81284")) == DecodeBmp(SuiteFile("q/rgba32-1010102")));
}

// Bad files: refused with the reason when the damage touches the pixels. A wrong density cannot
// touch them, nor a wrong total size in a file read on its own; in a stream the total size says
// where the next file starts, so there it is refused.
TEST(BmpReaderTest, SuiteBadFiles) {
  struct Case {
    const char* name;
    const char* error;         // nullptr: decodes on its own
    const char* stream_error;  // what a stream read says
  };
  const Case cases[] = {
      {"badbitcount", "颜色深度: 30000", "颜色深度"},
      {"baddens1", nullptr, nullptr},
      {"badfilesize", nullptr, "总大小"},
      {"badheadersize", "信息头大小: 66", "信息头大小"},
      {"badpalettesize", "调色板的颜色数无效", "调色板"},
      {"badrle", "越出", "越出"},
      {"badrle4", "越出", "越出"},
      {"badrle4ter", "越出", "越出"},
      {"badrlebis", "越出", "越出"},
      {"badwidth", "宽度无效: -127", "宽度"},
      {"reallybig", "尺寸过大: 3000000 x 2000000", "总大小"},
      {"rgb16-880", "位域无效", "位域"},
      {"shortfile", "缺少像素数据", "总大小"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> bytes = SuiteFile(std::string("b/") + c.name);
    std::string error = ErrorOf(bytes);
    if (c.error) {
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
    } else {
      EXPECT_EQ(error, "");
    }
    std::string stream_error = ErrorOf(bytes, false);
    if (c.stream_error) {
      EXPECT_NE(stream_error.find(c.stream_error), std::string::npos) << stream_error;
    } else {
      EXPECT_EQ(stream_error, "");
    }
  }
  EXPECT_TRUE(DecodeBmp(SuiteFile("b/baddens1")) == DecodeBmp(SuiteFile("g/pal1")));
}

// A cut file is refused or, when only bytes after the last pixel are gone, gives the whole
// picture; never a partial picture and never a read past the cut (the prefix is a buffer of its
// own, so the address sanitizer sees any such read).
TEST(BmpReaderTest, CutFilesAreRefusedOrWhole) {
  for (const char* folder : {"g", "q", "b"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ORVEL_TEST_DATA_DIR) + "/bmpsuite/" + folder)) {
      std::vector<uint8_t> bytes = ReadWholeFile(entry.path().string());
      SCOPED_TRACE(entry.path().filename().string());
      std::optional<Bitmap> whole;
      try {
        whole = DecodeBmp(bytes);
      } catch (const ImageError&) {
      }
      size_t step = bytes.size() > 512 ? bytes.size() / 97 : 1;
      for (size_t n = 0; n < bytes.size(); n += n < 160 ? 1 : step) {
        std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(n));
        for (bool standalone : {true, false}) {
          try {
            Bitmap picture = DecodeBmp(prefix, nullptr, standalone);
            ASSERT_TRUE(whole.has_value()) << n;
            EXPECT_TRUE(picture == *whole) << "cut at " << n;
          } catch (const ImageError&) {
          }
        }
      }
    }
  }
}

// Files following each other: each takes exactly its total size.
TEST(BmpReaderTest, FilesFollowEachOtherInAStream) {
  std::vector<std::vector<uint8_t>> files = {SuiteFile("g/pal8os2"), SuiteFile("g/pal1"),
                                             SuiteFile("g/rgb16-565"), SuiteFile("g/pal4rle")};
  std::vector<uint8_t> stream;
  for (const auto& f : files) stream.insert(stream.end(), f.begin(), f.end());
  stream.push_back(0x42);  // a byte of whatever follows
  std::span<const uint8_t> rest(stream);
  for (const auto& f : files) {
    size_t consumed = 0;
    Bitmap picture = DecodeBmp(rest, &consumed, false);
    EXPECT_EQ(consumed, f.size());
    EXPECT_TRUE(picture == DecodeBmp(f));
    rest = rest.subspan(consumed);
  }
  EXPECT_EQ(rest.size(), 1u);
}

// The total size of the file header against the buffer.
TEST(BmpReaderTest, TotalSizeAgainstTheBuffer) {
  // Smaller than the headers: a file of its own is read from the whole buffer, a stream refuses.
  std::vector<uint8_t> headers_only = SuiteFile("q/pal8os2-sz");
  size_t consumed = 0;
  DecodeBmp(headers_only, &consumed);
  EXPECT_EQ(consumed, headers_only.size());
  EXPECT_NE(ErrorOf(headers_only, false).find("总大小 26 字节容不下"), std::string::npos);

  // Larger than the buffer: a complete file of its own takes the whole buffer.
  std::vector<uint8_t> too_large = SuiteFile("b/badfilesize");
  DecodeBmp(too_large, &consumed);
  EXPECT_EQ(consumed, too_large.size());

  // A file whose total size leaves trailing bytes: they are not taken.
  std::vector<uint8_t> padded = SuiteFile("g/pal1");
  size_t size = padded.size();
  padded.resize(size + 10, 0xEE);
  DecodeBmp(padded, &consumed);
  EXPECT_EQ(consumed, size);
}

// The hand-made files name only the fields that differ from a plain 1 x 1 24-bit file; the
// others keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// A hand-made bitmap file.
struct Recipe {
  uint32_t header_size = 40;
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bits = 24;
  uint16_t planes = 1;
  uint32_t compression = 0;
  uint32_t colors_used = 0;
  std::vector<uint32_t> masks;   // after a 40-byte header, inside a longer one
  std::vector<Color> palette;    // 3-byte entries after a core header, 4-byte ones otherwise
  std::vector<uint8_t> pixels;   // as stored
  std::optional<uint32_t> data_offset;
};

void Put(std::vector<uint8_t>& out, size_t at, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> Make(const Recipe& s) {
  size_t mask_bytes = s.header_size == 40 ? 4 * s.masks.size() : 0;
  size_t entry = s.header_size == 12 ? 3 : 4;
  size_t offset = 14 + s.header_size + mask_bytes + entry * s.palette.size();
  std::vector<uint8_t> out(offset, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put(out, 10, s.data_offset.value_or(static_cast<uint32_t>(offset)), 4);
  Put(out, 14, s.header_size, 4);
  if (s.header_size == 12) {
    Put(out, 18, static_cast<uint32_t>(s.width), 2);
    Put(out, 20, static_cast<uint32_t>(s.height), 2);
    Put(out, 22, s.planes, 2);
    Put(out, 24, s.bits, 2);
  } else {
    Put(out, 18, static_cast<uint32_t>(s.width), 4);
    Put(out, 22, static_cast<uint32_t>(s.height), 4);
    Put(out, 26, s.planes, 2);
    Put(out, 28, s.bits, 2);
    if (s.header_size >= 20) Put(out, 30, s.compression, 4);
    if (s.header_size >= 36) Put(out, 46, s.colors_used, 4);
  }
  // Masks start 40 bytes into the info header, inside it or right after it.
  for (size_t i = 0; i < s.masks.size(); ++i) Put(out, 54 + 4 * i, s.masks[i], 4);
  size_t at = 14 + s.header_size + mask_bytes;
  for (Color c : s.palette) {
    out[at] = Blue(c);
    out[at + 1] = Green(c);
    out[at + 2] = Red(c);
    at += entry;
  }
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  Put(out, 2, static_cast<uint32_t>(out.size()), 4);
  return out;
}

std::vector<Color> Palette(int n) {
  std::vector<Color> p;
  for (int i = 0; i < n; ++i) p.push_back(Rgb(static_cast<uint8_t>(10 * i + 1), 200, static_cast<uint8_t>(i)));
  return p;
}

Color P(int i) { return Palette(i + 1)[i]; }

// What the hand-made files must give: an error fragment, or a depth and the pixels top row first.
TEST(BmpReaderTest, HandMadeFiles) {
  struct Case {
    const char* what;
    Recipe recipe;
    const char* error;
    int depth;
    std::vector<Color> pixels;
  };
  const Case cases[] = {
      {"2-bit indexes become a 4-bit picture",
       {.width = 5, .bits = 2, .palette = Palette(4), .pixels = {0x1B, 0xC0, 0, 0}},
       nullptr, 4, {P(0), P(1), P(2), P(3), P(3)}},
      {"core header, 3-byte palette entries",
       {.header_size = 12, .width = 3, .bits = 1, .palette = Palette(2), .pixels = {0xA0, 0, 0, 0}},
       nullptr, 1, {P(1), P(0), P(1)}},
      {"OS/2 2.x header cut to 16 bytes",
       {.header_size = 16, .width = 2, .bits = 8, .palette = Palette(3), .pixels = {2, 1, 0, 0}},
       nullptr, 8, {P(2), P(1)}},
      {"wide channels are rounded to 8 bits",
       {.width = 2, .bits = 32, .compression = 3, .masks = {0x3FF00000, 0xFFC00, 0x3FF},
        .pixels = {0x01, 0x00, 0xF8, 0x3F, 0x03, 0xFC, 0x0F, 0x00}},
       nullptr, 24, {Rgb(255, 128, 0), Rgb(0, 255, 1)}},
      {"narrow channels are scaled to the full range, alpha ignored",
       {.header_size = 56, .width = 2, .bits = 16, .compression = 3,
        .masks = {0x0F00, 0x00F0, 0x000F, 0xF000}, .pixels = {0x80, 0x0F, 0x0F, 0xF0}},
       nullptr, 24, {Rgb(255, 136, 0), Rgb(0, 0, 255)}},
      {"overlapping masks",
       {.bits = 16, .compression = 3, .masks = {0xF800, 0x0FE0, 0x001F}, .pixels = {0, 0, 0, 0}},
       "位域无效", 0, {}},
      {"a mask with a hole",
       {.bits = 16, .compression = 3, .masks = {0x7C00, 0x03E0, 0x0015}, .pixels = {0, 0, 0, 0}},
       "位域无效", 0, {}},
      {"a mask outside the pixel",
       {.bits = 16, .compression = 3, .masks = {0x1F0000, 0x03E0, 0x001F}, .pixels = {0, 0, 0, 0}},
       "位域无效", 0, {}},
      {"RLE8: a move and an early end leave index 0",
       {.width = 4, .height = 2, .bits = 8, .compression = 1, .palette = Palette(8),
        .pixels = {2, 5, 0, 2, 1, 1, 1, 7, 0, 1}},
       nullptr, 8, {P(0), P(0), P(0), P(7), P(5), P(5), P(0), P(0)}},
      {"RLE4: odd literal with its pad byte, then an alternating run",
       {.width = 8, .bits = 4, .compression = 2, .palette = Palette(8),
        .pixels = {0, 5, 0x12, 0x34, 0x50, 0, 3, 0x67, 0, 1}},
       nullptr, 4, {P(1), P(2), P(3), P(4), P(5), P(6), P(7), P(6)}},
      {"RLE8 rows stored top-down",
       {.width = 1, .height = -2, .bits = 8, .compression = 1, .palette = Palette(3),
        .pixels = {1, 1, 0, 0, 1, 2, 0, 1}},
       "RLE 压缩的位图不能自上而下存储", 0, {}},
      {"RLE4 rows stored top-down",
       {.width = 2, .height = -1, .bits = 4, .compression = 2, .palette = Palette(3),
        .pixels = {2, 0x12, 0, 1}},
       "RLE 压缩的位图不能自上而下存储", 0, {}},
      {"OS/2 RLE24 rows stored top-down",
       {.header_size = 64, .width = 1, .height = -1, .bits = 24, .compression = 4,
        .pixels = {1, 1, 2, 3, 0, 1}},
       "RLE 压缩的位图不能自上而下存储", 0, {}},
      {"OS/2 RLE24 rows stored bottom-up",
       {.header_size = 64, .width = 1, .height = 1, .bits = 24, .compression = 4,
        .pixels = {1, 1, 2, 3, 0, 1}},
       nullptr, 24, {Rgb(3, 2, 1)}},
      {"no plane", {.bits = 24, .planes = 0, .pixels = {1, 2, 3, 0}}, "位图平面数无效: 0", 0, {}},
      {"two planes", {.bits = 24, .planes = 2, .pixels = {1, 2, 3, 0}}, "位图平面数无效: 2", 0, {}},
      {"core header with three planes",
       {.header_size = 12, .width = 3, .bits = 1, .planes = 3, .palette = Palette(2), .pixels = {0xA0, 0, 0, 0}},
       "位图平面数无效: 3", 0, {}},
      {"indexes past the end of the palette show black",
       {.width = 3, .bits = 8, .palette = Palette(3), .pixels = {1, 7, 255, 0}},
       nullptr, 8, {P(1), kBlack, kBlack}},
      {"RLE without an end mark after the last pixel",
       {.width = 2, .bits = 8, .compression = 1, .palette = Palette(2), .pixels = {2, 1}},
       nullptr, 8, {P(1), P(1)}},
      {"RLE8 run into the row's padding is clipped at the row's end",
       {.width = 2, .height = 2, .bits = 8, .compression = 1, .palette = Palette(3),
        .pixels = {4, 1, 0, 0, 1, 2, 0, 3, 2, 2, 2, 0, 0, 1}},
       nullptr, 8, {P(2), P(2), P(1), P(1)}},
      {"RLE4 run into the row's padding is clipped at the row's end",
       {.width = 3, .bits = 4, .compression = 2, .palette = Palette(3), .pixels = {8, 0x12, 0, 1}},
       nullptr, 4, {P(1), P(2), P(1)}},
      {"RLE run past the row's padding",
       {.width = 2, .bits = 8, .compression = 1, .palette = Palette(2), .pixels = {5, 1, 0, 1}},
       "越出", 0, {}},
      {"RLE move below the picture",
       {.width = 2, .height = 2, .bits = 8, .compression = 1, .palette = Palette(2),
        .pixels = {0, 2, 0, 3, 0, 1}},
       "越出", 0, {}},
      {"RLE literal cut short",
       {.width = 4, .bits = 8, .compression = 1, .palette = Palette(2), .pixels = {0, 4, 1, 1}},
       "不完整", 0, {}},
      {"RLE stream ending before the picture is complete",
       {.width = 2, .height = 2, .bits = 8, .compression = 1, .palette = Palette(2), .pixels = {2, 1}},
       "不完整", 0, {}},
      {"RLE8 needs 8-bit pixels",
       {.bits = 4, .compression = 1, .palette = Palette(2), .pixels = {0, 1}}, "不相容", 0, {}},
      {"PNG inside a bitmap file", {.bits = 0, .compression = 5}, "PNG", 0, {}},
      {"pixels placed inside the headers",
       {.bits = 24, .pixels = {1, 2, 3, 0}, .data_offset = 30}, "位置无效", 0, {}},
      {"palette picture without a palette", {.bits = 8, .pixels = {0, 0, 0, 0}}, "缺少调色板", 0, {}},
      {"most negative height", {.height = INT32_MIN, .bits = 24}, "尺寸过大", 0, {}},
      {"zero width is the empty picture", {.width = 0, .height = 5, .bits = 24}, nullptr, 24, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bytes = Make(c.recipe);
    if (c.error) {
      std::string error = ErrorOf(bytes);
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
      continue;
    }
    Bitmap picture = DecodeBmp(bytes);
    EXPECT_EQ(picture.BitsPerPixel(), c.depth);
    if (c.pixels.empty()) {
      EXPECT_TRUE(picture.IsEmpty());
      continue;
    }
    ASSERT_EQ(static_cast<size_t>(picture.Width()) * picture.Height(), c.pixels.size());
    for (int32_t y = 0; y < picture.Height(); ++y)
      for (int32_t x = 0; x < picture.Width(); ++x)
        EXPECT_EQ(picture.Pixel(x, y), c.pixels[static_cast<size_t>(y) * picture.Width() + x])
            << x << "," << y;
  }
}

TEST(BmpReaderTest, NotABitmapFile) {
  struct Case {
    std::vector<uint8_t> bytes;
    const char* error;
  };
  const Case cases[] = {{{}, "不是位图文件"},
                        {{'B'}, "不是位图文件"},
                        {{'P', '6', ' ', '1'}, "不是位图文件"},
                        {{'B', 'M', 0, 0, 0, 0, 0}, "文件头被截断"}};
  for (const Case& c : cases) EXPECT_NE(ErrorOf(c.bytes).find(c.error), std::string::npos) << c.error;
}

TEST(BmpReaderTest, ReadBmpFileNamesTheFile) {
  EXPECT_TRUE(ReadBmpFile(SuitePath("g/pal8")) == DecodeBmp(SuiteFile("g/pal8")));
  for (const std::string& path : {SuitePath("b/shortfile"), SuitePath("g/missing")}) {
    try {
      ReadBmpFile(path);
      ADD_FAILURE() << path;
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace gfx
