// The folder dialog run modally over an in-memory file system: where it opens, what OK accepts,
// what it returns and the size it remembers.
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "platform/ShellNamespace.h"
#include "platform/memory/MemoryShellSystem.h"
#include "resources/EmbeddedSkin.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/data/SkinData.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskSkinDirTreeView.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/UiTestEnv.h"

namespace skin {
namespace {

using Step = std::function<void(TskSelDirDlgForm&)>;

class TskSkinSelectDirectoryDialogTest : public ui_test::UiTest {
 protected:
  TskSkinSelectDirectoryDialogTest() {
    resources::LoadEmbeddedSkin(skin_);
    auto system = std::make_unique<platform::MemoryShellSystem>();
    system->SetEnv("HOME", "/home/user");
    system->AddFolder("/home/user/Desktop");
    system->AddFolder("/home/user/pics/2026");
    system->AddFile("/home/user/pics/a.jpg");
    system->AddText("/proc/self/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n");
    shell_ = std::make_unique<platform::ShellNamespace>(std::move(system));
    dialog_ = std::make_unique<TskSkinSelectDirectoryDialog>();
    dialog_->SetShell(shell_.get());
    dialog_->SetSkinData(&skin_);
    dialog_->SetCtrlSkinData(&skin_);
  }
  ~TskSkinSelectDirectoryDialogTest() override {
    dialog_.reset();
    app_.reset();
  }

  // Runs the dialog and, each time its loop runs dry, the next step on the shown form. A form still
  // up after the last step is cancelled, and the test fails.
  bool Run(std::vector<Step> steps) {
    size_t next = 0;
    backend_->SetIdleHandler([&] {
      TskSelDirDlgForm* form = dialog_->Form();
      if (form == nullptr || !form->Visible()) return false;
      if (next < steps.size()) {
        steps[next++](*form);
      } else {
        ADD_FAILURE() << "the dialog is still up after its last step";
        form->SetModalResult(ui::kMrCancel);
      }
      return true;
    });
    const bool result = dialog_->ShowDialog();
    backend_->SetIdleHandler(nullptr);
    EXPECT_EQ(dialog_->Form(), nullptr);
    return result;
  }

  void Click(const ui::Control& c) { backend_->Click(c.ClientToScreen({c.Width() / 2, c.Height() / 2})); }

  TskSkinData skin_;
  std::unique_ptr<platform::ShellNamespace> shell_;
  std::unique_ptr<TskSkinSelectDirectoryDialog> dialog_;
};

TEST_F(TskSkinSelectDirectoryDialogTest, OpensAtAnExistingDirectoryElseAtTheComputer) {
  struct Case {
    const char* directory;
    const char* selected_id;
  };
  const Case cases[] = {
      {"", "::computer"},
      {"/home/user/gone", "::computer"},
      {"/home/user/pics/a.jpg", "::computer"},  // a file is no folder to start in
      {"~/pics", "/home/user/pics"},
      {"/home/user/pics/2026", "/home/user/pics/2026"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.directory);
    dialog_->SetDirectory(c.directory);
    std::string selected, caption;
    bool expanded = false, tree_focused = false;
    EXPECT_FALSE(Run({[&](TskSelDirDlgForm& form) {
      tree_focused = form.Tree->Focused();
      selected = form.Tree->SelectedId();
      expanded = form.Tree->Selected() != nullptr && form.Tree->Selected()->Expanded();
      caption = form.Caption();
      Click(*form.CancelButton);
    }}));
    EXPECT_EQ(selected, c.selected_id);
    EXPECT_TRUE(expanded || std::string(c.selected_id) == "/home/user/pics/2026");  // a leaf has nothing to open
    EXPECT_EQ(caption, "Select folder");
    EXPECT_TRUE(tree_focused);  // the arrow keys move through the folders at once
    EXPECT_EQ(dialog_->Directory(), c.directory);  // a cancelled run changes nothing
  }
}

TEST_F(TskSkinSelectDirectoryDialogTest, OkIsRefusedOnTheComputerAndReturnsARealFoldersPath) {
  int confirmed = 0;
  dialog_->OnConfirm = [&](TskSkinSelectDirectoryDialog& d) {
    ++confirmed;
    EXPECT_EQ(d.Directory(), "/home/user/pics");
  };
  bool still_up_after_ok = false, still_up_after_enter = false;
  EXPECT_TRUE(Run({
      [&](TskSelDirDlgForm& form) { Click(*form.OkButton); },
      [&](TskSelDirDlgForm& form) {
        still_up_after_ok = form.Visible();
        backend_->PressKey(platform::kVkReturn);
      },
      [&](TskSelDirDlgForm& form) {
        still_up_after_enter = form.Visible();
        ASSERT_TRUE(form.Tree->SetPath("~/pics"));
        backend_->PressKey(platform::kVkReturn);
      },
  }));
  EXPECT_TRUE(still_up_after_ok);
  EXPECT_TRUE(still_up_after_enter);
  EXPECT_EQ(dialog_->Directory(), "/home/user/pics");
  EXPECT_EQ(confirmed, 1);

  // Closing the window is a cancel whatever is selected.
  EXPECT_FALSE(Run({[&](TskSelDirDlgForm& form) { backend_->InjectCloseRequest(form.Surface()->Id()); }}));
  EXPECT_EQ(confirmed, 1);
}

TEST_F(TskSkinSelectDirectoryDialogTest, TheSecondRunReopensAtTheSizeTheFirstClosedWith) {
  gfx::Size first, second;
  EXPECT_FALSE(Run({[&](TskSelDirDlgForm& form) {
    first = {form.ClientWidth(), form.ClientHeight()};
    form.SetClientSize(420, 330);
    Click(*form.CancelButton);
  }}));
  EXPECT_EQ(first, (gfx::Size{TskSkinSelectDirectoryDialog::kFirstClientWidth,
                              TskSkinSelectDirectoryDialog::kFirstClientHeight}));
  EXPECT_EQ(dialog_->RememberedClientWidth(), 420);
  EXPECT_EQ(dialog_->RememberedClientHeight(), 330);
  EXPECT_FALSE(Run({[&](TskSelDirDlgForm& form) {
    second = {form.ClientWidth(), form.ClientHeight()};
    // The buttons keep their places at the bottom of the bigger window.
    EXPECT_EQ(form.ButtonPanel->Top(), 330 - 50);
    EXPECT_EQ(form.OkButton->Left(), 20);
    EXPECT_EQ(form.CancelButton->Left(), 100);
    Click(*form.CancelButton);
  }}));
  EXPECT_EQ(second, (gfx::Size{420, 330}));
}

}  // namespace
}  // namespace skin
