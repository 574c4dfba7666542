// The folder list over an in-memory file system: filtering, order, details, navigation and
// refreshing.
#include "skin/dialogs/TskSkinFileListView.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/linux/LinuxShellSystem.h"
#include "platform/memory/MemoryShellSystem.h"
#include "skin/controls/RangeControlTestEnv.h"
#include "skin/dialogs/ShellIcons.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "ui/Edit.h"
#include "ui/ImageList.h"
#include "ui/KeyCodes.h"

namespace {

using skin::TskSkinFileListView;

constexpr const char* kPictureMask = "*.jpg;*.jpeg;*.bmp;";

using testing_support::UtcZone;

// A home with a desktop folder and a folder of pictures and other files.
class TskSkinFileListViewTest : public skin_test::RangeControlTest {
 protected:
  TskSkinFileListViewTest() {
    auto system = std::make_unique<platform::MemoryShellSystem>();
    fs_ = system.get();
    fs_->SetEnv("HOME", "/home/user");
    fs_->AddFolder("/home/user/Desktop");
    fs_->AddFile("/home/user/Desktop/on-desktop.jpg", 3);
    for (const char* name : {"b.jpg", "A.JPEG", "c.bmp", "d.jp", "e.png", "README", "archive.zip", "img10.jpg",
                             "img9.jpg"})
      fs_->AddFile(std::string("/home/user/pics/") + name, 5, 86400);
    fs_->AddFolder("/home/user/pics/zeta", 86400);
    fs_->AddFolder("/home/user/pics/Alpha", 86400);
    shell_ = std::make_unique<platform::ShellNamespace>(std::move(system));
  }

  TskSkinFileListView* MakeList(const std::string& root = "/home/user/pics") {
    auto* lv = Make<TskSkinFileListView>("listview", 10, 10, 400, 300);
    lv->SetRoot(root);
    lv->SetShell(shell_.get());
    lv->OnFolderChange = [this](ui::Component*) { ++folder_changes_; };
    Pump();
    return lv;
  }

  static std::vector<std::string> Captions(const TskSkinFileListView& lv) {
    std::vector<std::string> captions;
    for (int32_t i = 0; i < lv.ItemCount(); ++i) captions.push_back(lv.Item(i).caption);
    return captions;
  }

