// The shell namespace over an in-memory file system: virtual folders, parsing, listings, details,
// renaming and opening.
#include "platform/ShellNamespace.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "platform/memory/MemoryShellSystem.h"
#include "support/ScopedEnv.h"

namespace platform {
namespace {

constexpr unsigned kAll = kShellFolders | kShellNonFolders;

using testing_support::UtcZone;

// A home at /home/user with a desktop folder, pictures and the trash.
class ShellNamespaceTest : public testing::Test {
 protected:
  ShellNamespaceTest() {
    auto system = std::make_unique<MemoryShellSystem>();
    fs_ = system.get();
    fs_->AddText("/home/user/.config/user-dirs.dirs",
                 "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/桌面\"\nXDG_DOCUMENTS_DIR=\"/data/docs\"\n");
    fs_->AddFile("/home/user/桌面/note.txt", 5);
    fs_->AddFolder("/home/user/桌面/project");
    fs_->AddFolder("/home/user/.local/share/Trash/files");
    fs_->AddFolder("/data/docs");
    fs_->AddFolder("/media/user/USB stick");
    fs_->AddFolder("/mnt/backup");
    fs_->AddText("/proc/self/mountinfo",
                 "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                 "40 22 8:2 / /boot rw - ext4 /dev/sda2 rw\n"
                 "51 22 8:17 / /media/user/USB\\040stick rw - vfat /dev/sdb1 rw\n"
                 "52 22 8:33 / /mnt/backup rw - ext4 /dev/sdc1 rw\n"
                 "53 22 8:34 / /run/media/user/gone rw - ext4 /dev/sdc2 rw\n");
    system_ = std::move(system);
  }

  ShellNamespace& Shell() {
    if (!shell_) shell_ = std::make_unique<ShellNamespace>(std::move(system_));
    return *shell_;
  }

  std::vector<std::string> Names(const std::string& folder, unsigned kinds = kAll) {
    std::vector<std::string> names;
    for (const ShellEntry& e : Shell().List(folder, kinds)) names.push_back(e.Name());
    return names;
  }

  MemoryShellSystem* fs_;
  std::unique_ptr<MemoryShellSystem> system_;
  std::unique_ptr<ShellNamespace> shell_;
};

TEST_F(ShellNamespaceTest, DesktopHoldsHomeComputerAndTheDesktopFolder) {
  const std::vector<ShellEntry> entries = Shell().List(std::string(ShellNamespace::kDesktopId), kAll);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].Name(), "主文件夹");
  EXPECT_EQ(ShellNamespace::ChildId("::desktop", entries[0]), "/home/user");
  EXPECT_EQ(entries[1].Name(), "计算机");
  EXPECT_EQ(ShellNamespace::ChildId("::desktop", entries[1]), "::computer");
  EXPECT_EQ(entries[2].Name(), "note.txt");
  EXPECT_EQ(ShellNamespace::ChildId("::desktop", entries[2]), "/home/user/桌面/note.txt");
  EXPECT_EQ(ShellNamespace::ChildId("::desktop", entries[3]), "/home/user/桌面/project");
  EXPECT_TRUE(entries[3].IsFolder());

  const ShellItem desktop = Shell().Item("::desktop");
  EXPECT_EQ(desktop.name, "桌面");
  EXPECT_EQ(desktop.path, "/home/user/桌面");
  EXPECT_FALSE(desktop.file_system);
  EXPECT_EQ(Names("::desktop", kShellNonFolders), (std::vector<std::string>{"note.txt"}));
}

TEST_F(ShellNamespaceTest, WithoutADesktopFolderTheDesktopIsTheHome) {
  struct Case {
    const char* user_dirs;  // nullptr: no user-dirs.dirs
    bool make_plain_desktop;
    std::vector<std::string> names;
    const char* path;
  };
  const Case cases[] = {
      {nullptr, false, {"主文件夹", "计算机"}, "/home/user"},
      {nullptr, true, {"主文件夹", "计算机", "a.jpg"}, "/home/user/Desktop"},
      {"XDG_DESKTOP_DIR=\"$HOME/\"\n", true, {"主文件夹", "计算机"}, "/home/user"},  // switched off
      {"XDG_DESKTOP_DIR=\"$HOME/nowhere\"\n", true, {"主文件夹", "计算机"}, "/home/user"},
  };
  for (const Case& c : cases) {
    auto system = std::make_unique<MemoryShellSystem>();
    system->AddFolder("/home/user");
    if (c.user_dirs) system->AddText("/home/user/.config/user-dirs.dirs", c.user_dirs);
    if (c.make_plain_desktop) system->AddFile("/home/user/Desktop/a.jpg");
    ShellNamespace shell(std::move(system));
    std::vector<std::string> names;
    for (const ShellEntry& e : shell.List("::desktop", kAll)) names.push_back(e.Name());
    EXPECT_EQ(names, c.names) << (c.user_dirs ? c.user_dirs : "none");
    EXPECT_EQ(shell.Item("::desktop").path, c.path);
  }
}

