// The command line end to end: batch output against the reference encoder, conversions, exit codes.
#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/BmpCodec.h"
#include "gfx/JpegCodec.h"
#include "gfx/PngTestWriter.h"
#include "gfx/WebpCodec.h"
#include "support/CameraJpeg.h"
#include "support/TempDir.h"

namespace app {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

int RunOrvel(std::vector<std::string> args) {
  args.insert(args.begin(), "orvel");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  return RunCommandLine(static_cast<int>(args.size()), argv.data());
}

int Shell(const std::string& command) { return std::system(command.c_str()); }

// The bytes from the first quantisation table on: the headers before it may differ (density).
std::vector<uint8_t> FromFirstQuantTable(const std::vector<uint8_t>& jpeg) {
  for (size_t i = 0; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDB) return {jpeg.begin() + static_cast<long>(i), jpeg.end()};
  return {};
}

gfx::Bitmap Photo(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>((x * x + y) % 256), static_cast<uint8_t>(x * 5 + y * 3),
                                static_cast<uint8_t>((x ^ y) * 4)));
  return b;
}

TEST(CommandLineTest, BatchEqualsTheReferenceEncoderAtEveryQuality) {
  ASSERT_EQ(Shell("command -v cjpeg >/dev/null && command -v djpeg >/dev/null"), 0)
      << "cjpeg and djpeg (libjpeg-turbo-progs) are needed";
  TempDir dir;
  WriteBytes(dir / "pic.bmp", gfx::EncodeBmp(Photo(37, 23)));
  WriteBytes(dir / "pic.jpg", gfx::EncodeJpeg(Photo(41, 19), {95, {}}));
  ASSERT_EQ(Shell("djpeg -rgb -ppm -outfile '" + (dir / "pic.ppm") + "' '" + (dir / "pic.jpg") + "'"), 0);
  std::string out = dir / "out";
  ASSERT_EQ(Shell("mkdir '" + out + "'"), 0);
  // A bitmap source is compared with cjpeg reading the same bitmap; a JPEG source with cjpeg reading
  // djpeg's decode of it.
  struct Source { const char* name; const char* reference_input; };
  for (int q = 1; q <= 100; ++q) {
    for (const Source& source : {Source{"pic.bmp", "pic.bmp"}, Source{"pic.jpg", "pic.ppm"}}) {
      ASSERT_EQ(RunOrvel({"--batch", "-q", std::to_string(q), "-o", out, dir / source.name}), 0);
      std::string reference = dir / "reference.jpg";
      ASSERT_EQ(Shell("cjpeg -baseline -quality " + std::to_string(q) + " -outfile '" + reference + "' '" +
                      (dir / source.reference_input) + "'"),
                0);
      std::vector<uint8_t> expected = FromFirstQuantTable(ReadBytes(reference));
      ASSERT_FALSE(expected.empty());
      ASSERT_EQ(FromFirstQuantTable(ReadBytes(out + "/Orvel_pic.jpg")), expected) << source.name << " at quality " << q;
    }
  }
}

TEST(CommandLineTest, ExitCodes) {
  TempDir dir;
  WriteBytes(dir / "a.bmp", gfx::EncodeBmp(Photo(8, 8)));
  WriteBytes(dir / "bad.jpg", {0xFF, 0xD8, 0xFF, 0xE0});
  struct Case { std::vector<std::string> args; int code; };
  const Case cases[] = {
      {{"--help"}, 0},
      {{"--batch", "-o", dir.path(), dir / "a.bmp"}, 0},
      {{"--batch", "-o", dir.path(), dir / "a.bmp", dir / "bad.jpg"}, 1},  // one file failed
      {{"--batch", "-o", dir / "nowhere", dir / "a.bmp"}, 1},
      {{"--batch", "-o", dir.path()}, 2},
      {{"--batch", "-q", "101", "-o", dir.path(), dir / "a.bmp"}, 2},
      {{"--batch", "-q", "abc", "-o", dir.path(), dir / "a.bmp"}, 2},
      {{"--convert", dir / "a.bmp"}, 2},
      {{"--convert", dir / "a.bmp", dir / "z.jpg", "--size", "0x10"}, 2},
      {{"--convert", dir / "missing.bmp", dir / "y.jpg"}, 1},
      {{"--convert", dir / "bad.jpg", dir / "y.jpg"}, 1},
      // Options of the other command are refused, not passed over.
      {{"--convert", dir / "a.bmp", dir / "z.jpg", "--optimize"}, 2},
      {{"--convert", dir / "a.bmp", dir / "z.jpg", "-f", "webp"}, 2},
      {{"--batch", "--size", "4x4", "-o", dir.path(), dir / "a.bmp"}, 2},
      {{"--frobnicate"}, 2},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const std::string& a : c.args) joined += a + " ";
    EXPECT_EQ(RunOrvel(c.args), c.code) << joined;
  }
  // The failures wrote nothing: no z.*, no y.*.
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"Orvel_a.jpg", "a.bmp", "bad.jpg"}));
}

