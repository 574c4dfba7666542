// StreamPicture: the JPEG reader's bands straight into the JPEG writer, on one thread or two.
#include "batch/StreamConverter.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <thread>
#include <utility>
#include <vector>

#include "batch/BandPipe.h"
#include "gfx/Bitmap.h"
#include "gfx/FileIo.h"
#include "gfx/ImageError.h"
#include "gfx/JpegReader.h"
#include "gfx/JpegWriter.h"

namespace batch {

namespace {

constexpr uint64_t kBandRows = 16;        // one row of 4:2:0 blocks: what libjpeg decodes at once
constexpr uint64_t kThreadBandRows = 64;  // fewer hand-overs between the threads
constexpr size_t kThreadBands = 4;

// Reader errors carry the source's name, as the whole-picture reader's do.
[[noreturn]] void ThrowForSource(const std::string& source, const gfx::ImageError& e) {
  throw gfx::ImageError("文件 \"" + source + "\": " + e.what());
}

// Reads `count` rows (the picture's rows from `done` on). With a progress, the reads go as libjpeg
// gives the rows, each followed by a report and the question whether to give up.
uint64_t ReadBand(gfx::JpegReader& reader, uint8_t* const* rows, uint64_t count, uint64_t done, uint64_t height,
                  const std::string& source, ConvertProgress* progress) {
  uint64_t got = 0;
  try {
    if (progress == nullptr) return reader.ReadRows(rows, count);
    while (got < count) {
      got += reader.ReadSomeRows(rows + got, count - got);
      gfx::ReportRows(progress, static_cast<int64_t>(done + got), static_cast<int64_t>(height));
    }
  } catch (const gfx::ImageError& e) {
    ThrowForSource(source, e);
  }
  return got;
}

void FinishReading(gfx::JpegReader& reader, const std::string& source) {
  try {
    reader.Finish();
  } catch (const gfx::ImageError& e) {
    ThrowForSource(source, e);
  }
}

void PumpOnOneThread(gfx::JpegReader& reader, gfx::JpegWriter& writer, uint64_t row_bytes, uint64_t height,
                     const std::string& source, ConvertProgress* progress) {
  std::vector<uint8_t> band(row_bytes * kBandRows);
  uint8_t* rows[kBandRows];
  for (uint64_t i = 0; i < kBandRows; ++i) rows[i] = band.data() + i * row_bytes;
  for (uint64_t done = 0; done < height;) {
    const uint64_t got = ReadBand(reader, rows, std::min(kBandRows, height - done), done, height, source, progress);
    writer.WriteRows(rows, got);
    done += got;
  }
  FinishReading(reader, source);
}

// The decoding thread fills bands while this thread encodes the bands filled before.
void PumpOnTwoThreads(gfx::JpegReader& reader, gfx::JpegWriter& writer, uint64_t row_bytes, uint64_t height,
                      const std::string& source, ConvertProgress* progress) {
  BandPipe pipe(row_bytes, kThreadBandRows, kThreadBands);
  std::jthread decoder([&pipe, &reader, height, &source, progress] {
    try {
      for (uint64_t done = 0; done < height;) {
        BandPipe::Band* band = pipe.TakeEmpty();
        if (band == nullptr) break;  // the encoding failed
        band->count = ReadBand(reader, band->rows.data(), std::min<uint64_t>(band->rows.size(), height - done),
                               done, height, source, progress);
        done += band->count;
        if (done == height) FinishReading(reader, source);
        pipe.PutFilled(band);
      }
      pipe.Close();
    } catch (...) {
      pipe.Close(std::current_exception());
    }
  });
  try {
    while (BandPipe::Band* band = pipe.TakeFilled()) {
      writer.WriteRows(band->rows.data(), band->count);
      pipe.PutEmpty(band);
    }
  } catch (...) {
    pipe.Abandon();
    throw;  // the decoder is joined on the way out
  }
  decoder.join();
  if (std::exception_ptr error = pipe.Error()) std::rethrow_exception(error);
}

// Replaces the encoded output by a byte copy of the source, read and written in pieces.
void CopySource(gfx::FileReader& file, const std::string& output) {
  if (!file.Rewind()) throw gfx::ImageError("无法读取文件 " + file.Path() + ": " + file.ErrorText());
  gfx::AtomicFileWriter copy(output);
  std::vector<uint8_t> piece(size_t{1} << 16);
  for (;;) {
    const long n = file.Read(piece.data(), piece.size());
    if (n < 0) throw gfx::ImageError("无法读取文件 " + file.Path() + ": " + file.ErrorText());
    if (n == 0) break;
    if (!copy.Write(piece.data(), static_cast<size_t>(n))) break;  // Commit reports it
  }
  copy.Commit();
}

}  // namespace

std::optional<ConvertResult> StreamPicture(const std::string& source, const std::string& output,
                                           const ConvertOptions& options, ConvertProgress* progress) {
  if (options.format != OutputFormat::kJpeg) return std::nullopt;
  // Only a regular file is opened here: opening a pipe would take what its writer sends.
  if (!gfx::IsRegularFile(source)) return std::nullopt;
  std::optional<gfx::FileReader> file;
  try {
    file.emplace(source);
  } catch (const gfx::ImageError&) {
    return std::nullopt;  // the whole-picture path says why
  }
  if (!file->IsRegular() || !gfx::StartsAsJpeg(*file)) return std::nullopt;

  std::optional<gfx::JpegReader> reader;
  try {
    reader.emplace(*file);
  } catch (const gfx::ImageError& e) {
    ThrowForSource(source, e);
  }
  const int orientation = reader->Orientation();
  const uint64_t width = reader->Width();
  const uint64_t height = reader->Height();
  if ((orientation >= 2 && orientation <= 8) ||
      !gfx::Bitmap::IsAllowedSize(static_cast<int64_t>(width), static_cast<int64_t>(height)) ||
      width * height > gfx::Bitmap::kMaxPixels)
    return std::nullopt;
  try {
    reader->Start(gfx::Bitmap::kMaxPixels);
  } catch (const gfx::ImageError& e) {
    ThrowForSource(source, e);
  }

  gfx::JpegEncodeOptions encode;
  encode.quality = std::clamp(options.quality, 0, 100);
  encode.icc_profile = reader->TakeIccProfile();
  if (options.keep_metadata) encode.markers = reader->TakeMarkers();
  encode.progressive = options.progressive;
  encode.optimize = options.optimize;
  gfx::AtomicFileWriter out(output);
  try {
    gfx::JpegWriter writer(static_cast<int32_t>(width), static_cast<int32_t>(height), encode, out);
    if (options.two_threads)
      PumpOnTwoThreads(*reader, writer, width * 3, height, source, progress);
    else
      PumpOnOneThread(*reader, writer, width * 3, height, source, progress);
    writer.Finish();
  } catch (const gfx::ImageError&) {
    if (out.Failed()) out.Commit();  // throws the file's own reason, as a whole write does
    throw;
  }
  // Giving up before the commit leaves nothing; once committed, the output stands.
  if (progress != nullptr && progress->AbortRequested()) throw ConvertAborted();
  ConvertResult result{file->Size(), out.BytesWritten(), false};
  // Streaming never resizes or turns, so the output has the JPEG source's pixel size.
  if (options.no_larger && options.keep_metadata && result.output_bytes > result.source_bytes) {
    CopySource(*file, output);  // `out` is dropped uncommitted
    result.output_bytes = result.source_bytes;
    result.copied_source = true;
    return result;
  }
  out.Commit();
  return result;
}

}  // namespace batch
