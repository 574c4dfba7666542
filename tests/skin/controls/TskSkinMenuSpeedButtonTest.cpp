// The menu speed button: its drop-down part, the menu below it, and the button held down while it is open.
#include "skin/controls/TskSkinMenuSpeedButton.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/menus/MenuTestEnv.h"
#include "skin/menus/TskSkinPopupMenu.h"

namespace skin {
namespace {

using menu_test::MenuTest;
using menu_test::MessageLog;

class TskSkinMenuSpeedButtonTest : public MenuTest {
 protected:
  TskSkinMenuSpeedButtonTest() {
    menu_ = form_->Make<TskSkinPopupMenu>();
    menu_->Items().Add("&First", [this](ui::Component*) { log_.push_back("first"); });
    menu_->Items().Add("&Second", [this](ui::Component*) { log_.push_back("second"); });
    button_ = form_->MakeChild<TskSkinMenuSpeedButton>(form_);
    button_->SetBounds(20, 20, 60, 25);
    button_->SetSkinPopupMenu(menu_);
    button_->OnClick = [this](ui::Component*) { log_.push_back("click"); };
    button_->OnShowTrackMenu = [this](ui::Component*) { log_.push_back("show"); };
    button_->OnHideTrackMenu = [this](ui::Component*) { log_.push_back("hide"); };
    Pump();
  }
  gfx::Point At(int x, int y) { return button_->ClientToScreen({x, y}); }

  TskSkinPopupMenu* menu_ = nullptr;
  TskSkinMenuSpeedButton* button_ = nullptr;
  std::vector<std::string> log_;
};

TEST_F(TskSkinMenuSpeedButtonTest, APressDropsTheMenuBelowAndTheButtonStaysDownUntilItCloses) {
  MessageLog button_log(*button_);
  backend_->InjectMouseMove(At(10, 10));
  backend_->InjectMouseDown(At(10, 10));
  Pump();
  ASSERT_TRUE(Engine().IsOpen());
  EXPECT_TRUE(button_->Down());
  EXPECT_TRUE(button_->MenuOpen());
  EXPECT_EQ(Level(0)->Top(), At(0, 0).y + button_->Height());
  EXPECT_EQ(Level(0)->Left(), At(0, 0).x);
  // Dragging onto the second item and letting go there runs it.
  const gfx::Point item = ItemCentre(0, 1);
  backend_->InjectMouseMove(item);
  Pump();
  EXPECT_TRUE(button_->Down());  // the pointer left: the button stays down
  backend_->InjectMouseUp(item);
  Pump();
  // The menu closes (and the button hears of it) before the item runs.
  EXPECT_EQ(log_, (std::vector<std::string>{"show", "hide", "second"}));
  EXPECT_FALSE(button_->Down());
  EXPECT_FALSE(button_->MenuOpen());
  EXPECT_EQ(button_log.Count(ui::kSkinMsgMenuItemRun), 1);
}

TEST_F(TskSkinMenuSpeedButtonTest, PressingTheButtonAgainClosesItsMenu) {
  backend_->Click(At(10, 10));
  Pump();
  ASSERT_TRUE(Engine().IsOpen());
  backend_->Click(At(10, 10));
  Pump();
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_FALSE(button_->Down());
  EXPECT_EQ(log_, (std::vector<std::string>{"show", "hide"}));
}

TEST_F(TskSkinMenuSpeedButtonTest, InTrackButtonModeOnlyTheDropDownPartOpensTheMenu) {
  button_->SetTrackButtonMode(true);
  EXPECT_EQ(button_->TrackButtonRect(), (gfx::Rect{60 - 15, 0, 60, 25}));  // the plain look
  backend_->Click(At(10, 10));
  Pump();
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_EQ(log_, std::vector<std::string>{"click"});
  backend_->Click(At(55, 10));
  Pump();
  EXPECT_TRUE(Engine().IsOpen());
  Key(platform::kVkEscape);
  EXPECT_FALSE(button_->Down());
  EXPECT_EQ(log_, (std::vector<std::string>{"click", "show", "hide"}));

  // With the skin's record the part is its trackbuttonrect, moved with the width.
  button_->SetSkinData(Skin());
  const int32_t stretched = button_->Width() - 37;
  EXPECT_EQ(button_->TrackButtonRect(), (gfx::Rect{25 + stretched, 0, 37 + stretched, 25}));
}

TEST_F(TskSkinMenuSpeedButtonTest, AMenuWithNothingToShowLeavesTheButtonUp) {
  menu_->Items().Clear();
  backend_->Click(At(10, 10));
  Pump();
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_FALSE(button_->Down());
  EXPECT_FALSE(button_->MenuOpen());
  EXPECT_TRUE(log_.empty());
}

}  // namespace
}  // namespace skin
