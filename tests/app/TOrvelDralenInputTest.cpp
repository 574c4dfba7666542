// The main window's keys, dropped files and the file named on the command line, headless.
#include "app/TOrvelDralen.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/MainWindowTestHelpers.h"
#include "gfx/BmpCodec.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinLabel.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/frame/TskMessageForm.h"
#include "support/TempDir.h"
#include "ui/ImageView.h"
#include "ui/MenuItem.h"
#include "ui/UiTestEnv.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

gfx::Bitmap Stripes(int w, int h) {
  gfx::Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, gfx::Rgb(static_cast<uint8_t>(x * 40), static_cast<uint8_t>(y * 60), 9));
  return b;
}

class TOrvelDralenInputTest : public ui_test::UiTest {
 protected:
  void SetUp() override {
    main_ = main_window_test::ShowMainWindow(*app_);
    Pump();
    backend_->SetIdleHandler([this] { return main_window_test::AnswerMessageBox(*app_, messages_, ui::kMrOk); });
    WriteBytes(dir_ / "p.bmp", gfx::EncodeBmp(Stripes(30, 20)));
  }
  void TearDown() override { backend_->SetIdleHandler(nullptr); }

  // Holds the modifiers down around one key.
  void Press(std::vector<platform::KeyCode> modifiers, platform::KeyCode key) {
    for (platform::KeyCode m : modifiers) backend_->InjectKeyDown(m);
    backend_->PressKey(key);
    for (platform::KeyCode m : modifiers) backend_->InjectKeyUp(m);
    Pump();
  }
  gfx::Point InsideWindow() const { return main_->ClientToScreen({400, 200}); }

  TempDir dir_;
  app::TOrvelDralen* main_ = nullptr;
  std::vector<std::string> messages_;
};

