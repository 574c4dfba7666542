// TskCompressedStoredSkin: building from a skin folder, its file, and the payload inside.
#include "skin/storage/CompressedStoredSkin.h"

#include "gfx/FileIo.h"
#include "skin/ini/IniFile.h"
#include "skin/storage/SkinStorageError.h"
#include "skin/storage/StoredSkin.h"
#include "skin/storage/ZlibStreams.h"

namespace skin {
namespace {

void AppendInt32(std::vector<uint8_t>& out, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

int32_t Int32At(std::span<const uint8_t> data, size_t pos) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(data[pos + i]) << (8 * i);
  return static_cast<int32_t>(v);
}

constexpr const char* kRequiredSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};

}  // namespace

std::vector<uint8_t> EncodeSkinPayload(const SkinPictures& pictures, const std::vector<std::string>& ini_lines) {
  std::vector<uint8_t> out;
  AppendInt32(out, kSkinPayloadVersion);
  AppendSkinPictures(pictures, out);
  for (const std::string& line : ini_lines) {
    out.insert(out.end(), line.begin(), line.end());
    out.push_back('\r');
    out.push_back('\n');
  }
  return out;
}

int32_t SkinPayloadVersion(std::span<const uint8_t> payload) {
  if (payload.size() < 4) throw SkinStorageError("The compressed skin is too short to hold its version");
  return Int32At(payload, 0);
}

std::optional<SkinPayload> DecodeSkinPayload(std::span<const uint8_t> payload) {
  if (SkinPayloadVersion(payload) != kSkinPayloadVersion) return std::nullopt;
  SkinPayload result;
  size_t consumed = 0;
  result.pictures = DecodeSkinPictures(payload.subspan(4), &consumed);
  std::span<const uint8_t> text = payload.subspan(4 + consumed);
  result.ini_text.assign(text.begin(), text.end());
  return result;
}

bool TskCompressedStoredSkin::BuildFromSkinFolder(const std::string& ini_path) {
  std::vector<uint8_t> bytes = gfx::ReadWholeFile(ini_path);
  std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  IniFile ini(lines);
  for (const char* section : kRequiredSections) {
    if (!ini.SectionExists(section)) return false;
  }
  SkinPictures pictures = LoadSkinFolderPictures(ini, FolderOf(ini_path));
  std::vector<uint8_t> payload = EncodeSkinPayload(pictures, lines);
  data_ = CompressBytes(payload, CompressionLevel::clMax);
  return true;
}

void TskCompressedStoredSkin::ReadCompressedSkinFile(const std::string& path) {
  data_.clear();
  ReadCompressedSkinBytes(gfx::ReadWholeFile(path));
}

void TskCompressedStoredSkin::ReadCompressedSkinBytes(std::span<const uint8_t> file) {
  data_.clear();
  if (file.size() < 4) throw SkinStorageError("The compressed skin file is too short to hold its version");
  if (Int32At(file, 0) != kSkinPayloadVersion) return;
  if (file.size() < 8) throw SkinStorageError("The compressed skin file ends before its length");
  int32_t length = Int32At(file, 4);
  if (length < 0 || static_cast<size_t>(length) > file.size() - 8) {
    throw SkinStorageError("The compressed skin file claims " + std::to_string(length) + " bytes of data but holds " +
                           std::to_string(file.size() - 8));
  }
  data_.assign(file.begin() + 8, file.begin() + 8 + length);
}

std::vector<uint8_t> TskCompressedStoredSkin::CompressedSkinFileBytes() const {
  std::vector<uint8_t> out;
  out.reserve(8 + data_.size());
  AppendInt32(out, kSkinPayloadVersion);
  AppendInt32(out, static_cast<int32_t>(data_.size()));
  out.insert(out.end(), data_.begin(), data_.end());
  return out;
}

void TskCompressedStoredSkin::WriteCompressedSkinFile(const std::string& path) const {
  gfx::WriteFileAtomically(path, CompressedSkinFileBytes());
}

void TskCompressedStoredSkin::DecompressTo(std::vector<uint8_t>& target) const {
  target = DecompressBytes(data_, kMaxSkinPayloadBytes);
}

}  // namespace skin
