// What a picture reader tells about its work between decoded rows, and how it is asked to give up.
#pragma once

#include <cstdint>
#include <exception>

namespace gfx {

// Told by a reader after rows are decoded. Both calls come from the thread that decodes and must
// not throw; AbortRequested is asked between rows, so an answer of true ends the decoding soon.
class RowProgress {
 public:
  virtual ~RowProgress() = default;
  // `done` of `total` rows are decoded (an interlaced file counts each pass's rows).
  virtual void RowsDone(int64_t done, int64_t total) = 0;
  virtual bool AbortRequested() const = 0;
};

// Thrown by a reader whose RowProgress asked it to give up. Not an ImageError: giving up is no
// damage of the file, and callers that report read errors must not take it for one.
class DecodeAborted : public std::exception {
 public:
  const char* what() const noexcept override { return "已停止"; }
};

// Reports rows to `progress` (none: nothing) and throws DecodeAborted when it asks to give up.
// For readers whose row loops run in plain C++, not under a C library's error jump.
inline void ReportRows(RowProgress* progress, int64_t done, int64_t total) {
  if (progress == nullptr) return;
  progress->RowsDone(done, total);
  if (progress->AbortRequested()) throw DecodeAborted();
}

}  // namespace gfx
