// The program's start on the headless backend: the three windows in order, the main window's attributes, the end.
#include "app/WindowedApp.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/TOrvelDralen.h"
#include "app/TfrmScreen.h"
#include "app/TfrmsetC.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/frame/TskMessageForm.h"
#include "ui/ProgressBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class WindowedAppTest : public UiTest {};

TEST_F(WindowedAppTest, CreatesTheThreeWindowsInOrderWithTheMainWindowFirst) {
  app::Windows w = app::CreateWindows(*app_);
  std::vector<std::string> names;
  for (ui::Form* f : app_->Forms()) names.push_back(f->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"OrvelDralen", "frmsetC", "frmScreen"}));
  EXPECT_EQ(app_->MainForm(), w.OrvelDralen);
  EXPECT_EQ(&w.frmsetC->OrvelDralen, w.OrvelDralen);
  EXPECT_EQ(&w.frmScreen->OrvelDralen, w.OrvelDralen);
  EXPECT_EQ(w.OrvelDralen->frmsetC, w.frmsetC);
  EXPECT_EQ(w.OrvelDralen->frmScreen, w.frmScreen);
  // Created, not shown: only the loop shows the main window.
  for (ui::Form* f : app_->Forms()) EXPECT_FALSE(f->Visible()) << f->Name();
  // FormCreate ran: the hidden progress bar belongs to the main window.
  ASSERT_NE(w.OrvelDralen->StatusProgress, nullptr);
  EXPECT_FALSE(w.OrvelDralen->StatusProgress->Visible());
  EXPECT_EQ(w.OrvelDralen->StatusProgress->Width(), 400);
  EXPECT_EQ(w.OrvelDralen->ListMouseX, 0);
  EXPECT_EQ(w.OrvelDralen->ListMouseY, 0);
}

TEST_F(WindowedAppTest, MainWindowHasItsAttributesWhenShown) {
  app::Windows w = app::CreateWindows(*app_);
  app::TOrvelDralen* main = w.OrvelDralen;
  main->Show();
  Pump();
  EXPECT_EQ(main->Caption(), "图片压缩（免费共享）");
  ASSERT_NE(main->Surface(), nullptr);
  EXPECT_EQ(main->Surface()->Title(), "图片压缩（免费共享）");
  EXPECT_EQ(main->ClientWidth(), 675);
  EXPECT_EQ(main->ClientHeight(), 466);
  // The skinned frame draws around the client area inside the window's own pixels.
  EXPECT_EQ(main->Surface()->FrameSize(), (gfx::Size{689, 503}));
  // Centred on the 1280 x 1024 virtual screen.
  gfx::Rect outer = main->Surface()->Bounds();
  EXPECT_EQ(outer.left, (1280 - outer.Width()) / 2);
  EXPECT_EQ(outer.top, (1024 - outer.Height()) / 2);
  EXPECT_EQ(main->MinSize(), (gfx::Size{150, 29}));
  EXPECT_EQ(main->GetFont().Family(), "MS Sans Serif");
  EXPECT_EQ(main->GetFont().Height(), 11);
  EXPECT_TRUE(main->ShowHint());
  // Under the skin's frame nothing smaller than the frame itself: 216 x 37 beats 150 x 29.
  main->SetBounds(main->Left(), main->Top(), 10, 10);
  EXPECT_EQ(main->Width(), 216);
  EXPECT_EQ(main->Height(), 37);
  EXPECT_FALSE(w.frmsetC->Visible());
  EXPECT_FALSE(w.frmScreen->Visible());
}

TEST_F(WindowedAppTest, ClientSizeHoldsWhatEverFrameTheWindowSystemWouldAdd) {
  // The window system's frame would go around decorated windows; the skinned one needs none.
  backend_->SetFrameExtents(4, 23, 4, 4);
  app::Windows w = app::CreateWindows(*app_);
  w.OrvelDralen->Show();
  Pump();
  EXPECT_EQ(w.OrvelDralen->Surface()->FrameSize(), (gfx::Size{689, 503}));
  EXPECT_EQ(w.OrvelDralen->ClientWidth(), 675);
  EXPECT_EQ(w.OrvelDralen->ClientHeight(), 466);
}

