// One file of a batch: read, decode, encode in memory, then write the whole output at once.
#include "batch/FileConverter.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "gfx/JpegCodec.h"
#include "picture/PictureFile.h"

namespace batch {

bool IsBitmapSource(const std::string& source) {
  std::string name = picture::FileNamePart(source);
  size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string ext = name.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return ext == ".BMP";
}

std::string OutputNameFor(const std::string& folder, const std::string& source) {
  return folder + "/Orvel_" + picture::ReplaceExtension(picture::FileNamePart(source), ".jpg");
}

namespace {

uint64_t Write(const std::string& output, const std::vector<uint8_t>& bytes) {
  gfx::WriteFileAtomically(output, bytes);
  return bytes.size();
}

}  // namespace

uint64_t Bmp2jpg(const std::string& source, const std::string& output, int quality) {
  gfx::JpegEncodeOptions options;
  options.quality = std::clamp(quality, 0, 100);
  return Write(output, gfx::EncodeJpeg(gfx::ReadBmpFile(source), options));
}

uint64_t jpg2jpg(const std::string& source, const std::string& output, int quality) {
  gfx::JpegPicture picture = gfx::ReadJpegFile(source);
  gfx::JpegEncodeOptions options;
  options.quality = std::clamp(quality, 0, 100);
  options.icc_profile = std::move(picture.icc_profile);
  return Write(output, gfx::EncodeJpeg(picture.bitmap, options));
}

uint64_t ConvertToJpeg(const std::string& source, const std::string& output, int quality) {
  return IsBitmapSource(source) ? Bmp2jpg(source, output, quality) : jpg2jpg(source, output, quality);
}

}  // namespace batch
