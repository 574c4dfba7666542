// libjpeg error handling through a setjmp guard that holds no C++ objects, and the RAII holders.
#include "gfx/JpegGuard.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include <jerror.h>

#include "gfx/FileIo.h"
#include "gfx/ImageError.h"

namespace gfx::jpeg {

namespace {

ErrorState& StateOf(j_common_ptr cinfo) { return *reinterpret_cast<ErrorState*>(cinfo->err); }

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  ErrorState& state = StateOf(cinfo);
  (*cinfo->err->format_message)(cinfo, state.message);
  std::longjmp(state.jump, 1);
}

// Warnings after which libjpeg goes on with invented data: the picture would come out with grey or
// garbled parts, so the file is refused. Other warnings (stray bytes between complete segments, an
// unknown JFIF revision, an odd progression) leave the pixels whole.
bool IsDamage(int code) {
  switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
      return true;
    default:
      return false;
  }
}

void EmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace messages
  cinfo->err->num_warnings++;
  if (!IsDamage(cinfo->err->msg_code)) return;
  StateOf(cinfo).damaged = true;
  ErrorExit(cinfo);
}

void OutputMessage(j_common_ptr) {}  // nothing is ever printed

void InitErrorState(ErrorState& state) {
  jpeg_std_error(&state.mgr);
  state.mgr.error_exit = ErrorExit;
  state.mgr.emit_message = EmitMessage;
  state.mgr.output_message = OutputMessage;
  state.message[0] = '\0';
  state.damaged = false;
}

[[noreturn]] void Throw(const ErrorState& state, const char* prefix) {
  std::string text = prefix;
  text += state.damaged ? "文件数据不完整或已损坏 (" : "";
  text += state.message;
  text += state.damaged ? ")" : "";
  throw ImageError(text);
}

void InitDestination(j_compress_ptr cinfo) {
  auto* buffer = reinterpret_cast<GrowingBuffer*>(cinfo->dest);
  if (buffer->data == nullptr) {
    buffer->data = static_cast<uint8_t*>(std::malloc(buffer->capacity));
    if (buffer->data == nullptr) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 10);
  }
  buffer->mgr.next_output_byte = buffer->data;
  buffer->mgr.free_in_buffer = buffer->capacity;
}

// Leaves the guarded step with the reason of a failed read or write.
[[noreturn]] void FailWith(ErrorState& state, const char* what, const char* reason) {
  std::snprintf(state.message, sizeof state.message, "%s (%s)", what, reason);
  std::longjmp(state.jump, 1);
}

void WriteOut(GrowingBuffer& buffer, size_t size) {
  if (!buffer.file->Write(buffer.data, size)) FailWith(*buffer.error, "写入文件出错", buffer.file->ErrorText());
  buffer.mgr.next_output_byte = buffer.data;
  buffer.mgr.free_in_buffer = buffer.capacity;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  auto* buffer = reinterpret_cast<GrowingBuffer*>(cinfo->dest);
  if (buffer->discard) {
    buffer->mgr.next_output_byte = buffer->data;
    buffer->mgr.free_in_buffer = buffer->capacity;
    return TRUE;
  }
  if (buffer->file != nullptr) {
    WriteOut(*buffer, buffer->capacity);  // libjpeg calls this only when the buffer is full
    return TRUE;
  }
  size_t used = buffer->capacity;  // libjpeg calls this only when the buffer is full
  size_t grown = used * 2;
  auto* data = static_cast<uint8_t*>(std::realloc(buffer->data, grown));
  if (data == nullptr) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 11);
  buffer->data = data;
  buffer->capacity = grown;
  buffer->mgr.next_output_byte = data + used;
  buffer->mgr.free_in_buffer = grown - used;
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  auto* buffer = reinterpret_cast<GrowingBuffer*>(cinfo->dest);
  if (buffer->file != nullptr) WriteOut(*buffer, buffer->capacity - buffer->mgr.free_in_buffer);
}

constexpr size_t kReadPiece = size_t{1} << 16;

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
  auto* source = reinterpret_cast<Decompressor::FileSource*>(cinfo->src);
  long n = source->file->Read(source->buffer.get(), kReadPiece);
  if (n < 0) FailWith(*source->error, "读取文件出错", source->file->ErrorText());
  if (n == 0) {
    // As libjpeg's own sources do: a warning (which the guard takes as damage), then an end
    // marker so that a caller that goes on finishes the picture.
    WARNMS(cinfo, JWRN_JPEG_EOF);
    source->buffer[0] = 0xFF;
    source->buffer[1] = JPEG_EOI;
    n = 2;
  }
  source->mgr.next_input_byte = source->buffer.get();
  source->mgr.bytes_in_buffer = static_cast<size_t>(n);
  return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* mgr = cinfo->src;
  auto left = static_cast<size_t>(count);
  while (left > mgr->bytes_in_buffer) {
    left -= mgr->bytes_in_buffer;
    FillInputBuffer(cinfo);
  }
  mgr->next_input_byte += left;
  mgr->bytes_in_buffer -= left;
}

