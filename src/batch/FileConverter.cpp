// One file of a batch: streamed a band at a time where that is exact; else read and decoded through
// the picture reader, encoded in memory, and the whole output written at once.
#include "batch/FileConverter.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cctype>
#include <optional>
#include <vector>

#include "batch/StreamConverter.h"
#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
#include "gfx/JpegCodec.h"
#include "gfx/WebpCodec.h"
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

const char* ExtensionOf(OutputFormat format) {
  switch (format) {
    case OutputFormat::kWebp: return ".webp";
    case OutputFormat::kBmp: return ".bmp";
    case OutputFormat::kJpeg: break;
  }
  return ".jpg";
}

std::string OutputNameFor(const std::string& folder, const std::string& source, const char* extension) {
  return folder + "/Orvel_" + picture::ReplaceExtension(picture::FileNamePart(source), extension);
}

namespace {

std::vector<uint8_t> Encode(picture::LoadedPicture& loaded, const ConvertOptions& options) {
  switch (options.format) {
    case OutputFormat::kWebp: return gfx::EncodeWebp(loaded.bitmap, options.quality);
    case OutputFormat::kBmp: return gfx::EncodeBmp(loaded.bitmap);
    case OutputFormat::kJpeg: break;
  }
  gfx::JpegEncodeOptions encode;
  encode.quality = std::clamp(options.quality, 0, 100);
  encode.icc_profile = std::move(loaded.icc_profile);
  if (options.keep_metadata) encode.markers = std::move(loaded.markers);
  encode.progressive = options.progressive;
  encode.optimize = options.optimize;
  return gfx::EncodeJpeg(loaded.bitmap, encode);
}

}  // namespace

namespace {

void GiveUpWhenAsked(const ConvertProgress* progress) {
  if (progress != nullptr && progress->AbortRequested()) throw ConvertAborted();
}

}  // namespace

ConvertResult ConvertPicture(const std::string& source, const std::string& output, const ConvertOptions& options,
                             ConvertProgress* progress) {
  GiveUpWhenAsked(progress);
  if (std::optional<ConvertResult> streamed = StreamPicture(source, output, options, progress)) {
    if (options.keep_dates) CopyFileTimes(source, output);
    return *streamed;
  }
  // Read as it is, so that a pipe serves as a source too; a folder is refused by the read.
  const std::vector<uint8_t> source_bytes = gfx::ReadWholeFile(source);
  GiveUpWhenAsked(progress);
  std::optional<picture::LoadedPicture> loaded = picture::DecodePictureFile(source, source_bytes, progress);
  if (!loaded) throw gfx::ImageError("无法读取文件 " + source + ": 文件不存在或不是 JPEG、BMP、PNG、WebP 图片");
  if (loaded->bitmap.IsEmpty()) throw gfx::ImageError("没有可以保存的图片！ (" + source + ")");
  const bool jpeg_source = picture::FormatOfBytes(source_bytes) == picture::PictureFormat::kJpeg;
  GiveUpWhenAsked(progress);
  std::vector<uint8_t> bytes = Encode(*loaded, options);
  // The output is written whole to a temporary file and renamed, so giving up before the write
  // leaves nothing; once written, the output stands.
  GiveUpWhenAsked(progress);
  ConvertResult result{source_bytes.size(), bytes.size(), false};
  // The batch never resizes, so a JPEG source has the output's pixel size (turned or not).
  if (options.no_larger && options.keep_metadata && options.format == OutputFormat::kJpeg && jpeg_source &&
      bytes.size() > source_bytes.size()) {
    gfx::WriteFileAtomically(output, source_bytes);
    result.output_bytes = source_bytes.size();
    result.copied_source = true;
  } else {
    gfx::WriteFileAtomically(output, bytes);
  }
  if (options.keep_dates) CopyFileTimes(source, output);
  return result;
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