TEST_F(ShellNamespaceTest, ComputerHoldsTheRootHomeAndMountedVolumes) {
  const std::vector<ShellEntry> entries = Shell().List("::computer", kAll);
  std::vector<std::string> names, ids;
  for (const ShellEntry& e : entries) {
    names.push_back(e.Name());
    ids.push_back(ShellNamespace::ChildId("::computer", e));
  }
  // /boot is not a volume of the desktop, and /run/media/user/gone has no folder any more.
  EXPECT_EQ(names, (std::vector<std::string>{"文件系统", "主文件夹", "USB stick", "backup"}));
  EXPECT_EQ(ids, (std::vector<std::string>{"/", "/home/user", "/media/user/USB stick", "/mnt/backup"}));
  const ShellItem computer = Shell().Item("::computer");
  EXPECT_EQ(computer.name, "计算机");
  EXPECT_TRUE(computer.path.empty());
  EXPECT_TRUE(computer.folder);
  EXPECT_TRUE(Names("::computer", kShellNonFolders).empty());
}

TEST_F(ShellNamespaceTest, ParsesRootNamesHomePathsAndAbsolutePaths) {
  fs_->AddFolder("/home/user/Pictures/2024");
  fs_->AddFolder("/home/user/.local/share/applications");
  fs_->AddFolder("/usr/share/applications");
  fs_->AddFolder("/etc/xdg/autostart");
  fs_->AddFolder("/home/user/.local/share/fonts");
  fs_->AddFolder("/home/user/.config/autostart");
  fs_->AddFolder("/home/user/Templates");
  struct Case {
    const char* text;
    const char* id;
  };
  const Case cases[] = {
      {"rfDesktop", "::desktop"},
      {"RFDESKTOP", "::desktop"},
      {"rfMyComputer", "::computer"},
      {"::computer", "::computer"},
      {"rfDesktopDirectory", "/home/user/桌面"},
      {"rfPersonal", "/data/docs"},
      {"rfTemplates", "/home/user/Templates"},
      {"rfRecycleBin", "/home/user/.local/share/Trash/files"},
      {"rfAppData", "/home/user/.config"},
      {"rfPrograms", "/home/user/.local/share/applications"},
      {"rfStartMenu", "/home/user/.local/share/applications"},
      {"rfCommonPrograms", "/usr/share/applications"},
      {"rfStartup", "/home/user/.config/autostart"},
      {"rfCommonStartup", "/etc/xdg/autostart"},
      {"rfFonts", "/home/user/.local/share/fonts"},
      {"~", "/home/user"},
      {"~/Pictures/2024/", "/home/user/Pictures/2024"},
      {"/home//user/./Pictures/../Pictures/2024", "/home/user/Pictures/2024"},
      {"/..", "/"},
  };
  for (const Case& c : cases) EXPECT_EQ(Shell().Parse(c.text), c.id) << c.text;

  const char* refused[] = {"rfNetwork", "rfControlPanel", "rfPrinters", "rfCommonDesktopDirectory",
                           "", "Pictures", "~user", "/home/user/missing", "::nowhere"};
  for (const char* text : refused) {
    try {
      Shell().Parse(text);
      ADD_FAILURE() << "parsed " << text;
    } catch (const ShellError& e) {
      EXPECT_EQ(e.what(), "Error setting path: \"" + std::string(text) + "\"");
    }
  }
}

TEST_F(ShellNamespaceTest, ParentsLeadThroughTheComputerToTheDesktop) {
  std::vector<std::string> chain;
  for (std::optional<std::string> id = "/home/user/x"; id; id = ShellNamespace::Parent(*id)) chain.push_back(*id);
  EXPECT_EQ(chain, (std::vector<std::string>{"/home/user/x", "/home/user", "/home", "/", "::computer", "::desktop"}));
}