void CreateDecompress(j_common_ptr cinfo, void*) {
  jpeg_create_decompress(reinterpret_cast<j_decompress_ptr>(cinfo));
}

void CreateCompress(j_common_ptr cinfo, void*) {
  jpeg_create_compress(reinterpret_cast<j_compress_ptr>(cinfo));
}

}  // namespace

bool RunGuarded(j_common_ptr cinfo, ErrorState& state, Step step, void* context) {
  if (setjmp(state.jump) != 0) return false;
  step(cinfo, context);
  return true;
}

Decompressor::Decompressor() {
  InitErrorState(error_);
  info_.err = &error_.mgr;
  progress_.mgr.progress_monitor = Monitor;
  progress_.error = &error_;
  // jpeg_create_decompress clears the object but keeps err; it can fail only for lack of memory,
  // and then frees whatever it had already allocated before the error is thrown.
  if (!RunGuarded(Common(), error_, CreateDecompress, nullptr)) {
    jpeg_destroy_decompress(&info_);
    Throw(error_, "无法解码 JPEG 图片: ");
  }
  info_.progress = &progress_.mgr;
}

Decompressor::~Decompressor() { jpeg_destroy_decompress(&info_); }

void Decompressor::Run(Step step, void* context, const char* prefix) {
  if (!RunGuarded(Common(), error_, step, context)) Throw(error_, prefix);
}

void Decompressor::ReadFrom(FileReader& file) {
  source_.buffer = std::make_unique<uint8_t[]>(kReadPiece);
  source_.file = &file;
  source_.error = &error_;
  source_.mgr.init_source = InitSource;
  source_.mgr.fill_input_buffer = FillInputBuffer;
  source_.mgr.skip_input_data = SkipInputData;
  source_.mgr.resync_to_restart = jpeg_resync_to_restart;
  source_.mgr.term_source = TermSource;
  source_.mgr.next_input_byte = nullptr;
  source_.mgr.bytes_in_buffer = 0;
  info_.src = &source_.mgr;
}

// Called by libjpeg between scans and blocks of rows, always inside a guarded step.
void Decompressor::Monitor(j_common_ptr cinfo) {
  auto* progress = reinterpret_cast<Progress*>(cinfo->progress);
  auto* info = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (info->input_scan_number <= kMaxScans) return;
  std::snprintf(progress->error->message, sizeof progress->error->message,
                "文件的扫描段超过 %d 个", kMaxScans);
  std::longjmp(progress->error->jump, 1);
}

Compressor::Compressor(size_t initial_capacity) {
  InitErrorState(error_);
  info_.err = &error_.mgr;
  buffer_.capacity = initial_capacity < 4096 ? 4096 : initial_capacity;
  buffer_.mgr.init_destination = InitDestination;
  buffer_.mgr.empty_output_buffer = EmptyOutputBuffer;
  buffer_.mgr.term_destination = TermDestination;
  if (!RunGuarded(Common(), error_, CreateCompress, nullptr)) {
    jpeg_destroy_compress(&info_);
    Throw(error_, "无法编码 JPEG 图片: ");
  }
  info_.dest = &buffer_.mgr;
}

Compressor::Compressor(AtomicFileWriter& file, size_t buffer_size) : Compressor(buffer_size) {
  buffer_.file = &file;
  buffer_.error = &error_;
}

Compressor::Compressor(DiscardOutput, size_t buffer_size) : Compressor(buffer_size) { buffer_.discard = true; }

Compressor::~Compressor() {
  jpeg_destroy_compress(&info_);
  std::free(buffer_.data);
}

size_t Compressor::Size() const {
  if (buffer_.data == nullptr || buffer_.file != nullptr || buffer_.discard) return 0;
  return static_cast<size_t>(buffer_.mgr.next_output_byte - buffer_.data);
}

void Compressor::Run(Step step, void* context, const char* prefix) {
  if (!RunGuarded(Common(), error_, step, context)) Throw(error_, prefix);
}

}  // namespace gfx::jpeg
