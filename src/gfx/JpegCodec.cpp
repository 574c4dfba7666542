// JPEG decoding straight into a 24-bit picture's rows and encoding from them, through the
// row-band reader and writer.
#include "gfx/JpegCodec.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
#include "gfx/JpegOrientation.h"
#include "gfx/JpegReader.h"
#include "gfx/JpegWriter.h"

namespace gfx {

namespace {

// How a read is scaled: not at all, by halvings, or by eighths, to cover `want`.
struct Scaling {
  enum class Steps { kNone, kHalvings, kEighths } steps = Steps::kNone;
  Size want{};
};

// `progress` set: told of the rows as libjpeg gives them, and asked between them whether to give up.
JpegPicture Decode(JpegReader& reader, uint64_t max_pixels, Scaling scaling = {}, RowProgress* progress = nullptr) {
  if (scaling.steps == Scaling::Steps::kHalvings) reader.ScaleToCover(scaling.want);
  if (scaling.steps == Scaling::Steps::kEighths) reader.ScaleToCoverInEighths(scaling.want);
  reader.Start(max_pixels);
  const uint64_t height = reader.Height();
  Bitmap bitmap(static_cast<int32_t>(reader.Width()), static_cast<int32_t>(height), 24);
  std::unique_ptr<uint8_t*[]> rows(new uint8_t*[height]);
  for (uint64_t y = 0; y < height; ++y) rows[y] = bitmap.Row(static_cast<int32_t>(y));
  if (progress == nullptr) {
    reader.ReadRows(rows.get(), height);
  } else {
    for (uint64_t done = 0; done < height;) {
      done += reader.ReadSomeRows(rows.get() + done, height - done);
      ReportRows(progress, static_cast<int64_t>(done), static_cast<int64_t>(height));
    }
  }
  reader.Finish();

  JpegPicture picture;
  picture.extent = OrientExtent(reader.Extent(), bitmap.GetSize(), reader.Orientation());
  picture.bitmap = ApplyOrientation(std::move(bitmap), reader.Orientation());
  picture.icc_profile = reader.TakeIccProfile();
  picture.markers = reader.TakeMarkers();
  return picture;
}

JpegPicture Decode(std::span<const uint8_t> data, uint64_t max_pixels, Scaling scaling = {},
                   RowProgress* progress = nullptr) {
  JpegReader reader(data);
  return Decode(reader, max_pixels, scaling, progress);
}

// The scaling of a read for a resize to `target`: twice the target, by eighths.
Scaling ForResizeTo(Size target) {
  auto twice = [](int32_t side) {
    return static_cast<int32_t>(std::min<int64_t>(int64_t{side} * 2, std::numeric_limits<int32_t>::max()));
  };
  return {Scaling::Steps::kEighths, {twice(target.width), twice(target.height)}};
}

std::unique_ptr<const uint8_t*[]> RowsOf(const Bitmap& bitmap) {
  std::unique_ptr<const uint8_t*[]> rows(new const uint8_t*[static_cast<size_t>(bitmap.Height())]);
  for (int32_t y = 0; y < bitmap.Height(); ++y) rows[static_cast<size_t>(y)] = bitmap.Row(y);
  return rows;
}

}  // namespace

JpegPicture DecodeJpeg(std::span<const uint8_t> data) { return Decode(data, Bitmap::kMaxPixels); }

JpegPicture DecodeJpeg(std::span<const uint8_t> data, uint64_t max_pixels) {
  return Decode(data, max_pixels);
}

JpegPicture DecodeJpeg(std::span<const uint8_t> data, RowProgress* progress) {
  return Decode(data, Bitmap::kMaxPixels, {}, progress);
}

JpegPicture ReadJpegFile(const std::string& path) {
  std::vector<uint8_t> bytes = ReadWholeFile(path);
  try {
    return Decode(bytes, Bitmap::kMaxPixels);
  } catch (const ImageError& e) {
    throw ImageError("文件 \"" + path + "\": " + e.what());
  }
}

JpegPicture DecodeJpegScaled(std::span<const uint8_t> data, Size want) {
  return Decode(data, Bitmap::kMaxPixels, {Scaling::Steps::kHalvings, want});
}

JpegPicture ReadJpegToResize(FileReader& file, Size target) {
  JpegReader reader(file);
  return Decode(reader, Bitmap::kMaxPixels, ForResizeTo(target));
}

JpegPicture ReadJpegFileScaled(const std::string& path, Size want) {
  std::vector<uint8_t> bytes = ReadWholeFile(path);
  try {
    return Decode(bytes, Bitmap::kMaxPixels, {Scaling::Steps::kHalvings, want});
  } catch (const ImageError& e) {
    throw ImageError("文件 \"" + path + "\": " + e.what());
  }
}

std::vector<uint8_t> EncodeJpeg(const Bitmap& bitmap, const JpegEncodeOptions& options) {
  Bitmap converted;
  const Bitmap* source = &bitmap;
  if (!bitmap.IsEmpty() && bitmap.BitsPerPixel() != 24) {
    converted = bitmap.ToBgr24();
    source = &converted;
  }
  const int32_t width = source->Width();
  const int32_t height = source->Height();
  const auto rows = source->IsEmpty() ? nullptr : RowsOf(*source);
  JpegWriter writer(width, height, options);
  writer.WriteRows(rows.get(), static_cast<uint64_t>(height));
  writer.Finish();
  return writer.TakeBytes();
}

}  // namespace gfx
