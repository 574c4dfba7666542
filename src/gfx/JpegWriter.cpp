// JpegWriter: libjpeg's compression in steps, each run under the guard.
#include "gfx/JpegWriter.h"

#include <cstring>
#include <optional>
#include <string>

// jpegint.h gives the entropy coder's interface, through which a one-pass compression gathers
// the statistics of the Huffman tables (libjpeg's own two-pass mode holds every coefficient).
#include "gfx/JpegGuard.h"
#include <jpegint.h>
#include <jerror.h>

#include "gfx/FileIo.h"
#include "gfx/ImageError.h"

namespace gfx {

namespace {

constexpr const char* kEncodeError = "无法编码 JPEG 图片: ";
constexpr size_t kFileBuffer = size_t{1} << 18;

// The steps below run inside the libjpeg guard: they touch only the plain data they are given.

struct StartStep {
  int32_t width;
  int32_t height;
  int quality;
  const std::vector<uint8_t>* icc;
  const JpegMarker* markers;
  size_t marker_count;
  bool progressive;
  bool optimize;
  bool statistics;
  const JpegHuffmanTables* tables;
};

void WriteMarkers(j_compress_ptr cinfo, const StartStep& step, bool app1) {
  for (size_t i = 0; i < step.marker_count; ++i) {
    const JpegMarker& m = step.markers[i];
    if ((m.code == JPEG_APP0 + 1) != app1) continue;
    jpeg_write_marker(cinfo, m.code, m.data.data(), static_cast<unsigned>(m.data.size()));
  }
}

JHUFF_TBL* TableSlot(j_compress_ptr cinfo, int index) {
  return index < 2 ? cinfo->dc_huff_tbl_ptrs[index] : cinfo->ac_huff_tbl_ptrs[index - 2];
}

void StartCompress(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_compress_ptr>(common);
  auto* step = static_cast<StartStep*>(context);
  cinfo->image_width = static_cast<JDIMENSION>(step->width);
  cinfo->image_height = static_cast<JDIMENSION>(step->height);
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, step->quality, TRUE);
  if (step->progressive) jpeg_simple_progression(cinfo);
  if (step->optimize && step->tables == nullptr && !step->statistics) cinfo->optimize_coding = TRUE;
  if (step->tables != nullptr) {
    for (int i = 0; i < 4; ++i) {
      JHUFF_TBL* table = TableSlot(cinfo, i);
      std::memcpy(table->bits, step->tables->bits[i], sizeof table->bits);
      std::memcpy(table->huffval, step->tables->values[i], sizeof table->huffval);
    }
  }
  jpeg_start_compress(cinfo, TRUE);
  if (step->statistics) {
    // The entropy coder counts the symbols instead of coding them; finishing makes the tables.
    (*cinfo->entropy->start_pass)(cinfo, TRUE);
    return;
  }
  // The usual order after the JFIF header: EXIF and XMP, the colour profile, then comments.
  WriteMarkers(cinfo, *step, true);
  if (!step->icc->empty())
    jpeg_write_icc_profile(cinfo, step->icc->data(), static_cast<unsigned>(step->icc->size()));
  WriteMarkers(cinfo, *step, false);
}

struct RowsStep {
  const uint8_t* const* rows;
  JDIMENSION count;
};

void WriteRowsStep(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_compress_ptr>(common);
  auto* step = static_cast<RowsStep*>(context);
  JDIMENSION done = 0;
  while (done < step->count) {
    // libjpeg only reads the rows; its interface predates const.
    JDIMENSION wrote = jpeg_write_scanlines(cinfo, const_cast<JSAMPARRAY>(step->rows + done), step->count - done);
    if (wrote == 0) ERREXIT(cinfo, JERR_BAD_STATE);  // more rows than the picture holds
    done += wrote;
  }
}

struct FinishStep {
  JpegHuffmanTables* tables;  // statistics: where the tables go
};

void FinishCompress(j_common_ptr common, void* context) {
  auto* cinfo = reinterpret_cast<j_compress_ptr>(common);
  auto* step = static_cast<FinishStep*>(context);
  jpeg_finish_compress(cinfo);
  if (step->tables == nullptr) return;
  for (int i = 0; i < 4; ++i) {
    const JHUFF_TBL* table = TableSlot(cinfo, i);
    std::memcpy(step->tables->bits[i], table->bits, sizeof table->bits);
    std::memcpy(step->tables->values[i], table->huffval, sizeof table->huffval);
  }
}

void CheckPicture(int32_t width, int32_t height, const JpegEncodeOptions& options, size_t& marker_bytes) {
  if (width <= 0 || height <= 0) throw ImageError(std::string(kEncodeError) + "图片是空的 (0 x 0)");
  // ICC profiles are split into APP2 segments of at most 65519 bytes, numbered with one byte.
  if (options.icc_profile.size() > size_t{255} * 65519) throw ImageError(std::string(kEncodeError) + "ICC 配置文件过大");
  marker_bytes = 0;
  for (const JpegMarker& m : options.markers) {
    if (m.data.size() > 65533 || !((m.code >= JPEG_APP0 && m.code <= JPEG_APP0 + 15) || m.code == JPEG_COM))
      throw ImageError(std::string(kEncodeError) + "元数据段无效");
    marker_bytes += m.data.size() + 4;
  }
}

}  // namespace

