// The shell namespace: virtual folders, path parsing, listings, details, renaming and opening.
#include "platform/ShellNamespace.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <system_error>
#include <unordered_set>
#include <utility>

#include "gfx/TextUtf8.h"

namespace platform {

namespace {

constexpr const char* kDesktopName = "桌面";
constexpr const char* kHomeName = "主文件夹";
constexpr const char* kComputerName = "计算机";
constexpr const char* kRootName = "文件系统";
constexpr const char* kTrashName = "回收站";

bool IsVirtual(std::string_view id) { return id.starts_with("::"); }

bool IEquals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

std::string_view BaseName(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Folds "." and "..", repeated and trailing slashes of an absolute path. ".." is taken by the
// name, as a typed path reads, and stops at "/".
std::string NormalisePath(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t pos = 0;
  while (pos <= path.size()) {
    size_t end = path.find('/', pos);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(pos, end - pos);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    pos = end + 1;
  }
  std::string result;
  for (std::string_view part : parts) {
    result += '/';
    result += part;
  }
  return result.empty() ? "/" : result;
}

// The name as shown: itself when it is UTF-8, else with U+FFFD for each byte that does not fit.
std::string ShownName(std::string_view name) {
  if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return std::string(name);
  std::string shown;
  for (size_t pos = 0; pos < name.size();) gfx::AppendUtf8(shown, gfx::DecodeUtf8At(name, pos));
  return shown;
}

std::string Extension(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return upper;
}

ShellIcon FileIcon(std::string_view name) {
  static const char* const kPictures[] = {".JPG", ".JPEG", ".JPE", ".BMP", ".PNG", ".GIF", ".TIF", ".TIFF", ".WEBP"};
  static const char* const kArchives[] = {".ZIP", ".RAR", ".7Z", ".TAR", ".GZ", ".TGZ", ".BZ2", ".XZ", ".ZST"};
  const std::string ext = Upper(Extension(name));
  if (ext.empty()) return ShellIcon::kFile;
  for (const char* e : kPictures)
    if (ext == e) return ShellIcon::kPicture;
  for (const char* e : kArchives)
    if (ext == e) return ShellIcon::kArchive;
  return ShellIcon::kFile;
}

// A mount point of /proc/self/mountinfo with its octal escapes ("\040" for a space) undone.
std::string Unescape(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::all_of(field.begin() + static_cast<long>(i) + 1, field.begin() + static_cast<long>(i) + 4,
                    [](char c) { return c >= '0' && c <= '7'; })) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
      continue;
    }
    out += field[i];
  }
  return out;
}

bool UnderVolumeRoot(std::string_view path) {
  return path.starts_with("/media/") || path.starts_with("/run/media/") || path.starts_with("/mnt/") ||
         path == "/mnt";
}

// The value of `key` in user-dirs.dirs ("$HOME/Desktop" or an absolute path, quoted); nullopt when
// absent or unusable, empty when the folder is switched off ("$HOME/" alone).
std::optional<std::string> UserDir(const std::string& text, std::string_view key, const std::string& home) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + pos, end - pos);
    pos = end + 1;
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != '=') continue;
    std::string_view value = line.substr(key.size() + 1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\r')) value.remove_suffix(1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.starts_with("$HOME")) {
      const std::string_view rest = value.substr(5);
      if (!rest.empty() && rest.front() != '/') continue;
      // "$HOME/" alone means the folder is switched off.
      if (NormalisePath(home + std::string(rest)) == NormalisePath(home)) return std::string();
      return NormalisePath(home + std::string(rest));
    }
    if (value.starts_with("/")) return NormalisePath(value);
  }
  return std::nullopt;
}

std::string PathError(std::string_view text) { return "Error setting path: \"" + std::string(text) + "\""; }
std::string RenameError(std::string_view name) { return "Rename to " + std::string(name) + " failed"; }

bool IsUsableName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

std::string LocalTime(int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm tm{};
  if (localtime_r(&t, &tm) == nullptr) return {};
  char text[32];
  std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &tm);
  return text;
}

}  // namespace

