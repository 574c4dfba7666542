// The skinned frame's system menu: its built-in commands, merged into the application's menu, opened and run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/EmbeddedSkin.h"
#include "skin/frame/FrameTestEnv.h"
#include "skin/frame/TskSkinButtonObject.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/menus/TskSkinMenu.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "skin/menus/TskSkinPopupWindow.h"
#include "ui/MenuItem.h"
#include "ui/Message.h"

namespace {

using frame_test::FrameTest;
using skin::FrameWindowState;
using skin::TskSkinForm;

class TskSkinFormMenuTest : public FrameTest {
 protected:
  static std::vector<std::string> Captions(const ui::MenuItem* root) {
    std::vector<std::string> out;
    for (size_t i = 0; i < root->Count(); ++i) out.push_back(root->Item(i)->Caption());
    return out;
  }
};

TEST_F(TskSkinFormMenuTest, TheBuiltInMenuOffersWhatTheWindowCanDoNow) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 400, 300, &skin_, &frame);
  struct Case {
    const char* name;
    std::function<void()> enter;
    std::vector<std::string> captions;
  };
  const Case cases[] = {
      {"normal", [] {}, {"Mi&nimize", "Ma&ximize", "Ro&llUp", "-", "&Close"}},
      {"rolled up", [&] { frame->SetRollUp(true); }, {"Mi&nimize", "Ma&ximize", "&Restore", "-", "&Close"}},
      {"maximized", [&] {
         frame->SetRollUp(false);
         frame->SetWindowState(FrameWindowState::kMaximized);
       },
       {"Mi&nimize", "&Restore", "Ro&llUp", "-", "&Close"}},
      {"without border icons", [&] {
         frame->SetWindowState(FrameWindowState::kNormal);
         frame->SetBorderIcons(0);
       },
       {"&Close"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.enter();
    ui::MenuItem* items = frame->GetSystemMenuItems();
    EXPECT_EQ(Captions(items), c.captions);
    EXPECT_EQ(items->Item(items->Count() - 1)->Name(), "ZUV_CLOSE");
    EXPECT_EQ(items->Item(items->Count() - 1)->ShortCutText(), "Alt+F4");
  }
  (void)form;
}

TEST_F(TskSkinFormMenuTest, AnApplicationMenuGetsTheCommandsMergedInOnce) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 400, 300, &skin_, &frame);
  auto held = std::make_unique<skin::TskSkinPopupMenu>();
  skin::TskSkinPopupMenu* menu = held.get();
  form->InsertComponent(menu);
  menu->Items().Add("关于");
  menu->Items().Add("帮助");
  frame->SetSystemMenu(menu);
  const std::vector<std::string> merged = {"Mi&nimize", "Ma&ximize", "Ro&llUp", "关于", "帮助", "&Close"};
  EXPECT_EQ(Captions(frame->GetSystemMenuItems()), merged);
  EXPECT_EQ(Captions(frame->GetSystemMenuItems()), merged);
  frame->UseDefaultSysMenu = false;
  EXPECT_EQ(Captions(frame->GetSystemMenuItems()), merged);
  // A menu that goes takes the frame's reference with it.
  held.reset();
  EXPECT_EQ(frame->SystemMenu(), nullptr);
}

TEST_F(TskSkinFormMenuTest, ARightClickOnTheCaptionOpensTheMenuAtTheCursorAndAnItsKeyRunsIt) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 675, 466, &skin_, &frame);
  int opened = 0, closed = 0;
  frame->OnSkinMenuOpen = [&](ui::Component*) { ++opened; };
  frame->OnSkinMenuClose = [&](ui::Component*) { ++closed; };
  const gfx::Point at = At(form, 200, 15);
  backend_->Click(at, platform::MouseButton::kRight);
  Pump();
  skin::TskSkinMenu& engine = frame->MenuEngine();
  ASSERT_TRUE(engine.IsOpen());
  EXPECT_TRUE(frame->SkinMenuOpen());
  EXPECT_EQ(opened, 1);
  ASSERT_EQ(engine.LevelCount(), 1u);
  EXPECT_EQ(engine.Level(0)->BoundsRect().TopLeft(), at);
  // "Ro&llUp" by its accelerator.
  backend_->PressKey('L');
  Pump();
  EXPECT_FALSE(engine.IsOpen());
  EXPECT_FALSE(frame->SkinMenuOpen());
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(frame->RolledUp());
  EXPECT_EQ(form->Height(), 37);
}

