// "打开图片" and "图片另存" through their skinned dialogs on the real window, headless, over a
// temporary home folder whose ~/Desktop holds the files (the dialogs start on the desktop).
#include "app/TOrvelDralen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/MainWindowTestHelpers.h"
#include "gfx/BmpCodec.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinNumericEdit.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/TskSkinOpenPictureDialog.h"
#include "skin/frame/TskMessageForm.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "ui/ImageView.h"
#include "ui/UiTestEnv.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;
using Form = skin::TskOpenPictureDlgForm;

gfx::Bitmap Picture(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 9), static_cast<uint8_t>(y * 13), 77));
  return b;
}

int32_t IndexOf(const skin::TskSkinFileListView& list, const std::string& caption) {
  for (int32_t i = 0; i < list.ItemCount(); ++i)
    if (list.Item(i).caption == caption) return i;
  return -1;
}

class TOrvelDralenDialogsTest : public ui_test::UiTest {
 protected:
  void SetUp() override {
    env_.Set("HOME", home_.path());
    env_.Set("XDG_CONFIG_HOME", home_ / ".config");
    std::filesystem::create_directory(home_ / "Desktop");
    main_ = main_window_test::ShowMainWindow(*app_);
    Pump();
    // A running dialog gets `in_dialog_` until that says it is done (a dialog still open after 30
    // seconds is cancelled); every message box is read and answered with OK.
    backend_->SetIdleHandler([this] {
      for (skin::TskSkinOpenPictureDialog* d : {static_cast<skin::TskSkinOpenPictureDialog*>(main_->skSkinOpenPictureDialog1),
                                                static_cast<skin::TskSkinOpenPictureDialog*>(main_->skSkinSavePictureDialog1)}) {
        Form* f = d->RunningForm();
        if (f == nullptr || !f->Visible() || f->ModalResult() != 0) continue;
        if (dialog_shown_ != f) {
          dialogs_.push_back(f->Caption());
          dialog_shown_ = f;
          deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        }
        if (std::chrono::steady_clock::now() > deadline_ || !in_dialog_) {
          ADD_FAILURE() << "the dialog was not closed";
          f->SetModalResult(ui::kMrCancel);
        } else if (in_dialog_(*f)) {
          in_dialog_ = nullptr;
        }
        return false;
      }
      dialog_shown_ = nullptr;  // no dialog runs: the next one is a new run
      return main_window_test::AnswerMessageBox(*app_, messages_, ui::kMrOk);
    });
  }
  void TearDown() override { backend_->SetIdleHandler(nullptr); }

  using Step = std::function<bool(Form&)>;
  // Chooses the file once the list shows it.
  static Step Choose(const std::string& name) {
    return [name](Form& f) {
      const int32_t at = IndexOf(*f.FileList, name);
      if (at < 0) return false;
      f.FileList->SetItemIndex(at);
      f.ConfirmButton->Click();
      return true;
    };
  }
  static Step TypeAndConfirm(const std::string& name, int filter_entry) {
    return [name, filter_entry](Form& f) {
      f.FilterCombo->SetItemIndex(filter_entry - 1);
      f.FileList->SetItemIndex(-1);  // the typed name, not a selected file
      f.FileNameEdit->SetText(name);
      f.ConfirmButton->Click();
      return true;
    };
  }
  static bool Cancel(Form& f) {
    f.CancelButton->Click();
    return true;
  }

  std::string desk(const std::string& name) const { return home_ / ("Desktop/" + name); }

  TempDir home_;
  testing_support::ScopedEnv env_;
  app::TOrvelDralen* main_ = nullptr;
  Step in_dialog_;
  const Form* dialog_shown_ = nullptr;
  std::chrono::steady_clock::time_point deadline_;
  std::vector<std::string> dialogs_;
  std::vector<std::string> messages_;
};

TEST_F(TOrvelDralenDialogsTest, TheDialogsKeepTheirSettings) {
  const skin::TskSkinOpenPictureDialog& open = *main_->skSkinOpenPictureDialog1;
  EXPECT_EQ(open.Title(), "打开图片");
  EXPECT_EQ(open.InitialDir(), "rfDesktop");
  EXPECT_EQ(open.Filter(), app::TOrvelDralen::kOpenFilter);
  EXPECT_EQ(open.FilterIndex(), 1);
  EXPECT_FALSE(open.StretchPicture());
  EXPECT_EQ(main_->skSkinSavePictureDialog1->Title(), "图片另存");
  EXPECT_EQ(main_->skSkinSavePictureDialog1->InitialDir(), "rfDesktop");
}