ShellNamespace::ShellNamespace(std::unique_ptr<ShellSystem> system) : system_(std::move(system)) {
  home_ = NormalisePath(system_->Env("HOME"));
  const auto absolute_or = [&](const char* name, const std::string& fallback) {
    const std::string value = system_->Env(name);
    return value.starts_with("/") ? NormalisePath(value) : fallback;
  };
  config_ = absolute_or("XDG_CONFIG_HOME", JoinPath(home_, ".config"));
  data_ = absolute_or("XDG_DATA_HOME", JoinPath(home_, ".local/share"));
  const std::string dirs = system_->ReadText(JoinPath(config_, "user-dirs.dirs")).value_or("");
  desktop_ = UserDir(dirs, "XDG_DESKTOP_DIR", home_).value_or(JoinPath(home_, "Desktop"));
  documents_ = UserDir(dirs, "XDG_DOCUMENTS_DIR", home_).value_or(JoinPath(home_, "Documents"));
  templates_ = UserDir(dirs, "XDG_TEMPLATES_DIR", home_).value_or(JoinPath(home_, "Templates"));
  trash_ = JoinPath(data_, "Trash/files");
}

ShellNamespace::~ShellNamespace() = default;

std::string ShellNamespace::DesktopFolder() const {
  // A desktop folder switched off in user-dirs.dirs is empty, and so stays.
  if (desktop_.empty()) return {};
  return system_->Status(desktop_).kind == FileKind::kFolder ? desktop_ : std::string();
}

std::string ShellNamespace::Parse(std::string_view text) const {
  if (text == kDesktopId || text == kComputerId) return std::string(text);
  struct RootName {
    const char* name;
    std::string path;  // empty: no counterpart on this system
  };
  const std::string fallback;
  const RootName roots[] = {
      {"rfDesktop", std::string(kDesktopId)},
      {"rfMyComputer", std::string(kComputerId)},
      {"rfDesktopDirectory", desktop_},
      {"rfPersonal", documents_},
      {"rfTemplates", templates_},
      {"rfRecycleBin", trash_},
      {"rfAppData", config_},
      {"rfPrograms", JoinPath(data_, "applications")},
      {"rfStartMenu", JoinPath(data_, "applications")},
      {"rfCommonPrograms", "/usr/share/applications"},
      {"rfCommonStartMenu", "/usr/share/applications"},
      {"rfStartup", JoinPath(config_, "autostart")},
      {"rfCommonStartup", "/etc/xdg/autostart"},
      {"rfFonts", JoinPath(data_, "fonts")},
      {"rfNetwork", fallback},
      {"rfCommonDesktopDirectory", fallback},
      {"rfControlPanel", fallback},
      {"rfFavorites", fallback},
      {"rfInternet", fallback},
      {"rfPrinters", fallback},
      {"rfPrintHood", fallback},
      {"rfRecent", fallback},
      {"rfSendTo", fallback},
  };
  std::string path;
  for (const RootName& root : roots) {
    if (!IEquals(text, root.name)) continue;
    if (root.path.empty()) throw ShellError(PathError(text));
    if (IsVirtual(root.path)) return root.path;
    path = root.path;
  }
  if (path.empty()) {
    if (text == "~" || text.starts_with("~/")) {
      path = home_ + std::string(text.substr(1));
    } else {
      path = std::string(text);
    }
  }
  if (!path.starts_with("/") || path.find('\0') != std::string::npos) throw ShellError(PathError(text));
  path = NormalisePath(path);
  if (system_->Status(path).kind == FileKind::kMissing) throw ShellError(PathError(text));
  return path;
}

std::optional<std::string> ShellNamespace::Parent(std::string_view id) {
  if (id == kComputerId) return std::string(kDesktopId);
  if (id == "/") return std::string(kComputerId);
  if (!id.starts_with("/")) return std::nullopt;
  const size_t slash = id.rfind('/');
  return slash == 0 ? std::string("/") : std::string(id.substr(0, slash));
}

