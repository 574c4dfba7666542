// The folder drop-down over an in-memory file system: its entries, the chain of a folder shown, and
// following a linked folder list both ways.
#include "skin/dialogs/TskSkinShellComboBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/memory/MemoryShellSystem.h"
#include "skin/controls/RangeControlTestEnv.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "ui/KeyCodes.h"

namespace {

using skin::TskSkinFileListView;
using skin::TskSkinShellComboBox;

class TskSkinShellComboBoxTest : public skin_test::RangeControlTest {
 protected:
  TskSkinShellComboBoxTest() {
    auto system = std::make_unique<platform::MemoryShellSystem>();
    system->SetEnv("HOME", "/home/user");
    system->AddFolder("/home/user/Desktop/project");
    system->AddFolder("/home/user/pics/zeta");
    system->AddFolder("/media/user/USB");
    system->AddText("/proc/self/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                            "51 22 8:17 / /media/user/USB rw - vfat /dev/sdb1 rw\n");
    shell_ = std::make_unique<platform::ShellNamespace>(std::move(system));
  }

  // "level:id" per entry.
  static std::vector<std::string> Chain(const TskSkinShellComboBox& combo) {
    std::vector<std::string> out;
    for (const TskSkinShellComboBox::Entry& e : combo.Entries()) out.push_back(std::to_string(e.level) + ":" + e.id);
    return out;
  }

  std::unique_ptr<platform::ShellNamespace> shell_;
};

TEST_F(TskSkinShellComboBoxTest, ShowsTheRootItsFoldersAndTheChainDownToTheFolderShown) {
  auto* combo = Make<TskSkinShellComboBox>("combobox", 10, 10, 300, 21);
  combo->SetShell(shell_.get());
  const std::vector<std::string> base = {"0:::desktop", "1:/home/user", "1:::computer", "2:/", "2:/home/user",
                                         "2:/media/user/USB", "1:/home/user/Desktop/project"};
  EXPECT_EQ(Chain(*combo), base);
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->Text(), "桌面");

  combo->ShowFolder("/home/user/pics/zeta");
  EXPECT_EQ(Chain(*combo), (std::vector<std::string>{"0:::desktop", "1:/home/user", "2:/home/user/pics",
                                                     "3:/home/user/pics/zeta", "1:::computer", "2:/", "2:/home/user",
                                                     "2:/media/user/USB", "1:/home/user/Desktop/project"}));
  EXPECT_EQ(combo->ItemIndex(), 3);
  EXPECT_EQ(combo->Text(), "zeta");
  // Below "/" the chain runs through the folders between.
  combo->ShowFolder("/media/user");
  EXPECT_EQ(Chain(*combo)[3], "2:/");
  EXPECT_EQ(Chain(*combo)[4], "3:/media");
  EXPECT_EQ(Chain(*combo)[5], "4:/media/user");
  EXPECT_EQ(combo->ItemIndex(), 5);
  // An entry of the base is selected where it is; the chain added before goes.
  combo->ShowFolder("/media/user/USB");
  EXPECT_EQ(Chain(*combo), base);
  EXPECT_EQ(combo->ItemIndex(), 5);

  // Another root: its folders only; a folder outside it stands alone.
  combo->SetRoot("~/pics");
  EXPECT_EQ(Chain(*combo), (std::vector<std::string>{"0:/home/user/pics", "1:/home/user/pics/zeta"}));
  combo->ShowFolder("/media/user/USB");
  EXPECT_EQ(Chain(*combo).back(), "0:/media/user/USB");
  EXPECT_THROW(combo->SetRoot("rfNetwork"), platform::ShellError);
  EXPECT_EQ(combo->Root(), "~/pics");
}

TEST_F(TskSkinShellComboBoxTest, FollowsALinkedListAndLeadsIt) {
  auto* combo = Make<TskSkinShellComboBox>("combobox", 10, 10, 300, 21);
  combo->SetShell(shell_.get());
  auto* list = Make<TskSkinFileListView>("listview", 10, 40, 300, 200);
  list->SetShell(shell_.get());
  list->SetShellComboBox(combo);
  EXPECT_EQ(combo->ShellListView(), list);
  list->SetPath("~/pics/zeta");
  EXPECT_EQ(combo->Text(), "zeta");
  // Choosing the entry above (pics) by key takes the list there.
  int folder_changes = 0;
  list->OnFolderChange = [&](ui::Component*) { ++folder_changes; };
  combo->SetFocus();
  backend_->PressKey(platform::kVkUp);
  Pump();
  EXPECT_EQ(list->CurrentFolderPath(), "/home/user/pics");
  EXPECT_EQ(folder_changes, 1);
  EXPECT_EQ(combo->Text(), "pics");
  EXPECT_EQ(combo->Entries()[static_cast<size_t>(combo->ItemIndex())].id, "/home/user/pics");
  // The list going leaves the drop-down without it.
  delete form_->RemoveChild(list).release();
  EXPECT_EQ(combo->ShellListView(), nullptr);
  backend_->PressKey(platform::kVkUp);
  Pump();
  EXPECT_EQ(combo->Text(), "主文件夹");
}

}  // namespace