struct JpegWriter::State {
  std::optional<jpeg::Compressor> compressor;
  Output output = Output::kMemory;
  JpegHuffmanTables tables{};

  void Run(jpeg::Step step, void* context) { compressor->Run(step, context, kEncodeError); }
};

JpegWriter::JpegWriter(int32_t width, int32_t height, const JpegEncodeOptions& options, Output output,
                       const JpegHuffmanTables* tables)
    : state_(std::make_unique<State>()) {
  size_t marker_bytes = 0;
  CheckPicture(width, height, options, marker_bytes);
  state_->output = output;
  if (output == Output::kStatistics) {
    state_->compressor.emplace(jpeg::DiscardOutput{}, kFileBuffer);
  } else {
    // A quarter of the raw size holds most pictures at ordinary qualities without regrowing.
    const size_t estimate = static_cast<size_t>(width) * static_cast<size_t>(height) * 3 / 4 +
                            options.icc_profile.size() + marker_bytes + 1024;
    state_->compressor.emplace(estimate);
  }
  Start(width, height, options, tables);
}

JpegWriter::JpegWriter(int32_t width, int32_t height, const JpegEncodeOptions& options, AtomicFileWriter& file,
                       const JpegHuffmanTables* tables)
    : state_(std::make_unique<State>()) {
  size_t marker_bytes = 0;
  CheckPicture(width, height, options, marker_bytes);
  state_->compressor.emplace(file, kFileBuffer);
  Start(width, height, options, tables);
}

JpegWriter::~JpegWriter() = default;

void JpegWriter::Start(int32_t width, int32_t height, const JpegEncodeOptions& options,
                       const JpegHuffmanTables* tables) {
  const int quality = options.quality < 1 ? 1 : options.quality > 100 ? 100 : options.quality;
  StartStep step{width,
                 height,
                 quality,
                 &options.icc_profile,
                 options.markers.data(),
                 options.markers.size(),
                 options.progressive,
                 options.optimize,
                 state_->output == Output::kStatistics,
                 options.progressive ? nullptr : tables};
  state_->Run(StartCompress, &step);
}

void JpegWriter::WriteRows(const uint8_t* const* rows, uint64_t count) {
  RowsStep step{rows, static_cast<JDIMENSION>(count)};
  state_->Run(WriteRowsStep, &step);
}

void JpegWriter::Finish() {
  FinishStep step{state_->output == Output::kStatistics ? &state_->tables : nullptr};
  state_->Run(FinishCompress, &step);
}

std::vector<uint8_t> JpegWriter::TakeBytes() {
  const jpeg::Compressor& c = *state_->compressor;
  return std::vector<uint8_t>(c.Data(), c.Data() + c.Size());
}

const JpegHuffmanTables& JpegWriter::Tables() const { return state_->tables; }

}  // namespace gfx