TEST(CommandLineTest, ConvertChoosesTheFormatByTheOutputName) {
  TempDir dir;
  gfx::Bitmap pal(6, 4, 8);
  pal.SetPalette({gfx::Rgb(0, 0, 0), gfx::Rgb(9, 99, 199)});
  pal.Row(2)[3] = 1;
  WriteBytes(dir / "p.bmp", gfx::EncodeBmp(pal));
  ASSERT_EQ(RunOrvel({"--convert", dir / "p.bmp", dir / "copy.BMP"}), 0);
  EXPECT_EQ(gfx::DecodeBmp(ReadBytes(dir / "copy.bmp")), pal);  // own depth, palette kept
  ASSERT_EQ(RunOrvel({"--convert", dir / "p.bmp", dir / "small.png", "-q", "80", "--size", "3x2"}), 0);
  EXPECT_EQ(gfx::DecodeJpeg(ReadBytes(dir / "small.jpg")).bitmap.GetSize(), (gfx::Size{3, 2}));
}

TEST(CommandLineTest, BatchReadsEveryKindByContentAndNamesADamagedFile) {
  TempDir dir;
  const std::vector<uint8_t> png = gfx::testing::WritePng(
      {.width = 3, .height = 2, .color_type = PNG_COLOR_TYPE_RGBA, .samples = std::vector<uint16_t>(24, 200)});
  WriteBytes(dir / "a.bmp", gfx::EncodeBmp(Photo(8, 8)));
  WriteBytes(dir / "b.jpg", gfx::EncodeJpeg(Photo(9, 7)));
  WriteBytes(dir / "c.png", png);
  WriteBytes(dir / "d.webp", gfx::EncodeWebp(Photo(5, 4), 80));
  WriteBytes(dir / "screenshot.jpg", png);  // a PNG under a wrong name
  WriteBytes(dir / "cut.png", std::vector<uint8_t>(png.begin(), png.begin() + 40));
  std::string out = dir / "out";
  ASSERT_EQ(Shell("mkdir '" + out + "'"), 0);
  std::vector<std::string> args = {"--batch", "-o", out};
  for (const char* name : {"a.bmp", "b.jpg", "c.png", "d.webp", "screenshot.jpg"}) args.push_back(dir / name);
  ASSERT_EQ(RunOrvel(args), 0);
  struct Case { const char* output; gfx::Size size; };
  for (const Case& c : {Case{"Orvel_a.jpg", {8, 8}}, Case{"Orvel_b.jpg", {9, 7}}, Case{"Orvel_c.jpg", {3, 2}},
                        Case{"Orvel_d.jpg", {5, 4}}, Case{"Orvel_screenshot.jpg", {3, 2}}}) {
    EXPECT_EQ(gfx::DecodeJpeg(ReadBytes(out + "/" + c.output)).bitmap.GetSize(), c.size) << c.output;
  }

  testing::internal::CaptureStdout();
  EXPECT_EQ(RunOrvel({"--batch", "-o", out, dir / "cut.png"}), 1);
  std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_NE(printed.find("cut.png\": 无法解码 PNG 图片"), std::string::npos) << printed;
  EXPECT_EQ(Shell("test -e '" + out + "/Orvel_cut.jpg'"), 256);  // nothing left behind
}

