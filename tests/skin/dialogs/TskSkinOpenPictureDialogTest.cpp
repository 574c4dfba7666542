// The open and save picture dialogs on the headless backend, over an in-memory file system and
// over real temporary folders: starting folders, what a run remembers, the name edit's keys, Back,
// "New Folder", the preview and errors.
#include "skin/dialogs/TskSkinOpenPictureDialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/JpegCodec.h"
#include "platform/KeyCodes.h"
#include "platform/ShellNamespace.h"
#include "platform/linux/LinuxShellSystem.h"
#include "platform/memory/MemoryShellSystem.h"
#include "resources/EmbeddedSkin.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/data/SkinData.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/TskSkinShellComboBox.h"
#include "skin/frame/TskSkinForm.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "ui/ImageView.h"
#include "ui/MenuItem.h"
#include "ui/UiTestEnv.h"

namespace {

using skin::TskOpenPictureDlgForm;
using skin::TskSkinOpenPictureDialog;
using skin::TskSkinSavePictureDialog;
using Form = TskOpenPictureDlgForm;
// One step of driving a running dialog: called again and again until it returns true.
using Step = std::function<bool(Form&)>;

constexpr const char* kMainFilter =
    "All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|"
    "Bitmaps (*.bmp)|*.bmp|";

std::vector<std::string> Captions(const skin::TskSkinFileListView& lv) {
  std::vector<std::string> captions;
  for (int32_t i = 0; i < lv.ItemCount(); ++i) captions.push_back(lv.Item(i).caption);
  return captions;
}

int32_t IndexOf(const skin::TskSkinFileListView& lv, const std::string& caption) {
  for (int32_t i = 0; i < lv.ItemCount(); ++i) {
    if (lv.Item(i).caption == caption) return i;
  }
  return -1;
}

// Steps that do one thing and are done.
Step Do(std::function<void(Form&)> action) {
  return [action = std::move(action)](Form& f) {
    action(f);
    return true;
  };
}
Step Cancel() { return Do([](Form& f) { f.SetModalResult(ui::kMrCancel); }); }

class PictureDialogTest : public ui_test::UiTest {
 protected:
  PictureDialogTest() {
    auto system = std::make_unique<platform::MemoryShellSystem>();
    fs_ = system.get();
    fs_->SetEnv("HOME", "/home/user");
    fs_->AddFolder("/home/user/Desktop/shots");
    fs_->AddFile("/home/user/Desktop/d.jpg");
    fs_->AddFile("/home/user/Desktop/notes.txt");
    for (const char* name : {"a.jpg", "b.JPEG", "c.bmp", "d.png", "e.gif"}) fs_->AddFile(std::string("/home/user/pics/") + name);
    for (const char* name : {"A", "B", "C", "D", "E"}) fs_->AddFolder(std::string("/home/user/walk/") + name);
    shell_ = std::make_unique<platform::ShellNamespace>(std::move(system));
    app_->OnException = [this](const std::string& text) { errors_.push_back(text); };
  }

  template <class Dialog = TskSkinOpenPictureDialog>
  std::unique_ptr<Dialog> MakeDialog() {
    auto d = std::make_unique<Dialog>();
    d->SetShell(shell_.get());
    d->SetInitialDir("rfDesktop");
    d->SetFilter(kMainFilter);
    return d;
  }

  // Runs the dialog with `steps` driving it from the idle handler, one after another. The steps
  // must close it; one left open once they are done, or after 30 seconds, is cancelled and fails.
  bool Run(TskSkinOpenPictureDialog& d, std::vector<Step> steps) {
    size_t next = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    backend_->SetIdleHandler([&] {
      Form* f = d.RunningForm();
      if (f == nullptr || !f->Visible()) return false;
      if (next < steps.size() && std::chrono::steady_clock::now() < deadline) {
        if (steps[next](*f)) ++next;
      } else {
        ADD_FAILURE() << (next < steps.size() ? "step " + std::to_string(next) + " never ended"
                                              : std::string("the dialog stayed open"));
        f->SetModalResult(ui::kMrCancel);
      }
      // Back to the modal loop, which handles what the step queued and sees a result it set.
      return false;
    });
    const bool confirmed = d.ShowDialog();
    backend_->SetIdleHandler(nullptr);
    EXPECT_EQ(d.RunningForm(), nullptr);
    return confirmed;
  }

