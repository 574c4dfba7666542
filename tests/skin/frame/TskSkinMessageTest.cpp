// Message boxes shown modally and answered with keys, clicks and the window's close request.
#include "skin/frame/TskSkinMessage.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "resources/EmbeddedSkin.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/data/SkinData.h"
#include "skin/frame/TskMessageForm.h"
#include "skin/frame/TskSkinForm.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/UiTestEnv.h"

namespace skin {
namespace {

class TskSkinMessageTest : public ui_test::UiTest {
 protected:
  TskSkinMessageTest() {
    resources::LoadEmbeddedSkin(skin_);
    main_ = app_->CreateForm<ui::Form>();
    main_->SetCaption("图片压缩");
    main_->SetBounds(100, 100, 400, 300);
    main_->Show();
    Pump();
    message_ = main_->Make<TskSkinMessage>();
    message_->SetSkinData(&skin_);
    message_->SetCtrlSkinData(&skin_);
  }
  ~TskSkinMessageTest() override { app_.reset(); }

  // Shows the box; `answer` runs once the box is up (and again each time the loop runs dry, until
  // it returns true).
  int Show(const std::string& text, MessageType type, MessageButtons buttons,
           const std::function<bool(TskMessageForm&)>& answer) {
    bool done = false;
    backend_->SetIdleHandler([&] {
      auto* box = dynamic_cast<TskMessageForm*>(app_->ActiveForm());
      if (box == nullptr || done) return false;
      done = answer(*box);
      return true;
    });
    const int result = message_->ShowMessageBox(text, type, buttons);
    backend_->SetIdleHandler(nullptr);
    return result;
  }
  void Key(platform::KeyCode k) { backend_->PressKey(k); }
  // Moves the mouse onto an object of the box's frame and clicks it.
  void ClickFrameObject(TskMessageForm& box, const char* id) {
    const gfx::Rect r = box.Frame()->FindObject(id)->ObjectRect;
    const gfx::Point p{box.Left() + r.left + r.Width() / 2, box.Top() + r.top + r.Height() / 2};
    backend_->InjectMouseMove(p);
    backend_->Click(p);
  }
  static std::vector<std::string> VisibleButtons(const TskMessageForm& box) {
    std::vector<std::string> out;
    for (const auto& o : box.Frame()->Objects()) {
      if (o->IsVisible && o->IsEnabled && o->GetKind() == TskActiveSkinObject::Kind::kStdButton)
        out.push_back(o->IDName);
    }
    return out;
  }

