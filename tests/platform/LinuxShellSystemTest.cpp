// The shell namespace on the real file system: a temporary home with the XDG variables pointed at it.
#include "platform/linux/LinuxShellSystem.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/ShellNamespace.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

void WriteText(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using testing_support::ScopedEnv;

class LinuxShellSystemTest : public testing::Test {
 protected:
  LinuxShellSystemTest() : home_(dir_ / "home") {
    fs::create_directories(home_);
    env_.Set("HOME", home_);
    env_.Set("XDG_CONFIG_HOME", dir_ / "config");
    env_.Set("XDG_DATA_HOME", dir_ / "data");
    env_.Set("TZ", "UTC");
  }

  std::vector<std::string> Names(ShellNamespace& shell, const std::string& folder, unsigned kinds) {
    std::vector<std::string> names;
    for (const ShellEntry& e : shell.List(folder, kinds)) names.push_back(e.Name() + (e.IsFolder() ? "/" : ""));
    std::sort(names.begin(), names.end());
    return names;
  }

  testing_support::TempDir dir_;
  std::string home_;
  ScopedEnv env_;
};

TEST_F(LinuxShellSystemTest, ListsRealFoldersWithLinksHiddenItemsAndRawNames) {
  const std::string p = home_ + "/p";
  fs::create_directories(p + "/sub");
  fs::create_directory_symlink(p + "/sub", p + "/to-sub");
  fs::create_symlink(p + "/none", p + "/dangling");
  WriteText(p + "/a.jpg", "12345");
  WriteText(p + "/secret.bmp", "");
  WriteText(p + "/.dot", "");
  WriteText(p + "/.hidden", "secret.bmp\n");
  const std::string raw = "bild\xE4.jpg";
  WriteText(p + "/" + raw, "xyz");

  ShellNamespace shell(MakeLinuxShellSystem());
  EXPECT_EQ(Names(shell, p, kShellFolders | kShellNonFolders),
            (std::vector<std::string>{"a.jpg", "bild\xEF\xBF\xBD.jpg", "dangling", "sub/", "to-sub/"}));
  EXPECT_EQ(Names(shell, p, kShellFolders | kShellNonFolders | kShellHidden).size(), 8u);

  for (const ShellEntry& e : shell.List(p, kShellNonFolders)) {
    if (e.Name() != "bild\xEF\xBF\xBD.jpg") continue;
    const std::string id = ShellNamespace::ChildId(p, e);
    EXPECT_EQ(id, p + "/" + raw);
    EXPECT_EQ(shell.Details(id).size, "3");  // the real file, found by its bytes
  }
  EXPECT_TRUE(shell.Item(p + "/to-sub").folder);
  EXPECT_TRUE(shell.HasSubfolders(p));
  EXPECT_FALSE(shell.HasSubfolders(p + "/sub"));
}

TEST_F(LinuxShellSystemTest, AHiddenListThatIsAPipeDoesNotBlockTheListing) {
  const std::string p = home_ + "/p";
  fs::create_directories(p);
  WriteText(p + "/a.jpg", "");
  ASSERT_EQ(mkfifo((p + "/.hidden").c_str(), 0600), 0);
  ShellNamespace shell(MakeLinuxShellSystem());
  EXPECT_EQ(Names(shell, p, kShellNonFolders), (std::vector<std::string>{"a.jpg"}));
  EXPECT_TRUE(shell.List(p + "/a.jpg", kShellNonFolders).empty());
}

TEST_F(LinuxShellSystemTest, FindsTheDesktopFolderAndParsesHomePaths) {
  WriteText(dir_ / "config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  fs::create_directories(home_ + "/Schreibtisch/inner");
  ShellNamespace shell(MakeLinuxShellSystem());
  EXPECT_EQ(shell.Item("::desktop").path, home_ + "/Schreibtisch");
  EXPECT_EQ(Names(shell, "::desktop", kShellFolders),
            (std::vector<std::string>{"inner/", "主文件夹/", "计算机/"}));
  EXPECT_EQ(shell.Parse("~"), home_);
  EXPECT_EQ(shell.Parse("~/Schreibtisch/"), home_ + "/Schreibtisch");
  EXPECT_EQ(shell.Parse("rfDesktopDirectory"), home_ + "/Schreibtisch");
  EXPECT_THROW(shell.Parse("~/missing"), ShellError);
  EXPECT_THROW(shell.Parse("rfRecycleBin"), ShellError);  // no trash yet
  fs::create_directories(dir_ / "data/Trash/files");
  EXPECT_EQ(shell.Parse("rfRecycleBin"), dir_ / "data/Trash/files");
  EXPECT_EQ(shell.Item(dir_ / "data/Trash/files").name, "回收站");
}

TEST_F(LinuxShellSystemTest, RenameNeverReplacesAndFoldersKeepTheirRealTime) {
  const std::string p = home_ + "/p";
  fs::create_directories(p + "/album");
  WriteText(p + "/a.jpg", "first");
  WriteText(p + "/b.jpg", "second");
  ShellNamespace shell(MakeLinuxShellSystem());

  EXPECT_THROW(shell.Rename(p + "/a.jpg", "b.jpg"), ShellError);
  EXPECT_EQ(ReadText(p + "/b.jpg"), "second");
  EXPECT_THROW(shell.Rename(p + "/a.jpg", ".."), ShellError);
  EXPECT_EQ(shell.Rename(p + "/a.jpg", "c.jpg"), p + "/c.jpg");
  EXPECT_EQ(ReadText(p + "/c.jpg"), "first");
  EXPECT_EQ(shell.Rename(p + "/album", "album 2"), p + "/album 2");

  const timespec times[2] = {{1600000000, 0}, {1600000000, 0}};  // 2020-09-13 12:26:40 UTC
  ASSERT_EQ(utimensat(AT_FDCWD, (p + "/album 2").c_str(), times, 0), 0);
  const ShellDetails details = shell.Details(p + "/album 2");
  EXPECT_EQ(details.size, "");
  EXPECT_EQ(details.modified, "2020/09/13 12:26");
  EXPECT_TRUE(shell.Item(p + "/c.jpg").can_rename);
}

TEST_F(LinuxShellSystemTest, NewFolderOnceAndOpeningThroughTheBackend) {
  ShellNamespace shell(MakeLinuxShellSystem());
  EXPECT_EQ(shell.CreateFolder(home_, "New Folder"), home_ + "/New Folder");
  EXPECT_TRUE(fs::is_directory(home_ + "/New Folder"));
  EXPECT_THROW(shell.CreateFolder(home_, "New Folder"), ShellError);

  const std::string raw = home_ + "/bild\xE4.jpg";
  WriteText(raw, "");
  SetBackend(std::make_unique<HeadlessBackend>());
  auto& backend = static_cast<HeadlessBackend&>(GetBackend());
  EXPECT_TRUE(shell.Open(raw));
  EXPECT_FALSE(shell.Open("::computer"));
  EXPECT_EQ(backend.OpenedUrls(), (std::vector<std::string>{raw}));
  SetBackend(nullptr);
}

}  // namespace
}  // namespace platform
