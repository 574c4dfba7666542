// Fuzzes the compressed skin reader: the file header, inflating the data and the payload inside.
// fuzz-seeds: tests/data/skins/seeds/compressed
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "gfx/ImageError.h"
#include "skin/ini/IniFile.h"
#include "skin/storage/CompressedStoredSkin.h"
#include "skin/storage/ZlibStreams.h"

namespace {

void ReadPayload(std::span<const uint8_t> payload) {
  try {
    auto decoded = skin::DecodeSkinPayload(payload);
    if (decoded) skin::IniFile ini{std::string_view(decoded->ini_text)};
  } catch (const gfx::ImageError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> input(data, size);
  // As a compressed skin file.
  skin::TskCompressedStoredSkin skin;
  try {
    skin.ReadCompressedSkinBytes(input);
  } catch (const gfx::ImageError&) {
    if (!skin.IsEmpty()) __builtin_trap();  // a refused file leaves the container empty
  }
  if (!skin.IsEmpty()) {
    try {
      std::vector<uint8_t> payload;
      skin.DecompressTo(payload);
      ReadPayload(payload);
    } catch (const gfx::ImageError&) {
    } catch (const skin::EZlibError&) {
    }
  }
  // As an uncompressed payload, so the fuzzer reaches the payload reader without valid zlib.
  ReadPayload(input);
  return 0;
}
