// Status, folder reading, renaming without replacing and new folders through POSIX calls.
#include "platform/linux/LinuxShellSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Backend.h"

namespace platform {

namespace {

FileKind KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return FileKind::kFolder;
  if (S_ISREG(mode)) return FileKind::kFile;
  return FileKind::kOther;
}

class LinuxShellSystem final : public ShellSystem {
 public:
  std::string Env(const char* name) const override {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
    if (std::strcmp(name, "HOME") != 0) return {};
    // Without HOME the password database still knows the home folder.
    struct passwd entry{};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/')
      return found->pw_dir;
    return "/";
  }

  std::string ProgramFolder() const override {
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0 || buffer[0] != '/') return {};
    std::string path(buffer, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
  }

  FileStatus Status(const std::string& path) const override {
    FileStatus status;
    struct stat st{};
    if (lstat(path.c_str(), &st) != 0) {
      status.error = errno;
      return status;
    }
    if (S_ISLNK(st.st_mode)) {
      status.link = true;
      // A link that leads nowhere is still an item, shown as a file that cannot be opened.
      if (stat(path.c_str(), &st) != 0) {
        status.kind = FileKind::kOther;
        return status;
      }
    }
    status.kind = KindOf(st.st_mode);
    status.size = static_cast<uint64_t>(st.st_size);
    status.modified = static_cast<int64_t>(st.st_mtim.tv_sec);
    return status;
  }

  std::optional<std::vector<FolderEntry>> ReadFolder(const std::string& path) const override {
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) return std::nullopt;
    const int fd = dirfd(dir);
    std::vector<FolderEntry> entries;
    errno = 0;
    while (const dirent* e = readdir(dir)) {
      const char* name = e->d_name;
      if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
      FolderEntry entry{name, FileKind::kOther};
      switch (e->d_type) {
        case DT_DIR:
          entry.kind = FileKind::kFolder;
          break;
        case DT_REG:
          entry.kind = FileKind::kFile;
          break;
        case DT_LNK:
        case DT_UNKNOWN: {
          // Links count by what they lead to; some file systems give no type at all.
          struct stat st{};
          if (fstatat(fd, name, &st, 0) == 0) entry.kind = KindOf(st.st_mode);
          break;
        }
        default:
          break;
      }
      entries.push_back(std::move(entry));
    }
    closedir(dir);
    return entries;
  }

  std::optional<std::string> ReadText(const std::string& path) const override {
    // Files such as /proc/self/mountinfo report no size, so read until the end; a text this module
    // reads is small, and a huge one is not what it expects.
    constexpr size_t kLimit = size_t{8} << 20;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st{};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      close(fd);
      return std::nullopt;
    }
    std::string text;
    char buffer[16384];
    for (;;) {
      const ssize_t got = read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0 || text.size() + static_cast<size_t>(got) > kLimit) {
        close(fd);
        return std::nullopt;
      }
      if (got == 0) break;
      text.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    return text;
  }

  int Rename(const std::string& from, const std::string& to) override {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // File systems without the no-replace flag: look first. What appears between the look and the
    // rename is replaced, which is the best those file systems allow.
    struct stat st{};
    if (lstat(to.c_str(), &st) == 0) return EEXIST;
    return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  }

  int MakeFolder(const std::string& path) override { return mkdir(path.c_str(), 0777) == 0 ? 0 : errno; }

  bool Writable(const std::string& folder) const override { return access(folder.c_str(), W_OK | X_OK) == 0; }

  bool Open(const std::string& path) override { return HasBackend() && GetBackend().OpenUrl(path); }
};

}  // namespace

std::unique_ptr<ShellSystem> MakeLinuxShellSystem() { return std::make_unique<LinuxShellSystem>(); }

}  // namespace platform
