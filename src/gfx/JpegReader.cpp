// JpegReader: libjpeg's decompression in steps, each run under the guard, with the source's
// metadata segments read from the header.
#include "gfx/JpegReader.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include <jerror.h>

#include "gfx/Bitmap.h"
#include "gfx/ExifRewrite.h"
#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
#include "gfx/JpegGuard.h"
#include "gfx/JpegOrientation.h"

namespace gfx {

namespace {

constexpr const char* kDecodeError = "无法解码 JPEG 图片: ";
constexpr unsigned kMarkerLimit = 0xFFFF;  // keep whole APP1 and APP2 segments

// The steps below run inside the libjpeg guard: they touch only the plain data they are given.

struct HeaderStep {
  bool memory;  // else the source is set already
  const uint8_t* data;
  size_t size;
  JOCTET* icc;
  unsigned icc_size;
  int orientation;
};

void ReadHeaderStep(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  auto* step = static_cast<HeaderStep*>(context);
  if (step->memory) jpeg_mem_src(cinfo, step->data, static_cast<unsigned long>(step->size));
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

struct OutputScale {
  unsigned numerator;
  unsigned denominator;
};

// Sets the output scale and lets libjpeg work out the output size.
void ScaleOutput(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  const auto* scale = static_cast<const OutputScale*>(context);
  cinfo->scale_num = scale->numerator;
  cinfo->scale_denom = scale->denominator;
  jpeg_calc_output_dimensions(cinfo);
}

// Whether the picture scaled by numerator / denominator still covers `want`. libjpeg rounds a
// scaled side up, and `want` is taken as seen, so an orientation that turns the picture swaps it.
bool Covers(uint64_t width, uint64_t height, int orientation, Size want, unsigned numerator, unsigned denominator) {
  if (orientation >= 5 && orientation <= 8) std::swap(want.width, want.height);
  const uint64_t want_w = want.width > 0 ? static_cast<uint64_t>(want.width) : 0;
  const uint64_t want_h = want.height > 0 ? static_cast<uint64_t>(want.height) : 0;
  return (width * numerator + denominator - 1) / denominator >= want_w &&
         (height * numerator + denominator - 1) / denominator >= want_h;
}

// Starts decompressing. A progressive file has been read to its end by then. Encoders send every
// coefficient of every component; one that never had a scan means the file lost scans (cut and
// closed again).
void StartStep(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  auto* missing_scan = static_cast<bool*>(context);
  jpeg_start_decompress(cinfo);
  if (!cinfo->progressive_mode || cinfo->coef_bits == nullptr) return;
  for (int c = 0; c < cinfo->num_components; ++c) {
    for (int k = 0; k < DCTSIZE2; ++k) {
      if (cinfo->coef_bits[c][k] < 0) {
        *missing_scan = true;
        return;
      }
    }
  }
}

struct RowsStep {
  uint8_t* const* rows;
  JDIMENSION count;
  JSAMPROW cmyk_row;   // scratch row for four-channel files, else null
  bool inverted_cmyk;  // Adobe writes CMYK with every channel inverted
  bool once;           // stop after one call of libjpeg's
  JDIMENSION done;
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

void ReadRowsStep(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  auto* step = static_cast<RowsStep*>(context);
  while (step->done < step->count && cinfo->output_scanline < cinfo->output_height) {
    JDIMENSION got;
    if (step->cmyk_row != nullptr) {
      got = jpeg_read_scanlines(cinfo, &step->cmyk_row, 1);
      if (got == 1) CmykToBgr(step->cmyk_row, step->rows[step->done], cinfo->output_width, step->inverted_cmyk);
    } else {
      // libjpeg's interface predates const; it writes into the rows, not the array.
      got = jpeg_read_scanlines(cinfo, const_cast<JSAMPARRAY>(step->rows + step->done), step->count - step->done);
    }
    if (got == 0) ERREXIT(cinfo, JERR_INPUT_EOF);  // cannot happen: a source that ends says so
    step->done += got;
    if (step->once) return;
  }
}

void FinishStep(j_common_ptr common, void*) { jpeg_finish_decompress(reinterpret_cast<j_decompress_ptr>(common)); }

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

}  // namespace

bool StartsAsJpeg(FileReader& file) {
  uint8_t head[3];
  size_t got = 0;
  while (got < sizeof head) {
    const long n = file.Read(head + got, sizeof head - got);
    if (n <= 0) return false;
    got += static_cast<size_t>(n);
  }
  return head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF && file.Rewind();
}

struct JpegReader::State {
  jpeg::Decompressor decompressor;
  std::span<const uint8_t> data;
  bool from_file = false;
  int orientation = 1;
  std::vector<uint8_t> icc_profile;
  std::vector<JpegMarker> markers;
  bool four_channels = false;
  bool scaled = false;
  std::unique_ptr<JSAMPLE[]> cmyk_row;
};

JpegReader::JpegReader(std::span<const uint8_t> data) : state_(std::make_unique<State>()) {
  state_->data = data;
  ReadHeader();
}

JpegReader::JpegReader(FileReader& file) : state_(std::make_unique<State>()) {
  state_->decompressor.ReadFrom(file);
  state_->from_file = true;
  ReadHeader();
}

JpegReader::~JpegReader() = default;

void JpegReader::ReadHeader() {
  State& s = *state_;
  jpeg_decompress_struct& cinfo = s.decompressor.Info();
  HeaderStep header{!s.from_file, s.data.data(), s.data.size(), nullptr, 0, 1};
  s.decompressor.Run(ReadHeaderStep, &header, kDecodeError);
  std::unique_ptr<JOCTET, FreeDeleter> icc(header.icc);
  s.orientation = header.orientation;
  if (icc) s.icc_profile.assign(icc.get(), icc.get() + header.icc_size);
  // The saved segments live in libjpeg's per-picture memory, which finishing the decode frees.
  s.markers = KeptMarkers(cinfo.marker_list);

  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      cinfo.out_color_space = JCS_EXT_BGR;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      s.four_channels = true;
      break;
    default:
      throw ImageError(std::string(kDecodeError) + "不支持的颜色空间 (" + std::to_string(cinfo.num_components) +
                       " 个分量)");
  }
}

int JpegReader::Orientation() const { return state_->orientation; }
std::vector<uint8_t> JpegReader::TakeIccProfile() { return std::move(state_->icc_profile); }
std::vector<JpegMarker> JpegReader::TakeMarkers() { return std::move(state_->markers); }

void JpegReader::ScaleToCover(Size want) {
  const jpeg_decompress_struct& cinfo = state_->decompressor.Info();
  for (unsigned denominator : {8u, 4u, 2u}) {
    if (Covers(cinfo.image_width, cinfo.image_height, state_->orientation, want, 1, denominator)) {
      SetScale(1, denominator);
      return;
    }
  }
}

void JpegReader::ScaleToCoverInEighths(Size want) {
  const jpeg_decompress_struct& cinfo = state_->decompressor.Info();
  for (unsigned eighths = 1; eighths < 8; ++eighths) {
    if (Covers(cinfo.image_width, cinfo.image_height, state_->orientation, want, eighths, 8)) {
      SetScale(eighths, 8);
      return;
    }
  }
}

void JpegReader::SetScale(unsigned numerator, unsigned denominator) {
  OutputScale scale{numerator, denominator};
  state_->decompressor.Run(ScaleOutput, &scale, kDecodeError);
  state_->scaled = true;
}

// Without scaling the output size is the image size; jpeg_start_decompress works it out again.
uint64_t JpegReader::Width() const {
  const jpeg_decompress_struct& cinfo = state_->decompressor.Info();
  return state_->scaled ? cinfo.output_width : cinfo.image_width;
}

uint64_t JpegReader::Height() const {
  const jpeg_decompress_struct& cinfo = state_->decompressor.Info();
  return state_->scaled ? cinfo.output_height : cinfo.image_height;
}

PictureExtent JpegReader::Extent() const {
  const jpeg_decompress_struct& cinfo = state_->decompressor.Info();
  if (!state_->scaled) return {0, 0, static_cast<double>(cinfo.image_width), static_cast<double>(cinfo.image_height)};
  const double scale = static_cast<double>(cinfo.scale_num) / cinfo.scale_denom;
  return {0, 0, cinfo.image_width * scale, cinfo.image_height * scale};
}

void JpegReader::Start(uint64_t max_pixels) {
  State& s = *state_;
  const uint64_t width = Width();
  const uint64_t height = Height();
  if (!Bitmap::IsAllowedSize(static_cast<int64_t>(width), static_cast<int64_t>(height)) ||
      width * height > max_pixels) {
    throw ImageError(std::string(kDecodeError) + "图片尺寸过大 (" + std::to_string(width) + " x " +
                     std::to_string(height) + ")");
  }
  if (s.four_channels) s.cmyk_row.reset(new JSAMPLE[width * 4]);
  bool missing_scan = false;
  s.decompressor.Run(StartStep, &missing_scan, kDecodeError);
  if (missing_scan) throw ImageError(std::string(kDecodeError) + "文件数据不完整或已损坏 (缺少扫描段)");
}

uint64_t JpegReader::ReadRows(uint8_t* const* rows, uint64_t count) { return Read(rows, count, false); }

uint64_t JpegReader::ReadSomeRows(uint8_t* const* rows, uint64_t count) { return Read(rows, count, true); }

uint64_t JpegReader::Read(uint8_t* const* rows, uint64_t count, bool once) {
  State& s = *state_;
  RowsStep step{rows, static_cast<JDIMENSION>(count), s.cmyk_row.get(),
                s.decompressor.Info().saw_Adobe_marker != FALSE, once, 0};
  s.decompressor.Run(ReadRowsStep, &step, kDecodeError);
  return step.done;
}

uint64_t JpegReader::RowsRead() const { return state_->decompressor.Info().output_scanline; }

void JpegReader::Finish() { state_->decompressor.Run(FinishStep, nullptr, kDecodeError); }

}  // namespace gfx