TEST_F(TskSkinFormMenuTest, TheSystemMenuButtonOpensTheMenuBelowItselfAndStaysDownUntilItCloses) {
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 675, 466, &skin_, &frame);
  auto* button = static_cast<skin::TskSkinButtonObject*>(frame->FindObject("sysmenubutton"));
  ASSERT_EQ(button->ObjectRect, (gfx::Rect{8, 7, 24, 23}));
  const gfx::Point on = At(form, 15, 15);
  backend_->InjectMouseMove(on);
  Pump();
  backend_->Click(on);
  Pump();
  skin::TskSkinMenu& engine = frame->MenuEngine();
  ASSERT_TRUE(engine.IsOpen());
  EXPECT_EQ(engine.Level(0)->BoundsRect().TopLeft(), At(form, 8, 23));
  EXPECT_TRUE(button->Pressed);
  EXPECT_EQ(app_->CaptureControl(), nullptr);
  backend_->PressKey(platform::kVkEscape);
  Pump();
  EXPECT_FALSE(engine.IsOpen());
  EXPECT_FALSE(button->Pressed);
  // Down and Enter run the item below the first one: "Ma&ximize". (A second press this soon
  // would be a double click, which closes the window.)
  backend_->AdvanceClock(1000);
  backend_->Click(on);
  Pump();
  ASSERT_TRUE(engine.IsOpen());
  backend_->PressKey(platform::kVkDown);
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_FALSE(engine.IsOpen());
  EXPECT_EQ(frame->WindowState(), FrameWindowState::kMaximized);
  EXPECT_FALSE(button->Pressed);
}

TEST_F(TskSkinFormMenuTest, AltF4WithTheMenuOpenClosesTheMenuAndTheForm) {
  app_->CreateForm<ui::Form>();
  TskSkinForm* frame = nullptr;
  ui::Form* form = ShownForm(40, 30, 400, 300, &skin_, &frame);
  backend_->Click(At(form, 200, 15), platform::MouseButton::kRight);
  Pump();
  ASSERT_TRUE(frame->MenuEngine().IsOpen());
  backend_->InjectKeyDown(platform::kVkMenu);
  backend_->PressKey(platform::kVkF4);
  backend_->InjectKeyUp(platform::kVkMenu);
  Pump();
  EXPECT_FALSE(frame->MenuEngine().IsOpen());
  EXPECT_FALSE(frame->SkinMenuOpen());
  EXPECT_FALSE(form->Visible());
}

TEST_F(TskSkinFormMenuTest, ASkinAboutToChangeClosesTheMenuThatDrawsFromIt) {
  // The popup menu draws from a skin of its own, not from the frame's.
  skin::TskSkinData menu_skin;
  resources::LoadEmbeddedSkin(menu_skin);
  skin::TskSkinData unused_skin;
  const struct {
    const char* name;
    skin::TskSkinData* changing;
    bool closes;
  } cases[] = {
      {"the menu's own skin", &menu_skin, true},
      {"the frame's skin", &skin_, true},
      {"no skin named: any skin", nullptr, true},
      {"a skin the menu does not draw from", &unused_skin, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinForm* frame = nullptr;
    ui::Form* form = ShownForm(40, 30, 400, 300, &skin_, &frame);
    int closed = 0;
    frame->OnSkinMenuClose = [&](ui::Component*) { ++closed; };
    auto* menu = form->Make<skin::TskSkinPopupMenu>();
    menu->SetSkinData(&menu_skin);
    menu->SetForm(form);
    menu->Items().Add("旋转90度");
    menu->Items().Add("水平翻转");
    menu->Popup(form->Left() + 100, form->Top() + 100);
    Pump();
    skin::TskSkinMenu& engine = frame->MenuEngine();
    ASSERT_TRUE(engine.IsOpen());
    ASSERT_EQ(engine.SkinData(), &menu_skin);
    form->Send(ui::Message::MakeSkin(ui::kSkinMsgBeforeChange, c.changing, 1000));
    EXPECT_EQ(engine.IsOpen(), !c.closes);
    EXPECT_EQ(closed, c.closes ? 1 : 0);
    // The levels' windows go once the message loop has control again.
    Pump();
    EXPECT_EQ(engine.LevelCount(), c.closes ? 0u : 1u);
    app_->DestroyForm(form);
    Pump();
  }
}

}  // namespace