TEST_F(ShellNamespaceTest, ListsFoldersLinksHiddenItemsAndArchivesByKind) {
  fs_->AddFolder("/p/sub");
  fs_->AddLink("/p/to-sub", "/p/sub");
  fs_->AddLink("/p/to-file.jpg", "/p/b.jpg");
  fs_->AddLink("/p/dangling", "/p/none");
  fs_->AddFile("/p/b.jpg");
  fs_->AddFile("/p/pack.zip");
  fs_->AddFile("/p/.dot");
  fs_->AddFolder("/p/.cache");
  fs_->AddFile("/p/secret.bmp");
  fs_->AddText("/p/.hidden", "secret.bmp\n\nnot-there\n");

  EXPECT_EQ(Names("/p", kShellFolders), (std::vector<std::string>{"sub", "to-sub"}));
  EXPECT_EQ(Names("/p", kShellNonFolders),
            (std::vector<std::string>{"b.jpg", "dangling", "pack.zip", "to-file.jpg"}));
  EXPECT_EQ(Names("/p", kAll | kShellHidden),
            (std::vector<std::string>{".cache", ".dot", ".hidden", "b.jpg", "dangling", "pack.zip", "secret.bmp",
                                      "sub", "to-file.jpg", "to-sub"}));
  for (const ShellEntry& e : Shell().List("/p", kAll | kShellHidden)) {
    const bool hidden = e.key.starts_with(".") || e.key == "secret.bmp";
    EXPECT_EQ(e.IsHidden(), hidden) << e.key;
  }
  EXPECT_TRUE(Shell().Item("/p/to-sub").folder);
  EXPECT_FALSE(Shell().Item("/p/pack.zip").folder);
}

TEST_F(ShellNamespaceTest, AFolderThatCannotBeReadListsNothing) {
  fs_->AddFile("/q/a.jpg");
  fs_->SetUnreadable("/q");
  EXPECT_TRUE(Names("/q").empty());
  EXPECT_TRUE(Names("/q/a.jpg").empty());  // not a folder
  EXPECT_TRUE(Names("/missing").empty());
  EXPECT_TRUE(Names("::elsewhere").empty());
}

TEST_F(ShellNamespaceTest, NamesThatAreNotUtf8ShowReplacementsAndKeepTheirBytes) {
  const std::string raw = "bild\xE4.jpg";  // Latin-1 ä
  fs_->AddFile("/p/" + raw);
  fs_->AddFile("/p/?1 name.jpg");
  const std::vector<ShellEntry> entries = Shell().List("/p", kAll);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Name(), "?1 name.jpg");  // shown exactly
  EXPECT_EQ(entries[1].Name(), "bild\xEF\xBF\xBD.jpg");
  const std::string id = ShellNamespace::ChildId("/p", entries[1]);
  EXPECT_EQ(id, "/p/" + raw);
  EXPECT_EQ(Shell().Item(id).name, "bild\xEF\xBF\xBD.jpg");
  EXPECT_EQ(Shell().Item(id).path, "/p/" + raw);
  EXPECT_TRUE(Shell().Open(id));
  EXPECT_EQ(fs_->Opened(), (std::vector<std::string>{"/p/" + raw}));
}

TEST_F(ShellNamespaceTest, ItemsCarryTheirKindsIcon) {
  fs_->AddFile("/p/a.JPG");
  fs_->AddFile("/p/b.jpeg");
  fs_->AddFile("/p/c.Zip");
  fs_->AddFile("/p/readme");
  fs_->AddFolder("/p/dir");
  struct Case {
    const char* id;
    ShellIcon icon;
    const char* name;
  };
  const Case cases[] = {
      {"/p/a.JPG", ShellIcon::kPicture, "a.JPG"},
      {"/p/b.jpeg", ShellIcon::kPicture, "b.jpeg"},
      {"/p/c.Zip", ShellIcon::kArchive, "c.Zip"},
      {"/p/readme", ShellIcon::kFile, "readme"},
      {"/p/dir", ShellIcon::kFolder, "dir"},
      {"/home/user", ShellIcon::kHome, "主文件夹"},
      {"/home/user/.local/share/Trash/files", ShellIcon::kTrash, "回收站"},
      {"/", ShellIcon::kVolume, "文件系统"},
      {"/mnt/backup", ShellIcon::kVolume, "backup"},
      {"::computer", ShellIcon::kComputer, "计算机"},
  };
  for (const Case& c : cases) {
    const ShellItem item = Shell().Item(c.id);
    EXPECT_EQ(item.icon, c.icon) << c.id;
    EXPECT_EQ(item.name, c.name) << c.id;
  }
}

