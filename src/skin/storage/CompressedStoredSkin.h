// TskCompressedStoredSkin: a whole skin kept as one zlib stream; its payload and its file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "skin/storage/SkinPictures.h"

namespace skin {

// The uncompressed payload: the 32-bit version 1, the pictures as in the Pictures stream, and the
// INI text (each line followed by CR LF) to the end.
constexpr int32_t kSkinPayloadVersion = 1;
// Payloads larger than this are refused rather than inflated (a skin is a few hundred kilobytes).
constexpr size_t kMaxSkinPayloadBytes = size_t{256} << 20;

struct SkinPayload {
  SkinPictures pictures;
  std::string ini_text;
};

std::vector<uint8_t> EncodeSkinPayload(const SkinPictures& pictures, const std::vector<std::string>& ini_lines);
// The leading version of a payload; throws SkinStorageError when fewer than 4 bytes are there.
int32_t SkinPayloadVersion(std::span<const uint8_t> payload);
// nullopt when the version is not 1 (the payload is refused as a whole); damaged pictures throw.
std::optional<SkinPayload> DecodeSkinPayload(std::span<const uint8_t> payload);

class TskCompressedStoredSkin {
 public:
  const std::string& Description() const { return description_; }
  void SetDescription(std::string text) { description_ = std::move(text); }
  // Name of the skin INI file it was built from, without folder; setting it only stores the text.
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string name) { file_name_ = std::move(name); }
  // Name of the compressed skin file it was read from, without folder; setting it only stores it.
  const std::string& CompressedFileName() const { return compressed_file_name_; }
  void SetCompressedFileName(std::string name) { compressed_file_name_ = std::move(name); }

  const std::vector<uint8_t>& CompressedData() const { return data_; }
  void SetCompressedData(std::vector<uint8_t> data) { data_ = std::move(data); }
  bool IsEmpty() const { return data_.empty(); }

  // Builds the compressed data from a skin folder, given the path of its INI file. Returns false
  // and keeps the previous data when the INI lacks one of [VERSION], [PICTURES], [FORMINFO],
  // [SKINOBJECTS], [SKINCONTROLS]. A missing or damaged picture throws and keeps the previous data.
  bool BuildFromSkinFolder(const std::string& ini_path);

  // Replaces the compressed data with that of a compressed skin file (32-bit version 1, 32-bit
  // length N, N bytes of zlib stream). A file whose version is not 1 leaves the data empty; a file
  // shorter than its header or its length says throws SkinStorageError and leaves the data empty.
  void ReadCompressedSkinFile(const std::string& path);
  void ReadCompressedSkinBytes(std::span<const uint8_t> file);
  // The compressed skin file of the current data, and writing it (through a temporary file).
  std::vector<uint8_t> CompressedSkinFileBytes() const;
  void WriteCompressedSkinFile(const std::string& path) const;

  // Inflates the whole compressed data into `target` (replacing its content). Throws
  // EDecompressionError on damaged data and SkinStorageError beyond kMaxSkinPayloadBytes.
  void DecompressTo(std::vector<uint8_t>& target) const;

 private:
  std::string description_;
  std::string file_name_;
  std::string compressed_file_name_;
  std::vector<uint8_t> data_;
};

}  // namespace skin