TEST_F(TOrvelDralenInputTest, KeysRunTheirControlsHandlersOnlyWhileTheyCan) {
  using platform::kVkControl;
  using platform::kVkShift;
  const platform::KeyCode f10 = platform::kVkF1 + 9;
  struct Case {
    const char* name;
    std::function<void(app::TOrvelDralen&)> before;
    std::vector<platform::KeyCode> modifiers;
    platform::KeyCode key;
    std::function<bool(app::TOrvelDralen&)> happened;
    bool expected;
  };
  auto width_is = [](int w) { return [w](app::TOrvelDralen& m) { return m.Image1->Width() == w; }; };
  auto rotated = [](app::TOrvelDralen& m) { return m.Image1->Picture().Width() == 20; };
  auto flipped = [](app::TOrvelDralen& m) { return m.Image1->Picture().Pixel(0, 0) == Stripes(30, 20).Pixel(29, 0); };
  auto on_help = [](app::TOrvelDralen& m) { return m.skSkinPageControl2->ActivePage() == m.skSkinTabSheet2; };
  auto nothing = [](app::TOrvelDralen&) {};
  auto batch_page = [](app::TOrvelDralen& m) { m.skSkinPageControl2->SetActivePage(m.skSkinTabSheet3); };
  const Case cases[] = {
      {"Ctrl+Plus zooms in", nothing, {kVkControl}, platform::kVkOemPlus, width_is(37), true},
      {"Ctrl+keypad plus", nothing, {kVkControl}, platform::kVkAdd, width_is(37), true},
      {"Ctrl+Plus with zoom-in disabled", [](app::TOrvelDralen& m) { m.bigbutton->SetEnabled(false); },
       {kVkControl}, platform::kVkOemPlus, width_is(37), false},
      {"Ctrl+Minus zooms out", [](app::TOrvelDralen& m) { m.smallbutton->SetEnabled(true); }, {kVkControl},
       platform::kVkOemMinus, width_is(24), true},
      {"Ctrl+R rotates", nothing, {kVkControl}, 'R', rotated, true},
      {"Ctrl+R with its item disabled", [](app::TOrvelDralen& m) { m.N901->SetEnabled(false); }, {kVkControl}, 'R',
       rotated, false},
      {"R alone", nothing, {}, 'R', rotated, false},
      {"Ctrl+R on the batch page", batch_page, {kVkControl}, 'R', rotated, false},
      {"Ctrl+H flips", nothing, {kVkControl}, 'H', flipped, true},
      {"F1 shows the help", nothing, {}, platform::kVkF1, on_help, true},
      {"F1 from the batch page", batch_page, {}, platform::kVkF1, on_help, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    main_->bigbutton->SetEnabled(true);
    main_->N901->SetEnabled(true);
    main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet1);
    main_->OpenPictureFile(dir_ / "p.bmp");
    c.before(*main_);
    Press(c.modifiers, c.key);
    EXPECT_EQ(c.happened(*main_), c.expected);
  }

  // Shift+F10 and the menu key open the picture's menu over the view; Escape closes it.
  main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet1);
  Pump();
  const size_t surfaces = backend_->ZOrder().size();
  for (const auto& [modifiers, key] : {std::pair<std::vector<platform::KeyCode>, platform::KeyCode>{{kVkShift}, f10},
                                       {{}, platform::kVkApps}}) {
    Press(modifiers, key);
    EXPECT_EQ(backend_->ZOrder().size(), surfaces + 1);
    Press({}, platform::kVkEscape);
    EXPECT_EQ(backend_->ZOrder().size(), surfaces);
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(TOrvelDralenInputTest, ADroppedFileOpensWhileThePicturePageShows) {
  WriteBytes(dir_ / "q.bmp", gfx::EncodeBmp(Stripes(5, 4)));
  WriteBytes(dir_ / "notes.txt", {'n', 'o'});
  struct Case {
    const char* name;
    bool picture_page;
    std::vector<std::string> files;
    gfx::Size expected;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"the first of several", true, {dir_ / "q.bmp", dir_ / "p.bmp"}, {5, 4}, {}},
      {"no picture", true, {dir_ / "notes.txt"}, {30, 20}, {"没有读取图片，程序错误"}},
      {"a folder", true, {dir_.path()}, {30, 20}, {"没有读取图片，程序错误"}},
      {"on the batch page", false, {dir_ / "q.bmp"}, {30, 20}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet1);
    main_->OpenPictureFile(dir_ / "p.bmp");
    if (!c.picture_page) main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet3);
    messages_.clear();
    backend_->InjectDropFiles(InsideWindow(), c.files);
    Pump();
    EXPECT_EQ(main_->Image1->Picture().GetSize(), c.expected);
    EXPECT_EQ(messages_, c.messages);
  }
  // A damaged file reaches the general error report with the reader's text naming it.
  WriteBytes(dir_ / "cut.bmp", {'B', 'M', 0, 1, 0, 0});
  main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet1);
  messages_.clear();
  backend_->InjectDropFiles(InsideWindow(), {dir_ / "cut.bmp"});
  Pump();
  EXPECT_EQ(main_->Image1->Picture().GetSize(), (gfx::Size{30, 20}));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find(dir_ / "cut.bmp"), std::string::npos) << messages_[0];
}

TEST_F(TOrvelDralenInputTest, TheProgramStartsWithTheFileNamedOnItsCommandLine) {
  app_.reset();  // RunApplication makes its own application object
  backend_->SetIdleHandler(nullptr);
  gfx::Size opened;
  std::string status;
  backend_->SetIdleHandler([&] {
    ui::Application* app = ui::Application::Current();
    auto* main = app != nullptr ? dynamic_cast<app::TOrvelDralen*>(app->MainForm()) : nullptr;
    if (main == nullptr || main->Surface() == nullptr || !main->Image1->HasPicture()) return false;
    opened = main->Image1->Picture().GetSize();
    status = main->skSkinStatusPanel1->Caption();
    main->Close();
    return false;
  });
  EXPECT_EQ(app::RunApplication(dir_ / "p.bmp"), 0);
  backend_->SetIdleHandler(nullptr);
  app_ = std::make_unique<ui::Application>();
  EXPECT_EQ(opened, (gfx::Size{30, 20}));
  EXPECT_EQ(status, "文件位置:" + (dir_ / "p.bmp"));
}

}  // namespace