std::string ShellNamespace::ChildId(std::string_view folder, const ShellEntry& entry) {
  if (entry.key.starts_with("/") || IsVirtual(entry.key)) return entry.key;
  return JoinPath(folder, entry.key);
}

ShellIcon ShellNamespace::FolderIcon(std::string_view path) const {
  if (path == home_) return ShellIcon::kHome;
  if (path == trash_) return ShellIcon::kTrash;
  if (path == "/") return ShellIcon::kVolume;
  if (UnderVolumeRoot(path)) {
    const std::vector<std::string> volumes = Volumes();
    if (std::find(volumes.begin(), volumes.end(), path) != volumes.end()) return ShellIcon::kVolume;
  }
  return ShellIcon::kFolder;
}

std::string ShellNamespace::DisplayName(std::string_view id) const {
  if (id == kDesktopId) return kDesktopName;
  if (id == kComputerId) return kComputerName;
  if (id == "/") return kRootName;
  if (id == home_) return kHomeName;
  if (id == trash_) return kTrashName;
  return ShownName(BaseName(id));
}

FileKind ShellNamespace::Kind(const std::string& id) const {
  if (id == kDesktopId || id == kComputerId) return FileKind::kFolder;
  if (id.empty() || id.front() != '/') return FileKind::kMissing;
  return system_->Status(id).kind;
}

ShellItem ShellNamespace::Item(const std::string& id) const {
  ShellItem item;
  item.id = id;
  item.name = DisplayName(id);
  if (id == kDesktopId) {
    const std::string desktop = DesktopFolder();
    item.path = desktop.empty() ? home_ : desktop;
    item.folder = true;
    item.icon = ShellIcon::kFolder;
    return item;
  }
  if (id == kComputerId) {
    item.folder = true;
    item.icon = ShellIcon::kComputer;
    return item;
  }
  item.path = id;
  item.file_system = true;
  const FileStatus status = system_->Status(id);
  item.folder = status.kind == FileKind::kFolder;
  item.icon = item.folder ? FolderIcon(id) : FileIcon(BaseName(id));
  item.can_rename = id != "/" && status.kind != FileKind::kMissing && system_->Writable(*Parent(id));
  return item;
}

std::vector<std::string> ShellNamespace::Volumes() const {
  std::vector<std::string> volumes;
  const std::string text = system_->ReadText("/proc/self/mountinfo").value_or("");
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + pos, end - pos);
    pos = end + 1;
    // Fields: mount id, parent id, major:minor, root, mount point, ...
    for (int skip = 0; skip < 4 && !line.empty(); ++skip) {
      const size_t space = line.find(' ');
      line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    }
    const std::string point = Unescape(line.substr(0, line.find(' ')));
    if (!UnderVolumeRoot(point)) continue;
    if (std::find(volumes.begin(), volumes.end(), point) == volumes.end()) volumes.push_back(point);
  }
  return volumes;
}