// A camera photo: EXIF with date, camera, GPS, an orientation and a thumbnail; XMP; a comment; ICC.
struct CameraPhoto {
  std::vector<uint8_t> xmp, comment, icc;
  std::vector<uint8_t> File(const gfx::Bitmap& pixels, int orientation) const {
    return gfx::EncodeJpeg(pixels, {.quality = 95,
                                    .icc_profile = icc,
                                    .markers = {{gfx::kJpegApp1, testing_support::CameraExif({.orientation = orientation})},
                                                {gfx::kJpegApp1, xmp},
                                                {gfx::kJpegComment, comment}}});
  }
};

TEST(CommandLineTest, MetadataIsKeptTurnedUprightOrStripped) {
  ASSERT_EQ(Shell("command -v cjpeg >/dev/null && command -v djpeg >/dev/null"), 0);
  TempDir dir;
  const std::string xmp = std::string("http://ns.adobe.com/xap/1.0/") + '\0' + "<x:xmpmeta/>";
  const CameraPhoto photo{{xmp.begin(), xmp.end()}, {'s', 'u', 'm', 'm', 'e', 'r'}, std::vector<uint8_t>(500, 7)};
  WriteBytes(dir / "upright.jpg", photo.File(Photo(24, 16), 1));
  WriteBytes(dir / "turned.jpg", photo.File(Photo(24, 16), 6));
  ASSERT_EQ(Shell("touch -d '2001-02-03 04:05:06' '" + (dir / "upright.jpg") + "'"), 0);
  ASSERT_EQ(Shell("djpeg -rgb -ppm -outfile '" + (dir / "upright.ppm") + "' '" + (dir / "upright.jpg") + "'"), 0);
  ASSERT_EQ(Shell("cjpeg -baseline -quality 60 -outfile '" + (dir / "reference.jpg") + "' '" + (dir / "upright.ppm") + "'"), 0);
  for (const char* folder : {"kept", "stripped", "converted"}) ASSERT_EQ(Shell("mkdir '" + (dir / folder) + "'"), 0);

  ASSERT_EQ(RunOrvel({"--batch", "-q", "60", "--keep-dates", "-o", dir / "kept", dir / "upright.jpg", dir / "turned.jpg"}), 0);
  ASSERT_EQ(RunOrvel({"--batch", "-q", "60", "--strip", "-o", dir / "stripped", dir / "upright.jpg", dir / "turned.jpg"}), 0);
  ASSERT_EQ(RunOrvel({"--convert", dir / "turned.jpg", dir / "converted/turned.jpg"}), 0);

  struct Case { std::string output; bool metadata; gfx::Size size; };
  const Case cases[] = {{dir / "kept/Orvel_upright.jpg", true, {24, 16}},
                        {dir / "kept/Orvel_turned.jpg", true, {16, 24}},
                        {dir / "stripped/Orvel_upright.jpg", false, {24, 16}},
                        {dir / "stripped/Orvel_turned.jpg", false, {16, 24}},
                        {dir / "converted/turned.jpg", true, {16, 24}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.output);
    const std::vector<uint8_t> file = ReadBytes(c.output);
    const gfx::JpegPicture decoded = gfx::DecodeJpeg(file);
    EXPECT_EQ(decoded.bitmap.GetSize(), c.size);
    EXPECT_EQ(decoded.icc_profile, photo.icc);  // the colour profile stays in every case
    std::vector<std::vector<uint8_t>> app1, comments;
    for (const auto& [marker, payload] : testing_support::JpegSegments(file)) {
      if (marker == 0xE1) app1.push_back(payload);
      if (marker == 0xFE) comments.push_back(payload);
    }
    if (!c.metadata) {
      EXPECT_TRUE(app1.empty());
      EXPECT_TRUE(comments.empty());
      continue;
    }
    ASSERT_EQ(app1.size(), 2u);
    const testing_support::ExifFacts exif = testing_support::ReadExifFacts(app1[0]);
    EXPECT_EQ(exif.orientation, 1);
    EXPECT_EQ(exif.thumbnail_bytes, 0u);
    EXPECT_EQ(exif.make, "Orvel Optics");
    EXPECT_EQ(exif.date, "2024:07:14 09:30:05");
    EXPECT_EQ(exif.latitude, (std::vector<double>{48, 51, 24.05}));
    EXPECT_EQ(app1[1], photo.xmp);
    EXPECT_EQ(comments, std::vector<std::vector<uint8_t>>{photo.comment});
  }
  // The metadata sits before the tables: from there on the bytes are the reference encoder's.
  EXPECT_EQ(FromFirstQuantTable(ReadBytes(dir / "kept/Orvel_upright.jpg")), FromFirstQuantTable(ReadBytes(dir / "reference.jpg")));

  // --keep-dates gives the output its source's modification time; without it the output is new.
  struct stat source {}, kept {}, stripped {};
  ASSERT_EQ(::stat((dir / "upright.jpg").c_str(), &source), 0);
  ASSERT_EQ(::stat((dir / "kept/Orvel_upright.jpg").c_str(), &kept), 0);
  ASSERT_EQ(::stat((dir / "stripped/Orvel_upright.jpg").c_str(), &stripped), 0);
  EXPECT_EQ(kept.st_mtim.tv_sec, source.st_mtim.tv_sec);
  EXPECT_EQ(kept.st_mtim.tv_nsec, source.st_mtim.tv_nsec);
  EXPECT_NE(stripped.st_mtim.tv_sec, source.st_mtim.tv_sec);
}