  platform::MemoryShellSystem* fs_ = nullptr;
  std::unique_ptr<platform::ShellNamespace> shell_;
  int folder_changes_ = 0;
};

TEST_F(TskSkinFileListViewTest, MasksFilterFilesAndFoldersComeFirstInNaturalOrder) {
  TskSkinFileListView* lv = MakeList();
  struct Case {
    const char* mask;
    std::vector<std::string> captions;
  };
  const Case kCases[] = {
      {"*.*", {"Alpha", "zeta", "A.JPEG", "archive.zip", "b.jpg", "c.bmp", "d.jp", "e.png", "img9.jpg", "img10.jpg",
               "README"}},
      {kPictureMask, {"Alpha", "zeta", "A.JPEG", "b.jpg", "c.bmp", "d.jp", "img9.jpg", "img10.jpg"}},
      {"*.zip", {"Alpha", "zeta", "archive.zip"}},
      {"*.gif", {"Alpha", "zeta"}},
  };
  for (const Case& c : kCases) {
    lv->SetMask(c.mask);
    EXPECT_EQ(Captions(*lv), c.captions) << c.mask;
  }
  // The archive is a file: it can be chosen, and Enter on it opens nothing.
  lv->SetMask("*.zip");
  lv->SetItemIndex(2);
  EXPECT_EQ(lv->SelectedPath(), "/home/user/pics/archive.zip");
  lv->SetFocus();
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_EQ(lv->CurrentFolderPath(), "/home/user/pics");
  // Folders are never selected paths.
  lv->SetItemIndex(0);
  EXPECT_EQ(lv->SelectedPath(), "");
  // Without sorting the system's order stays; OnAddFolder can refuse items.
  lv->SetMask("*.*");
  lv->OnAddFolder = [](TskSkinFileListView&, const platform::ShellEntry& e, bool& accept) {
    accept = e.Name() != "README";
  };
  lv->SetSorted(false);
  EXPECT_EQ(Captions(*lv), (std::vector<std::string>{"A.JPEG", "Alpha", "archive.zip", "b.jpg", "c.bmp", "d.jp",
                                                      "e.png", "img10.jpg", "img9.jpg", "zeta"}));
}

TEST_F(TskSkinFileListViewTest, DetailsShowNameSizeTypeAndTimeInFileSystemFoldersOnly) {
  const UtcZone utc;
  TskSkinFileListView* lv = MakeList();
  lv->SetViewStyle(ui::ViewStyle::kReport);
  ASSERT_EQ(lv->ColumnCount(), 4);
  std::vector<std::string> captions;
  for (int i = 0; i < lv->ColumnCount(); ++i) captions.push_back(lv->Header()->Section(i).text);
  EXPECT_EQ(captions, (std::vector<std::string>{"Name", "Size", "Type", "Modified"}));
  EXPECT_EQ(lv->Header()->Section(1).alignment, ui::TextAlignment::kRight);
  const ui::ListItemData folder = lv->Item(0);
  EXPECT_EQ(folder.caption, "Alpha");
  EXPECT_EQ(folder.sub_items, (std::vector<std::string>{"", "", "1970/01/02 00:00"}));
  const ui::ListItemData file = lv->Item(4);  // b.jpg
  EXPECT_EQ(file.caption, "b.jpg");
  EXPECT_EQ(file.sub_items, (std::vector<std::string>{"5", ".jpg", "1970/01/02 00:00"}));
  EXPECT_EQ(folder.image_index, skin::ShellIconIndex(platform::ShellIcon::kFolder));
  EXPECT_EQ(file.image_index, skin::ShellIconIndex(platform::ShellIcon::kPicture));
  // The desktop is virtual: only names.
  lv->SetPath("rfDesktop");
  EXPECT_EQ(lv->ColumnCount(), 1);
  EXPECT_TRUE(lv->Item(0).sub_items.empty());
}

TEST_F(TskSkinFileListViewTest, NavigationFiresFolderChangesAndStopsAtTheDesktop) {
  TskSkinFileListView* lv = MakeList();
  EXPECT_EQ(folder_changes_, 0);  // setting the root is no folder change
  lv->GoUp();
  EXPECT_EQ(lv->CurrentFolderPath(), "/home/user");
  lv->SetPath("~/pics");
  EXPECT_EQ(lv->CurrentFolderPath(), "/home/user/pics");
  lv->SetPath("~/pics");  // the same folder again changes nothing
  EXPECT_EQ(folder_changes_, 2);
  // A path that does not parse raises and the list stays.
  EXPECT_THROW(lv->SetPath("/home/user/nowhere"), platform::ShellError);
  EXPECT_THROW(lv->SetRoot("rfPrinters"), platform::ShellError);
  EXPECT_EQ(lv->Root(), "/home/user/pics");
  EXPECT_EQ(lv->CurrentFolderPath(), "/home/user/pics");
  // Up and up again ends at the desktop, which stays.
  lv->SetPath("rfDesktop");
  const int changes = folder_changes_;
  lv->GoUp();
  EXPECT_EQ(lv->CurrentFolder(), platform::ShellNamespace::kDesktopId);
  EXPECT_EQ(folder_changes_, changes);
  EXPECT_EQ(lv->ItemCount(), 3);  // home, computer, the desktop folder's picture
  // A folder that cannot be read lists nothing.
  fs_->SetUnreadable("/home/user/pics");
  lv->SetPath("/home/user/pics");
  EXPECT_EQ(lv->ItemCount(), 0);
}

TEST_F(TskSkinFileListViewTest, KeysAndDoubleClicksOpenFoldersAndGoUp) {
  TskSkinFileListView* lv = MakeList();
  lv->SetFocus();
  lv->SetItemIndex(1);  // zeta
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_EQ(lv->CurrentFolderPath(), "/home/user/pics/zeta");
  backend_->PressKey(platform::kVkBack);
  Pump();
  EXPECT_EQ(lv->CurrentFolderPath(), "/home/user/pics");
  // A double click on a folder opens it, then the double-click notification runs.
  int double_clicks = 0;
  lv->OnDblClick = [&](ui::Component*) { ++double_clicks; };
  const gfx::Rect alpha = lv->ItemRect(0);
  const gfx::Point at = ScreenPoint(*lv, alpha.left + 20, (alpha.top + alpha.bottom) / 2);
  backend_->Click(at);
  backend_->Click(at);
  Pump();
  EXPECT_EQ(lv->CurrentFolderPath(), "/home/user/pics/Alpha");
  EXPECT_EQ(double_clicks, 1);
  EXPECT_EQ(folder_changes_, 3);
  // Typing finds the first name that begins with the text, without case.
  backend_->PressKey(platform::kVkBack);
  Pump();
  backend_->InjectText("IM");
  Pump();
  EXPECT_EQ(lv->SelectedPath(), "/home/user/pics/img9.jpg");
  // Without AutoNavigate the keys leave the folder alone.
  lv->SetAutoNavigate(false);
  backend_->PressKey(platform::kVkBack);
  Pump();
  EXPECT_EQ(lv->CurrentFolderPath(), "/home/user/pics");
}

TEST_F(TskSkinFileListViewTest, RefreshKeepsTheSelectedIndexAndShowsNewFiles) {
  TskSkinFileListView* lv = MakeList();
  lv->SetMask(kPictureMask);
  const int32_t last = lv->ItemCount() - 1;
  lv->SetItemIndex(last);
  lv->RefreshFolder();
  EXPECT_EQ(lv->ItemIndex(), last);
  EXPECT_EQ(lv->SelectedPath(), "/home/user/pics/img10.jpg");
  // F5 reads the folder again: a new file shows, the index stays selected.
  fs_->AddFile("/home/user/pics/new.jpg");
  lv->SetFocus();
  backend_->PressKey(platform::kVkF1 + 4);
  Pump();
  EXPECT_EQ(lv->ItemCount(), last + 2);
  EXPECT_EQ(lv->ItemIndex(), last);
  // When fewer items come back than the selected index needs, nothing is selected.
  lv->SetItemIndex(lv->ItemCount() - 1);
  lv->OnAddFolder = [](TskSkinFileListView&, const platform::ShellEntry& e, bool& accept) { accept = e.IsFolder(); };
  lv->RefreshFolder();
  EXPECT_EQ(lv->ItemCount(), 2);
  EXPECT_EQ(lv->ItemIndex(), -1);
}

// The index of the item shown as `caption`, or -1.
int32_t IndexOf(const TskSkinFileListView& lv, const std::string& caption) {
  for (int32_t i = 0; i < lv.ItemCount(); ++i)
    if (lv.Item(i).caption == caption) return i;
  return -1;
}

TEST_F(TskSkinFileListViewTest, RenamingInPlaceRefusesNamesThatWouldMoveOrBreakTheItem) {
  std::vector<std::string> errors;
  app_->OnException = [&](const std::string& text) { errors.push_back(text); };
  TskSkinFileListView* lv = MakeList();
  lv->SetFocus();
  ASSERT_TRUE(lv->BeginRename(IndexOf(*lv, "b.jpg")));
  EXPECT_TRUE(lv->RenameEdit()->Visible());
  EXPECT_EQ(lv->RenameEdit()->Text(), "b.jpg");
  lv->RenameEdit()->SetText("renamed.jpg");
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_FALSE(lv->IsRenaming());
  EXPECT_EQ(fs_->Status("/home/user/pics/b.jpg").kind, platform::FileKind::kMissing);
  EXPECT_EQ(fs_->Status("/home/user/pics/renamed.jpg").kind, platform::FileKind::kFile);
  EXPECT_EQ(lv->SelectedPath(), "/home/user/pics/renamed.jpg");  // found again in its new place
  const std::vector<std::string> before = Captions(*lv);

  // Each refusal leaves the item and the list as they were.
  for (const char* bad : {"", ".", "..", "sub/x.jpg", "../x.jpg", "c.bmp"}) {
    SCOPED_TRACE(bad);
    ASSERT_TRUE(lv->BeginRename(IndexOf(*lv, "renamed.jpg")));
    lv->RenameEdit()->SetText(bad);
    try {
      lv->EndRename(false);
      ADD_FAILURE() << "accepted";
    } catch (const platform::ShellError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Rename to ") + bad + " failed");
    }
    EXPECT_FALSE(lv->RenameEdit()->Visible());
    EXPECT_EQ(Captions(*lv), before);
    EXPECT_EQ(fs_->Status("/home/user/pics/renamed.jpg").kind, platform::FileKind::kFile);
  }
  // Typed and confirmed with Enter, a refusal reaches the error report; Escape drops the text.
  ASSERT_TRUE(lv->BeginRename(IndexOf(*lv, "renamed.jpg")));
  lv->RenameEdit()->SetText("..");
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_FALSE(lv->IsRenaming());
  ASSERT_TRUE(lv->BeginRename(IndexOf(*lv, "renamed.jpg")));
  lv->RenameEdit()->SetText("other.jpg");
  backend_->PressKey(platform::kVkEscape);
  Pump();
  EXPECT_EQ(errors, (std::vector<std::string>{"Rename to .. failed"}));
  EXPECT_EQ(Captions(*lv), before);

  // A folder read again (a refresh from the watcher, say) drops the field with its row.
  ASSERT_TRUE(lv->BeginRename(IndexOf(*lv, "renamed.jpg")));
  lv->RenameEdit()->SetText("late.jpg");
  lv->RefreshFolder();
  EXPECT_FALSE(lv->IsRenaming());
  EXPECT_FALSE(lv->RenameEdit()->Visible());
  EXPECT_EQ(Captions(*lv), before);

  // An item in a folder that takes no new names offers no field.
  fs_->SetReadOnly("/home/user/pics");
  EXPECT_FALSE(lv->BeginRename(IndexOf(*lv, "renamed.jpg")));
  EXPECT_FALSE(lv->IsRenaming());
}

TEST_F(TskSkinFileListViewTest, IconsOfEveryKindDifferAtBothSizes) {
  TskSkinFileListView* lv = MakeList();
  for (ui::ImageList* images : {lv->SmallImages(), lv->LargeImages()}) {
    ASSERT_NE(images, nullptr);
    ASSERT_EQ(images->Count(), 8);
    for (int a = 0; a < images->Count(); ++a) {
      for (int b = a + 1; b < images->Count(); ++b) {
        const gfx::Bitmap pa = images->GetBitmap(a, gfx::Rgb(255, 255, 255));
        const gfx::Bitmap pb = images->GetBitmap(b, gfx::Rgb(255, 255, 255));
        bool differ = false;
        for (int32_t y = 0; y < images->Height() && !differ; ++y)
          for (int32_t x = 0; x < images->Width() && !differ; ++x) differ = pa.Pixel(x, y) != pb.Pixel(x, y);
        EXPECT_TRUE(differ) << a << " " << b << " at " << images->Width();
      }
    }
  }
  EXPECT_EQ(lv->SmallImages()->Width(), skin::kSmallShellIcon);
  EXPECT_EQ(lv->LargeImages()->Width(), skin::kLargeShellIcon);
}

// The list over the real file system, in a home made for the test.
class TskSkinFileListViewRealTest : public skin_test::RangeControlTest {};

TEST_F(TskSkinFileListViewRealTest, RealFoldersListLinksAsFoldersAndOpenNamesByTheirBytes) {
  testing_support::TempDir dir;
  testing_support::ScopedEnv env;
  const std::string home = dir / "home";
  std::filesystem::create_directories(home + "/Desktop/sub");
  std::filesystem::create_directory_symlink(home + "/Desktop/sub", home + "/Desktop/link");
  const std::string latin1 = home + "/Desktop/caf\xe9.jpg";  // not UTF-8
  testing_support::WriteBytes(latin1, {1, 2, 3});
  testing_support::WriteBytes(home + "/Desktop/a.JPG", {1});
  testing_support::WriteBytes(home + "/Desktop/notes.txt", {1});
  env.Set("HOME", home);
  env.Set("XDG_CONFIG_HOME", dir / "config");
  env.Set("XDG_DATA_HOME", dir / "data");
  platform::ShellNamespace shell(platform::MakeLinuxShellSystem());

  auto* lv = Make<TskSkinFileListView>("listview", 10, 10, 400, 300);
  lv->SetShell(&shell);
  lv->SetMask(kPictureMask);
  // The desktop: home and computer first, then the desktop folder's items sorted.
  ASSERT_EQ(lv->ItemCount(), 6);
  EXPECT_EQ(lv->Item(0).caption, "主文件夹");
  EXPECT_EQ(lv->Item(1).caption, "计算机");
  EXPECT_EQ(lv->Item(2).caption, "link");
  lv->SetPath("~/Desktop");
  EXPECT_EQ(lv->CurrentFolderPath(), home + "/Desktop");
  std::vector<std::string> captions;
  for (int32_t i = 0; i < lv->ItemCount(); ++i) captions.push_back(lv->Item(i).caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"link", "sub", "a.JPG", "caf\xEF\xBF\xBD.jpg"}));
  lv->SetItemIndex(3);
  EXPECT_EQ(lv->SelectedPath(), latin1);
  EXPECT_EQ(testing_support::ReadBytes(lv->SelectedPath()), (std::vector<uint8_t>{1, 2, 3}));
  // A link to a folder opens like one.
  lv->SetItemIndex(0);
  lv->SetFocus();
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_EQ(lv->CurrentFolderPath(), home + "/Desktop/link");
}

}  // namespace

