// The folder tree over an in-memory file system: nodes made on demand, opening at a folder's chain,
// renaming a folder in place and following a linked folder list both ways.
#include "skin/dialogs/TskSkinDirTreeView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/memory/MemoryShellSystem.h"
#include "skin/controls/RangeControlTestEnv.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "ui/Edit.h"

namespace {

using skin::TskSkinDirTreeView;
using skin::TskSkinFileListView;

class TskSkinDirTreeViewTest : public skin_test::RangeControlTest {
 protected:
  TskSkinDirTreeViewTest() {
    auto system = std::make_unique<platform::MemoryShellSystem>();
    system->SetEnv("HOME", "/home/user");
    system->AddFolder("/home/user/Desktop/project");
    system->AddFolder("/home/user/pics/zeta/deep");
    system->AddFolder("/home/user/pics/10");
    system->AddFolder("/home/user/pics/9");
    system->AddFile("/home/user/pics/a.jpg");
    system->AddFolder("/home/user/pics/.cache");
    system->AddFolder("/home/user/only-hidden/.git");
    system->AddFolder("/media/user/USB");
    system->AddText("/proc/self/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                            "51 22 8:17 / /media/user/USB rw - vfat /dev/sdb1 rw\n");
    system_ = system.get();
    shell_ = std::make_unique<platform::ShellNamespace>(std::move(system));
  }

  TskSkinDirTreeView* MakeTree() {
    auto* tree = Make<TskSkinDirTreeView>("treeview", 10, 10, 200, 300);
    tree->SetShell(shell_.get());
    return tree;
  }

  // "id" of each child of a node, and "+" after those that show a button.
  static std::vector<std::string> Children(const TskSkinDirTreeView& tree, const ui::TreeNode* node) {
    std::vector<std::string> out;
    for (const ui::TreeNode* c = node->FirstChild(); c != nullptr; c = c->NextSibling())
      out.push_back(tree.NodeId(c) + (c->HasChildren() ? "+" : ""));
    return out;
  }

  static ui::TreeNode* Child(const TskSkinDirTreeView& tree, ui::TreeNode* node, const std::string& id) {
    for (ui::TreeNode* c = node->FirstChild(); c != nullptr; c = c->NextSibling())
      if (tree.NodeId(c) == id) return c;
    return nullptr;
  }

  platform::MemoryShellSystem* system_ = nullptr;
  std::unique_ptr<platform::ShellNamespace> shell_;
};

TEST_F(TskSkinDirTreeViewTest, ListsSubfoldersOnlyWhenANodeFirstExpands) {
  TskSkinDirTreeView* tree = MakeTree();
  ui::TreeNode* top = tree->FirstNode();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->Text(), "桌面");
  EXPECT_TRUE(top->Expanded());
  EXPECT_EQ(tree->Selected(), top);
  // The desktop's places keep their order; nothing below them is listed yet.
  EXPECT_EQ(Children(*tree, top),
            (std::vector<std::string>{"/home/user+", "::computer+", "/home/user/Desktop/project"}));
  const int32_t before = tree->NodeCount();

  ui::TreeNode* home = Child(*tree, top, "/home/user");
  ASSERT_TRUE(home->Expand());
  ui::TreeNode* pics = Child(*tree, home, "/home/user/pics");
  ASSERT_NE(pics, nullptr);
  EXPECT_EQ(pics->FirstChild(), nullptr);
  ASSERT_TRUE(pics->Expand());
  // Folders only, hidden ones left out, digit runs by value.
  EXPECT_EQ(Children(*tree, pics),
            (std::vector<std::string>{"/home/user/pics/9", "/home/user/pics/10", "/home/user/pics/zeta+"}));
  EXPECT_GT(tree->NodeCount(), before);

  // A folder whose only subfolder is hidden promises children, finds none and loses its button.
  ui::TreeNode* only_hidden = Child(*tree, home, "/home/user/only-hidden");
  ASSERT_NE(only_hidden, nullptr);
  EXPECT_TRUE(only_hidden->HasChildren());
  EXPECT_FALSE(only_hidden->Expand());
  EXPECT_FALSE(only_hidden->HasChildren());

