// Compression and decompression streams over zlib.
#include "skin/storage/ZlibStreams.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "skin/storage/SkinStorageError.h"

namespace skin {
namespace {

constexpr const char* kInvalidOperation = "Invalid stream operation";

int ZlibLevel(CompressionLevel level) {
  switch (level) {
    case CompressionLevel::clNone:
      return Z_NO_COMPRESSION;
    case CompressionLevel::clFastest:
      return Z_BEST_SPEED;
    case CompressionLevel::clDefault:
      return Z_DEFAULT_COMPRESSION;
    case CompressionLevel::clMax:
      break;
  }
  return Z_BEST_COMPRESSION;
}

}  // namespace

struct TCompressionStream::State {
  z_stream z{};
  uint8_t buffer[kBufferSize];
};

TCompressionStream::TCompressionStream(CompressionLevel level, std::vector<uint8_t>& output)
    : state_(std::make_unique<State>()), output_(output) {
  if (deflateInit(&state_->z, ZlibLevel(level)) != Z_OK) throw ECompressionError("error");
  state_->z.next_out = state_->buffer;
  state_->z.avail_out = kBufferSize;
}

TCompressionStream::~TCompressionStream() {
  try {
    if (!finished_) Finish();
  } catch (...) {
    // A destructor must not throw; Finish reports failures to callers that call it themselves.
  }
  deflateEnd(&state_->z);
}

void TCompressionStream::FlushBuffer(size_t bytes) {
  output_.insert(output_.end(), state_->buffer, state_->buffer + bytes);
  state_->z.next_out = state_->buffer;
  state_->z.avail_out = kBufferSize;
  if (OnProgress) OnProgress();
}

size_t TCompressionStream::Write(const void* data, size_t count) {
  if (finished_) throw ECompressionError(kInvalidOperation);
  z_stream& z = state_->z;
  const uint8_t* in = static_cast<const uint8_t*>(data);
  size_t left = count;
  while (left > 0) {
    // zlib counts in 32-bit units, so large writes go in slices.
    uInt slice = static_cast<uInt>(std::min<size_t>(left, 1u << 30));
    z.next_in = const_cast<Bytef*>(in);
    z.avail_in = slice;
    while (z.avail_in > 0) {
      if (deflate(&z, Z_NO_FLUSH) < 0) throw ECompressionError("error");
      if (z.avail_out == 0) FlushBuffer(kBufferSize);
    }
    in += slice;
    left -= slice;
  }
  return count;
}

size_t TCompressionStream::Read(void*, size_t) { throw ECompressionError(kInvalidOperation); }

int64_t TCompressionStream::Seek(int64_t offset, SeekOrigin origin) {
  if (offset == 0 && origin == SeekOrigin::soCurrent) return static_cast<int64_t>(state_->z.total_in);
  throw ECompressionError(kInvalidOperation);
}

void TCompressionStream::Finish() {
  if (finished_) return;
  z_stream& z = state_->z;
  z.next_in = nullptr;
  z.avail_in = 0;
  for (;;) {
    int rc = deflate(&z, Z_FINISH);
    if (rc == Z_STREAM_END) break;
    // The buffer always has room here, so anything but progress is a failure.
    if (rc != Z_OK) throw ECompressionError("error");
    if (z.avail_out == 0) FlushBuffer(kBufferSize);
  }
  if (z.avail_out < kBufferSize) FlushBuffer(kBufferSize - z.avail_out);
  finished_ = true;
}

struct TDecompressionStream::State {
  z_stream z{};
  uint8_t buffer[kBufferSize];
};

TDecompressionStream::TDecompressionStream(std::span<const uint8_t> input, size_t start)
    : state_(std::make_unique<State>()), input_(input), start_(std::min(start, input.size())) {
  if (inflateInit(&state_->z) != Z_OK) throw EDecompressionError("compression error");
  next_in_ = start_;
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&state_->z); }

void TDecompressionStream::Restart() {
  if (inflateReset(&state_->z) != Z_OK) throw EDecompressionError("compression error");
  state_->z.next_in = nullptr;
  state_->z.avail_in = 0;
  next_in_ = start_;
  position_ = 0;
  at_end_ = false;
}

size_t TDecompressionStream::Read(void* data, size_t count) {
  z_stream& z = state_->z;
  uint8_t* out = static_cast<uint8_t*>(data);
  size_t done = 0;
  while (done < count && !at_end_) {
    if (z.avail_in == 0) {
      size_t take = std::min(kBufferSize, input_.size() - next_in_);
      // Input that ends before the end of the zlib stream is damaged, not a short file: reporting
      // it keeps a cut-off skin from loading with part of its text silently missing.
      if (take == 0) throw EDecompressionError("compression error");
      std::memcpy(state_->buffer, input_.data() + next_in_, take);
      next_in_ += take;
      z.next_in = state_->buffer;
      z.avail_in = static_cast<uInt>(take);
      if (OnProgress) OnProgress();
    }
    uInt slice = static_cast<uInt>(std::min<size_t>(count - done, 1u << 30));
    z.next_out = out + done;
    z.avail_out = slice;
    int rc = inflate(&z, Z_NO_FLUSH);
    if (rc == Z_NEED_DICT || (rc < 0 && rc != Z_BUF_ERROR)) throw EDecompressionError("compression error");
    size_t produced = slice - z.avail_out;
    done += produced;
    position_ += static_cast<int64_t>(produced);
    if (rc == Z_STREAM_END) at_end_ = true;
  }
  return done;
}

size_t TDecompressionStream::Write(const void*, size_t) { throw EDecompressionError(kInvalidOperation); }

int64_t TDecompressionStream::Seek(int64_t offset, SeekOrigin origin) {
  if (offset == 0 && origin == SeekOrigin::soBeginning) {
    Restart();
    return 0;
  }
  int64_t skip = -1;
  if (origin == SeekOrigin::soBeginning && offset > position_) skip = offset - position_;
  if (origin == SeekOrigin::soCurrent && offset >= 0) skip = offset;
  if (skip < 0) throw EDecompressionError(kInvalidOperation);
  uint8_t discard[kBufferSize];
  while (skip > 0) {
    size_t got = Read(discard, static_cast<size_t>(std::min<int64_t>(skip, kBufferSize)));
    if (got == 0) break;
    skip -= static_cast<int64_t>(got);
  }
  return position_;
}

std::vector<uint8_t> CompressBytes(std::span<const uint8_t> data, CompressionLevel level) {
  std::vector<uint8_t> out;
  TCompressionStream stream(level, out);
  stream.Write(data.data(), data.size());
  stream.Finish();
  return out;
}

std::vector<uint8_t> DecompressBytes(std::span<const uint8_t> data, size_t max_bytes) {
  std::vector<uint8_t> out;
  TDecompressionStream stream(data);
  uint8_t chunk[TDecompressionStream::kBufferSize];
  for (;;) {
    size_t got = stream.Read(chunk, sizeof chunk);
    if (got == 0) break;
    if (got > max_bytes - out.size()) {
      throw SkinStorageError("The compressed skin unpacks to more than " + std::to_string(max_bytes >> 20) +
                             " MiB and is refused");
    }
    out.insert(out.end(), chunk, chunk + got);
  }
  return out;
}

}  // namespace skin
