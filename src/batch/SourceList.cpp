// The compact list of a batch's sources, and walking folder arguments for pictures in a stable
// order without following links into loops.
#include "batch/SourceList.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <system_error>

#include "batch/BatchCompressor.h"
#include "picture/PictureFile.h"

namespace batch {

void SourceList::Add(std::string_view path, std::string_view subfolder) {
  starts_.push_back(text_.size());
  text_.append(path).push_back('\0');
  text_.append(subfolder).push_back('\0');
}

std::string_view SourceList::Path(size_t index) const { return text_.c_str() + starts_[index]; }

std::string_view SourceList::Subfolder(size_t index) const {
  const std::string_view path = Path(index);
  return path.data() + path.size() + 1;
}

void SourceList::SortAndKeepEvery(size_t first, size_t count) {
  std::vector<size_t> order(starts_.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) { return Path(a) < Path(b); });
  SourceList kept;
  for (size_t i = first; i < order.size(); i += count) kept.Add(Path(order[i]), Subfolder(order[i]));
  kept.text_.shrink_to_fit();
  kept.starts_.shrink_to_fit();
  *this = std::move(kept);
}

void SourceList::RemoveWhere(const std::function<bool(size_t index)>& remove) {
  size_t kept = 0;
  size_t write = 0;  // where the next kept entry's text goes
  for (size_t i = 0; i < starts_.size(); ++i) {
    if (remove(i)) continue;
    const size_t begin = starts_[i];
    const size_t end = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
    if (begin != write) std::memmove(text_.data() + write, text_.data() + begin, end - begin);
    starts_[kept++] = write;
    write += end - begin;
  }
  starts_.resize(kept);
  text_.resize(write);
}

void SourceList::Append(const SourceList& other) {
  const size_t base = text_.size();
  text_ += other.text_;
  starts_.reserve(starts_.size() + other.starts_.size());
  for (size_t start : other.starts_) starts_.push_back(base + start);
}

void SourceList::Clear() {
  text_.clear();
  starts_.clear();
}

namespace {

namespace fs = std::filesystem;

bool HasPictureEnding(std::string_view name) {
  for (std::string_view ending : {".jpg", ".jpeg", ".bmp", ".png", ".webp"}) {
    if (name.size() <= ending.size()) continue;
    const std::string_view tail = name.substr(name.size() - ending.size());
    if (std::equal(tail.begin(), tail.end(), ending.begin(),
                   [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
      return true;
  }
  return false;
}

bool LooksLikePicture(std::string_view path) {
  const size_t slash = path.rfind('/');
  if (HasPictureEnding(slash == std::string_view::npos ? path : path.substr(slash + 1))) return true;
  std::ifstream in(std::string(path), std::ios::binary);
  uint8_t head[12] = {};
  in.read(reinterpret_cast<char*>(head), sizeof head);
  return picture::FormatOfBytes({head, static_cast<size_t>(in.gcount())}) != picture::PictureFormat::kUnknown;
}

// Walks one folder; false when the walk is to end.
bool Walk(const fs::path& folder, const std::string& subfolder, const SourceWalk& walk, SourceList& out) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) {
    if (walk.warn) walk.warn("无法读取文件夹 " + folder.string() + ": " + error.message());
    return !walk.folder_done || walk.folder_done();
  }
  // A folder of many files is gathered in a list of its own kind, not a path object a file.
  SourceList files, folders;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    const fs::path& path = it->path();
    if (path.filename().string().starts_with('.')) continue;
    std::error_code type_error;
    const fs::file_status link = it->symlink_status(type_error);
    if (type_error) continue;
    if (fs::is_directory(link)) {
      folders.Add(path.native());
    } else if (fs::is_regular_file(it->status(type_error)) && !type_error) {
      files.Add(path.native());  // a link to a file is read as that file
    }
  }
  if (error && walk.warn) walk.warn("无法读取文件夹 " + folder.string() + ": " + error.message());
  files.SortAndKeepEvery(0, 1);
  folders.SortAndKeepEvery(0, 1);
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string_view path = files.Path(i);
    const bool take = walk.accept ? walk.accept(path.substr(path.rfind('/') + 1)) : LooksLikePicture(path);
    if (take) out.Add(path, subfolder);
  }
  if (walk.folder_done && !walk.folder_done()) return false;
  if (!walk.recursive) return true;
  for (size_t i = 0; i < folders.size(); ++i) {
    const fs::path sub(folders.Path(i));
    const std::string name = sub.filename().string();
    if (!Walk(sub, subfolder.empty() ? name : subfolder + "/" + name, walk, out)) return false;
  }
  return true;
}

}  // namespace

void AddSources(const std::string& argument, bool recursive, SourceList& out,
                const std::function<void(const std::string&)>& warn) {
  WalkSources(argument, SourceWalk{.recursive = recursive, .accept = {}, .folder_done = {}, .warn = warn}, out);
}

void WalkSources(const std::string& argument, const SourceWalk& walk, SourceList& out) {
  if (IsExistingFolder(argument)) {
    Walk(argument, "", walk, out);
  } else {
    out.Add(argument);
  }
}

}  // namespace batch
