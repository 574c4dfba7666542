// TskStoredSkin: filling from a skin folder and the Pictures stream.
#include "skin/storage/StoredSkin.h"

#include "gfx/BmpCodec.h"
#include "gfx/FileIo.h"
#include "skin/ini/IniFile.h"

namespace skin {

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

SkinPictures LoadSkinFolderPictures(const IniFile& ini, const std::string& folder) {
  SkinPictures pictures;
  auto load = [&](const char* key, gfx::Bitmap& target) {
    std::string name = ini.ReadString("PICTURES", key);
    if (!name.empty()) target = gfx::ReadBmpFile(folder + name);
  };
  load("picture", pictures.main);
  load("inactivepicture", pictures.inactive);
  load("mask", pictures.mask);
  // Each numbered picture is loaded as its name is read, so a huge count with few entries stops at
  // the first missing file instead of collecting names first.
  int32_t count = ini.ReadInteger("PICTURES", "activepicturescount", 0);
  for (int32_t i = 0; i < count; ++i) {
    pictures.active.push_back(gfx::ReadBmpFile(folder + ini.ReadString("PICTURES", std::to_string(i))));
  }
  return pictures;
}

void TskStoredSkin::LoadFromSkinFolder(const std::string& ini_path) {
  std::vector<uint8_t> bytes = gfx::ReadWholeFile(ini_path);
  std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  IniFile ini(lines);
  SkinPictures pictures = LoadSkinFolderPictures(ini, FolderOf(ini_path));
  ini_strings_ = std::move(lines);
  pictures_ = std::move(pictures);
}

std::vector<uint8_t> TskStoredSkin::WritePictures() const { return EncodeSkinPictures(pictures_); }

size_t TskStoredSkin::ReadPictures(std::span<const uint8_t> stream) {
  pictures_.Clear();
  size_t consumed = 0;
  pictures_ = DecodeSkinPictures(stream, &consumed);
  return consumed;
}

}  // namespace skin
