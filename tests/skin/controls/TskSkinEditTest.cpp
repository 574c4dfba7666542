// The skinned edit: the skin's height and border, the state colours, the button and the plain look.
#include "skin/controls/TskSkinEdit.h"

#include <gtest/gtest.h>

#include "skin/controls/RangeControlTestEnv.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/MenuItem.h"

namespace {

using skin::TskSkinEdit;

class TskSkinEditTest : public skin_test::RangeControlTest {
 protected:
  TskSkinEdit* Edit(const std::string& name, bool bind = true) { return Make<TskSkinEdit>(name, 30, 30, 121, 20, bind); }
  const gfx::Bitmap& Pic() const { return *skin_.ActivePicture(0); }
};

TEST_F(TskSkinEditTest, ProgramSkinGivesHeightBorderAndStateColours) {
  TskSkinEdit* e = Edit("edit");
  auto* other = Make<TskSkinEdit>("edit", 30, 80, 121, 20);
  EXPECT_EQ(e->Width(), 121);
  EXPECT_EQ(e->Height(), 17);
  // The strip's ends at both sides, the normal picture while cold.
  EXPECT_EQ(PixelAt(*e, 0, 0), Pic().Pixel(140, 104));
  EXPECT_EQ(PixelAt(*e, 120, 16), Pic().Pixel(180, 120));
  EXPECT_EQ(e->TextArea().top, 2);
  EXPECT_EQ(e->TextColor(), gfx::kBlack);
  // Hot: the active picture and white text; focused likewise; away from both, black again.
  MoveTo(*e, 60, 8);
  EXPECT_TRUE(e->Hot());
  EXPECT_EQ(e->TextColor(), gfx::kWhite);
  EXPECT_EQ(PixelAt(*e, 0, 0), Pic().Pixel(39, 108));
  MoveTo(*other, 60, 8);
  EXPECT_EQ(e->TextColor(), gfx::kBlack);
  e->SetFocus();
  Pump();
  EXPECT_EQ(e->TextColor(), gfx::kWhite);
  other->SetFocus();
  MoveTo(*other, 60, 30);
  EXPECT_EQ(e->TextColor(), gfx::kBlack);
  e->SetEnabled(false);
  EXPECT_EQ(e->TextColor(), gfx::Rgb(128, 128, 128));
  // Any later size keeps the skin's height.
  e->SetBounds(30, 30, 200, 40);
  EXPECT_EQ(e->Height(), 17);
}

TEST_F(TskSkinEditTest, WithoutARecordThePlainFrameAndDefaultSize) {
  TskSkinEdit* e = Edit("nosuchrecord");
  EXPECT_EQ(e->Height(), 20);
  EXPECT_EQ(PixelAt(*e, 0, 0), ui::kColorBtnShadow);
  EXPECT_EQ(PixelAt(*e, 1, 1), ui::kColorBtnFace);
  EXPECT_EQ(PixelAt(*e, 5, 3), ui::kColorWindow);
  EXPECT_EQ(e->TextColor(), gfx::kBlack);
  e->SetDefaultHeight(24);
  EXPECT_EQ(e->Height(), 24);
}

TEST_F(TskSkinEditTest, ButtonModeClickFocusesAndFires) {
  TskSkinEdit* e = Edit("edit");
  int clicks = 0;
  bool focused_then = false;
  e->OnButtonClick = [&](ui::Component*) {
    ++clicks;
    focused_then = e->Focused();
  };
  e->SetButtonMode(true);
  Pump();
  EXPECT_EQ(e->SkinDataName(), "buttonedit");
  // The button lies in the right piece, so it follows the right edge.
  EXPECT_EQ(e->ButtonRect(), (gfx::Rect{105, 1, 120, 16}));
  MoveTo(*e, 110, 8);
  EXPECT_TRUE(e->ButtonHot());
  EXPECT_EQ(PixelAt(*e, 105, 1), Pic().Pixel(265, 96));
  Press(*e, 110, 8);
  EXPECT_TRUE(e->ButtonDown());
  EXPECT_EQ(PixelAt(*e, 105, 1), Pic().Pixel(183, 104));
  // Released away from the button: nothing.
  Release(*e, 50, 8);
  EXPECT_EQ(clicks, 0);
  Press(*e, 110, 8);
  Release(*e, 110, 8);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(focused_then);
  EXPECT_EQ(e->Text(), "");  // the press on the button places no caret and types nothing
}

TEST_F(TskSkinEditTest, RightClickOpensTheSkinnedMenuWithTheFieldsItems) {
  TskSkinEdit* e = Edit("edit");
  e->SetText("abc");
  e->SetReadOnly(true);
  e->SetFocus();
  e->SelectAll();
  Pump();
  backend_->Click(ScreenPoint(*e, 20, 8), platform::MouseButton::kRight);
  Pump();
  skin::TskSkinPopupMenu* menu = e->ContextMenu();
  ASSERT_NE(menu, nullptr);
  std::string enabled;
  for (size_t i = 0; i < menu->Items().Count(); ++i) {
    const ui::MenuItem* item = menu->Items().Item(i);
    if (!item->IsSeparator()) enabled += item->Enabled() ? '1' : '0';
  }
  EXPECT_EQ(enabled, "001000");  // read-only with everything selected: only copy
}

}  // namespace
