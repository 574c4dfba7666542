// What the shell namespace asks of the operating system: file status, folder contents, small text
// files, renaming, new folders and the desktop's opener.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class FileKind : uint8_t {
  kMissing,  // nothing there, or a status that cannot be read (see FileStatus::error)
  kFolder,   // a directory, or a link to one
  kFile,     // a regular file, or a link to one
  kOther,    // devices, pipes, sockets and links that lead nowhere
};

struct FileStatus {
  FileKind kind = FileKind::kMissing;
  bool link = false;      // the name itself is a symbolic link
  uint64_t size = 0;      // bytes, of what a link leads to
  int64_t modified = 0;   // seconds since 1970 (UTC)
  int error = 0;          // the system's error number when kind is kMissing
};

// One name of a folder with its kind, links already followed.
struct FolderEntry {
  std::string name;  // the name's own bytes, which need not be UTF-8
  FileKind kind = FileKind::kOther;
};

class ShellSystem {
 public:
  virtual ~ShellSystem() = default;

  // An environment variable; empty when unset. HOME is never empty.
  virtual std::string Env(const char* name) const = 0;
  // The folder that holds the running program's file; empty when it cannot be found.
  virtual std::string ProgramFolder() const = 0;
  // The status of what `path` names, following links.
  virtual FileStatus Status(const std::string& path) const = 0;
  // The names in a folder ("." and ".." left out), in the system's order; nullopt when the folder
  // cannot be read.
  virtual std::optional<std::vector<FolderEntry>> ReadFolder(const std::string& path) const = 0;
  // A small text file whole; nullopt when it cannot be read.
  virtual std::optional<std::string> ReadText(const std::string& path) const = 0;
  // Gives `from` the path `to`; never replaces what is at `to`. 0, or the system's error number.
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  // Creates one folder. 0, or the system's error number (EEXIST when the name is taken).
  virtual int MakeFolder(const std::string& path) = 0;
  // Whether names may be added to and removed from a folder.
  virtual bool Writable(const std::string& folder) const = 0;
  // Opens a file or folder with the desktop's handler; false when that could not be started.
  virtual bool Open(const std::string& path) = 0;
};

}  // namespace platform
