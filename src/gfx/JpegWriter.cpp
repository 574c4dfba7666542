// JpegWriter: libjpeg's compression in steps, each run under the guard.
#include "gfx/JpegWriter.h"

#include <cstring>
#include <optional>
#include <string>

#include "gfx/JpegBlockStore.h"
#include "gfx/JpegGuard.h"
#include <jerror.h>

#include "gfx/FileIo.h"
#include "gfx/ImageError.h"

namespace gfx {

namespace {

constexpr const char* kEncodeError = "无法编码 JPEG 图片: ";
constexpr size_t kFileBuffer = size_t{1} << 18;

// The two DC and two AC Huffman tables made for one picture: for each, the count of codes of
// each length 1..16 (index 0 unused) and the symbols in code order.
struct HuffmanTables {
  uint8_t bits[4][17];
  uint8_t values[4][256];
};

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
  jpeg::BlockStore* gather;      // set: the blocks go there, nothing into the output
  const HuffmanTables* tables;  // set: the picture is coded with them
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
  // Progressive scans are optimised by libjpeg; sequential ones through a block store.
  if (step->optimize && step->progressive) cinfo->optimize_coding = TRUE;
  if (step->tables != nullptr) {
    for (int i = 0; i < 4; ++i) {
      JHUFF_TBL* table = TableSlot(cinfo, i);
      std::memcpy(table->bits, step->tables->bits[i], sizeof table->bits);
      std::memcpy(table->huffval, step->tables->values[i], sizeof table->huffval);
    }
  }
  jpeg_start_compress(cinfo, TRUE);
  if (step->gather != nullptr) {
    step->gather->Gather(cinfo);
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

void CodeStoredBlocks(j_common_ptr common, void* context) {
  static_cast<const jpeg::BlockStore*>(context)->CodeInto(reinterpret_cast<j_compress_ptr>(common));
}

struct FinishStep {
  HuffmanTables* tables;  // gathering: where the tables go
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
  int32_t width = 0;
  int32_t height = 0;
  // Optimised sequential tables: the first compression keeps the blocks here, and Finish codes
  // them into memory (`estimate` bytes to start with) or into `file`, under `options`' headers.
  std::unique_ptr<jpeg::BlockStore> blocks;
  std::optional<JpegEncodeOptions> options;
  AtomicFileWriter* file = nullptr;
  size_t estimate = 0;

  void Run(jpeg::Step step, void* context) { compressor->Run(step, context, kEncodeError); }
};

JpegWriter::JpegWriter(int32_t width, int32_t height, const JpegEncodeOptions& options)
    : state_(std::make_unique<State>()) {
  size_t marker_bytes = 0;
  CheckPicture(width, height, options, marker_bytes);
  state_->width = width;
  state_->height = height;
  // A quarter of the raw size holds most pictures at ordinary qualities without regrowing.
  state_->estimate = static_cast<size_t>(width) * static_cast<size_t>(height) * 3 / 4 +
                     options.icc_profile.size() + marker_bytes + 1024;
  Start(options);
}

JpegWriter::JpegWriter(int32_t width, int32_t height, const JpegEncodeOptions& options, AtomicFileWriter& file)
    : state_(std::make_unique<State>()) {
  size_t marker_bytes = 0;
  CheckPicture(width, height, options, marker_bytes);
  state_->width = width;
  state_->height = height;
  state_->file = &file;
  Start(options);
}

JpegWriter::~JpegWriter() = default;

namespace {

StartStep StepFor(int32_t width, int32_t height, const JpegEncodeOptions& options) {
  const int quality = options.quality < 1 ? 1 : options.quality > 100 ? 100 : options.quality;
  return StartStep{width, height, quality, &options.icc_profile, options.markers.data(), options.markers.size(),
                   options.progressive, options.optimize, nullptr, nullptr};
}

}  // namespace

void JpegWriter::Start(const JpegEncodeOptions& options) {
  State& s = *state_;
  StartStep step = StepFor(s.width, s.height, options);
  if (options.optimize && !options.progressive) {
    s.blocks = std::make_unique<jpeg::BlockStore>();
    s.options = options;
    s.compressor.emplace(jpeg::DiscardOutput{}, size_t{4096});
    step.gather = s.blocks.get();
  } else if (s.file != nullptr) {
    s.compressor.emplace(*s.file, kFileBuffer);
  } else {
    s.compressor.emplace(s.estimate);
  }
  s.Run(StartCompress, &step);
}

void JpegWriter::WriteRows(const uint8_t* const* rows, uint64_t count) {
  RowsStep step{rows, static_cast<JDIMENSION>(count)};
  state_->Run(WriteRowsStep, &step);
}

void JpegWriter::Finish() {
  State& s = *state_;
  if (s.blocks == nullptr) {
    FinishStep step{nullptr};
    s.Run(FinishCompress, &step);
    return;
  }
  HuffmanTables tables{};
  FinishStep gathered{&tables};
  s.Run(FinishCompress, &gathered);
  s.compressor.reset();
  if (s.file != nullptr)
    s.compressor.emplace(*s.file, kFileBuffer);
  else
    s.compressor.emplace(s.estimate);
  StartStep start = StepFor(s.width, s.height, *s.options);
  start.tables = &tables;
  s.Run(StartCompress, &start);
  s.Run(CodeStoredBlocks, s.blocks.get());
  FinishStep done{nullptr};
  s.Run(FinishCompress, &done);
  s.blocks.reset();
}

std::vector<uint8_t> JpegWriter::TakeBytes() {
  const jpeg::Compressor& c = *state_->compressor;
  return std::vector<uint8_t>(c.Data(), c.Data() + c.Size());
}

}  // namespace gfx
