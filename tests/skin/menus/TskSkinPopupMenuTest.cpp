// The skinned popup menu: a right click on any control shows it through the form's menu engine.
#include "skin/menus/TskSkinPopupMenu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/menus/MenuTestEnv.h"
#include "ui/ImageList.h"
#include "ui/Panel.h"

namespace skin {
namespace {

using menu_test::MenuTest;
using menu_test::MessageLog;

class TskSkinPopupMenuTest : public MenuTest {
 protected:
  TskSkinPopupMenuTest() {
    panel_ = form_->MakeChild<ui::Panel>(form_);
    panel_->SetBounds(20, 20, 200, 100);
    menu_ = form_->Make<TskSkinPopupMenu>();
    menu_->Items().Add("&Rotate", [this](ui::Component*) { ran_.push_back("rotate"); });
    menu_->Items().Add("&Flip", [this](ui::Component*) { ran_.push_back("flip"); });
    menu_->OnPopup = [this](ui::Component*) { ++popups_; };
    panel_->SetPopupMenu(menu_);
  }
  void RightClick(gfx::Point screen) {
    backend_->Click(screen, platform::MouseButton::kRight);
    Pump();
  }

  ui::Panel* panel_ = nullptr;
  TskSkinPopupMenu* menu_ = nullptr;
  std::vector<std::string> ran_;
  int popups_ = 0;
};

TEST_F(TskSkinPopupMenuTest, ARightClickShowsTheMenuSkinnedAtThePointer) {
  host_->skin_ = Skin();
  RightClick({150, 150});
  EXPECT_EQ(popups_, 1);
  EXPECT_EQ(host_->open_steps, 1);
  ASSERT_EQ(Engine().LevelCount(), 1u);
  EXPECT_TRUE(Level(0)->Skinned());
  EXPECT_EQ(menu_->SkinData(), Skin());  // taken from the form and kept
  EXPECT_EQ(Level(0)->Left(), 150);
  EXPECT_EQ(Level(0)->Top(), 150);
  EXPECT_EQ(menu_->PopupComponent(), panel_);
  // Down and Enter run the second item.
  Key(platform::kVkDown);
  Key(platform::kVkReturn);
  EXPECT_EQ(ran_, std::vector<std::string>{"flip"});
  EXPECT_FALSE(Engine().IsOpen());
}

TEST_F(TskSkinPopupMenuTest, AFormWithoutAMenuHostShowsNothing) {
  DestroyHost();
  RightClick({150, 150});
  EXPECT_EQ(popups_, 1);  // the application still hears of the popup
  EXPECT_EQ(backend_->ZOrder().size(), 1u);
  // For a control's own menu (an edit's) a skin must be known as well.
  menu_->PopupForControl(panel_, {150, 150});
  Pump();
  EXPECT_EQ(backend_->ZOrder().size(), 1u);
}

TEST_F(TskSkinPopupMenuTest, AMenuButtonHearsWhenItsMenuClosesAndWhenAnItemRan) {
  MessageLog button_log(*panel_);
  const gfx::Point o = panel_->ClientToScreen({0, 0});
  const gfx::Rect button = gfx::Rect::FromSize(o.x, o.y, panel_->Width(), panel_->Height());
  menu_->PopupAtRect(button, false, panel_);
  Pump();
  ASSERT_EQ(Engine().LevelCount(), 1u);
  EXPECT_EQ(Level(0)->Top(), button.bottom);
  EXPECT_EQ(Level(0)->Left(), button.left);
  Key(platform::kVkReturn);
  EXPECT_EQ(button_log.Count(ui::kSkinMsgCloseMenus), 1);
  EXPECT_EQ(button_log.Count(ui::kSkinMsgMenuItemRun), 1);
  // Pressing the button again while its menu is open only closes the menu.
  menu_->PopupAtRect(button, false, panel_);
  Pump();
  backend_->Click({button.left + 5, button.top + 5});
  Pump();
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_EQ(button_log.Count(ui::kSkinMsgCloseMenus), 2);
  EXPECT_EQ(button_log.Count(ui::kSkinMsgMenuItemRun), 1);
}

TEST_F(TskSkinPopupMenuTest, ItemImagesComeFromTheMenusImageList) {
  auto images = std::make_unique<ui::ImageList>(12, 12);
  gfx::Bitmap red(12, 12, 24);
  red.Fill(gfx::Rgb(230, 0, 0));
  images->Add(red);
  menu_->SetImages(images.get());
  menu_->Items().Item(1)->SetImageIndex(0);
  menu_->Popup(150, 150);
  Pump();
  ASSERT_EQ(Engine().LevelCount(), 1u);
  TskSkinPopupWindow* w = Level(0);
  EXPECT_EQ(w->GlyphColumnWidth(), 12 + 5);
  const gfx::Rect r = w->ItemObjects()[1].rect;
  const gfx::Color c = w->FrameBuffer().Pixel(r.left + 2 + 6, r.top + r.Height() / 2);
  EXPECT_EQ(c, gfx::Rgb(230, 0, 0));
  Engine().CloseAll();
  // A freed image list is let go of.
  images.reset();
  EXPECT_EQ(menu_->Images(), nullptr);
}

TEST_F(TskSkinPopupMenuTest, ASkinDestroyedWhileItsMenuIsOpenClosesTheMenu) {
  auto doomed = std::make_unique<TskSkinData>();
  resources::LoadEmbeddedSkin(*doomed);
  menu_->SetSkinData(doomed.get());
  menu_->Popup(150, 150);
  Pump();
  ASSERT_TRUE(Engine().IsOpen());
  ASSERT_TRUE(Level(0)->Skinned());
  doomed.reset();
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_EQ(menu_->SkinData(), nullptr);
  Pump();
  // The next popup takes the host's skin (none here): the default look.
  menu_->Popup(150, 150);
  Pump();
  ASSERT_EQ(Engine().LevelCount(), 1u);
  EXPECT_FALSE(Level(0)->Skinned());
}

}  // namespace
}  // namespace skin
