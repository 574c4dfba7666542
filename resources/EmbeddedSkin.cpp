// The program's skin as built into the executable.
#include "resources/EmbeddedSkin.h"

#include <cstddef>
#include <string>

#include "skin/data/SkinData.h"
#include "skin/ini/IniFile.h"
#include "skin/storage/SkinStorageError.h"
#include "skin/storage/StoredSkin.h"

namespace resources {

namespace embedded {
// Written by cmake/EmbeddedSkin.cmake.
extern const uint8_t kSkinPictures[];
extern const size_t kSkinPicturesSize;
extern const uint8_t kSkinIni[];
extern const size_t kSkinIniSize;
}  // namespace embedded

std::span<const uint8_t> EmbeddedSkinPictures() {
  return {embedded::kSkinPictures, embedded::kSkinPicturesSize};
}

std::string_view EmbeddedSkinIni() {
  return {reinterpret_cast<const char*>(embedded::kSkinIni), embedded::kSkinIniSize};
}

void FillEmbeddedStoredSkin(skin::TskStoredSkin& container) {
  const std::span<const uint8_t> pictures = EmbeddedSkinPictures();
  skin::TskStoredSkin filled;
  if (filled.ReadPictures(pictures) != pictures.size()) {
    throw skin::SkinStorageError("the built-in skin's pictures have bytes after their end");
  }
  filled.SetIniStrings(skin::SplitLines(EmbeddedSkinIni()));
  container.SetFileName("skin.ini");
  container.SetIniStrings(filled.IniStrings());
  container.SetPictures(filled.Pictures());
}

void LoadEmbeddedSkin(skin::TskSkinData& data) {
  skin::TskStoredSkin container;
  FillEmbeddedStoredSkin(container);
  data.LoadFromStoredSkin(container);
}

}  // namespace resources
