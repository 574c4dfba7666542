// A JPEG decoder that hands out rows as it goes, from bytes in memory or from a file read in pieces.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/JpegCodec.h"

namespace gfx {

class FileReader;

// True when the file's first bytes are those of a JPEG file; the file is then back at its start
// (only a regular file can go back).
bool StartsAsJpeg(FileReader& file);

// Decodes one JPEG picture into 24-bit blue-green-red rows, a band at a time, so a caller that
// passes each band on never holds the whole picture. The header is read on construction; then
// Start, ReadRows until every row is read, and Finish. Grey-scale comes as three equal channels,
// Adobe CMYK/YCCK is converted to RGB. The EXIF orientation is only reported: the rows come as
// stored. Every failure (damaged or truncated data, an unsupported colour space, a picture too
// large) throws ImageError with the decoder's text; the reader can then only be destroyed.
class JpegReader {
 public:
  // Reads from bytes that must outlive the reader.
  explicit JpegReader(std::span<const uint8_t> data);
  // Reads the file in pieces of 64 KiB; the file must outlive the reader.
  explicit JpegReader(FileReader& file);
  ~JpegReader();
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;

  // The EXIF orientation (1..8) of the first APP1 segment that gives one other than 1; else 1.
  int Orientation() const;
  // The source's colour profile (empty when it has none) and its APP1 and comment segments, ready
  // to be written with the decoded pixels (see JpegPicture). Each can be taken once.
  std::vector<uint8_t> TakeIccProfile();
  std::vector<JpegMarker> TakeMarkers();

  // Decodes at the smallest of the full size, 1/2, 1/4 and 1/8 that still covers `want` as the
  // picture is seen once its orientation is applied (see DecodeJpegScaled). Before Start.
  void ScaleToCover(Size want);
  // The same over every eighth of the full size (1/8, 2/8 ... 8/8): libjpeg scales in its inverse
  // DCT by any eighth, the halvings only being the fastest. Before Start.
  void ScaleToCoverInEighths(Size want);
  // The size of the rows that come out (scaled, not turned).
  uint64_t Width() const;
  uint64_t Height() const;
  // The part of those rows the picture covers: all of them, unless a scaled read ends the picture
  // part-way into the last column or row.
  PictureExtent Extent() const;

  // Refuses a picture whose rows would not fit a Bitmap or hold more than `max_pixels` pixels,
  // then starts decoding (a progressive file is read whole here; one that lost scans is refused).
  void Start(uint64_t max_pixels);
  // Decodes the next `count` rows into `rows` (each Width() * 3 bytes); fewer when the picture
  // ends sooner. Returns the number of rows decoded.
  uint64_t ReadRows(uint8_t* const* rows, uint64_t count);
  // As ReadRows, but stops after the rows libjpeg gives in one go (at least one while any are
  // left), for a caller that reports its progress as finely as the decoder works.
  uint64_t ReadSomeRows(uint8_t* const* rows, uint64_t count);
  uint64_t RowsRead() const;
  // Reads the rest of the data up to the end marker, so damage after the last row is found too.
  void Finish();

 private:
  struct State;
  void ReadHeader();
  void SetScale(unsigned numerator, unsigned denominator);
  uint64_t Read(uint8_t* const* rows, uint64_t count, bool once);
  std::unique_ptr<State> state_;
};

}  // namespace gfx
