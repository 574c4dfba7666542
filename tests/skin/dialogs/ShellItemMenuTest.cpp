// The browsing controls' item menu over an in-memory file system: what it offers for which item,
// how Shift+F10 and the Menu key open it, what its commands do, and the properties box's text.
#include "skin/dialogs/ShellItemMenu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "platform/ShellNamespace.h"
#include "platform/memory/MemoryShellSystem.h"
#include "skin/controls/RangeControlTestEnv.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/dialogs/TskSkinDirTreeView.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "skin/frame/TskMessageForm.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "support/ScopedEnv.h"
#include "ui/Edit.h"
#include "ui/MenuItem.h"

namespace skin {
namespace {

constexpr int64_t k2024_03_05_0607 = 1709618820;  // 2024/03/05 06:07 UTC

class ShellItemMenuTest : public skin_test::RangeControlTest {
 protected:
  ShellItemMenuTest() {
    env_.Set("TZ", "UTC");
    auto system = std::make_unique<platform::MemoryShellSystem>();
    fs_ = system.get();
    fs_->SetEnv("HOME", "/home/user");
    fs_->AddFolder("/home/user/Desktop");
    fs_->AddFolder("/home/user/pics/trip", k2024_03_05_0607);
    fs_->AddFile("/home/user/pics/a.jpg", 1234, k2024_03_05_0607);
    fs_->AddFile("/home/user/pics/README", 7, k2024_03_05_0607);
    fs_->AddFolder("/locked");
    fs_->AddFolder("/locked/inner");
    fs_->SetReadOnly("/locked");
    fs_->AddText("/proc/self/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n");
    shell_ = std::make_unique<platform::ShellNamespace>(std::move(system));
  }

  static std::vector<std::string> Captions(const ShellItemMenu* menu) {
    std::vector<std::string> out;
    if (menu == nullptr || menu->Menu() == nullptr) return out;
    const ui::MenuItem& root = menu->Menu()->Items();
    for (size_t i = 0; i < root.Count(); ++i) out.push_back(root.Item(i)->Caption());
    return out;
  }
  static void Choose(const ShellItemMenu* menu, const std::string& caption) {
    const ui::MenuItem& root = menu->Menu()->Items();
    for (size_t i = 0; i < root.Count(); ++i) {
      if (root.Item(i)->Caption() == caption) return root.Item(i)->Click();
    }
    ADD_FAILURE() << "no item " << caption;
  }
  // Runs what a chosen item queued and returns the text of the information box it showed, if any.
  std::string RunQueuedAndReadBox() {
    std::string text;
    backend_->SetIdleHandler([&] {
      auto* box = dynamic_cast<TskMessageForm*>(app_->ActiveForm());
      if (box == nullptr) return false;
      text = box->MessageLabel()->Caption();
      backend_->PressKey(platform::kVkReturn);
      return true;
    });
    Pump();
    backend_->SetIdleHandler(nullptr);
    return text;
  }

