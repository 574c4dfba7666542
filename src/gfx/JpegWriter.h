// A JPEG encoder fed rows as they come, writing into memory or into a file as it goes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/JpegCodec.h"

namespace gfx {

class AtomicFileWriter;

// The two DC and two AC Huffman tables made for one picture: for each, the count of codes of
// each length 1..16 (index 0 unused) and the symbols in code order.
struct JpegHuffmanTables {
  uint8_t bits[4][17];
  uint8_t values[4][256];
};

// Encodes one picture from 24-bit blue-green-red rows, handed in top to bottom in bands of any
// size, with the settings of EncodeJpeg: libjpeg's defaults, the quality with baseline tables,
// the metadata segments before the first table. Every failure throws ImageError; the writer can
// then only be destroyed. A file written to is left uncommitted: its owner commits it.
class JpegWriter {
 public:
  // What the writer makes of the rows.
  enum class Output {
    kMemory,      // the file's bytes, for TakeBytes
    kStatistics,  // only the Huffman tables that suit the picture best, for Tables
  };

  // Checks the size and the metadata as EncodeJpeg does. With `tables` (sequential scans only)
  // the picture is coded with them, which gives the same bytes as `optimize` in one pass over
  // the rows once the tables are known.
  JpegWriter(int32_t width, int32_t height, const JpegEncodeOptions& options, Output output,
             const JpegHuffmanTables* tables = nullptr);
  // Writes into `file` (through a buffer) as the bytes come.
  JpegWriter(int32_t width, int32_t height, const JpegEncodeOptions& options, AtomicFileWriter& file,
             const JpegHuffmanTables* tables = nullptr);
  ~JpegWriter();
  JpegWriter(const JpegWriter&) = delete;
  JpegWriter& operator=(const JpegWriter&) = delete;

  // The next `count` rows, each width * 3 bytes. No more than the picture's height in all.
  void WriteRows(const uint8_t* const* rows, uint64_t count);
  // After the last row: ends the data (and, for a file, has written every byte to it).
  void Finish();

  std::vector<uint8_t> TakeBytes();        // kMemory, after Finish
  const JpegHuffmanTables& Tables() const;  // kStatistics, after Finish

 private:
  struct State;
  void Start(int32_t width, int32_t height, const JpegEncodeOptions& options, const JpegHuffmanTables* tables);
  std::unique_ptr<State> state_;
};

}  // namespace gfx
