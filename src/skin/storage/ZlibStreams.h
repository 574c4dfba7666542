// Compression and decompression streams over zlib, with their errors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace skin {

class EZlibError : public std::runtime_error {
 public:
  explicit EZlibError(const std::string& message) : std::runtime_error(message) {}
};
// Raised with "error" when deflate fails and "Invalid stream operation" on a read or a seek.
class ECompressionError : public EZlibError {
 public:
  explicit ECompressionError(const std::string& message) : EZlibError(message) {}
};
// Raised with "compression error" on damaged data and "Invalid stream operation" on a write or a seek.
class EDecompressionError : public EZlibError {
 public:
  explicit EDecompressionError(const std::string& message) : EZlibError(message) {}
};

enum class SeekOrigin { soBeginning, soCurrent, soEnd };

// none, fastest, default and best: zlib levels 0, 1, -1 and 9.
enum class CompressionLevel { clNone, clFastest, clDefault, clMax };

// Deflates what is written into `output` (appending), through a 4,096-byte buffer that is flushed
// each time it fills. Finish (or the destructor) ends the zlib stream.
class TCompressionStream {
 public:
  static constexpr size_t kBufferSize = 4096;

  TCompressionStream(CompressionLevel level, std::vector<uint8_t>& output);
  ~TCompressionStream();  // finishes when Finish was not called; errors are swallowed there
  TCompressionStream(const TCompressionStream&) = delete;
  TCompressionStream& operator=(const TCompressionStream&) = delete;

  // Returns `count`; throws ECompressionError("error") when zlib fails.
  size_t Write(const void* data, size_t count);
  // Always throws ECompressionError("Invalid stream operation").
  size_t Read(void* data, size_t count);
  // Only Seek(0, soCurrent) is allowed: it returns the number of bytes taken in so far.
  int64_t Seek(int64_t offset, SeekOrigin origin);
  // Ends the zlib stream and writes what is left; later writes throw.
  void Finish();

  // Called after each exchange of the output buffer.
  std::function<void()> OnProgress;

 private:
  struct State;
  void FlushBuffer(size_t bytes);
  std::unique_ptr<State> state_;
  std::vector<uint8_t>& output_;
  bool finished_ = false;
};

// Inflates `input` from `start`, through a 4,096-byte input buffer refilled as needed. A read
// returns fewer bytes than asked only at the end of the zlib stream; input that ends before the
// stream's end, or damaged input, throws EDecompressionError("compression error").
class TDecompressionStream {
 public:
  static constexpr size_t kBufferSize = 4096;

  explicit TDecompressionStream(std::span<const uint8_t> input, size_t start = 0);
  ~TDecompressionStream();
  TDecompressionStream(const TDecompressionStream&) = delete;
  TDecompressionStream& operator=(const TDecompressionStream&) = delete;

  size_t Read(void* data, size_t count);
  // Always throws EDecompressionError("Invalid stream operation").
  size_t Write(const void* data, size_t count);
  // Seek(0, soBeginning) restarts from the input's first byte; a forward seek (from the beginning
  // past the current position, or by 0 or more from the current position) reads and discards in
  // 4,096-byte steps. Returns the new output position; any other seek throws.
  int64_t Seek(int64_t offset, SeekOrigin origin);
  int64_t Position() const { return position_; }

  // Called after each refill of the input buffer.
  std::function<void()> OnProgress;

 private:
  struct State;
  void Restart();
  std::unique_ptr<State> state_;
  std::span<const uint8_t> input_;
  size_t start_ = 0;
  size_t next_in_ = 0;  // next input byte to copy into the buffer
  int64_t position_ = 0;
  bool at_end_ = false;
};

// The whole of `data` deflated into one zlib stream.
std::vector<uint8_t> CompressBytes(std::span<const uint8_t> data,
                                   CompressionLevel level = CompressionLevel::clMax);
// One zlib stream inflated; throws EDecompressionError on damaged or truncated data and
// SkinStorageError when the result would exceed `max_bytes`.
std::vector<uint8_t> DecompressBytes(std::span<const uint8_t> data, size_t max_bytes);

}  // namespace skin