  TskSkinData skin_;
  ui::Form* main_ = nullptr;
  TskSkinMessage* message_ = nullptr;
};

TEST_F(TskSkinMessageTest, AnInformationBoxWithOneOkButton) {
  const struct {
    const char* name;
    std::function<void(TskMessageForm&)> answer;
    int result;
  } cases[] = {
      {"Enter", [this](TskMessageForm&) { Key(platform::kVkReturn); }, 1},
      {"Escape", [this](TskMessageForm&) { Key(platform::kVkEscape); }, 1},
      {"the window closed", [this](TskMessageForm& box) { backend_->InjectCloseRequest(box.Surface()->Id()); }, 2},
      {"the frame's close button", [this](TskMessageForm& box) { ClickFrameObject(box, "closebutton"); }, 2},
  };
  for (const auto& c : cases) {
    const int result = Show("请先打开图片！", MessageType::kInformation, kMbOK, [&](TskMessageForm& box) {
      EXPECT_EQ(box.Caption(), "Information");
      // The skin's frame, with the client area at its place inside it and only a close button.
      EXPECT_TRUE(box.Frame()->Skinned());
      EXPECT_EQ(box.ClientToScreen({0, 0}), (gfx::Point{box.Left() + 7, box.Top() + 30}));
      EXPECT_EQ(box.Width(), box.ClientWidth() + 14);
      EXPECT_EQ(box.Height(), box.ClientHeight() + 37);
      EXPECT_EQ(VisibleButtons(box), std::vector<std::string>{"closebutton"});
      EXPECT_NE(box.Icon(), nullptr);
      EXPECT_EQ(box.MessageLabel()->Caption(), "请先打开图片！");
      EXPECT_EQ(box.MessageLabel()->Left(), 50);
      EXPECT_EQ(box.MessageLabel()->Top(), 15);
      EXPECT_EQ(box.Buttons().size(), 1u);
      TskSkinButton* ok = box.Button(kMbOK);
      EXPECT_NE(ok, nullptr);
      if (ok == nullptr) return true;
      EXPECT_EQ(ok->Caption(), "OK");
      EXPECT_EQ(ok->Width(), 60);
      EXPECT_EQ(ok->Height(), 20);  // the skin's button height
      EXPECT_EQ(ok->Left(), (box.ClientWidth() - 60) / 2);
      EXPECT_EQ(ok->Top(), box.ClientHeight() - 20 - 10);
      EXPECT_TRUE(ok->Default());
      EXPECT_TRUE(ok->Cancel());
      c.answer(box);
      return true;
    });
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST_F(TskSkinMessageTest, DefaultAndCancelButtonsOfEachSet) {
  const struct {
    const char* name;
    MessageButtons buttons;
    platform::KeyCode key;
    int result;
  } cases[] = {
      {"yes/no/cancel: Enter is Yes", kMbYesNoCancel, platform::kVkReturn, 6},
      {"yes/no/cancel: Escape is Cancel", kMbYesNoCancel, platform::kVkEscape, 2},
      {"yes/no: Escape is No", kMbYesNo, platform::kVkEscape, 7},
      {"ok/cancel: Escape is Cancel", kMbOKCancel, platform::kVkEscape, 2},
      {"abort/retry/ignore: Enter is Retry", kMbAbortRetryIgnore, platform::kVkReturn, 4},
      {"all and to-all buttons: Enter is Yes", kMbYes | kMbNoToAll | kMbYesToAll | kMbAll, platform::kVkReturn, 6},
  };
  for (const auto& c : cases) {
    const int result = Show("覆盖已有的文件吗？", MessageType::kConfirmation, c.buttons, [&](TskMessageForm& box) {
      EXPECT_EQ(box.Caption(), "Confirm");
      // The buttons stand in the fixed order, 70 apart, centred.
      const auto& b = box.Buttons();
      const int n = static_cast<int>(b.size());
      EXPECT_EQ(b.front()->Left(), (box.ClientWidth() - (n * 60 + (n - 1) * 10)) / 2) << c.name;
      for (int i = 1; i < n; ++i) EXPECT_EQ(b[i]->Left() - b[i - 1]->Left(), 70) << c.name;
      Key(c.key);
      return true;
    });
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST_F(TskSkinMessageTest, WithoutButtonsOnlyTheWindowsCloseEndsTheBoxAndHelpClosesNothing) {
  int round = 0;
  int result = Show("正在处理……", MessageType::kCustom, 0, [&](TskMessageForm& box) {
    EXPECT_EQ(box.Caption(), "图片压缩");  // a custom box takes the application's title
    EXPECT_EQ(box.Icon(), nullptr);
    EXPECT_TRUE(box.Buttons().empty());
    if (round++ == 0) {
      Key(platform::kVkReturn);
      Key(platform::kVkEscape);
      return false;
    }
    EXPECT_TRUE(box.Visible());
    backend_->InjectCloseRequest(box.Surface()->Id());
    return true;
  });
  EXPECT_EQ(result, 2);

  round = 0;
  result = Show("帮助", MessageType::kWarning, kMbOK | kMbHelp, [&](TskMessageForm& box) {
    if (round++ == 0) {
      box.Button(kMbHelp)->Click();
      return false;
    }
    EXPECT_TRUE(box.Visible());
    box.Button(kMbOK)->Click();
    return true;
  });
  EXPECT_EQ(result, 1);
}

TEST_F(TskSkinMessageTest, WithoutASkinTheButtonsAre25High) {
  message_->SetCtrlSkinData(nullptr);
  Show("错误", MessageType::kError, kMbOK, [&](TskMessageForm& box) {
    EXPECT_EQ(box.Caption(), "Error");
    EXPECT_EQ(box.Button(kMbOK)->Height(), 25);
    Key(platform::kVkReturn);
    return true;
  });
  // A button record name that names no button record leaves them at 25 as well.
  message_->SetCtrlSkinData(&skin_);
  message_->SetButtonSkinDataName("stdlabel");
  Show("错误", MessageType::kError, kMbOK, [&](TskMessageForm& box) {
    EXPECT_EQ(box.ButtonHeight(), 25);
    Key(platform::kVkReturn);
    return true;
  });
}

TEST_F(TskSkinMessageTest, AShortMessageIsNeverNarrowerThanItsFrame) {
  const struct {
    const char* name;
    TskSkinData* frame_skin;
    int width;
  } cases[] = {
      {"the skin's frame: its picture's width", &skin_, 216},
      {"the plain frame: its own smallest width", nullptr, 120},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    message_->SetSkinData(c.frame_skin);
    Show("好", MessageType::kInformation, kMbOK, [&](TskMessageForm& box) {
      EXPECT_EQ(box.Frame()->Skinned(), c.frame_skin != nullptr);
      EXPECT_EQ(box.Width(), c.width);
      // The button stays centred in the wider client area.
      EXPECT_EQ(box.Button(kMbOK)->Left(), (box.ClientWidth() - 60) / 2);
      ClickFrameObject(box, "closebutton");
      return true;
    });
  }
}

TEST_F(TskSkinMessageTest, AMessageWiderThanTheWorkAreaWrapsAndTheBoxGrowsDownwards) {
  backend_->SetMonitors({{{0, 0, 640, 480}, {0, 0, 640, 450}, true}});
  std::string text = "无法保存文件 ";
  for (int i = 0; i < 12; ++i) text += "D:\\很长的文件夹名字\\another_long_folder_name\\";
  text += "图片.jpg";
  Show(text, MessageType::kError, kMbOK, [&](TskMessageForm& box) {
    EXPECT_LE(box.Width(), 640);
    EXPECT_LE(box.Height(), 450);
    EXPECT_GT(box.MessageLabel()->Height(), 3 * 14);  // several lines
    EXPECT_LE(box.MessageLabel()->BoundsRect().right, box.ClientWidth() - 40);
    // The button stays inside the box.
    EXPECT_LE(box.Button(kMbOK)->BoundsRect().bottom, box.ClientHeight());
    Key(platform::kVkReturn);
    return true;
  });
}

}  // namespace
}  // namespace skin
