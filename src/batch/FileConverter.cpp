// One file of a batch: read and decode through the picture reader, encode in memory, then write
// the whole output at once.
#include "batch/FileConverter.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
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

uint64_t ConvertToJpeg(const std::string& source, const std::string& output, const ConvertOptions& options) {
  // Read as it is, so that a pipe serves as a source too; a folder is refused by the read.
  std::optional<picture::LoadedPicture> loaded = picture::DecodePictureFile(source, gfx::ReadWholeFile(source));
  if (!loaded) throw gfx::ImageError("无法读取文件 " + source + ": 文件不存在或不是 JPEG、BMP、PNG、WebP 图片");
  if (loaded->bitmap.IsEmpty()) throw gfx::ImageError("没有可以保存的图片！ (" + source + ")");
  gfx::JpegEncodeOptions encode;
  encode.quality = std::clamp(options.quality, 0, 100);
  encode.icc_profile = std::move(loaded->icc_profile);
  if (options.keep_metadata) encode.markers = std::move(loaded->markers);
  std::vector<uint8_t> bytes = gfx::EncodeJpeg(loaded->bitmap, encode);
  gfx::WriteFileAtomically(output, bytes);
  if (options.keep_dates) CopyFileTimes(source, output);
  return bytes.size();
}

void CopyFileTimes(const std::string& source, const std::string& output) {
  struct stat st {};
  if (::stat(source.c_str(), &st) != 0)
    throw gfx::ImageError("无法读取文件 " + source + " 的时间: " + std::strerror(errno));
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  if (::utimensat(AT_FDCWD, output.c_str(), times, 0) != 0)
    throw gfx::ImageError("无法设置文件 " + output + " 的时间: " + std::strerror(errno));
}

}  // namespace batch