TEST(CommandLineTest, OutputFormatsAndJpegCodingOptions) {
  ASSERT_EQ(Shell("command -v cjpeg >/dev/null"), 0);
  TempDir dir;
  const gfx::Bitmap pixels = Photo(45, 29);
  WriteBytes(dir / "pic.bmp", gfx::EncodeBmp(pixels));
  ASSERT_EQ(Shell("mkdir '" + (dir / "out") + "'"), 0);
  const std::string out = dir / "out";

  // JPEG coding options against the reference encoder given the same switches.
  struct Case { std::vector<std::string> ours; const char* reference; };
  const Case cases[] = {{{}, ""},
                        {{"--optimize"}, "-optimize"},
                        {{"--progressive"}, "-progressive"},
                        {{"--progressive", "--optimize"}, "-progressive -optimize"}};
  std::vector<uint8_t> plain;
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--batch", "-q", "70", "-o", out, dir / "pic.bmp"};
    args.insert(args.end(), c.ours.begin(), c.ours.end());
    ASSERT_EQ(RunOrvel(args), 0);
    ASSERT_EQ(Shell(std::string("cjpeg -baseline -quality 70 ") + c.reference + " -outfile '" + (dir / "ref.jpg") +
                    "' '" + (dir / "pic.bmp") + "'"),
              0);
    const std::vector<uint8_t> ours = ReadBytes(out + "/Orvel_pic.jpg");
    EXPECT_EQ(FromFirstQuantTable(ours), FromFirstQuantTable(ReadBytes(dir / "ref.jpg"))) << c.reference;
    if (plain.empty()) plain = ours;
    EXPECT_EQ(gfx::DecodeJpeg(ours).bitmap, gfx::DecodeJpeg(plain).bitmap) << c.reference;  // same pixels
  }
  ASSERT_EQ(RunOrvel({"--batch", "-q", "70", "--optimize", "-o", out, dir / "pic.bmp"}), 0);
  EXPECT_LT(ReadBytes(out + "/Orvel_pic.jpg").size(), plain.size());

  ASSERT_EQ(RunOrvel({"--batch", "-f", "webp", "-o", out, dir / "pic.bmp"}), 0);
  EXPECT_EQ(gfx::DecodeWebp(ReadBytes(out + "/Orvel_pic.webp")).GetSize(), pixels.GetSize());
  ASSERT_EQ(RunOrvel({"--batch", "-f", "bmp", "-o", out, dir / "pic.bmp"}), 0);
  EXPECT_EQ(gfx::DecodeBmp(ReadBytes(out + "/Orvel_pic.bmp")), pixels);
  ASSERT_EQ(RunOrvel({"--convert", dir / "pic.bmp", dir / "single.WebP", "--size", "20x10"}), 0);
  EXPECT_EQ(gfx::DecodeWebp(ReadBytes(dir / "single.webp")).GetSize(), (gfx::Size{20, 10}));
  EXPECT_EQ(RunOrvel({"--batch", "-f", "gif", "-o", out, dir / "pic.bmp"}), 2);
}