TEST_F(TOrvelDralenDialogsTest, OpenButtonRunsTheDialogForOneFile) {
  WriteBytes(desk("a.bmp"), gfx::EncodeBmp(Picture(40, 30)));
  WriteBytes(desk("notes.txt"), {'n', 'o'});
  struct Case {
    const char* name;
    Step in_dialog;
    gfx::Size picture;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"cancelled with nothing open", Cancel, {0, 0}, {"没有选取确定的图片"}},
      {"no picture in the file, none open", TypeAndConfirm(desk("notes.txt"), 1), {0, 0}, {"没有读取图片，程序错误", "请加载图片"}},
      {"a bitmap", Choose("a.bmp"), {40, 30}, {}},
      {"cancelled with a picture open", Cancel, {40, 30}, {"没有选取确定的图片"}},
      {"no picture in the file, one open", TypeAndConfirm(desk("notes.txt"), 1), {40, 30}, {"没有读取图片，程序错误"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs_.clear();
    messages_.clear();
    dialog_shown_ = nullptr;
    in_dialog_ = c.in_dialog;
    main_->skSkinButton1->Click();
    EXPECT_EQ(dialogs_, std::vector<std::string>{"打开图片"});
    EXPECT_FALSE(main_->skSkinOpenPictureDialog1->MultiSelection());
    EXPECT_EQ(main_->Image1->Picture().GetSize(), c.picture);
    EXPECT_EQ(messages_, c.messages);
  }
  EXPECT_EQ(main_->skSkinStatusPanel1->Caption(), "文件位置:" + desk("a.bmp"));
}

TEST_F(TOrvelDralenDialogsTest, SaveButtonWritesTheTypeOfTheChosenEntry) {
  WriteBytes(desk("a.bmp"), gfx::EncodeBmp(Picture(40, 30)));
  main_->OpenPictureFile(desk("a.bmp"));
  std::vector<std::string> filters;
  dialog_shown_ = nullptr;
  in_dialog_ = [&](Form& f) {
    filters = f.FilterCombo->FilterMasks();
    return TypeAndConfirm("photo.png", 2)(f);
  };
  main_->skSkinButton3->Click();
  EXPECT_EQ(dialogs_, std::vector<std::string>{"图片另存"});
  EXPECT_EQ(filters, (std::vector<std::string>{"*.JPG", "*.BMP"}));
  EXPECT_EQ(gfx::DecodeBmp(ReadBytes(desk("photo.bmp"))), Picture(40, 30));

  dialog_shown_ = nullptr;

  in_dialog_ = TypeAndConfirm("photo.png", 1);
  main_->skSkinButton3->Click();
  EXPECT_TRUE(std::filesystem::exists(desk("photo.jpg")));

  // Cancelled: nothing written, nothing said.
  dialog_shown_ = nullptr;
  in_dialog_ = [](Form& f) {
    f.FileNameEdit->SetText("never");
    return Cancel(f);
  };
  main_->skSkinButton3->Click();
  EXPECT_FALSE(std::filesystem::exists(desk("never.jpg")));
  EXPECT_TRUE(messages_.empty());

  // A custom size with a side of 0 is refused before the dialog shows.
  dialogs_.clear();
  main_->skSkinCheckRadioBox1->SetChecked(true);
  main_->skSkinCheckRadioBox2->SetChecked(false);
  main_->skSkinNumericEdit2->SetValue(0);
  dialog_shown_ = nullptr;
  in_dialog_ = TypeAndConfirm("zero", 1);
  main_->skSkinButton3->Click();
  EXPECT_TRUE(dialogs_.empty());
  EXPECT_EQ(messages_, std::vector<std::string>{"图片的宽度和高度必须大于0！"});
  EXPECT_FALSE(std::filesystem::exists(desk("zero.jpg")));
}

TEST_F(TOrvelDralenDialogsTest, CtrlOAndCtrlSRunTheButtons) {
  WriteBytes(desk("a.bmp"), gfx::EncodeBmp(Picture(12, 8)));
  auto press = [this](platform::KeyCode key) {
    backend_->InjectKeyDown(platform::kVkControl);
    backend_->PressKey(key);
    backend_->InjectKeyUp(platform::kVkControl);
    Pump();
  };
  dialog_shown_ = nullptr;
  in_dialog_ = Choose("a.bmp");
  press('O');
  EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{12, 8}));
  dialog_shown_ = nullptr;
  in_dialog_ = TypeAndConfirm("keyed", 1);
  press('S');
  EXPECT_TRUE(std::filesystem::exists(desk("keyed.jpg")));
  // Disabled, the button's key does nothing.
  main_->skSkinButton3->SetEnabled(false);
  dialogs_.clear();
  dialog_shown_ = nullptr;
  in_dialog_ = Cancel;  // closes the dialog should it show
  press('S');
  EXPECT_TRUE(dialogs_.empty());
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
