// The skinned memo: frame and background from the skin, the outside bar's coupling, the read-only menu.
#include "skin/controls/TskSkinMemo.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/controls/RangeControlTestEnv.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/menus/TskSkinPopupMenu.h"
#include "ui/MenuItem.h"
#include "ui/ScrollBar.h"

namespace {

using skin::TskSkinMemo;

class TskSkinMemoTest : public skin_test::RangeControlTest {
 protected:
  std::string Numbered(int n) {
    std::string t;
    for (int i = 0; i < n; ++i) {
      if (i > 0) t += '\n';
      t += std::to_string(i);
    }
    return t;
  }
};

TEST_F(TskSkinMemoTest, ProgramSkinFrameAndBackground) {
  auto* m = Make<TskSkinMemo>("memo", 30, 30, 200, 100);
  const gfx::Bitmap& pic = *skin_.ActivePicture(0);
  EXPECT_EQ(PixelAt(*m, 0, 0), pic.Pixel(301, 107));
  EXPECT_EQ(PixelAt(*m, 199, 99), pic.Pixel(324, 130));
  EXPECT_EQ(PixelAt(*m, 100, 50), gfx::kWhite);  // bgcolor
  EXPECT_EQ(m->TextArea().left, 3 + 2);
  EXPECT_EQ(m->TextColor(), static_cast<gfx::Color>(2892832));
  EXPECT_FALSE(m->BuiltInScrollBar()->Visible());
}

TEST_F(TskSkinMemoTest, OutsideBarFollowsTheLinesAndScrollsTheMemo) {
  auto* m = Make<TskSkinMemo>("memo", 30, 30, 200, 100);
  auto* bar = Make<skin::TskSkinScrollBar>("vscrollbar", 240, 30, 19, 100);
  m->SetVScrollBar(bar);
  EXPECT_FALSE(bar->Enabled());  // nothing to scroll yet
  m->SetText(Numbered(40));
  const int v = static_cast<int>(m->VisibleLineCount());
  EXPECT_TRUE(bar->Enabled());
  EXPECT_EQ(bar->Max(), 40);
  EXPECT_EQ(bar->PageSize(), v + 1);
  EXPECT_EQ(bar->Position(), 0);
  // The wheel scrolls the memo a line per notch, and the bar follows.
  backend_->InjectWheel(ScreenPoint(*m, 50, 50), -2 * 120);
  Pump();
  EXPECT_EQ(m->FirstVisibleLine(), 2u);
  EXPECT_EQ(bar->Position(), 2);
  // Moving the bar scrolls the memo.
  bar->SetPosition(10);
  EXPECT_EQ(m->FirstVisibleLine(), 10u);
  m->SetEnabled(false);
  EXPECT_FALSE(bar->Enabled());
  m->SetEnabled(true);
  m->SetText("short");
  EXPECT_FALSE(bar->Enabled());
}

TEST_F(TskSkinMemoTest, ReadOnlyMemosMenuOffersOnlyCopyAndSelectAll) {
  auto* m = Make<TskSkinMemo>("memo", 30, 30, 200, 100);
  m->SetText("usage\ntext");
  m->SetReadOnly(true);
  backend_->SetClipboardText("x");
  m->SetFocus();
  m->SetSel(0, 5);
  Pump();
  backend_->Click(ScreenPoint(*m, 50, 50), platform::MouseButton::kRight);
  Pump();
  ASSERT_NE(m->ContextMenu(), nullptr);
  std::string enabled;
  const ui::MenuItem& root = m->ContextMenu()->Items();
  for (size_t i = 0; i < root.Count(); ++i) {
    if (!root.Item(i)->IsSeparator()) enabled += root.Item(i)->Enabled() ? '1' : '0';
  }
  EXPECT_EQ(enabled, "001001");
  // Its items act on the memo: select all.
  root.Item(root.Count() - 1)->Click();
  EXPECT_EQ(m->SelLength(), m->Text().size());
}

}  // namespace
