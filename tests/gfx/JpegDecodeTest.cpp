// Decoding real-world JPEG files: what decodes (against djpeg's pixels), what is refused, colour
// spaces, EXIF orientation and ICC profiles.
#include "gfx/JpegCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
#include "gfx/JpegTestTools.h"
#include "gfx/Resample.h"

namespace gfx {
namespace {

using testing::JpegDataPath;
using testing::ReadBytes;

// How a decoded file is checked against djpeg's output of the same file.
enum class Reference {
  kExact,     // same pixels (grey files: the grey value in all three channels)
  kNear,      // CMYK files: djpeg converts them to RGB with the same formula in floating point
  kOriented,  // the file carries an EXIF orientation, so its pixels are turned: checked below
};

struct DecodeCase {
  const char* file;
  int32_t width, height;
  Reference reference;
};

TEST(JpegDecodeTest, EdgeCaseFilesDecodeLikeDjpeg) {
  ORVEL_REQUIRE_TOOL("djpeg");
  testing::ScratchDir scratch;
  const DecodeCase cases[] = {
      {"hopper.jpg", 128, 128, Reference::kExact},
      {"hopper_orientation_6.jpg", 128, 128, Reference::kOriented},
      {"icc_profile_big.jpg", 425, 250, Reference::kExact},        // progressive 4:4:4
      {"jpg-cmyk-1.jpg", 32, 32, Reference::kNear},                // Adobe CMYK
      {"pil_sample_cmyk.jpg", 100, 100, Reference::kNear},         // Adobe YCCK, restarts
      {"orientation_rectangle.jpg", 1, 2, Reference::kOriented},   // 2 x 1 stored, turned
      {"peacock.grayscale.jpeg", 100, 75, Reference::kExact},
      {"peacock.progressive.jpeg", 100, 75, Reference::kExact},
      {"peacock.s-very-weird.jpeg", 100, 75, Reference::kExact},
      {"peacock.s1x1-444.jpeg", 100, 75, Reference::kExact},
      {"peacock.s2x1-422.jpeg", 100, 75, Reference::kExact},
      {"peacock.s2x2-420.jpeg", 100, 75, Reference::kExact},
      {"restarts.jpg", 33, 33, Reference::kExact},
      {"testimgari.jpg", 227, 149, Reference::kExact},             // arithmetic coding
      {"testorig.jpg", 227, 149, Reference::kExact},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.file);
    JpegPicture picture = DecodeJpeg(ReadBytes(JpegDataPath(c.file)));
    EXPECT_EQ(picture.bitmap.BitsPerPixel(), 24);
    EXPECT_EQ(picture.bitmap.Width(), c.width);
    EXPECT_EQ(picture.bitmap.Height(), c.height);
    if (c.reference == Reference::kOriented) continue;
    const auto pnm = scratch.Path() / "out.pnm";
    ASSERT_TRUE(testing::Run("djpeg -outfile '" + pnm.string() + "' '" + JpegDataPath(c.file) + "'"));
    Bitmap expected = testing::ReadPnm(pnm);
    ASSERT_FALSE(expected.IsEmpty());
    EXPECT_LE(testing::MaxChannelDifference(picture.bitmap, expected),
              c.reference == Reference::kExact ? 0 : 1);
  }
}

TEST(JpegDecodeTest, DamagedAndUnsupportedFilesAreRefused) {
  struct Case {
    const char* file;
    const char* reason;  // part of libjpeg's text that the message must carry
  };
  const Case cases[] = {
      {"derive-huffman-codes-overflow.jpg", "Huffman"},
      {"max_size.jpg", "65500"},
      {"missing-sof.jpg", "Premature end"},
      {"monkey12.jpg", "precision 12"},
      {"peacock.default.truncated.jpeg", "Premature end"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    try {
      DecodeJpeg(ReadBytes(JpegDataPath(c.file)));
      ADD_FAILURE() << "decoded";
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find("JPEG"), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t size) {
  return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(size));
}

// libjpeg only warns about these and makes up the missing pixels; the decoder must refuse them.
TEST(JpegDecodeTest, CutFilesAreRefused) {
  const std::vector<uint8_t> baseline = ReadBytes(JpegDataPath("peacock.s2x2-420.jpeg"));
  const std::vector<uint8_t> progressive = ReadBytes(JpegDataPath("peacock.progressive.jpeg"));
  // The progressive file's second scan starts at byte 441: cutting there and closing the file
  // properly leaves every AC coefficient without a scan.
  std::vector<uint8_t> closed_early = Slice(progressive, 441);
  closed_early.insert(closed_early.end(), {0xFF, 0xD9});
  const std::vector<uint8_t> cases[] = {
      {},
      Slice(baseline, 2),
      Slice(baseline, baseline.size() / 3),
      Slice(baseline, baseline.size() * 2 / 3),
      Slice(progressive, progressive.size() / 2),
      Slice(progressive, progressive.size() - 120),
      closed_early,
  };
  for (const std::vector<uint8_t>& bytes : cases) {
    SCOPED_TRACE(bytes.size());
    EXPECT_THROW(DecodeJpeg(bytes), ImageError);
  }
}

// Thousands of scans only make decoding take forever; the decoder stops counting at a limit.
TEST(JpegDecodeTest, FileWithThousandsOfScansIsRefused) {
  const std::vector<uint8_t> progressive = ReadBytes(JpegDataPath("peacock.progressive.jpeg"));
  // The first scan (DC of all components, bytes 233 to 441) repeated: every copy decodes cleanly.
  const size_t first = 233, second = 441;
  ASSERT_EQ(progressive[first + 1], 0xDA);
  ASSERT_EQ(progressive[second + 1], 0xDA);
  std::vector<uint8_t> bytes = Slice(progressive, second);
  for (int i = 0; i < 1000; ++i)
    bytes.insert(bytes.end(), progressive.begin() + first, progressive.begin() + second);
  bytes.insert(bytes.end(), progressive.begin() + second, progressive.end());
  try {
    DecodeJpeg(bytes);
    ADD_FAILURE() << "decoded";
  } catch (const ImageError& e) {
    EXPECT_NE(std::string(e.what()).find("1000"), std::string::npos) << e.what();
  }
}

TEST(JpegDecodeTest, StrayBytesBetweenCompleteSegmentsAreAccepted) {
  struct Case {
    const char* file;
    uint8_t before_marker;  // the stray bytes go in front of the first marker of this kind
  };
  for (const Case& c : {Case{"testorig.jpg", 0xD9}, Case{"restarts.jpg", 0xD0}}) {
    SCOPED_TRACE(c.file);
    std::vector<uint8_t> bytes = ReadBytes(JpegDataPath(c.file));
    const JpegPicture clean = DecodeJpeg(bytes);
    const uint8_t marker[2] = {0xFF, c.before_marker};
    auto at = std::search(bytes.begin(), bytes.end(), std::begin(marker), std::end(marker));
    ASSERT_NE(at, bytes.end());
    bytes.insert(at, {0x12, 0x34, 0x00, 0x56});
    EXPECT_TRUE(DecodeJpeg(bytes).bitmap == clean.bitmap);
  }
}

TEST(JpegDecodeTest, NotAJpegFileIsRefused) {
  const std::vector<uint8_t> bytes = {'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_THROW(DecodeJpeg(bytes), ImageError);
}

TEST(JpegDecodeTest, PixelLimitRefusesBeforeDecoding) {
  const std::vector<uint8_t> bytes = ReadBytes(JpegDataPath("testorig.jpg"));
  EXPECT_THROW(DecodeJpeg(bytes, 227 * 149 - 1), ImageError);
  EXPECT_EQ(DecodeJpeg(bytes, 227 * 149).bitmap.Width(), 227);
}

TEST(JpegDecodeTest, GreyScaleBecomesThreeEqualChannels) {
  const Bitmap grey = DecodeJpeg(ReadBytes(JpegDataPath("peacock.grayscale.jpeg"))).bitmap;
  int distinct = 0;
  for (int32_t y = 0; y < grey.Height(); ++y) {
    for (int32_t x = 0; x < grey.Width(); ++x) {
      const uint8_t* p = grey.Row(y) + x * 3;
      ASSERT_EQ(p[0], p[1]) << x << "," << y;
      ASSERT_EQ(p[1], p[2]) << x << "," << y;
      distinct += p[0] != grey.Row(0)[0];
    }
  }
  EXPECT_GT(distinct, 0);  // a real picture, not a flat fill
}

// Writes a flat 16 x 16 four-channel JPEG with libjpeg, with or without the Adobe marker.
std::vector<uint8_t> FlatCmykJpeg(const uint8_t cmyk[4], bool adobe_marker) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = 16;
  cinfo.image_height = 16;
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  cinfo.write_Adobe_marker = adobe_marker ? TRUE : FALSE;
  cinfo.write_JFIF_header = FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(16 * 4);
  for (size_t i = 0; i < row.size(); ++i) row[i] = cmyk[i % 4];
  while (cinfo.next_scanline < 16) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

TEST(JpegDecodeTest, CmykBecomesItsRgbColour) {
  struct Case {
    uint8_t cmyk[4];  // as stored in the file
    bool adobe;       // Adobe files store every ink inverted (255 = no ink)
    Color rgb;
  };
  const Case cases[] = {
      {{0, 255, 255, 255}, true, Rgb(0, 255, 255)},    // full cyan
      {{255, 0, 0, 255}, true, Rgb(255, 0, 0)},        // magenta and yellow
      {{255, 255, 255, 0}, true, Rgb(0, 0, 0)},        // full black
      {{255, 255, 255, 128}, true, Rgb(128, 128, 128)},
      {{255, 0, 0, 0}, false, Rgb(0, 255, 255)},       // plain CMYK: cyan ink
      {{0, 0, 0, 0}, false, Rgb(255, 255, 255)},       // no ink
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << int{c.cmyk[0]} << "," << int{c.cmyk[1]} << ","
                                      << int{c.cmyk[2]} << "," << int{c.cmyk[3]} << " adobe " << c.adobe);
    const Bitmap b = DecodeJpeg(FlatCmykJpeg(c.cmyk, c.adobe)).bitmap;
    ASSERT_EQ(b.Width(), 16);
    for (Point p : {Point{0, 0}, Point{15, 15}, Point{7, 9}}) {
      const Color got = b.Pixel(p.x, p.y);
      EXPECT_NEAR(Red(got), Red(c.rgb), 2);
      EXPECT_NEAR(Green(got), Green(c.rgb), 2);
      EXPECT_NEAR(Blue(got), Blue(c.rgb), 2);
    }
  }
}

// An APP1 segment holding only an EXIF orientation tag, in either byte order.
std::vector<uint8_t> ExifSegment(int orientation, bool big_endian) {
  std::vector<uint8_t> tiff = big_endian
      ? std::vector<uint8_t>{'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1,
                             0, static_cast<uint8_t>(orientation), 0, 0, 0, 0, 0, 0}
      : std::vector<uint8_t>{'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0,
                             static_cast<uint8_t>(orientation), 0, 0, 0, 0, 0, 0, 0};
  std::vector<uint8_t> payload = {'E', 'x', 'i', 'f', 0, 0};
  payload.insert(payload.end(), tiff.begin(), tiff.end());
  const size_t length = payload.size() + 2;
  // Sized once and filled: GCC 12 sees an insert into a four-byte vector here as out of bounds.
  std::vector<uint8_t> segment(4 + payload.size());
  segment[0] = 0xFF;
  segment[1] = 0xE1;
  segment[2] = static_cast<uint8_t>(length >> 8);
  segment[3] = static_cast<uint8_t>(length & 0xFF);
  std::copy(payload.begin(), payload.end(), segment.begin() + 4);
  return segment;
}

TEST(JpegDecodeTest, ExifOrientationTurnsThePixels) {
  // 64 x 32 with a colour per quadrant, quadrants aligned to the encoder's 16 x 16 blocks.
  const Color red = Rgb(255, 0, 0), green = Rgb(0, 255, 0), blue = Rgb(0, 0, 255),
              yellow = Rgb(255, 255, 0);
  Bitmap stored(64, 32, 24);
  for (int32_t y = 0; y < 32; ++y)
    for (int32_t x = 0; x < 64; ++x) stored.SetPixel(x, y, y < 16 ? (x < 32 ? red : green) : (x < 32 ? blue : yellow));
  const std::vector<uint8_t> plain = EncodeJpeg(stored, {.quality = 95, .icc_profile = {}});

  // Stored corners: top-left red, top-right green, bottom-left blue, bottom-right yellow. Each row
  // says which of them a viewer shows at its top-left, top-right, bottom-left, bottom-right.
  struct Case {
    int orientation;
    bool big_endian;
    Color seen[4];
  };
  const Case cases[] = {
      {1, true, {red, green, blue, yellow}},
      {2, true, {green, red, yellow, blue}},
      {3, false, {yellow, blue, green, red}},
      {4, true, {blue, yellow, red, green}},
      {5, false, {red, blue, green, yellow}},
      {6, true, {blue, red, yellow, green}},
      {6, false, {blue, red, yellow, green}},
      {7, true, {yellow, green, blue, red}},
      {8, false, {green, yellow, red, blue}},
      {9, true, {red, green, blue, yellow}},  // not a valid orientation: left as stored
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "orientation " << c.orientation << (c.big_endian ? " MM" : " II"));
    std::vector<uint8_t> bytes = plain;
    const std::vector<uint8_t> exif = ExifSegment(c.orientation, c.big_endian);
    bytes.insert(bytes.begin() + 2, exif.begin(), exif.end());  // right after the start marker
    const Bitmap seen = DecodeJpeg(bytes).bitmap;
    const bool turned = c.orientation >= 5 && c.orientation <= 8;
    ASSERT_EQ(seen.Width(), turned ? 32 : 64);
    ASSERT_EQ(seen.Height(), turned ? 64 : 32);
    const int32_t w = seen.Width(), h = seen.Height();
    const Point centres[4] = {{w / 4, h / 4}, {w * 3 / 4, h / 4}, {w / 4, h * 3 / 4}, {w * 3 / 4, h * 3 / 4}};
    for (int i = 0; i < 4; ++i) {
      const Color got = seen.Pixel(centres[i].x, centres[i].y);
      EXPECT_NEAR(Red(got), Red(c.seen[i]), 8) << "corner " << i;
      EXPECT_NEAR(Green(got), Green(c.seen[i]), 8) << "corner " << i;
      EXPECT_NEAR(Blue(got), Blue(c.seen[i]), 8) << "corner " << i;
    }
  }
}

TEST(JpegDecodeTest, RotatedPhotoLooksLikeTheUprightOne) {
  const Bitmap upright = DecodeJpeg(ReadBytes(JpegDataPath("hopper.jpg"))).bitmap;
  const Bitmap turned = DecodeJpeg(ReadBytes(JpegDataPath("hopper_orientation_6.jpg"))).bitmap;
  ASSERT_EQ(turned.GetSize(), upright.GetSize());
  double sum = 0;
  for (int32_t y = 0; y < upright.Height(); ++y)
    for (int32_t x = 0; x < upright.Width() * 3; ++x) {
      const double d = upright.Row(y)[x] - turned.Row(y)[x];
      sum += d * d;
    }
  const double rmse = std::sqrt(sum / (upright.Width() * upright.Height() * 3)) / 255.0;
  EXPECT_LT(rmse, 0.05);  // the same photo at another quality; unturned it differs by about 37 %
}

TEST(JpegDecodeTest, IccProfileIsReassembledFromItsSegments) {
  const JpegPicture picture = DecodeJpeg(ReadBytes(JpegDataPath("icc_profile_big.jpg")));
  const std::vector<uint8_t>& icc = picture.icc_profile;
  ASSERT_GT(icc.size(), 65519u * 6);  // spread over seven segments
  // A profile starts with its own big-endian size and has the signature "acsp" at byte 36.
  const uint32_t declared = uint32_t{icc[0]} << 24 | uint32_t{icc[1]} << 16 | uint32_t{icc[2]} << 8 | icc[3];
  EXPECT_EQ(declared, icc.size());
  EXPECT_EQ(std::string(icc.begin() + 36, icc.begin() + 40), "acsp");
  EXPECT_TRUE(DecodeJpeg(ReadBytes(JpegDataPath("testorig.jpg"))).icc_profile.empty());
}

TEST(JpegDecodeTest, ReadJpegFileNamesTheFile) {
  const std::string truncated = JpegDataPath("peacock.default.truncated.jpeg");
  for (const std::string& path : {truncated, JpegDataPath("no-such-file.jpg")}) {
    try {
      ReadJpegFile(path);
      ADD_FAILURE() << "read " << path;
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find(path.substr(path.rfind('/') + 1)), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(ReadJpegFile(JpegDataPath("restarts.jpg")).bitmap.Width(), 33);
}

TEST(JpegDecodeTest, ScaledDecodeTakesTheSmallestScaleThatCoversTheRequest) {
  // 64 x 48 with a colour per quadrant, quadrants aligned to the encoder's 16 x 16 blocks.
  const Color red = Rgb(255, 0, 0), green = Rgb(0, 255, 0), blue = Rgb(0, 0, 255),
              yellow = Rgb(255, 255, 0);
  Bitmap stored(64, 48, 24);
  for (int32_t y = 0; y < 48; ++y)
    for (int32_t x = 0; x < 64; ++x) stored.SetPixel(x, y, y < 32 ? (x < 32 ? red : green) : (x < 32 ? blue : yellow));
  const std::vector<uint8_t> plain = EncodeJpeg(stored, {.quality = 95, .icc_profile = {}});
  // Seen 48 x 64, as orientation 6 turns it clockwise: the segment right after the start marker.
  const std::vector<uint8_t> exif = ExifSegment(6, false);
  std::vector<uint8_t> turned(plain.begin(), plain.begin() + 2);
  turned.insert(turned.end(), exif.begin(), exif.end());
  turned.insert(turned.end(), plain.begin() + 2, plain.end());

  struct Case {
    bool turned;
    Size want;
    Size seen;
    Color top_left;
  };
  const Case cases[] = {
      {false, {0, 0}, {8, 6}, red},
      {false, {-5, 3}, {8, 6}, red},
      {false, {8, 6}, {8, 6}, red},
      {false, {9, 6}, {16, 12}, red},
      {false, {16, 13}, {32, 24}, red},
      {false, {32, 24}, {32, 24}, red},
      {false, {33, 24}, {64, 48}, red},
      {false, {500, 500}, {64, 48}, red},  // smaller than asked: whole
      {true, {12, 16}, {12, 16}, blue},
      {true, {16, 12}, {24, 32}, blue},    // enough for the stored shape, not for the seen one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.turned ? "turned " : "") << c.want.width << " x " << c.want.height);
    const Bitmap seen = DecodeJpegScaled(c.turned ? turned : plain, c.want).bitmap;
    ASSERT_EQ(seen.GetSize(), c.seen);
    const Color got = seen.Pixel(seen.Width() / 4, seen.Height() / 4);
    EXPECT_NEAR(Red(got), Red(c.top_left), 12);
    EXPECT_NEAR(Green(got), Green(c.top_left), 12);
    EXPECT_NEAR(Blue(got), Blue(c.top_left), 12);
  }
}

// Peak signal-to-noise ratio of two pictures of the same size, in decibels.
double Psnr(const Bitmap& a, const Bitmap& b) {
  double sum = 0;
  for (int32_t y = 0; y < a.Height(); ++y)
    for (int32_t x = 0; x < a.Width() * 3; ++x) {
      const double d = a.Row(y)[x] - b.Row(y)[x];
      sum += d * d;
    }
  const double mse = sum / (static_cast<double>(a.Width()) * a.Height() * 3);
  return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

// Shading, hard-edged blocks and fine grain, at a size that is no multiple of the 8-pixel blocks,
// so a scaled read ends part-way into its last column and row.
Bitmap PhotoLike(int32_t width, int32_t height) {
  Bitmap picture(width, height, 24);
  uint32_t seed = 2024;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>(seed >> 28) - 8;
      const bool inside = (x / 37 + y / 23) % 3 == 0;
      auto clamp = [](int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); };
      picture.SetPixel(x, y, Rgb(clamp((x + y) * 150 / (width + height) + (inside ? 0 : 60) + grain),
                                 clamp(y * 180 / height + 30 + grain), clamp(x * 200 / width + (inside ? 40 : 0) + grain)));
    }
  return picture;
}

// ReadJpegToResize of the bytes, through a file as the command line reads them.
JpegPicture ReadToResize(const std::vector<uint8_t>& bytes, Size target) {
  testing::ScratchDir dir;
  testing::WriteBytes(dir.Path() / "p.jpg", bytes);
  FileReader file((dir.Path() / "p.jpg").string());
  return ReadJpegToResize(file, target);
}

TEST(JpegDecodeTest, ReadForAResizeIsResizedLikeTheWholePicture) {
  const std::vector<uint8_t> plain = EncodeJpeg(PhotoLike(1003, 701), {.quality = 92, .icc_profile = {}});
  struct Case {
    int orientation;
    Size target;
    Size read;  // the smallest eighth covering twice the target, as seen
  };
  const Case cases[] = {
      {1, {200, 140}, {502, 351}},   // 4/8
      {1, {150, 100}, {377, 263}},   // 3/8
      {1, {100, 70}, {251, 176}},    // 2/8
      {1, {60, 20}, {126, 88}},      // 1/8
      {1, {40, 300}, {878, 614}},    // 7/8: the height decides
      {1, {40, 360}, {1003, 701}},   // taller than half the picture: whole
      {1, {1500, 1000}, {1003, 701}},
      {2, {100, 70}, {251, 176}},    // the partial column goes to the left
      {3, {100, 70}, {251, 176}},    // ... and the partial row to the top
      {4, {150, 100}, {377, 263}},
      {6, {140, 200}, {351, 502}},   // turned: the sides swap
      {7, {70, 100}, {176, 251}},
      {8, {100, 150}, {263, 377}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "orientation " << c.orientation << ", " << c.target.width << " x "
                                      << c.target.height);
    std::vector<uint8_t> bytes = plain;
    if (c.orientation != 1) {
      const std::vector<uint8_t> exif = ExifSegment(c.orientation, false);
      bytes.insert(bytes.begin() + 2, exif.begin(), exif.end());
    }
    const JpegPicture read = ReadToResize(bytes, c.target);
    ASSERT_EQ(read.bitmap.GetSize(), c.read);
    const Bitmap shrunk = ResizeHighQuality(read.bitmap, read.extent, c.target.width, c.target.height);
    const Bitmap whole = ResizeHighQuality(DecodeJpeg(bytes).bitmap, c.target.width, c.target.height);
    // The DCT's share of the shrink differs a little from the filter's; a picture stretched by the
    // part of an edge pixel the content does not cover is off by far more.
    EXPECT_GT(Psnr(shrunk, whole), 46.0);
  }
}

TEST(JpegDecodeTest, ScaledDecodeRefusesWhatTheFullDecodeRefuses) {
  for (const char* file : {"peacock.default.truncated.jpeg", "missing-sof.jpg", "derive-huffman-codes-overflow.jpg"}) {
    const std::vector<uint8_t> bytes = ReadBytes(JpegDataPath(file));
    EXPECT_THROW(DecodeJpegScaled(bytes, {100, 100}), ImageError) << file;
    EXPECT_THROW(ReadToResize(bytes, {10, 10}), ImageError) << file;
  }
  EXPECT_THROW(ReadJpegFileScaled(JpegDataPath("missing.jpg"), {10, 10}), ImageError);
}

}  // namespace
}  // namespace gfx
