// libjpeg objects owned by RAII holders, and the guard that turns libjpeg's error exits into results.
#pragma once

// jpeglib.h needs FILE and size_t declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace gfx {
class AtomicFileWriter;
class FileReader;
}  // namespace gfx

namespace gfx::jpeg {

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back to the
// setjmp in RunGuarded. Everything between that setjmp and the jump (RunGuarded itself, the step
// function and libjpeg's own frames) holds only plain data, so no destructor is ever skipped.
struct ErrorState {
  jpeg_error_mgr mgr;         // first member: libjpeg hands &mgr back through cinfo->err
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool damaged;               // the failure was a damaged-data warning rather than an error
};

// A libjpeg call sequence run under the guard; `context` is plain data owned by the caller.
using Step = void (*)(j_common_ptr cinfo, void* context);

// Runs step(cinfo, context). Returns false when libjpeg raised an error (or a warning that means the
// data is damaged); the error's text is then in state.message.
bool RunGuarded(j_common_ptr cinfo, ErrorState& state, Step step, void* context);

// Most files with many scans are progressive files with about ten of them; a file with thousands of
// tiny scans only serves to make decoding take forever.
inline constexpr int kMaxScans = 1000;

// A decompression object with its error state; destroyed (all libjpeg memory freed) on every path.
class Decompressor {
 public:
  // Throws ImageError when libjpeg cannot even create the object.
  Decompressor();
  ~Decompressor();
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct& Info() { return info_; }
  const jpeg_decompress_struct& Info() const { return info_; }
  j_common_ptr Common() { return reinterpret_cast<j_common_ptr>(&info_); }
  ErrorState& Error() { return error_; }

  // Runs a step under the guard and throws ImageError (prefix + libjpeg's text) when it fails.
  void Run(Step step, void* context, const char* prefix);

  // Makes the decompressor read `file` in pieces as it goes, so the file is never held whole. The
  // file must outlive the decompressor. A file that ends early is damaged, as a truncated buffer is.
  void ReadFrom(FileReader& file);

  // The source that reads a file in pieces.
  struct FileSource {
    jpeg_source_mgr mgr;  // first member: libjpeg hands &mgr back through cinfo->src
    FileReader* file;
    ErrorState* error;
    std::unique_ptr<uint8_t[]> buffer;
  };

 private:
  struct Progress {
    jpeg_progress_mgr mgr;  // first member, as for the error state
    ErrorState* error;
  };
  static void Monitor(j_common_ptr cinfo);

  ErrorState error_{};
  Progress progress_{};
  FileSource source_{};
  jpeg_decompress_struct info_{};
};

// Output buffer for compression: grown with realloc by libjpeg's callbacks, freed by the owner.
// With a file set, it keeps its size and each full buffer goes to the file instead.
struct GrowingBuffer {
  jpeg_destination_mgr mgr;  // first member: libjpeg hands &mgr back through cinfo->dest
  uint8_t* data;
  size_t capacity;
  AtomicFileWriter* file;
  ErrorState* error;
  bool discard;  // the bytes are not wanted: each full buffer is started again
};

// Asks a compressor to throw its bytes away (a pass that only gathers statistics).
struct DiscardOutput {};

// A compression object writing into a GrowingBuffer; everything is freed on every path.
class Compressor {
 public:
  explicit Compressor(size_t initial_capacity);
  // Writes into `file` as the bytes come, through a buffer of `buffer_size` bytes. The file must
  // outlive the compressor; a failed write stops the compression with an error, and the file
  // keeps the reason.
  Compressor(AtomicFileWriter& file, size_t buffer_size);
  Compressor(DiscardOutput, size_t buffer_size);
  ~Compressor();
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  jpeg_compress_struct& Info() { return info_; }
  j_common_ptr Common() { return reinterpret_cast<j_common_ptr>(&info_); }
  // The bytes written so far (all of them once jpeg_finish_compress has run); in memory only.
  const uint8_t* Data() const { return buffer_.data; }
  size_t Size() const;

  void Run(Step step, void* context, const char* prefix);

 private:
  ErrorState error_{};
  GrowingBuffer buffer_{};
  jpeg_compress_struct info_{};
};

}  // namespace gfx::jpeg