  // Types `text` into the empty name edit and presses Enter there.
  Step TypeAndEnter(const std::string& text) {
    return Do([this, text](Form& f) {
      f.FileNameEdit->SetText(text);
      f.FileNameEdit->SetFocus();
      backend_->PressKey(platform::kVkReturn);
    });
  }
  Step DoubleClick(const std::string& caption) {
    return Do([this, caption](Form& f) {
      const int32_t i = IndexOf(*f.FileList, caption);
      ASSERT_GE(i, 0) << caption;
      const gfx::Rect r = f.FileList->ItemRect(i);
      const gfx::Point at = f.FileList->ClientToScreen({r.left + 4, (r.top + r.bottom) / 2});
      backend_->Click(at);
      backend_->Click(at);
    });
  }

  platform::MemoryShellSystem* fs_ = nullptr;
  std::unique_ptr<platform::ShellNamespace> shell_;
  std::vector<std::string> errors_;
};

TEST_F(PictureDialogTest, FirstRunOpensAtTheDesktopAndTheNextInTheLastFolder) {
  skin::TskSkinData skin;
  resources::LoadEmbeddedSkin(skin);
  for (bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    auto d = MakeDialog();
    if (skinned) d->SetSkinData(&skin), d->SetCtrlSkinData(&skin);
    std::vector<std::string> captions;
    std::string filter_text, folder, combo_text, edit;
    gfx::Size client;
    ui::ViewStyle style = ui::ViewStyle::kReport;
    int32_t min_w = 0, min_h = 0;
    EXPECT_TRUE(Run(*d, {Do([&](Form& f) {
                           captions = Captions(*f.FileList);
                           filter_text = f.FilterCombo->Text();
                           folder = f.FileList->CurrentFolder();
                           combo_text = f.FolderCombo->Text();
                           client = {f.ClientWidth(), f.ClientHeight()};
                           style = f.ViewStyle();
                           min_w = f.Frame->GetMinWidth();
                           min_h = f.Frame->GetMinHeight();
                           EXPECT_EQ(f.FileList->ItemFocused(), 0);
                           EXPECT_EQ(f.ActiveControl(), f.FileNameEdit) << f.ActiveControl()->Name();
                           EXPECT_TRUE(f.ViewMenuItem(ui::ViewStyle::kList)->Checked());
                         }),
                         Do([](Form& f) { f.FileList->NavigateTo("/home/user/pics"); }),
                         DoubleClick("b.JPEG")}));
    // The desktop: home and computer, the desktop folder's folder, then its pictures only.
    EXPECT_EQ(captions, (std::vector<std::string>{"主文件夹", "计算机", "shots", "d.jpg"}));
    EXPECT_EQ(filter_text, "All (*.jpg;*.jpeg;*.bmp;)");
    EXPECT_EQ(folder, std::string(platform::ShellNamespace::kDesktopId));
    EXPECT_EQ(combo_text, "桌面");
    EXPECT_EQ(style, ui::ViewStyle::kList);
    if (skinned) {
      EXPECT_EQ(client, (gfx::Size{std::max(550, min_w), std::max(290, min_h)}));
    } else {
      EXPECT_EQ(client, (gfx::Size{550, 290}));
    }
    EXPECT_EQ(d->FileName(), "/home/user/pics/b.JPEG");
    EXPECT_EQ(d->SelectedFiles(), (std::vector<std::string>{"/home/user/pics/b.JPEG"}));

    // The second run starts in that folder with the file named and selected.
    EXPECT_FALSE(Run(*d, {Do([&](Form& f) {
                            folder = f.FileList->CurrentFolder();
                            edit = f.FileNameEdit->Text();
                            EXPECT_EQ(f.FileList->SelectedPath(), "/home/user/pics/b.JPEG");
                            EXPECT_EQ(Captions(*f.FileList),
                                      (std::vector<std::string>{"a.jpg", "b.JPEG", "c.bmp"}));
                          }),
                          Cancel()}));
    EXPECT_EQ(folder, "/home/user/pics");
    EXPECT_EQ(edit, "b.JPEG");
    // A cancelled run keeps the result of the last confirmed one.
    EXPECT_EQ(d->FileName(), "/home/user/pics/b.JPEG");
  }
}

TEST_F(PictureDialogTest, RunsRememberSizeViewStretchAndTheFilterShown) {
  auto d = MakeDialog();
  EXPECT_FALSE(Run(*d, {Do([this](Form& f) {
                          f.SetClientSize(620, 350);
                          f.SetViewStyle(ui::ViewStyle::kReport);
                          f.FilterCombo->SetItemIndex(3);  // Bitmaps
                          backend_->Click(f.StretchButton->ClientToScreen({10, 10}));
                        }),
                        Cancel()}));
  EXPECT_EQ(d->FilterIndex(), 4);
  EXPECT_EQ(d->RememberedClientWidth(), 620);
  EXPECT_EQ(d->RememberedViewStyle(), ui::ViewStyle::kReport);
  EXPECT_TRUE(d->RememberedStretch());
  d->SetFileName("/home/user/pics/a.jpg");
  std::vector<std::string> captions;
  gfx::Size client;
  bool stretched = false, details_checked = false, list_checked = true;
  EXPECT_FALSE(Run(*d, {Do([&](Form& f) {
                          captions = Captions(*f.FileList);
                          client = {f.ClientWidth(), f.ClientHeight()};
                          stretched = f.StretchButton->Down() && f.PreviewImage->Stretch();
                          details_checked = f.ViewMenuItem(ui::ViewStyle::kReport)->Checked();
                          list_checked = f.ViewMenuItem(ui::ViewStyle::kList)->Checked();
                        }),
                        Cancel()}));
  // The list is filtered by the entry shown as selected.
  EXPECT_EQ(captions, (std::vector<std::string>{"c.bmp"}));
  EXPECT_EQ(client, (gfx::Size{620, 350}));
  EXPECT_TRUE(stretched);
  EXPECT_TRUE(details_checked);
  EXPECT_FALSE(list_checked);
}

TEST_F(PictureDialogTest, EnterInTheNameEdit) {
  fs_->AddFolder("/home/user/out");
  struct Case {
    const char* name;
    bool save;
    bool select_a;           // a.jpg selected before typing
    const char* typed;
    bool closes;
    const char* result;      // FileName after a confirmed run
    const char* folder;      // the folder shown when the dialog stays open
    const char* mask;
  };
  const Case kCases[] = {
      {"save: a pattern filters", true, false, "*.png", false, "", "/home/user/pics", "*.png"},
      {"save: a name in the shown folder", true, false, "x", true, "/home/user/pics/x", "", ""},
      {"save: a folder's path opens it", true, false, "/home/user/out", false, "", "/home/user/out", ""},
      {"save: a tilde path opens it", true, false, "~/out", false, "", "/home/user/out", ""},
      {"save: a path into an existing folder", true, false, "/home/user/out/new.jpg", true, "/home/user/out/new.jpg",
       "", ""},
      {"save: a path into a missing folder", true, false, "/home/user/none/x.jpg", false, "", "/home/user/pics", ""},
      {"save: a relative path that names no folder", true, false, "none/x", false, "", "/home/user/pics", ""},
      {"open: the selected file", false, true, "a.jpg", true, "/home/user/pics/a.jpg", "", ""},
      {"open: a name without a selection", false, false, "a.jpg", false, "", "/home/user/pics", ""},
      {"open: a whole path without a selection", false, false, "/home/user/pics/c.bmp", true,
       "/home/user/pics/c.bmp", "", ""},
      {"open: a path of a missing file", false, false, "/home/user/pics/zz.jpg", false, "", "/home/user/pics", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TskSkinOpenPictureDialog> d =
        c.save ? std::unique_ptr<TskSkinOpenPictureDialog>(MakeDialog<TskSkinSavePictureDialog>()) : MakeDialog();
    d->SetInitialDir("/home/user/pics");
    std::string folder, mask;
    std::vector<Step> steps;
    if (c.select_a) steps.push_back(Do([](Form& f) { f.FileList->SetItemIndex(IndexOf(*f.FileList, "a.jpg")); }));
    steps.push_back(TypeAndEnter(c.typed));
    if (!c.closes) {
      steps.push_back(Do([&](Form& f) {
        folder = f.FileList->CurrentFolderPath();
        mask = f.FileList->Mask();
        EXPECT_TRUE(f.ResultFileName.empty());
      }));
      steps.push_back(Cancel());
    }
    EXPECT_EQ(Run(*d, steps), c.closes);
    if (c.closes) {
      EXPECT_EQ(d->FileName(), c.result);
    } else {
      EXPECT_EQ(folder, c.folder);
    }
    if (*c.mask) {
      EXPECT_EQ(mask, c.mask);
    }
  }
  EXPECT_EQ(errors_, std::vector<std::string>{});
}

TEST_F(PictureDialogTest, ConfirmButtonAndEscape) {
  // Open with a folder selected, or nothing, does nothing; save takes the typed name even so.
  auto open = MakeDialog();
  open->SetInitialDir("/home/user");
  std::string result = "unset";
  EXPECT_FALSE(Run(*open, {Do([](Form& f) { f.FileList->SetItemIndex(IndexOf(*f.FileList, "pics")); }),
                           Do([](Form& f) { f.ConfirmButton->Click(); }),
                           Do([](Form& f) { f.FileList->ClearSelection(); }),
                           Do([](Form& f) { f.ConfirmButton->Click(); }),
                           Do([&](Form& f) { result = f.ResultFileName; }),
                           Do([this](Form& f) {
                             f.FileNameEdit->SetFocus();
                             backend_->PressKey(platform::kVkEscape);
                           })}));
  EXPECT_EQ(result, "");
  auto save = MakeDialog<TskSkinSavePictureDialog>();
  EXPECT_EQ(save->Title(), "Save file");
  save->SetInitialDir("/home/user");
  std::string caption;
  EXPECT_TRUE(Run(*save, {Do([&](Form& f) {
                            caption = f.ConfirmButton->Caption();
                            f.FileNameEdit->SetText("picture");
                            f.ConfirmButton->Click();
                          })}));
  EXPECT_EQ(caption, "&Save");
  EXPECT_EQ(save->FileName(), "/home/user/picture");
  // In the computer folder there is no folder to save into.
  save->SetFileName("");
  save->SetInitialDir("rfMyComputer");
  EXPECT_FALSE(Run(*save, {TypeAndEnter("x"), Do([&](Form& f) { result = f.ResultFileName; }), Cancel()}));
  EXPECT_EQ(result, "");
}

TEST_F(PictureDialogTest, BackReturnsThroughTheVisitedFoldersToTheStart) {
  const std::string w = "/home/user/walk/";
  struct Case {
    const char* name;
    std::vector<std::string> script;  // a folder name visits it, "<" is Back
    std::vector<std::string> shown;   // the folder shown after each Back
    std::vector<std::string> history;
  };
  const Case kCases[] = {
      {"back to the start and no further", {"B", "C", "<", "<", "<"}, {"B", "A", "A"}, {"A"}},
      {"visiting after a back continues from there", {"B", "C", "D", "<", "E", "<", "<"}, {"C", "C", "B"},
       {"A", "B"}},
      {"back at the start does nothing", {"<"}, {"A"}, {"A"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    auto d = MakeDialog();
    d->SetInitialDir(w + "A");
    std::vector<std::string> shown, history;
    std::vector<Step> steps;
    for (const std::string& s : c.script) {
      steps.push_back(Do([&, s](Form& f) {
        if (s == "<") {
          f.BackButton->Click();
          shown.push_back(f.FileList->CurrentFolderPath().substr(w.size()));
        } else {
          f.FileList->NavigateTo(w + s);
        }
      }));
    }
    steps.push_back(Do([&](Form& f) {
      for (const std::string& id : f.FolderHistory()) history.push_back(id.substr(w.size()));
    }));
    steps.push_back(Cancel());
    Run(*d, steps);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(history, c.history);
  }
}

TEST_F(PictureDialogTest, NewFolderIsMadeOnceAndFailuresReachTheErrorReport) {
  fs_->AddFolder("/home/user/locked");
  fs_->SetReadOnly("/home/user/locked");
  auto d = MakeDialog();
  d->SetInitialDir("/home/user/pics");
  std::vector<std::string> after_first, after_second;
  std::string folder_after_error;
  EXPECT_FALSE(Run(*d, {Do([](Form& f) { f.NewFolderButton->Click(); }),
                        Do([&](Form& f) { after_first = Captions(*f.FileList); }),
                        Do([](Form& f) { f.NewFolderButton->Click(); }),
                        Do([&](Form& f) { after_second = Captions(*f.FileList); }),
                        Do([](Form& f) { f.FileList->NavigateTo("/home/user/locked"); }),
                        Do([this](Form& f) {
                          // Clicked as the user clicks it, so the error takes the loop's way.
                          const gfx::Point at = f.NewFolderButton->ClientToScreen({5, 5});
                          backend_->Click(at);
                        }),
                        Do([&](Form& f) { folder_after_error = f.FileList->CurrentFolderPath(); }), Cancel()}));
  const std::vector<std::string> expected{"New Folder", "a.jpg", "b.JPEG", "c.bmp"};
  EXPECT_EQ(after_first, expected);
  EXPECT_EQ(after_second, expected);
  EXPECT_EQ(fs_->Status("/home/user/pics/New Folder").kind, platform::FileKind::kFolder);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_NE(errors_[0].find("New Folder"), std::string::npos) << errors_[0];
  EXPECT_EQ(folder_after_error, "/home/user/locked");
}

TEST_F(PictureDialogTest, AFolderThatIsGoneGivesWayToInitialDirThenTheDesktop) {
  struct Case {
    const char* name;
    const char* file_name;
    const char* initial_dir;
    const char* folder;
  };
  const Case kCases[] = {
      {"remembered folder gone", "/home/user/gone/a.jpg", "/home/user/pics", "/home/user/pics"},
      {"both gone", "/home/user/gone/a.jpg", "/home/user/also-gone", "::desktop"},
      {"a root-folder name without a counterpart", "", "rfPrinters", "::desktop"},
      {"no initial folder: the program's folder", "", "", "/opt/orvel"},
  };
  fs_->AddFolder("/opt/orvel");
  fs_->SetProgramFolder("/opt/orvel");
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    auto d = MakeDialog();
    d->SetFileName(c.file_name);
    d->SetInitialDir(c.initial_dir);
    std::string folder;
    EXPECT_FALSE(Run(*d, {Do([&](Form& f) { folder = f.FileList->CurrentFolder(); }), Cancel()}));
    EXPECT_EQ(folder, c.folder);
  }
}

TEST_F(PictureDialogTest, MultiSelectionGivesTheSelectedFilesInListOrder) {
  auto d = MakeDialog();
  d->SetMultiSelection(true);
  d->SetInitialDir("/home/user");
  fs_->AddFolder("/home/user/pics/sub");
  int confirmations = 0;
  d->OnConfirm = [&](TskSkinOpenPictureDialog& sender) {
    ++confirmations;
    EXPECT_EQ(sender.SelectedFiles().size(), 2u);
  };
  EXPECT_TRUE(Run(*d, {Do([](Form& f) { f.FileList->NavigateTo("/home/user/pics"); }), Do([](Form& f) {
                         for (const char* name : {"c.bmp", "sub", "a.jpg"})
                           f.FileList->SetSelected(IndexOf(*f.FileList, name), true);
                         f.FileList->SetItemFocused(IndexOf(*f.FileList, "a.jpg"));
                         f.ResultFileName = f.FileList->SelectedPath();
                         f.SetModalResult(ui::kMrOk);
                       })}));
  EXPECT_EQ(d->SelectedFiles(), (std::vector<std::string>{"/home/user/pics/a.jpg", "/home/user/pics/c.bmp"}));
  EXPECT_EQ(confirmations, 1);
}

// Over real folders: names that are not UTF-8, and the preview decoded on its own thread.
class PictureDialogRealTest : public ui_test::UiTest {
 protected:
  PictureDialogRealTest() {
    env_.Set("HOME", home_.path());
    env_.Set("XDG_CONFIG_HOME", home_ / ".config");
    env_.Set("XDG_DATA_HOME", home_ / ".local/share");
    shell_ = std::make_unique<platform::ShellNamespace>(platform::MakeLinuxShellSystem());
    app_->OnException = [this](const std::string& text) { errors_.push_back(text); };
  }
  void WriteJpeg(const std::string& name, int w, int h, gfx::Color c) {
    gfx::Bitmap b(w, h, 24);
    b.Fill(c);
    testing_support::WriteBytes(home_ / name, gfx::EncodeJpeg(b));
  }

  testing_support::TempDir home_;
  testing_support::ScopedEnv env_;
  std::unique_ptr<platform::ShellNamespace> shell_;
  std::vector<std::string> errors_;
};

TEST_F(PictureDialogRealTest, ANameThatIsNotUtf8OpensByItsBytes) {
  const std::string name = "caf\xe9.jpg";
  WriteJpeg(name, 8, 8, gfx::Rgb(10, 200, 30));
  TskSkinOpenPictureDialog d;
  d.SetShell(shell_.get());
  d.SetInitialDir(home_.path());
  d.SetFilter(kMainFilter);
  std::string edit;
  bool confirmed = false;
  backend_->SetIdleHandler([&] {
    Form* f = d.RunningForm();
    if (f == nullptr || !f->Visible()) return false;
    if (f->FileList->ItemIndex() < 0) {
      f->FileList->SetItemIndex(0);
      edit = f->FileNameEdit->Text();
      f->ConfirmButton->Click();
    }
    return false;
  });
  confirmed = d.ShowDialog();
  backend_->SetIdleHandler(nullptr);
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(d.FileName(), home_ / name);
  EXPECT_EQ(edit, "caf\xef\xbf\xbd.jpg");
}

TEST_F(PictureDialogRealTest, PreviewShowsTheNewestSelectionAndNothingForWhatCannotBeRead) {
  WriteJpeg("red.jpg", 400, 300, gfx::Rgb(250, 0, 0));
  WriteJpeg("blue.jpg", 64, 48, gfx::Rgb(0, 0, 250));
  testing_support::WriteBytes(home_ / "broken.jpg", std::vector<uint8_t>{0xff, 0xd8, 0x00, 0x01});
  ASSERT_EQ(::mkfifo((home_ / "pipe.jpg").c_str(), 0600), 0);
  TskSkinOpenPictureDialog d;
  d.SetShell(shell_.get());
  d.SetInitialDir(home_.path());
  d.SetFilter(kMainFilter);
  auto select = [](const char* name) {
    return [name](Form& f) { f.FileList->SetItemIndex(IndexOf(*f.FileList, name)); return true; };
  };
  auto idle = [](Form& f) { return !f.PreviewBusy(); };
  gfx::Color newest = 0;
  gfx::Size natural;
  bool broken_empty = false, pipe_empty = false;
  std::vector<Step> steps = {
      select("red.jpg"), select("blue.jpg"), idle, Do([&](Form& f) {
        newest = f.PreviewImage->Picture().Pixel(10, 10);
        natural = {f.PreviewImage->Width(), f.PreviewImage->Height()};
      }),
      select("broken.jpg"), idle, Do([&](Form& f) { broken_empty = !f.PreviewImage->HasPicture(); }),
      select("pipe.jpg"), idle, Do([&](Form& f) { pipe_empty = !f.PreviewImage->HasPicture(); }),
      Cancel()};
  size_t next = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  backend_->SetIdleHandler([&] {
    Form* f = d.RunningForm();
    if (f == nullptr || !f->Visible()) return false;
    if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "stuck at step " << next;
      f->SetModalResult(ui::kMrCancel);
    } else if (next < steps.size() && steps[next](*f)) {
      ++next;
    }
    return false;
  });
  d.ShowDialog();
  backend_->SetIdleHandler(nullptr);
  EXPECT_EQ(newest, gfx::Rgb(0, 0, 250));
  EXPECT_EQ(natural, (gfx::Size{64, 48}));
  EXPECT_TRUE(broken_empty);
  EXPECT_TRUE(pipe_empty);
  EXPECT_EQ(errors_, std::vector<std::string>{});
}

}  // namespace