std::vector<ShellEntry> ShellNamespace::List(const std::string& folder, unsigned kinds) const {
  std::vector<ShellEntry> entries;
  const bool want_folders = (kinds & kShellFolders) != 0;
  const auto add_virtual = [&](const std::string& id, std::string name, ShellIcon icon) {
    if (!want_folders) return;
    entries.push_back({id, std::move(name), ShellEntry::kFolder, icon});
  };
  if (folder == kComputerId) {
    add_virtual("/", kRootName, ShellIcon::kVolume);
    add_virtual(home_, kHomeName, ShellIcon::kHome);
    for (const std::string& volume : Volumes())
      if (system_->Status(volume).kind == FileKind::kFolder)
        add_virtual(volume, ShownName(BaseName(volume)), ShellIcon::kVolume);
    return entries;
  }
  std::string path = folder;
  if (folder == kDesktopId) {
    add_virtual(home_, kHomeName, ShellIcon::kHome);
    add_virtual(std::string(kComputerId), kComputerName, ShellIcon::kComputer);
    path = DesktopFolder();
    if (path.empty()) return entries;
  } else if (!folder.starts_with("/")) {
    return entries;
  }

  std::optional<std::vector<FolderEntry>> names = system_->ReadFolder(path);
  if (!names) return entries;
  std::unordered_set<std::string> hidden_names;
  if (const std::optional<std::string> hidden = system_->ReadText(JoinPath(path, ".hidden"))) {
    size_t pos = 0;
    while (pos < hidden->size()) {
      size_t end = hidden->find('\n', pos);
      if (end == std::string::npos) end = hidden->size();
      if (end > pos) hidden_names.emplace(*hidden, pos, end - pos);
      pos = end + 1;
    }
  }
  const bool absolute_keys = folder == kDesktopId;
  entries.reserve(entries.size() + names->size());
  for (FolderEntry& name : *names) {
    const bool is_folder = name.kind == FileKind::kFolder;
    if (!(is_folder ? want_folders : (kinds & kShellNonFolders) != 0)) continue;
    const bool hidden = name.name.starts_with(".") || hidden_names.contains(name.name);
    if (hidden && (kinds & kShellHidden) == 0) continue;
    ShellEntry entry;
    entry.flags = static_cast<uint8_t>((is_folder ? ShellEntry::kFolder : 0) | (hidden ? ShellEntry::kHidden : 0));
    std::string shown = ShownName(name.name);
    if (is_folder) {
      const std::string child = JoinPath(path, name.name);
      entry.icon = child == home_ ? ShellIcon::kHome : child == trash_ ? ShellIcon::kTrash : ShellIcon::kFolder;
    } else {
      entry.icon = FileIcon(name.name);
    }
    if (absolute_keys) {
      entry.key = JoinPath(path, name.name);
      entry.display = std::move(shown);
    } else {
      if (shown != name.name) entry.display = std::move(shown);
      entry.key = std::move(name.name);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool ShellNamespace::HasSubfolders(const std::string& id) const {
  if (IsVirtual(id)) return true;
  const std::optional<std::vector<FolderEntry>> names = system_->ReadFolder(id);
  return names && std::any_of(names->begin(), names->end(),
                              [](const FolderEntry& e) { return e.kind == FileKind::kFolder; });
}

std::vector<ShellColumn> ShellNamespace::Columns(std::string_view folder) {
  if (IsVirtual(folder)) return {{"Name", false, 25}};
  return {{"Name", false, 25}, {"Size", true, 10}, {"Type", false, 10}, {"Modified", false, 14}};
}

ShellDetails ShellNamespace::Details(const std::string& id) const {
  if (IsVirtual(id)) return {};
  const FileStatus status = system_->Status(id);
  if (status.kind == FileKind::kMissing) {
    char code[16];
    std::snprintf(code, sizeof code, "%x", static_cast<unsigned>(status.error));
    throw ShellError("Unable to retrieve folder details for \"" + DisplayName(id) + "\". Error code $" + code);
  }
  ShellDetails details;
  if (status.kind != FileKind::kFolder) details.size = std::to_string(status.size);
  details.type = ShownName(Extension(BaseName(id)));
  details.modified = LocalTime(status.modified);
  return details;
}

std::string ShellNamespace::Rename(const std::string& id, const std::string& new_name) {
  if (!IsUsableName(new_name) || IsVirtual(id) || id == "/" || !id.starts_with("/"))
    throw ShellError(RenameError(new_name));
  const std::string target = JoinPath(*Parent(id), new_name);
  if (target == id) return id;
  if (system_->Rename(id, target) != 0) throw ShellError(RenameError(new_name));
  return target;
}

std::string ShellNamespace::CreateFolder(const std::string& parent, const std::string& name) {
  const std::string target = IsVirtual(parent) || !IsUsableName(name) ? std::string() : JoinPath(parent, name);
  const int error = target.empty() ? EINVAL : system_->MakeFolder(target);
  if (error != 0)
    throw ShellError("无法新建文件夹 \"" + ShownName(name) + "\": " + std::generic_category().message(error));
  return target;
}

bool ShellNamespace::Open(const std::string& id) {
  const ShellItem item = Item(id);
  if (item.path.empty()) return false;
  return system_->Open(item.path);
}

}  // namespace platform
