// Walking folder arguments for pictures, in a stable order, without following links into loops.
#include "batch/SourceList.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "batch/BatchCompressor.h"
#include "picture/PictureFile.h"

namespace batch {

namespace {

namespace fs = std::filesystem;

bool HasPictureEnding(const std::string& name) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* ending : {".jpg", ".jpeg", ".bmp", ".png", ".webp"}) {
    const std::string e = ending;
    if (lower.size() > e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0) return true;
  }
  return false;
}

bool LooksLikePicture(const fs::path& path) {
  if (HasPictureEnding(path.filename().string())) return true;
  std::ifstream in(path, std::ios::binary);
  uint8_t head[12] = {};
  in.read(reinterpret_cast<char*>(head), sizeof head);
  return picture::FormatOfBytes({head, static_cast<size_t>(in.gcount())}) != picture::PictureFormat::kUnknown;
}

void Walk(const fs::path& folder, const std::string& subfolder, bool recursive, std::vector<Source>& out,
          const std::function<void(const std::string&)>& warn) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) {
    warn("无法读取文件夹 " + folder.string() + ": " + error.message());
    return;
  }
  std::vector<fs::path> files, folders;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    const fs::path& path = it->path();
    if (path.filename().string().starts_with('.')) continue;
    std::error_code type_error;
    const fs::file_status link = it->symlink_status(type_error);
    if (type_error) continue;
    if (fs::is_directory(link)) {
      folders.push_back(path);
    } else if (fs::is_regular_file(it->status(type_error)) && !type_error) {
      files.push_back(path);  // a link to a file is read as that file
    }
  }
  if (error) warn("无法读取文件夹 " + folder.string() + ": " + error.message());
  std::sort(files.begin(), files.end());
  std::sort(folders.begin(), folders.end());
  for (const fs::path& file : files)
    if (LooksLikePicture(file)) out.push_back({file.string(), subfolder});
  if (!recursive) return;
  for (const fs::path& sub : folders) {
    const std::string name = sub.filename().string();
    Walk(sub, subfolder.empty() ? name : subfolder + "/" + name, true, out, warn);
  }
}

}  // namespace

std::vector<Source> ExpandSources(const std::vector<std::string>& arguments, bool recursive,
                                  const std::function<void(const std::string&)>& warn) {
  std::vector<Source> sources;
  for (const std::string& argument : arguments) {
    if (IsExistingFolder(argument)) {
      Walk(argument, "", recursive, sources, warn);
    } else {
      sources.push_back({argument, ""});
    }
  }
  return sources;
}

}  // namespace batch