  testing_support::ScopedEnv env_;
  platform::MemoryShellSystem* fs_ = nullptr;
  std::unique_ptr<platform::ShellNamespace> shell_;
};

TEST_F(ShellItemMenuTest, PropertiesTellNameFolderTypeSizeAndTime) {
  struct Case {
    const char* id;
    const char* text;
  };
  const Case cases[] = {
      {"/home/user/pics/a.jpg",
       "名称: a.jpg\n位置: /home/user/pics\n类型: .jpg\n大小: 1234 字节\n修改时间: 2024/03/05 06:07"},
      {"/home/user/pics/README",
       "名称: README\n位置: /home/user/pics\n类型: 文件\n大小: 7 字节\n修改时间: 2024/03/05 06:07"},
      {"/home/user/pics/trip", "名称: trip\n位置: /home/user/pics\n类型: 文件夹\n修改时间: 2024/03/05 06:07"},
      {"::computer", "名称: 计算机\n位置: 桌面\n类型: 文件夹"},
  };
  for (const Case& c : cases) EXPECT_EQ(ShellPropertiesText(*shell_, c.id), c.text) << c.id;
  EXPECT_THROW(ShellPropertiesText(*shell_, "/home/user/pics/gone.jpg"), platform::ShellError);
}

TEST_F(ShellItemMenuTest, ListKeysOpenTheFocusedItemsMenuAndItsCommandsRun) {
  auto* lv = Make<TskSkinFileListView>("listview", 10, 10, 400, 300);
  lv->SetRoot("~/pics");
  lv->SetShell(shell_.get());
  lv->SetFocus();
  Pump();
  ASSERT_EQ(lv->Item(1).caption, "a.jpg");
  lv->SetItemIndex(1);
  lv->SetItemFocused(1);

  backend_->InjectKeyDown(platform::kVkShift);
  backend_->PressKey(platform::kVkF1 + 9);
  backend_->InjectKeyUp(platform::kVkShift);
  Pump();
  EXPECT_EQ(Captions(lv->ItemMenu()), (std::vector<std::string>{"打开(&O)", "重命名(&M)", "-", "属性(&R)"}));

  Choose(lv->ItemMenu(), "属性(&R)");
  EXPECT_EQ(RunQueuedAndReadBox(),
            "名称: a.jpg\n位置: /home/user/pics\n类型: .jpg\n大小: 1234 字节\n修改时间: 2024/03/05 06:07");
  Choose(lv->ItemMenu(), "打开(&O)");
  Pump();
  EXPECT_EQ(fs_->Opened(), (std::vector<std::string>{"/home/user/pics/a.jpg"}));
  Choose(lv->ItemMenu(), "重命名(&M)");
  Pump();
  ASSERT_TRUE(lv->IsRenaming());
  EXPECT_EQ(lv->RenameEdit()->Text(), "a.jpg");
  lv->EndRename(true);

  // A menu the list's owner turned off does not open; the key does nothing else either.
  const ShellItemMenu* before = lv->ItemMenu();
  lv->SetAutoContextMenus(false);
  backend_->PressKey(platform::kVkApps);
  Pump();
  EXPECT_EQ(lv->ItemMenu(), before);
  EXPECT_EQ(Captions(lv->ItemMenu()).size(), 4u);
}

TEST_F(ShellItemMenuTest, TreeMenuOffersRenameOnlyWhereAllowedAndReportsWhatFails) {
  std::vector<std::string> errors;
  app_->OnException = [&](const std::string& text) { errors.push_back(text); };
  auto* tree = Make<TskSkinDirTreeView>("treeview", 10, 10, 250, 300);
  tree->SetShell(shell_.get());
  tree->SetFocus();
  struct Case {
    const char* path;
    std::vector<std::string> captions;
  };
  const Case cases[] = {
      {"~/pics/trip", {"打开(&O)", "重命名(&M)", "-", "属性(&R)"}},
      {"/locked/inner", {"打开(&O)", "-", "属性(&R)"}},  // its folder takes no new names
      {"/", {"打开(&O)", "-", "属性(&R)"}},
      {"rfMyComputer", {"打开(&O)", "-", "属性(&R)"}},  // no name of its own to change
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    tree->SetPath(c.path);
    backend_->PressKey(platform::kVkApps);
    Pump();
    EXPECT_EQ(Captions(tree->ItemMenu()), c.captions);
  }

  // Opening the computer has nothing to hand to the desktop: the error report says so and the tree
  // stays where it was.
  Choose(tree->ItemMenu(), "打开(&O)");
  Pump();
  EXPECT_EQ(errors, (std::vector<std::string>{"无法打开 \"计算机\""}));
  EXPECT_EQ(tree->SelectedId(), "::computer");

  tree->SetPath("~/pics/trip");
  backend_->PressKey(platform::kVkApps);
  Pump();
  Choose(tree->ItemMenu(), "重命名(&M)");
  Pump();
  EXPECT_TRUE(tree->IsEditing());
  tree->EndEdit(true);
}

}  // namespace
}  // namespace skin
