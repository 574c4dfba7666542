// JPEG decoding straight into a 24-bit picture's rows and encoding from them, through libjpeg.
#include "gfx/JpegCodec.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <jerror.h>

#include "gfx/ExifRewrite.h"
#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
#include "gfx/JpegGuard.h"
#include "gfx/JpegOrientation.h"

namespace gfx {

namespace {

constexpr const char* kDecodeError = "无法解码 JPEG 图片: ";
constexpr const char* kEncodeError = "无法编码 JPEG 图片: ";
constexpr unsigned kMarkerLimit = 0xFFFF;  // keep whole APP1 and APP2 segments

// The steps below run inside the libjpeg guard: they touch only the plain data they are given.

struct HeaderStep {
  const uint8_t* data;
  size_t size;
  JOCTET* icc;
  unsigned icc_size;
  int orientation;
};

void ReadHeader(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  auto* step = static_cast<HeaderStep*>(context);
  jpeg_mem_src(cinfo, step->data, static_cast<unsigned long>(step->size));
  jpeg_save_markers(cinfo, JPEG_APP0 + 1, kMarkerLimit);
  jpeg_save_markers(cinfo, JPEG_APP0 + 2, kMarkerLimit);
  jpeg_save_markers(cinfo, JPEG_COM, kMarkerLimit);
  jpeg_read_header(cinfo, TRUE);
  for (jpeg_saved_marker_ptr m = cinfo->marker_list; m != nullptr; m = m->next) {
    if (m->marker != JPEG_APP0 + 1) continue;
    step->orientation = ExifOrientation(m->data, m->data_length);
    if (step->orientation != 1) break;
  }
  // A damaged profile is a warning only: the picture decodes without it.
  if (!jpeg_read_icc_profile(cinfo, &step->icc, &step->icc_size)) {
    step->icc = nullptr;
    step->icc_size = 0;
  }
}

// Sets the output scale 1/denominator and lets libjpeg work out the output size.
void ScaleOutput(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  cinfo->scale_num = 1;
  cinfo->scale_denom = *static_cast<unsigned*>(context);
  jpeg_calc_output_dimensions(cinfo);
}

// The largest denominator (8, 4, 2, else 1) whose output still covers `want`. libjpeg rounds a
// scaled side up, and `want` is taken as seen, so an orientation that turns the picture swaps it.
unsigned ScaleDenominator(uint64_t width, uint64_t height, int orientation, Size want) {
  if (orientation >= 5 && orientation <= 8) std::swap(want.width, want.height);
  const uint64_t want_w = want.width > 0 ? static_cast<uint64_t>(want.width) : 0;
  const uint64_t want_h = want.height > 0 ? static_cast<uint64_t>(want.height) : 0;
  for (unsigned denom : {8u, 4u, 2u})
    if ((width + denom - 1) / denom >= want_w && (height + denom - 1) / denom >= want_h) return denom;
  return 1;
}

struct PixelStep {
  JSAMPROW* rows;      // one pointer per output row, into the picture
  JSAMPROW cmyk_row;   // scratch row for four-channel files, else null
  bool inverted_cmyk;  // Adobe writes CMYK with every channel inverted
  bool missing_scan;
  RowProgress* progress;  // told of the rows, or null
  bool aborted;           // the progress asked to give up: the rows stop where they are
};

// Four-channel samples to blue, green, red. libjpeg has already turned YCCK into CMYK.
void CmykToBgr(const JSAMPLE* in, JSAMPLE* out, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
    unsigned c = in[0], m = in[1], y = in[2], k = in[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    // Rounded (c * k / 255): the product of the remaining fractions of ink-free light.
    out[0] = static_cast<JSAMPLE>((2 * y * k + 255) / 510);
    out[1] = static_cast<JSAMPLE>((2 * m * k + 255) / 510);
    out[2] = static_cast<JSAMPLE>((2 * c * k + 255) / 510);
  }
}

void ReadPixels(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  auto* step = static_cast<PixelStep*>(context);
  jpeg_start_decompress(cinfo);
  // A progressive file has been read to its end by now. Encoders send every coefficient of every
  // component; one that never had a scan means the file lost scans (cut and closed again).
  if (cinfo->progressive_mode && cinfo->coef_bits != nullptr) {
    for (int c = 0; c < cinfo->num_components; ++c) {
      for (int k = 0; k < DCTSIZE2; ++k) {
        if (cinfo->coef_bits[c][k] < 0) {
          step->missing_scan = true;
          return;
        }
      }
    }
  }
  const JDIMENSION height = cinfo->output_height;
  while (cinfo->output_scanline < height) {
    const JDIMENSION y = cinfo->output_scanline;
    JDIMENSION got;
    if (step->cmyk_row != nullptr) {
      got = jpeg_read_scanlines(cinfo, &step->cmyk_row, 1);
      if (got == 1) CmykToBgr(step->cmyk_row, step->rows[y], cinfo->output_width, step->inverted_cmyk);
    } else {
      got = jpeg_read_scanlines(cinfo, step->rows + y, height - y);
    }
    if (got == 0) ERREXIT(cinfo, JERR_INPUT_EOF);  // cannot happen with a memory source
    if (step->progress != nullptr) {
      // No exception may cross libjpeg's frames: the caller throws once the guard has returned.
      step->progress->RowsDone(cinfo->output_scanline, height);
      if (step->progress->AbortRequested()) {
        step->aborted = true;
        return;
      }
    }
  }
  jpeg_finish_decompress(cinfo);
}

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};

// The APP1 and comment segments as they are to be written with the upright pixels.
std::vector<JpegMarker> KeptMarkers(jpeg_saved_marker_ptr list) {
  std::vector<JpegMarker> kept;
  for (jpeg_saved_marker_ptr m = list; m != nullptr; m = m->next) {
    if (m->marker != JPEG_APP0 + 1 && m->marker != JPEG_COM) continue;
    std::span<const uint8_t> payload(m->data, m->data_length);
    if (m->marker == JPEG_APP0 + 1 && IsExifPayload(payload)) {
      if (std::optional<std::vector<uint8_t>> exif = RewriteExifForTurnedPixels(payload))
        kept.push_back({m->marker, std::move(*exif)});
      continue;
    }
    kept.push_back({m->marker, std::vector<uint8_t>(payload.begin(), payload.end())});
  }
  return kept;
}

// `want` set: decode scaled to cover it (ScaleDenominator); else at full size.
JpegPicture Decode(std::span<const uint8_t> data, uint64_t max_pixels, const Size* want = nullptr,
                   RowProgress* progress = nullptr) {
  jpeg::Decompressor decompressor;
  jpeg_decompress_struct& cinfo = decompressor.Info();

  HeaderStep header{data.data(), data.size(), nullptr, 0, 1};
  decompressor.Run(ReadHeader, &header, kDecodeError);
  std::unique_ptr<JOCTET, FreeDeleter> icc(header.icc);
  // The saved segments live in libjpeg's per-picture memory, which finishing the decode frees.
  std::vector<JpegMarker> markers = KeptMarkers(cinfo.marker_list);

  bool four_channels = false;
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      cinfo.out_color_space = JCS_EXT_BGR;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      four_channels = true;
      break;
    default:
      throw ImageError(std::string(kDecodeError) + "不支持的颜色空间 (" +
                       std::to_string(cinfo.num_components) + " 个分量)");
  }
  if (want != nullptr) {
    unsigned denom = ScaleDenominator(cinfo.image_width, cinfo.image_height, header.orientation, *want);
    if (denom > 1) decompressor.Run(ScaleOutput, &denom, kDecodeError);
  }
  // Without scaling the output size is the image size; jpeg_start_decompress works it out again.
  const bool scaled = cinfo.scale_denom > 1 && want != nullptr;
  const uint64_t width = scaled ? cinfo.output_width : cinfo.image_width;
  const uint64_t height = scaled ? cinfo.output_height : cinfo.image_height;
  if (!Bitmap::IsAllowedSize(static_cast<int64_t>(width), static_cast<int64_t>(height)) ||
      width * height > max_pixels) {
    throw ImageError(std::string(kDecodeError) + "图片尺寸过大 (" + std::to_string(width) + " x " +
                     std::to_string(height) + ")");
  }

