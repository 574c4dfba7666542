// The desktop's shell namespace over a file system: the virtual desktop and computer folders, file
// and folder items, their names, kinds, details, renaming and opening.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ShellSystem.h"

namespace platform {

// An error of the namespace with the text to show (a path that cannot be parsed, a refused rename).
class ShellError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Which picture an item is shown with.
enum class ShellIcon : uint8_t { kFolder, kPicture, kFile, kArchive, kVolume, kHome, kComputer, kTrash };

// What a listing asks for; combine with |.
enum ShellKinds : unsigned {
  kShellFolders = 1,
  kShellNonFolders = 2,
  kShellHidden = 4,
};

// One child of a listed folder. Kept small: a folder of 100,000 files holds 100,000 of them.
struct ShellEntry {
  static constexpr uint8_t kFolder = 1;
  static constexpr uint8_t kHidden = 2;

  // In a file-system folder the child's own name bytes; in a virtual folder the child's whole id.
  std::string key;
  // The shown name when it differs from `key` (names that are not UTF-8, virtual children); empty
  // otherwise.
  std::string display;
  uint8_t flags = 0;
  ShellIcon icon = ShellIcon::kFile;

  const std::string& Name() const { return display.empty() ? key : display; }
  bool IsFolder() const { return (flags & kFolder) != 0; }
  bool IsHidden() const { return (flags & kHidden) != 0; }
};

// Everything about one item that is cheap to know.
struct ShellItem {
  std::string id;
  std::string name;        // normal display name, UTF-8
  std::string path;        // file-system path (its real bytes); empty for a folder without one
  bool folder = false;     // a directory or a link to one, or a virtual folder
  bool file_system = false;
  bool can_rename = false;
  ShellIcon icon = ShellIcon::kFile;
};

struct ShellColumn {
  const char* caption;
  bool right_aligned;
  int width_chars;  // in widths of "X" in the list's font
};

// Detail texts of one item for the details view.
struct ShellDetails {
  std::string size;      // bytes in decimal; empty for folders
  std::string type;      // the extension, dot included
  std::string modified;  // local time, "YYYY/MM/DD HH:MM"
};

// Item ids are file-system paths (absolute, normalised, their real bytes) or one of the two
// virtual ids below. The desktop is the root: it holds the home folder, the computer and the items
// of the desktop folder; the computer holds "/", the home folder and the mounted volumes.
class ShellNamespace {
 public:
  static constexpr std::string_view kDesktopId = "::desktop";
  static constexpr std::string_view kComputerId = "::computer";

  // Reads where the home, desktop, trash and configuration folders are.
  explicit ShellNamespace(std::unique_ptr<ShellSystem> system);
  ~ShellNamespace();
  ShellNamespace(const ShellNamespace&) = delete;
  ShellNamespace& operator=(const ShellNamespace&) = delete;

  // Turns a root-folder name (rfDesktop, rfPersonal, ...; any case), a virtual id, "~", "~/..." or an
  // absolute path into the id of an existing item. Throws ShellError "Error setting path: "text""
  // for anything else, a root-folder name without a counterpart here included.
  std::string Parse(std::string_view text) const;

  // The parent's id; nullopt for the desktop.
  static std::optional<std::string> Parent(std::string_view id);
  // The id of a listed child.
  static std::string ChildId(std::string_view folder, const ShellEntry& entry);

  // Names, kind and abilities of an item. A path that no longer exists describes a file.
  ShellItem Item(const std::string& id) const;
  // The children of a folder of the kinds asked for, in the system's order; empty when the folder
  // cannot be read or is not a folder. Hidden children are those whose name starts with "." and
  // those named in the folder's ".hidden".
  std::vector<ShellEntry> List(const std::string& folder, unsigned kinds) const;
  bool HasSubfolders(const std::string& id) const;
  // What an id names on the file system, links followed: a virtual folder counts as a folder, and
  // kMissing stands for anything that cannot be read. Lets a caller open only regular files (a pipe
  // would block a reader) and take only folders that exist.
  FileKind Kind(const std::string& id) const;

  // The details view's columns for a folder: "Name", "Size", "Type", "Modified" in a file-system
  // folder, only "Name" in a virtual one.
  static std::vector<ShellColumn> Columns(std::string_view folder);
  // Throws ShellError "Unable to retrieve folder details for "name". Error code $hex" when the
  // item's status cannot be read.
  ShellDetails Details(const std::string& id) const;

  // Gives the item a new name in its folder and returns its new id. Throws ShellError "Rename to
  // name failed" when the item cannot be renamed, the name is "", "." or "..", holds a "/", is
  // taken, or the system refuses.
  std::string Rename(const std::string& id, const std::string& new_name);
  // Creates a folder `name` in `parent` and returns its id; throws ShellError when it cannot.
  std::string CreateFolder(const std::string& parent, const std::string& name);
  // Opens an item with the desktop's handler; false when it has no path or could not be started.
  bool Open(const std::string& id);

  // The folder of the running program's file; empty when it is not known.
  std::string ProgramFolder() const { return system_->ProgramFolder(); }
  // The desktop folder, or empty when there is none.
  std::string DesktopFolder() const;
  const std::string& HomeFolder() const { return home_; }

 private:
  // Mount points under /media, /run/media and /mnt, as the system lists them.
  std::vector<std::string> Volumes() const;
  ShellIcon FolderIcon(std::string_view path) const;
  std::string DisplayName(std::string_view id) const;

  std::unique_ptr<ShellSystem> system_;
  std::string home_;
  std::string config_;      // XDG_CONFIG_HOME
  std::string data_;        // XDG_DATA_HOME
  std::string desktop_;     // XDG_DESKTOP_DIR, else ~/Desktop
  std::string documents_;   // XDG_DOCUMENTS_DIR
  std::string templates_;   // XDG_TEMPLATES_DIR
  std::string trash_;       // the trash's files
};

}  // namespace platform