namespace {

TEST_F(TskSkinFileListViewRealTest, AutoRefreshReadsTheFolderWhenANameAppears) {
  testing_support::TempDir dir;
  testing_support::ScopedEnv env;
  env.Set("HOME", dir.path());
  env.Set("XDG_CONFIG_HOME", dir / "config");
  std::filesystem::create_directory(dir / "watched");
  platform::ShellNamespace shell(platform::MakeLinuxShellSystem());
  auto* lv = Make<TskSkinFileListView>("listview", 10, 10, 400, 300);
  lv->SetRoot(dir / "watched");
  lv->SetShell(&shell);
  lv->SetAutoRefresh(true);
  ASSERT_EQ(lv->ItemCount(), 0);
  testing_support::WriteBytes(dir / "watched/new.jpg", {1});
  // The change comes through the UI thread's queue; pump until it did, with a generous limit.
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (lv->ItemCount() == 0 && std::chrono::steady_clock::now() < limit) {
    Pump();
    std::this_thread::yield();
  }
  ASSERT_EQ(lv->ItemCount(), 1);
  EXPECT_EQ(lv->Item(0).caption, "new.jpg");
  // Destroying the list stops its watcher at once, with a change possibly on its way.
  testing_support::WriteBytes(dir / "watched/second.jpg", {1});
  delete form_->RemoveChild(lv).release();
  Pump();
}

TEST_F(TskSkinFileListViewRealTest, RenamingARealFileNeverReplacesAnother) {
  testing_support::TempDir dir;
  testing_support::ScopedEnv env;
  env.Set("HOME", dir.path());
  env.Set("XDG_CONFIG_HOME", dir / "config");
  const std::string folder = dir / "pics";
  std::filesystem::create_directory(folder);
  testing_support::WriteBytes(folder + "/a.jpg", {1});
  testing_support::WriteBytes(folder + "/b.jpg", {2});
  platform::ShellNamespace shell(platform::MakeLinuxShellSystem());
  auto* lv = Make<TskSkinFileListView>("listview", 10, 10, 400, 300);
  lv->SetRoot(folder);
  lv->SetShell(&shell);

  ASSERT_TRUE(lv->BeginRename(IndexOf(*lv, "a.jpg")));
  lv->RenameEdit()->SetText("b.jpg");
  EXPECT_THROW(lv->EndRename(false), platform::ShellError);
  EXPECT_EQ(testing_support::ReadBytes(folder + "/a.jpg"), (std::vector<uint8_t>{1}));
  EXPECT_EQ(testing_support::ReadBytes(folder + "/b.jpg"), (std::vector<uint8_t>{2}));

  ASSERT_TRUE(lv->BeginRename(IndexOf(*lv, "a.jpg")));
  lv->RenameEdit()->SetText("海边.jpg");
  lv->EndRename(false);
  EXPECT_FALSE(std::filesystem::exists(folder + "/a.jpg"));
  EXPECT_EQ(testing_support::ReadBytes(folder + "/海边.jpg"), (std::vector<uint8_t>{1}));
  EXPECT_EQ(lv->SelectedPath(), folder + "/海边.jpg");
}

}  // namespace
