// One file of a batch: read and decode through the picture reader, encode in memory, then write
// the whole output at once.
#include "batch/FileConverter.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
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

uint64_t ConvertToJpeg(const std::string& source, const std::string& output, int quality) {
  // Read as it is, so that a pipe serves as a source too; a folder is refused by the read.
  std::optional<picture::LoadedPicture> loaded = picture::DecodePictureFile(source, gfx::ReadWholeFile(source));
  if (!loaded) throw gfx::ImageError("无法读取文件 " + source + ": 文件不存在或不是 JPEG、BMP、PNG、WebP 图片");
  if (loaded->bitmap.IsEmpty()) throw gfx::ImageError("没有可以保存的图片！ (" + source + ")");
  gfx::JpegEncodeOptions options;
  options.quality = std::clamp(quality, 0, 100);
  options.icc_profile = std::move(loaded->icc_profile);
  std::vector<uint8_t> bytes = gfx::EncodeJpeg(loaded->bitmap, options);
  gfx::WriteFileAtomically(output, bytes);
  return bytes.size();
}

}  // namespace batch
