// `orvel --dialog`: its words, and the lines a run prints, over an in-memory file system.
#include "app/DialogCommand.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ShellNamespace.h"
#include "platform/memory/MemoryShellSystem.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "ui/Application.h"
#include "ui/UiTestEnv.h"

namespace {

using app::DialogOptions;
using Kind = DialogOptions::Kind;
using Picture = skin::TskOpenPictureDlgForm;

TEST(DialogCommandTest, Words) {
  struct Case {
    std::vector<std::string> args;
    bool ok;
    Kind kind;
    bool multi, skinned;
    std::string initial;
  };
  const Case kCases[] = {
      {{"open"}, true, Kind::kOpen, false, true, ""},
      {{"open", "--multi", "--no-skin"}, true, Kind::kOpen, true, false, ""},
      {{"save", "--initial", "/tmp"}, true, Kind::kSave, false, true, "/tmp"},
      {{"folder", "--no-skin", "--initial", "~/x"}, true, Kind::kFolder, false, false, "~/x"},
      {{}, false, Kind::kOpen, false, true, ""},
      {{"print"}, false, Kind::kOpen, false, true, ""},
      {{"save", "--multi"}, false, Kind::kOpen, false, true, ""},
      {{"open", "--initial"}, false, Kind::kOpen, false, true, ""},
      {{"open", "--initial", ""}, false, Kind::kOpen, false, true, ""},
      {{"open", "--colour"}, false, Kind::kOpen, false, true, ""},
  };
  for (const Case& c : kCases) {
    std::string joined;
    for (const std::string& a : c.args) joined += a + " ";
    SCOPED_TRACE(joined);
    if (!c.ok) {
      EXPECT_THROW(app::ParseDialogOptions(c.args), std::invalid_argument);
      continue;
    }
    const DialogOptions o = app::ParseDialogOptions(c.args);
    EXPECT_EQ(o.kind, c.kind);
    EXPECT_EQ(o.multi, c.multi);
    EXPECT_EQ(o.skinned, c.skinned);
    EXPECT_EQ(o.initial, c.initial);
  }
}

class DialogCommandRunTest : public ui_test::UiTest {
 protected:
  DialogCommandRunTest() {
    auto system = std::make_unique<platform::MemoryShellSystem>();
    system->SetEnv("HOME", "/home/user");
    for (const char* name : {"a.jpg", "b.bmp", "c.png"}) system->AddFile(std::string("/home/user/pics/") + name);
    shell_ = std::make_unique<platform::ShellNamespace>(std::move(system));
  }
  // Runs the dialog and lets `use` work its window once it shows.
  template <class Window>
  std::vector<std::string> Run(const DialogOptions& o, const std::function<void(Window&)>& use) {
    bool done = false;
    backend_->SetIdleHandler([&] {
      if (done) return false;
      auto* form = dynamic_cast<Window*>(app_->ActiveForm());
      if (form == nullptr || !form->Visible()) return false;
      done = true;
      use(*form);
      return false;
    });
    std::vector<std::string> lines = app::RunDialogOnce(o, shell_.get());
    backend_->SetIdleHandler(nullptr);
    EXPECT_TRUE(done);
    return lines;
  }
  std::unique_ptr<platform::ShellNamespace> shell_;
};

TEST_F(DialogCommandRunTest, PrintsTheChoiceOrCancelled) {
  DialogOptions open;
  open.initial = "/home/user/pics";
  open.multi = true;
  EXPECT_EQ(Run<Picture>(open,
                [](Picture& f) {
                  f.FileList->SelectAll();
                  f.ConfirmButton->Click();
                }),
            (std::vector<std::string>{"FileName=/home/user/pics/a.jpg", "SelectedFile=/home/user/pics/a.jpg",
                                      "SelectedFile=/home/user/pics/b.bmp", "FilterIndex=1"}));
  DialogOptions save;
  save.kind = Kind::kSave;
  save.skinned = false;
  save.initial = "/home/user/pics";
  EXPECT_EQ(Run<Picture>(save,
                [](Picture& f) {
                  f.FileNameEdit->SetText("/home/user/out.jpg");
                  f.ConfirmButton->Click();
                }),
            (std::vector<std::string>{"FileName=/home/user/out.jpg", "FilterIndex=1"}));
  EXPECT_EQ(Run<Picture>(save, [](Picture& f) { f.SetModalResult(ui::kMrCancel); }),
            std::vector<std::string>{"cancelled"});
  DialogOptions folder;
  folder.kind = Kind::kFolder;
  folder.initial = "/home/user/pics";
  EXPECT_EQ(Run<skin::TskSelDirDlgForm>(folder, [](skin::TskSelDirDlgForm& f) { f.OkButton->Click(); }),
            std::vector<std::string>{"Directory=/home/user/pics"});
}

}  // namespace
