// TskStoredSkin: a skin kept as INI lines and decoded pictures, saved as the Pictures stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/storage/SkinPictures.h"

namespace skin {

class TskStoredSkin {
 public:
  // Name of the skin INI file without folder ("skin.ini"); setting it only stores the text.
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string name) { file_name_ = std::move(name); }

  const std::vector<std::string>& IniStrings() const { return ini_strings_; }
  void SetIniStrings(std::vector<std::string> lines) { ini_strings_ = std::move(lines); }

  const gfx::Bitmap& MainPicture() const { return pictures_.main; }
  const gfx::Bitmap& InactivePicture() const { return pictures_.inactive; }
  const gfx::Bitmap& MaskPicture() const { return pictures_.mask; }
  const std::vector<gfx::Bitmap>& ActivePictures() const { return pictures_.active; }
  const SkinPictures& Pictures() const { return pictures_; }
  void SetPictures(SkinPictures pictures) { pictures_ = std::move(pictures); }

  // Fills the container from a skin folder, given the path of its INI file: the INI lines, then
  // the pictures that [PICTURES] names (picture, inactivepicture, mask, then activepicturescount
  // numbered entries), read from the INI file's folder. No section is required. A missing or
  // damaged file throws gfx::ImageError naming it; the container is then left unchanged.
  void LoadFromSkinFolder(const std::string& ini_path);

  // The Pictures stream of the current pictures.
  std::vector<uint8_t> WritePictures() const;
  // Replaces the pictures from a Pictures stream and returns the bytes it took. A damaged stream
  // throws and leaves the pictures empty.
  size_t ReadPictures(std::span<const uint8_t> stream);

 private:
  std::string file_name_;
  std::vector<std::string> ini_strings_;
  SkinPictures pictures_;
};

class IniFile;

// The pictures a skin INI's [PICTURES] section names, read from `folder` (which ends in '/' or is
// empty): picture, inactivepicture and mask (an empty value gives an empty picture), then the
// entries 0 to activepicturescount - 1. Throws gfx::ImageError naming a missing or damaged file.
SkinPictures LoadSkinFolderPictures(const IniFile& ini, const std::string& folder);

// The folder part of a path, up to and including its last '/' ("" when there is none).
std::string FolderOf(const std::string& path);

}  // namespace skin
