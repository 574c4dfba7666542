// Helpers for the JPEG tests: test files, a scratch folder, the cjpeg/djpeg tools and PNM files.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace gfx::testing {

inline std::string JpegDataPath(const std::string& name) {
  return std::string(ORVEL_TEST_DATA_DIR) + "/jpeg/" + name;
}

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder removed with everything in it when the test ends.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvel-jpeg-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// True when `tool` is an executable on PATH.
inline bool HasTool(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command; true when it exits with 0.
inline bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

#define ORVEL_REQUIRE_TOOL(tool)                                                           \
  ASSERT_TRUE(::gfx::testing::HasTool(tool))                                               \
      << tool << " is not on PATH: install the package libjpeg-turbo-progs (test.sh does)"

// Reads a binary PPM (P6) or PGM (P5) with maxval 255 into a 24-bit picture (grey to three
// channels). Returns the empty picture when the file is not such a file.
inline Bitmap ReadPnm(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes = ReadBytes(path);
  size_t pos = 0;
  auto token = [&]() {
    while (pos < bytes.size() && std::isspace(bytes[pos])) ++pos;
    std::string t;
    while (pos < bytes.size() && !std::isspace(bytes[pos])) t += static_cast<char>(bytes[pos++]);
    return t;
  };
  std::string magic = token();
  if (magic != "P6" && magic != "P5") return {};
  int w = std::atoi(token().c_str()), h = std::atoi(token().c_str()), maxval = std::atoi(token().c_str());
  ++pos;  // the single white-space byte after the header
  const int channels = magic == "P6" ? 3 : 1;
  if (maxval != 255 || bytes.size() - pos < static_cast<size_t>(w) * h * channels) return {};
  Bitmap out(w, h, 24);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &bytes[pos + (static_cast<size_t>(y) * w + x) * channels];
      uint8_t* d = out.Row(y) + x * 3;
      d[0] = channels == 3 ? p[2] : p[0];
      d[1] = channels == 3 ? p[1] : p[0];
      d[2] = p[0];
    }
  }
  return out;
}

// Writes a 24-bit picture as a bottom-up 24-bit bitmap file with a 40-byte info header.
inline void WriteBmp24(const std::filesystem::path& path, const Bitmap& bgr) {
  const uint32_t stride = (static_cast<uint32_t>(bgr.Width()) * 3 + 3) & ~3u;
  const uint32_t image = stride * static_cast<uint32_t>(bgr.Height());
  std::vector<uint8_t> out;
  auto u16 = [&](uint32_t v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); };
  auto u32 = [&](uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
  out.push_back('B');
  out.push_back('M');
  u32(14 + 40 + image);
  u32(0);
  u32(14 + 40);
  u32(40);
  u32(static_cast<uint32_t>(bgr.Width()));
  u32(static_cast<uint32_t>(bgr.Height()));
  u16(1);
  u16(24);
  u32(0);
  u32(image);
  u32(2835);  // 72 dots per inch
  u32(2835);
  u32(0);
  u32(0);
  for (int32_t y = bgr.Height() - 1; y >= 0; --y) {
    const uint8_t* row = bgr.Row(y);
    out.insert(out.end(), row, row + bgr.Width() * 3);
    out.resize(out.size() + (stride - static_cast<uint32_t>(bgr.Width()) * 3), 0);
  }
  WriteBytes(path, out);
}

// The largest difference of any channel of any pixel; -1 when the sizes differ.
inline int MaxChannelDifference(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int worst = 0;
  for (int32_t y = 0; y < a.Height(); ++y) {
    for (int32_t x = 0; x < a.Width() * 3; ++x) {
      int d = std::abs(int{a.Row(y)[x]} - int{b.Row(y)[x]});
      worst = d > worst ? d : worst;
    }
  }
  return worst;
}

// A photo-like test picture: smooth gradients with a little texture.
inline Bitmap PhotoLike(int32_t width, int32_t height) {
  Bitmap out(width, height, 24);
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = out.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      row[x * 3] = static_cast<uint8_t>(x * 255 / (width > 1 ? width - 1 : 1));
      row[x * 3 + 1] = static_cast<uint8_t>(y * 255 / (height > 1 ? height - 1 : 1));
      row[x * 3 + 2] = static_cast<uint8_t>((x * 7 + y * 13 + (x * y) % 17 * 5) & 0xFF);
    }
  }
  return out;
}

}  // namespace gfx::testing