std::string CapturedRun(const std::vector<std::string>& args, int* code) {
  testing::internal::CaptureStdout();
  *code = RunOrvel(args);
  return testing::internal::GetCapturedStdout();
}

TEST(CommandLineTest, OutputsLargerThanTheirSourcesAreCountedOrReplacedByCopies) {
  TempDir dir;
  const std::vector<uint8_t> small_jpeg = gfx::EncodeJpeg(Photo(40, 30), {.quality = 30});
  const std::vector<uint8_t> png = gfx::testing::WritePng({.width = 64, .height = 64, .color_type = PNG_COLOR_TYPE_GRAY,
                                                           .samples = std::vector<uint16_t>(64 * 64, 90)});
  WriteBytes(dir / "small.jpg", small_jpeg);
  WriteBytes(dir / "flat.png", png);  // a flat PNG is tiny: its JPEG is larger, but it is no JPEG to copy
  for (const char* folder : {"plain", "copies", "stripped"}) ASSERT_EQ(Shell("mkdir '" + (dir / folder) + "'"), 0);
  const std::vector<std::string> sources = {dir / "small.jpg", dir / "flat.png"};

  struct Case { const char* folder; std::vector<std::string> options; bool copied; const char* summary; };
  const Case cases[] = {
      {"plain", {}, false, "2 个文件压缩后变大"},
      {"copies", {"--no-larger"}, true, "1 个文件压缩后会变大, 已原样复制源文件"},
      {"stripped", {"--no-larger", "--strip"}, false, "2 个文件压缩后变大"},  // a copy would keep metadata
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--batch", "-q", "100", "-o", dir / c.folder};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.insert(args.end(), sources.begin(), sources.end());
    int code = 0;
    const std::string printed = CapturedRun(args, &code);
    EXPECT_EQ(code, 0);
    EXPECT_NE(printed.find(c.summary), std::string::npos) << c.folder << ":\n" << printed;
    EXPECT_EQ(ReadBytes(dir / c.folder + "/Orvel_small.jpg") == small_jpeg, c.copied) << c.folder;
    EXPECT_EQ(printed.find("已原样复制源文件)") != std::string::npos, c.copied) << c.folder << ":\n" << printed;
    EXPECT_GT(ReadBytes(dir / c.folder + "/Orvel_flat.jpg").size(), png.size()) << c.folder;
  }
  // Outputs that are smaller are not mentioned.
  int code = 0;
  const std::string printed = CapturedRun({"--batch", "-q", "20", "-o", dir / "plain", dir / "small.jpg"}, &code);
  EXPECT_EQ(printed.find("变大"), std::string::npos) << printed;
}

// Every file of a folder with its bytes, by name.
std::vector<std::pair<std::string, std::vector<uint8_t>>> FolderContents(const TempDir& dir, const std::string& name) {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir / name)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  for (const std::string& n : names) files.emplace_back(n, ReadBytes(dir / name + "/" + n));
  return files;
}

