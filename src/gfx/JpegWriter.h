// A JPEG encoder fed rows as they come, writing into memory or into a file as it goes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/JpegCodec.h"

namespace gfx {

class AtomicFileWriter;

// Encodes one picture from 24-bit blue-green-red rows, handed in top to bottom in bands of any
// size, with the settings of EncodeJpeg: libjpeg's defaults, the quality with baseline tables,
// the metadata segments before the first table. Every failure throws ImageError; the writer can
// then only be destroyed. A file written to is left uncommitted: its owner commits it.
//
// Optimised tables of a sequential picture need every block before the first byte: the writer
// keeps the quantised blocks compactly as the rows come and codes them in Finish, which is when
// the whole output is written.
class JpegWriter {
 public:
  // Writes into memory, for TakeBytes. Checks the size and the metadata as EncodeJpeg does.
  JpegWriter(int32_t width, int32_t height, const JpegEncodeOptions& options);
  // Writes into `file` (through a buffer) as the bytes come. The file must outlive the writer.
  JpegWriter(int32_t width, int32_t height, const JpegEncodeOptions& options, AtomicFileWriter& file);
  ~JpegWriter();
  JpegWriter(const JpegWriter&) = delete;
  JpegWriter& operator=(const JpegWriter&) = delete;

  // The next `count` rows, each width * 3 bytes. No more than the picture's height in all.
  void WriteRows(const uint8_t* const* rows, uint64_t count);
  // After the last row: ends the data (and, for a file, has written every byte to it).
  void Finish();

  std::vector<uint8_t> TakeBytes();  // in memory, after Finish

 private:
  struct State;
  void Start(const JpegEncodeOptions& options);
  std::unique_ptr<State> state_;
};

}  // namespace gfx
