// Tests of the zlib compression and decompression streams.
#include "skin/storage/ZlibStreams.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "skin/storage/SkinStorageError.h"

namespace skin {
namespace {

// Text-like data long enough to cross several 4,096-byte buffers in both directions.
std::vector<uint8_t> SampleData(size_t size) {
  std::vector<uint8_t> data(size);
  uint32_t seed = 12345;
  for (size_t i = 0; i < size; ++i) {
    seed = seed * 1103515245u + 12345u;
    data[i] = static_cast<uint8_t>((i % 97 < 60) ? 'a' + (i % 26) : (seed >> 16));
  }
  return data;
}

template <typename E>
void ExpectError(const std::function<void()>& action, const std::string& text) {
  try {
    action();
    ADD_FAILURE() << "no error, expected \"" << text << "\"";
  } catch (const E& e) {
    EXPECT_EQ(std::string(e.what()), text);
  }
}

TEST(ZlibStreamsTest, RoundTripsAtEveryLevel) {
  const std::vector<uint8_t> data = SampleData(50000);
  for (CompressionLevel level : {CompressionLevel::clNone, CompressionLevel::clFastest,
                                 CompressionLevel::clDefault, CompressionLevel::clMax}) {
    std::vector<uint8_t> packed = CompressBytes(data, level);
    // zlib itself reads the stream back, so the format is checked independently of our reader.
    std::vector<uint8_t> plain(data.size());
    uLongf plain_size = plain.size();
    ASSERT_EQ(uncompress(plain.data(), &plain_size, packed.data(), packed.size()), Z_OK);
    EXPECT_EQ(plain, data);
    EXPECT_EQ(DecompressBytes(packed, data.size()), data);
  }
  EXPECT_EQ(DecompressBytes(CompressBytes({}), 0), std::vector<uint8_t>{});
}

TEST(ZlibStreamsTest, CompressionStreamOperations) {
  std::vector<uint8_t> out;
  int progress = 0;
  {
    TCompressionStream stream(CompressionLevel::clNone, out);
    stream.OnProgress = [&] { ++progress; };
    const std::vector<uint8_t> data = SampleData(10000);
    stream.Write(data.data(), 6000);
    EXPECT_EQ(stream.Seek(0, SeekOrigin::soCurrent), 6000);
    stream.Write(data.data() + 6000, 4000);
    EXPECT_EQ(stream.Seek(0, SeekOrigin::soCurrent), 10000);
    uint8_t byte;
    ExpectError<ECompressionError>([&] { stream.Read(&byte, 1); }, "Invalid stream operation");
    ExpectError<ECompressionError>([&] { stream.Seek(1, SeekOrigin::soCurrent); }, "Invalid stream operation");
    ExpectError<ECompressionError>([&] { stream.Seek(0, SeekOrigin::soBeginning); }, "Invalid stream operation");
  }  // the destructor finishes the stream
  EXPECT_GE(progress, 2);  // level none: 10,000 bytes fill at least two 4,096-byte buffers
  EXPECT_EQ(DecompressBytes(out, 10000), SampleData(10000));
}

TEST(ZlibStreamsTest, DecompressionStreamSeeksForwardAndRestarts) {
  const std::vector<uint8_t> data = SampleData(20000);
  const std::vector<uint8_t> packed = CompressBytes(data);
  std::vector<uint8_t> framed = {9, 9, 9};  // the stream starts at the input's current position
  framed.insert(framed.end(), packed.begin(), packed.end());

  TDecompressionStream stream(framed, 3);
  uint8_t buf[100];
  ASSERT_EQ(stream.Read(buf, 10), 10u);
  EXPECT_EQ(std::vector<uint8_t>(buf, buf + 10), std::vector<uint8_t>(data.begin(), data.begin() + 10));
  EXPECT_EQ(stream.Seek(9000, SeekOrigin::soBeginning), 9000);
  EXPECT_EQ(stream.Seek(1000, SeekOrigin::soCurrent), 10000);
  EXPECT_EQ(stream.Seek(0, SeekOrigin::soCurrent), 10000);
  ASSERT_EQ(stream.Read(buf, 5), 5u);
  EXPECT_EQ(buf[0], data[10000]);
  EXPECT_EQ(stream.Seek(0, SeekOrigin::soBeginning), 0);
  ASSERT_EQ(stream.Read(buf, 1), 1u);
  EXPECT_EQ(buf[0], data[0]);
  // Past the end a seek stops at the end and reads come back short.
  EXPECT_EQ(stream.Seek(50000, SeekOrigin::soBeginning), 20000);
  EXPECT_EQ(stream.Read(buf, sizeof buf), 0u);

  ExpectError<EDecompressionError>([&] { stream.Seek(10, SeekOrigin::soBeginning); }, "Invalid stream operation");
  ExpectError<EDecompressionError>([&] { stream.Seek(-1, SeekOrigin::soCurrent); }, "Invalid stream operation");
  ExpectError<EDecompressionError>([&] { stream.Seek(0, SeekOrigin::soEnd); }, "Invalid stream operation");
  ExpectError<EDecompressionError>([&] { stream.Write(buf, 1); }, "Invalid stream operation");
}

TEST(ZlibStreamsTest, DamagedTruncatedAndOversizedInput) {
  const std::vector<uint8_t> data = SampleData(20000);
  const std::vector<uint8_t> packed = CompressBytes(data);

  std::vector<uint8_t> bad_header = packed;
  bad_header[0] ^= 0xFF;
  std::vector<uint8_t> bad_checksum = packed;
  bad_checksum.back() ^= 0x01;
  const std::vector<uint8_t> truncated(packed.begin(), packed.end() - 5);
  const std::vector<std::vector<uint8_t>> damaged = {bad_header, bad_checksum, truncated, {}, {0x78}};
  for (const auto& input : damaged) {
    ExpectError<EDecompressionError>([&] { DecompressBytes(input, 1 << 20); }, "compression error");
  }
  // A stream that unpacks beyond the limit is refused rather than inflated.
  EXPECT_THROW(DecompressBytes(packed, 19999), SkinStorageError);
  // Bytes after the end of the zlib stream are not read.
  std::vector<uint8_t> trailing = packed;
  trailing.push_back(0x55);
  EXPECT_EQ(DecompressBytes(trailing, 20000), data);
}

}  // namespace
}  // namespace skin