TEST(CommandLineTest, ShardsRunByGnuParallelGiveTheFilesOfOnePlainRun) {
  const std::string orvel = std::string(ORVEL_BINARY_DIR) + "/orvel";
  ASSERT_EQ(Shell("test -x '" + orvel + "'"), 0) << "the orvel program is built with the tests";
  ASSERT_EQ(Shell("command -v parallel >/dev/null"), 0) << "GNU parallel (Debian package parallel) is needed";
  TempDir dir;
  ASSERT_EQ(Shell("mkdir '" + (dir / "in") + "' '" + (dir / "plain") + "' '" + (dir / "sharded") + "'"), 0);
  std::string list;
  for (int i = 0; i < 11; ++i) {
    const std::string name = dir / ("in/p" + std::to_string(i) + (i % 3 ? ".jpg" : ".bmp"));
    WriteBytes(name, i % 3 ? gfx::EncodeJpeg(Photo(20 + i, 12)) : gfx::EncodeBmp(Photo(12, 9 + i)));
    list += name + "\n";
  }
  WriteBytes(dir / "list.txt", std::vector<uint8_t>(list.begin(), list.end()));
  ASSERT_EQ(RunOrvel({"--batch", "--quiet", "-q", "80", "--files-from", dir / "list.txt", "-o", dir / "plain"}), 0);
  // Four shards over three job slots, as the recipe runs them across machines.
  ASSERT_EQ(Shell("parallel --will-cite -j3 '" + orvel + "' --batch --quiet -j 1 -q 80 --shard {}/4 --files-from '" +
                  (dir / "list.txt") + "' -o '" + (dir / "sharded") + "' ::: 0 1 2 3"),
            0);
  const auto plain = FolderContents(dir, "plain");
  EXPECT_EQ(plain.size(), 11u);
  EXPECT_EQ(FolderContents(dir, "sharded"), plain);

  // The shards split the list without overlap.
  std::vector<size_t> counts;
  for (const char* shard : {"0/4", "1/4", "2/4", "3/4"}) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(RunOrvel({"--batch", "--json", "--shard", shard, "--files-from", dir / "list.txt", "-o", dir / "sharded"}), 0);
    const std::string printed = testing::internal::GetCapturedStdout();
    counts.push_back(static_cast<size_t>(std::count(printed.begin(), printed.end(), '\n')) - 1);
  }
  EXPECT_EQ(counts, (std::vector<size_t>{3, 3, 3, 2}));
  EXPECT_EQ(RunOrvel({"--batch", "--shard", "4/4", "-o", dir / "plain", dir / "in/p1.jpg"}), 2);
}