TEST_F(ShellNamespaceTest, DetailsGiveSizeTypeAndLocalTimeAndFoldersTheirRealTime) {
  UtcZone utc;
  fs_->AddFile("/p/photo.jpeg", 123456, 1700000000);  // 2023-11-14 22:13:20 UTC
  fs_->AddFolder("/p/album.2023", 1600000000);        // 2020-09-13 12:26:40 UTC
  const ShellDetails file = Shell().Details("/p/photo.jpeg");
  EXPECT_EQ(file.size, "123456");
  EXPECT_EQ(file.type, ".jpeg");
  EXPECT_EQ(file.modified, "2023/11/14 22:13");
  const ShellDetails folder = Shell().Details("/p/album.2023");
  EXPECT_EQ(folder.size, "");
  EXPECT_EQ(folder.modified, "2020/09/13 12:26");

  try {
    Shell().Details("/p/gone");
    ADD_FAILURE() << "details of a missing item";
  } catch (const ShellError& e) {
    EXPECT_STREQ(e.what(), "Unable to retrieve folder details for \"gone\". Error code $2");
  }

  const std::vector<ShellColumn> columns = ShellNamespace::Columns("/p");
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_STREQ(columns[0].caption, "Name");
  EXPECT_STREQ(columns[1].caption, "Size");
  EXPECT_TRUE(columns[1].right_aligned);
  EXPECT_STREQ(columns[2].caption, "Type");
  EXPECT_STREQ(columns[3].caption, "Modified");
  ASSERT_EQ(ShellNamespace::Columns("::computer").size(), 1u);
}

TEST_F(ShellNamespaceTest, RenameRefusesNamesThatWouldMoveOrReplaceTheItem) {
  fs_->AddFile("/p/a.jpg", 1);
  fs_->AddFile("/p/b.jpg", 2);
  for (const char* name : {"", ".", "..", "x/y", "../a.jpg", "b.jpg"}) {
    try {
      Shell().Rename("/p/a.jpg", name);
      ADD_FAILURE() << "renamed to " << name;
    } catch (const ShellError& e) {
      EXPECT_EQ(e.what(), "Rename to " + std::string(name) + " failed");
    }
  }
  EXPECT_EQ(Names("/p"), (std::vector<std::string>{"a.jpg", "b.jpg"}));
  EXPECT_EQ(Shell().Details("/p/b.jpg").size, "2");  // not replaced

  EXPECT_EQ(Shell().Rename("/p/a.jpg", "c.jpg"), "/p/c.jpg");
  EXPECT_EQ(Names("/p"), (std::vector<std::string>{"b.jpg", "c.jpg"}));
  EXPECT_THROW(Shell().Rename("::computer", "x"), ShellError);
  EXPECT_THROW(Shell().Rename("/", "x"), ShellError);

  fs_->SetReadOnly("/p");
  EXPECT_FALSE(Shell().Item("/p/b.jpg").can_rename);
  EXPECT_THROW(Shell().Rename("/p/b.jpg", "d.jpg"), ShellError);
  EXPECT_FALSE(Shell().Item("::desktop").can_rename);
}

TEST_F(ShellNamespaceTest, CreatesAFolderOnceAndOpensOnlyItemsWithAPath) {
  fs_->AddFolder("/p");
  EXPECT_EQ(Shell().CreateFolder("/p", "New Folder"), "/p/New Folder");
  EXPECT_TRUE(Shell().Item("/p/New Folder").folder);
  EXPECT_THROW(Shell().CreateFolder("/p", "New Folder"), ShellError);
  EXPECT_THROW(Shell().CreateFolder("::computer", "x"), ShellError);
  EXPECT_THROW(Shell().CreateFolder("/p", "a/b"), ShellError);
  EXPECT_TRUE(Shell().HasSubfolders("/p"));
  EXPECT_FALSE(Shell().HasSubfolders("/p/New Folder"));

  EXPECT_FALSE(Shell().Open("::computer"));
  EXPECT_TRUE(Shell().Open("::desktop"));
  EXPECT_EQ(fs_->Opened(), (std::vector<std::string>{"/home/user/桌面"}));
}

}  // namespace
}  // namespace platform