  // OnAddFolder may refuse a child; a folder the system will not list shows no button.
  tree->OnAddFolder = [](TskSkinDirTreeView&, const platform::ShellEntry& e, bool& accept) { accept = e.Name() != "USB"; };
  system_->SetUnreadable("/");
  ui::TreeNode* computer = Child(*tree, top, std::string(platform::ShellNamespace::kComputerId));
  ASSERT_TRUE(computer->Expand());
  EXPECT_EQ(Children(*tree, computer), (std::vector<std::string>{"/", "/home/user+"}));
  EXPECT_FALSE(Child(*tree, computer, "/")->Expand());
}

TEST_F(TskSkinDirTreeViewTest, OpensTheChainOfAPathAndReportsThePathSelected) {
  TskSkinDirTreeView* tree = MakeTree();
  struct Case {
    const char* text;
    bool found;
    const char* selected_id;
    const char* selected_path;
  };
  const Case cases[] = {
      {"~/pics/zeta/deep", true, "/home/user/pics/zeta/deep", "/home/user/pics/zeta/deep"},
      {"/media/user/USB", true, "/media/user/USB", "/media/user/USB"},
      {"rfMyComputer", true, "::computer", ""},  // selectable, but no path
      {"~/pics/.cache", false, "/home/user/pics", "/home/user/pics"},  // hidden: its folder is selected
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(tree->SetPath(c.text), c.found);
    EXPECT_EQ(tree->SelectedId(), c.selected_id);
    EXPECT_EQ(tree->SelectedPath(), c.selected_path);
    // Every node on the way is expanded, and so is the one selected when it was found.
    for (ui::TreeNode* n = tree->Selected(); n != nullptr; n = n->Parent())
      EXPECT_TRUE(n->Expanded() || !n->HasChildren() || (!c.found && n == tree->Selected()));
  }
  // The home folder reached through the computer is a node of its own under "/".
  tree->SetPath("~");
  EXPECT_EQ(tree->Selected()->Parent()->Parent()->Text(), "文件系统");

  const std::string before = tree->SelectedId();
  EXPECT_THROW(tree->SetPath("rfNetwork"), platform::ShellError);
  EXPECT_THROW(tree->SetPath("/no/such/folder"), platform::ShellError);
  EXPECT_EQ(tree->SelectedId(), before);

  // Under another root, a folder outside it is not found and the selection stays.
  tree->SetRoot("~/pics");
  EXPECT_EQ(tree->NodeId(tree->FirstNode()), "/home/user/pics");
  EXPECT_EQ(tree->FirstNode()->NextSibling(), nullptr);
  EXPECT_TRUE(tree->SetPath("~/pics/zeta/deep"));
  EXPECT_FALSE(tree->SetPath("/media/user/USB"));
  EXPECT_EQ(tree->SelectedPath(), "/home/user/pics/zeta/deep");
  EXPECT_THROW(tree->SetRoot("rfNetwork"), platform::ShellError);
  EXPECT_EQ(tree->Root(), "~/pics");
}

TEST_F(TskSkinDirTreeViewTest, EditingALabelRenamesTheFolderAndTheNodesBelowFollow) {
  TskSkinDirTreeView* tree = MakeTree();
  ASSERT_TRUE(tree->SetPath("~/pics/zeta/deep"));
  ui::TreeNode* zeta = tree->Selected()->Parent();
  const auto rename = [&](const std::string& text) {
    ASSERT_TRUE(tree->BeginEdit(zeta));
    tree->EditControl()->SetText(text);
    tree->EndEdit(false);
  };
  rename("omega");
  EXPECT_EQ(zeta->Text(), "omega");
  EXPECT_EQ(tree->NodeId(zeta), "/home/user/pics/omega");
  EXPECT_EQ(tree->SelectedPath(), "/home/user/pics/omega/deep");
  EXPECT_EQ(shell_->Item("/home/user/pics/omega/deep").folder, true);
  EXPECT_TRUE(tree->SetPath("~/pics/omega/deep"));

  for (const char* bad : {"", "..", "a/b", "10"}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(rename(bad), platform::ShellError);
    EXPECT_EQ(zeta->Text(), "omega");
    EXPECT_EQ(tree->NodeId(zeta), "/home/user/pics/omega");
  }
}

TEST_F(TskSkinDirTreeViewTest, FollowsALinkedListAndLeadsIt) {
  TskSkinDirTreeView* tree = MakeTree();
  auto* list = Make<TskSkinFileListView>("listview", 220, 10, 300, 300);
  list->SetShell(shell_.get());
  list->SetShellTreeView(tree);
  EXPECT_EQ(tree->ShellListView(), list);

  // The list goes into a folder: the tree opens its chain and selects it.
  list->SetPath("~/pics/zeta");
  EXPECT_EQ(tree->SelectedPath(), "/home/user/pics/zeta");
  EXPECT_FALSE(tree->Selected()->Expanded());  // selected, not opened
  list->GoUp();
  EXPECT_EQ(tree->SelectedPath(), "/home/user/pics");

  // A node chosen in the tree is read by the list, once.
  int folder_changes = 0;
  list->OnFolderChange = [&](ui::Component*) { ++folder_changes; };
  tree->SetPath("/media/user/USB");
  EXPECT_EQ(list->CurrentFolderPath(), "/media/user/USB");
  EXPECT_EQ(folder_changes, 1);
  tree->SetPath("rfMyComputer");
  EXPECT_EQ(list->CurrentFolder(), platform::ShellNamespace::kComputerId);

  // A new Root of the list becomes the tree's.
  list->SetRoot("~/pics");
  EXPECT_EQ(tree->Root(), "~/pics");
  EXPECT_EQ(tree->SelectedId(), "/home/user/pics");

  // The list going leaves the tree without it.
  delete form_->RemoveChild(list).release();
  EXPECT_EQ(tree->ShellListView(), nullptr);
  EXPECT_TRUE(tree->SetPath("~/pics/zeta"));
}

}  // namespace