TEST(CommandLineTest, SkipExistingLeavesUpToDateOutputsAndRedoesTheRest) {
  TempDir dir;
  ASSERT_EQ(Shell("mkdir '" + (dir / "out") + "'"), 0);
  WriteBytes(dir / "old.jpg", gfx::EncodeJpeg(Photo(16, 16)));
  WriteBytes(dir / "new.jpg", gfx::EncodeJpeg(Photo(18, 16)));
  WriteBytes(dir / "list", {});
  const std::string nul_list = (dir / "old.jpg") + '\0' + (dir / "new.jpg") + '\0';
  WriteBytes(dir / "list", std::vector<uint8_t>(nul_list.begin(), nul_list.end()));
  ASSERT_EQ(RunOrvel({"--batch", "--quiet", "--files-from", dir / "list", "-o", dir / "out"}), 0);
  // new.jpg changes after its output was written; old.jpg's output stays, even when damaged.
  ASSERT_EQ(Shell("touch -d '2000-01-01' '" + (dir / "old.jpg") + "'; touch -d '2030-01-01' '" + (dir / "new.jpg") + "'"), 0);
  WriteBytes(dir / "out/Orvel_old.jpg", {1, 2, 3});
  testing::internal::CaptureStdout();
  EXPECT_EQ(RunOrvel({"--batch", "--json", "--skip-existing", "--files-from", dir / "list", "-o", dir / "out"}), 0);
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_NE(printed.find("Orvel_old.jpg\", \"status\": \"done\", \"input_bytes\""), std::string::npos) << printed;
  EXPECT_EQ(ReadBytes(dir / "out/Orvel_old.jpg"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(gfx::DecodeJpeg(ReadBytes(dir / "out/Orvel_new.jpg")).bitmap.Width(), 18);
  EXPECT_NE(printed.find("\"skipped\": 1"), std::string::npos) << printed;
}

TEST(CommandLineTest, AHostileFileListIsReportedAndTheRunGoesOn) {
  TempDir dir;
  ASSERT_EQ(Shell("mkdir '" + (dir / "out") + "'"), 0);
  WriteBytes(dir / "good.jpg", gfx::EncodeJpeg(Photo(10, 10)));
  const std::string list = std::string(1 << 20, 'x') + "\n" + (dir / "missing.jpg") + "\r\n\n" + dir.path() + "\n" +
                           (dir / "good.jpg") + "\n";
  WriteBytes(dir / "list", std::vector<uint8_t>(list.begin(), list.end()));
  testing::internal::CaptureStdout();
  EXPECT_EQ(RunOrvel({"--batch", "--json", "--files-from", dir / "list", "-o", dir / "out"}), 1);
  const std::string printed = testing::internal::GetCapturedStdout();
  // The 1 MB name and the missing file fail; the folder gives its one picture, then the file itself.
  EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 5);
  EXPECT_NE(printed.find("\"files\": 4, \"done\": 2, \"failed\": 2"), std::string::npos) << printed.substr(printed.size() - 400);
  EXPECT_EQ(gfx::DecodeJpeg(ReadBytes(dir / "out/Orvel_good.jpg")).bitmap.Width(), 10);
  EXPECT_EQ(RunOrvel({"--batch", "--files-from", dir / "no-such-list", "-o", dir / "out"}), 1);
}

// The sources a --json run reports, in its order.
std::vector<std::string> ReportedSources(const std::string& printed) {
  std::vector<std::string> sources;
  const std::string key = "\"source\": \"";
  for (size_t at = printed.find(key); at != std::string::npos; at = printed.find(key, at + 1)) {
    const size_t start = at + key.size();
    sources.push_back(printed.substr(start, printed.find('"', start) - start));
  }
  return sources;
}

TEST(CommandLineTest, FoldersRecursiveInAStableOrderAndMirroredWithKeepTree) {
  TempDir dir;
  const std::string in = dir / "in";
  ASSERT_EQ(Shell("mkdir -p '" + in + "/sub/deeper' '" + in + "/.hidden' '" + (dir / "flat") + "' '" + (dir / "top") +
                  "' '" + (dir / "tree") + "'"),
            0);
  WriteBytes(in + "/a.jpg", gfx::EncodeJpeg(Photo(10, 6)));
  WriteBytes(in + "/.secret.jpg", gfx::EncodeJpeg(Photo(10, 6)));
  WriteBytes(in + "/.hidden/h.jpg", gfx::EncodeJpeg(Photo(10, 6)));
  WriteBytes(in + "/notes.txt", {'h', 'i'});
  WriteBytes(in + "/sub/b.png", gfx::testing::WritePng({.width = 2, .color_type = PNG_COLOR_TYPE_GRAY, .samples = {1, 2}}));
  WriteBytes(in + "/sub/noext", gfx::EncodeBmp(Photo(3, 3)));  // a picture by its content
  WriteBytes(in + "/sub/deeper/c.webp", gfx::EncodeWebp(Photo(7, 5), 80));
  ASSERT_EQ(Shell("ln -s .. '" + in + "/sub/loop' && ln -s ../a.jpg '" + in + "/sub/link.jpg'"), 0);

  struct Case { std::vector<std::string> options; const char* folder; std::vector<std::string> sources, outputs; };
  const Case cases[] = {
      {{"-r"}, "flat",
       {in + "/a.jpg", in + "/sub/b.png", in + "/sub/link.jpg", in + "/sub/noext", in + "/sub/deeper/c.webp"},
       {"Orvel_a.jpg", "Orvel_b.jpg", "Orvel_c.jpg", "Orvel_link.jpg", "Orvel_noext.jpg"}},
      {{}, "top", {in + "/a.jpg"}, {"Orvel_a.jpg"}},
      {{"-r", "--keep-tree"}, "tree",
       {in + "/a.jpg", in + "/sub/b.png", in + "/sub/link.jpg", in + "/sub/noext", in + "/sub/deeper/c.webp"},
       {"Orvel_a.jpg", "sub"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--batch", "--json", "-o", dir / c.folder, in};
    args.insert(args.begin() + 1, c.options.begin(), c.options.end());
    testing::internal::CaptureStdout();
    EXPECT_EQ(RunOrvel(args), 0) << c.folder;
    EXPECT_EQ(ReportedSources(testing::internal::GetCapturedStdout()), c.sources) << c.folder;
    EXPECT_EQ(TempDir::ListOf(dir / c.folder), c.outputs) << c.folder;
  }
  EXPECT_EQ(TempDir::ListOf(dir / "tree/sub"), (std::vector<std::string>{"Orvel_b.jpg", "Orvel_link.jpg", "Orvel_noext.jpg", "deeper"}));
  EXPECT_EQ(TempDir::ListOf(dir / "tree/sub/deeper"), (std::vector<std::string>{"Orvel_c.jpg"}));
}

}  // namespace
}  // namespace app