  Bitmap bitmap(static_cast<int32_t>(width), static_cast<int32_t>(height), 24);
  std::unique_ptr<JSAMPROW[]> rows(new JSAMPROW[height]);
  for (uint64_t y = 0; y < height; ++y) rows[y] = bitmap.Row(static_cast<int32_t>(y));
  std::unique_ptr<JSAMPLE[]> cmyk(four_channels ? new JSAMPLE[width * 4] : nullptr);

  PixelStep pixels{rows.get(), cmyk.get(), cinfo.saw_Adobe_marker != FALSE, false, progress, false};
  decompressor.Run(ReadPixels, &pixels, kDecodeError);
  if (pixels.aborted) throw DecodeAborted();
  if (pixels.missing_scan)
    throw ImageError(std::string(kDecodeError) + "文件数据不完整或已损坏 (缺少扫描段)");

  JpegPicture picture;
  picture.bitmap = ApplyOrientation(std::move(bitmap), header.orientation);
  if (icc) picture.icc_profile.assign(icc.get(), icc.get() + header.icc_size);
  picture.markers = std::move(markers);
  return picture;
}

struct EncodeStep {
  const Bitmap* bitmap;
  int quality;
  const std::vector<uint8_t>* icc;
  const JpegMarker* markers;
  size_t marker_count;
  bool progressive;
  bool optimize;
};