TEST_F(WindowedAppTest, ClosingTheMainWindowEndsTheLoopAndDestroysTheWindows) {
  app::Windows w = app::CreateWindows(*app_);
  std::vector<std::string> destroyed;
  for (ui::Form* f : app_->Forms()) {
    ui::NotifyEvent previous = f->OnDestroy;
    f->OnDestroy = [&destroyed, previous](ui::Component* s) {
      destroyed.push_back(static_cast<ui::Form*>(s)->Name());
      if (previous) previous(s);
    };
  }
  bool closed = false;
  backend_->SetIdleHandler([&] {
    if (closed) return false;
    closed = true;
    // The user closes the main window while the other two still exist, hidden.
    backend_->InjectCloseRequest(w.OrvelDralen->Surface()->Id());
    return true;
  });
  app_->Run();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(app_->Terminated());
  EXPECT_EQ(w.OrvelDralen->StatusProgress, w.OrvelDralen->StatusProgress);
  app_.reset();
  // Newest first; FormDestroy of the main window ran (it frees StatusProgress).
  EXPECT_EQ(destroyed, (std::vector<std::string>{"frmScreen", "frmsetC", "OrvelDralen"}));
  app_ = std::make_unique<ui::Application>();
}

TEST_F(WindowedAppTest, RunApplicationReturnsWhenTheMainWindowCloses) {
  app_.reset();  // RunApplication makes its own application object
  backend_->SetIdleHandler([&] {
    ui::Application* app = ui::Application::Current();
    if (app == nullptr || app->MainForm() == nullptr || app->MainForm()->Surface() == nullptr) return false;
    app->MainForm()->Close();
    return false;
  });
  EXPECT_EQ(app::RunApplication(), 0);
  backend_->SetIdleHandler(nullptr);
  app_ = std::make_unique<ui::Application>();
}

TEST_F(WindowedAppTest, QuitAfterPaintEndsOnceTheMainWindowIsPaintedWithNobodyClosingIt) {
  app_.reset();
  // Only waits for events when the loop failed to end after the first paint; then it closes the
  // window so the test ends, and fails.
  bool had_to_close = false;
  backend_->SetIdleHandler([&] {
    ui::Application* app = ui::Application::Current();
    if (app == nullptr || app->MainForm() == nullptr || app->MainForm()->Surface() == nullptr) return false;
    had_to_close = true;
    app->MainForm()->Close();
    return false;
  });
  EXPECT_EQ(app::RunApplication("", true), 0);
  backend_->SetIdleHandler(nullptr);
  EXPECT_FALSE(had_to_close);
  app_ = std::make_unique<ui::Application>();
}

TEST_F(WindowedAppTest, AnErrorInAHandlerShowsInTheProgramsSkinnedBox) {
  app::Windows w = app::CreateWindows(*app_);
  w.OrvelDralen->Show();
  Pump();
  std::string shown;
  backend_->SetIdleHandler([&] {
    auto* box = dynamic_cast<skin::TskMessageForm*>(app_->ActiveForm());
    if (box == nullptr || !shown.empty()) return false;
    shown = box->Caption() + ": " + box->MessageLabel()->Caption();
    // The box takes its button from the program's skin.
    EXPECT_EQ(box->Button(skin::kMbOK)->Height(), 20);
    backend_->PressKey(platform::kVkReturn);
    return true;
  });
  app_->RunOnMainThread([] { throw std::runtime_error("无法读取文件 a.jpg"); });
  Pump();
  backend_->SetIdleHandler(nullptr);
  EXPECT_EQ(shown, "Error: 无法读取文件 a.jpg");
  EXPECT_EQ(app_->ActiveForm(), w.OrvelDralen);
}

}  // namespace
