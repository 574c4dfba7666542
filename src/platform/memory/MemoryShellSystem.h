// A file system held in memory for the shell namespace, so tests of browsing need no real files.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ShellSystem.h"

namespace platform {

// Paths are absolute; adding an item adds the folders above it. Links name another path and are
// followed like the real system follows them. Folders are listed in byte order of their names.
class MemoryShellSystem final : public ShellSystem {
 public:
  MemoryShellSystem();

  void SetEnv(const std::string& name, const std::string& value) { env_[name] = value; }
  // The folder ProgramFolder gives (empty at creation).
  void SetProgramFolder(const std::string& path) { program_folder_ = path; }
  void AddFolder(const std::string& path, int64_t modified = 0);
  void AddFile(const std::string& path, uint64_t size = 0, int64_t modified = 0);
  // A file whose text ReadText returns (".hidden", user-dirs.dirs, /proc/self/mountinfo).
  void AddText(const std::string& path, const std::string& text);
  void AddLink(const std::string& path, const std::string& target);
  // The folder cannot be listed (as without read permission); its items still have a status.
  void SetUnreadable(const std::string& path) { unreadable_.insert(path); }
  void SetReadOnly(const std::string& path) { read_only_.insert(path); }
  // Every path given to Open, in order.
  const std::vector<std::string>& Opened() const { return opened_; }

  std::string Env(const char* name) const override;
  std::string ProgramFolder() const override { return program_folder_; }
  FileStatus Status(const std::string& path) const override;
  std::optional<std::vector<FolderEntry>> ReadFolder(const std::string& path) const override;
  std::optional<std::string> ReadText(const std::string& path) const override;
  int Rename(const std::string& from, const std::string& to) override;
  int MakeFolder(const std::string& path) override;
  bool Writable(const std::string& folder) const override;
  bool Open(const std::string& path) override;

 private:
  struct Node {
    FileKind kind = FileKind::kFile;
    uint64_t size = 0;
    int64_t modified = 0;
    std::string text;
    std::string link;  // the target path of a link, else empty
  };
  void Put(const std::string& path, Node node);
  // The node a path leads to once links are followed; nullptr when there is none.
  const Node* Resolve(const std::string& path) const;

  std::map<std::string, std::string> env_;
  std::string program_folder_;
  std::map<std::string, Node> nodes_;
  std::set<std::string> unreadable_;
  std::set<std::string> read_only_;
  std::vector<std::string> opened_;
};

}  // namespace platform