void WriteMarkers(j_compress_ptr cinfo, const EncodeStep& step, bool app1) {
  for (size_t i = 0; i < step.marker_count; ++i) {
    const JpegMarker& m = step.markers[i];
    if ((m.code == JPEG_APP0 + 1) != app1) continue;
    jpeg_write_marker(cinfo, m.code, m.data.data(), static_cast<unsigned>(m.data.size()));
  }
}

void Compress(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_compress_ptr>(common);
  auto* step = static_cast<EncodeStep*>(context);
  const Bitmap& bitmap = *step->bitmap;
  cinfo->image_width = static_cast<JDIMENSION>(bitmap.Width());
  cinfo->image_height = static_cast<JDIMENSION>(bitmap.Height());
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, step->quality, TRUE);
  if (step->progressive) jpeg_simple_progression(cinfo);
  if (step->optimize) cinfo->optimize_coding = TRUE;
  jpeg_start_compress(cinfo, TRUE);
  // The usual order after the JFIF header: EXIF and XMP, the colour profile, then comments.
  WriteMarkers(cinfo, *step, true);
  if (!step->icc->empty())
    jpeg_write_icc_profile(cinfo, step->icc->data(), static_cast<unsigned>(step->icc->size()));
  WriteMarkers(cinfo, *step, false);
  while (cinfo->next_scanline < cinfo->image_height) {
    // libjpeg only reads the rows; its interface predates const.
    JSAMPROW row = const_cast<JSAMPROW>(bitmap.Row(static_cast<int32_t>(cinfo->next_scanline)));
    jpeg_write_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_compress(cinfo);
}

}  // namespace

JpegPicture DecodeJpeg(std::span<const uint8_t> data) { return Decode(data, Bitmap::kMaxPixels); }

JpegPicture DecodeJpeg(std::span<const uint8_t> data, uint64_t max_pixels) {
  return Decode(data, max_pixels);
}

JpegPicture DecodeJpeg(std::span<const uint8_t> data, RowProgress* progress) {
  return Decode(data, Bitmap::kMaxPixels, nullptr, progress);
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
  return Decode(data, Bitmap::kMaxPixels, &want);
}

JpegPicture ReadJpegFileScaled(const std::string& path, Size want) {
  std::vector<uint8_t> bytes = ReadWholeFile(path);
  try {
    return Decode(bytes, Bitmap::kMaxPixels, &want);
  } catch (const ImageError& e) {
    throw ImageError("文件 \"" + path + "\": " + e.what());
  }
}

std::vector<uint8_t> EncodeJpeg(const Bitmap& bitmap, const JpegEncodeOptions& options) {
  if (bitmap.IsEmpty()) throw ImageError(std::string(kEncodeError) + "图片是空的 (0 x 0)");
  // ICC profiles are split into APP2 segments of at most 65519 bytes, numbered with one byte.
  if (options.icc_profile.size() > size_t{255} * 65519)
    throw ImageError(std::string(kEncodeError) + "ICC 配置文件过大");
  size_t marker_bytes = 0;
  for (const JpegMarker& m : options.markers) {
    if (m.data.size() > 65533 || !((m.code >= JPEG_APP0 && m.code <= JPEG_APP0 + 15) || m.code == JPEG_COM))
      throw ImageError(std::string(kEncodeError) + "元数据段无效");
    marker_bytes += m.data.size() + 4;
  }
  Bitmap converted;
  const Bitmap* source = &bitmap;
  if (bitmap.BitsPerPixel() != 24) {
    converted = bitmap.ToBgr24();
    source = &converted;
  }
  const int quality = options.quality < 1 ? 1 : options.quality > 100 ? 100 : options.quality;
  // A quarter of the raw size holds most pictures at ordinary qualities without regrowing.
  const size_t estimate = static_cast<size_t>(source->Width()) * source->Height() * 3 / 4 +
                          options.icc_profile.size() + marker_bytes + 1024;
  jpeg::Compressor compressor(estimate);
  EncodeStep step{source,
                  quality,
                  &options.icc_profile,
                  options.markers.data(),
                  options.markers.size(),
                  options.progressive,
                  options.optimize};
  compressor.Run(Compress, &step, kEncodeError);
  return std::vector<uint8_t>(compressor.Data(), compressor.Data() + compressor.Size());
}

}  // namespace gfx
