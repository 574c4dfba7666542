// TskSkinListView: skin colours and font, the external bars and the header's procedure and look.
#include "skin/controls/TskSkinListView.h"

#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/RangeControlTestEnv.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "ui/ScrollBar.h"

namespace {

using skin::TskSkinListView;
using skin::TskSkinScrollBar;

class TskSkinListViewTest : public skin_test::RangeControlTest {
 protected:
  TskSkinListView* MakeList(int32_t count, ui::ViewStyle style, bool bars = true) {
    auto* lv = Make<TskSkinListView>("listview", 10, 10, 240, 160);
    lv->SetViewStyle(style);
    lv->AddColumn("名称", 120);
    lv->AddColumn("大小", 80);
    lv->SetOwnerData(true);
    lv->OnData = [](const ui::ListView*, int32_t i, ui::ListItemData& out) { out.caption = "项 " + std::to_string(i); };
    lv->SetItemCount(count);
    if (bars) {
      vbar_ = Make<TskSkinScrollBar>("vscrollbar", 250, 10, 19, 160);
      vbar_->SetKind(skin::ScrollBarKind::sbVertical);
      hbar_ = Make<TskSkinScrollBar>("hscrollbar", 10, 170, 240, 19);
      lv->SetVScrollBar(vbar_);
      lv->SetHScrollBar(hbar_);
    }
    Pump();
    return lv;
  }

  TskSkinScrollBar* vbar_ = nullptr;
  TskSkinScrollBar* hbar_ = nullptr;
};

TEST_F(TskSkinListViewTest, ListStyleKeepsTheVerticalBarHiddenHoweverManyItems) {
  for (int32_t count : {5, 1000, 5000000}) {
    TskSkinListView* lv = MakeList(count, ui::ViewStyle::kList);
    EXPECT_FALSE(vbar_->Visible()) << count;
    EXPECT_EQ(hbar_->Visible(), count > 5) << count;  // five fit the first column
    EXPECT_FALSE(lv->VertBar()->Visible());
    EXPECT_FALSE(lv->HorzBar()->Visible());  // the built-in bars never show
    delete form_->RemoveChild(lv).release();
  }
}

TEST_F(TskSkinListViewTest, BarsFollowTheListAndScrollIt) {
  TskSkinListView* lv = MakeList(1000, ui::ViewStyle::kReport);
  ASSERT_TRUE(vbar_->Visible());
  const ui::ScrollInfo v = lv->VertScrollInfo();
  EXPECT_EQ(vbar_->Min(), 0);
  EXPECT_EQ(vbar_->Max(), 999);
  EXPECT_EQ(vbar_->PageSize(), v.page);
  EXPECT_EQ(vbar_->LargeChange(), v.page);
  EXPECT_FALSE(hbar_->Visible());  // 200 pixels of columns fit 240
  // The bar moves the list...
  vbar_->SetPosition(500);
  EXPECT_EQ(lv->TopItem(), 500);
  // ...and the list moves the bar.
  lv->SetFocus();
  backend_->PressKey(platform::kVkEnd);
  Pump();
  EXPECT_EQ(vbar_->Position(), 1000 - v.page);
  // Wider columns bring the horizontal bar, which shares its corner with the vertical one.
  lv->Header()->SetSectionWidth(1, 400);
  EXPECT_TRUE(hbar_->Visible());
  EXPECT_TRUE(hbar_->Both());
  EXPECT_EQ(hbar_->Max(), 519);
  EXPECT_EQ(hbar_->PageSize(), lv->ClientWidth());
  hbar_->SetPosition(100);
  EXPECT_EQ(lv->Header()->Offset(), 100);
  // Hiding the list hides its bars.
  lv->Hide();
  EXPECT_FALSE(vbar_->Visible());
  EXPECT_FALSE(hbar_->Visible());
  lv->Show();
  EXPECT_TRUE(vbar_->Visible());
}

TEST_F(TskSkinListViewTest, ABarThatGoesIsForgotten) {
  TskSkinListView* lv = MakeList(1000, ui::ViewStyle::kReport);
  delete form_->RemoveChild(vbar_).release();
  EXPECT_EQ(lv->VScrollBar(), nullptr);
  lv->SetItemCount(2000);
  Pump();
  // The list going first leaves the other bar without a handler into it.
  delete form_->RemoveChild(lv).release();
  hbar_->SetPosition(1);
  EXPECT_FALSE(static_cast<bool>(hbar_->OnChange));
}

TEST_F(TskSkinListViewTest, TheHeaderHasItsOwnProcedureBackWhenItIsHidden) {
  TskSkinListView* lv = MakeList(20, ui::ViewStyle::kList, false);
  ui::HeaderControl* header = lv->Header();
  EXPECT_FALSE(lv->HeaderHooked());
  // A procedure of the header's own, counting what reaches it.
  int reached = 0;
  ui::WindowProcFn own = header->WindowProc();
  header->SetWindowProc([&reached, own](ui::Message& m) {
    ++reached;
    own(m);
  });
  lv->SetViewStyle(ui::ViewStyle::kReport);
  EXPECT_TRUE(lv->HeaderHooked());
  // Painting goes to the list view's procedure, the rest on to the header's.
  reached = 0;
  header->Repaint();
  EXPECT_EQ(reached, 0);
  header->Send(ui::kMsgMouseMove);
  EXPECT_EQ(reached, 1);
  lv->SetShowColumnHeaders(false);
  EXPECT_FALSE(lv->HeaderHooked());
  reached = 0;
  header->Send(ui::Message::MakeSize(0, {10, 10}));
  EXPECT_EQ(reached, 1);
  // Hooked again, then the list view goes: the header goes with it and no call reaches the list.
  lv->SetShowColumnHeaders(true);
  EXPECT_TRUE(lv->HeaderHooked());
  delete form_->RemoveChild(lv).release();
  Pump();
}

TEST_F(TskSkinListViewTest, HeaderSectionsShowTheSkinOrThePlainLook) {
  TskSkinListView* lv = MakeList(5, ui::ViewStyle::kReport, false);
  ui::HeaderControl* header = lv->Header();
  const int mid = header->Height() / 2;
  // With the program's "resizebutton" record the section shows the skin picture, not the face colour.
  const gfx::Color skinned = PixelAt(*header, 60, mid);
  EXPECT_NE(skinned, ui::kColorBtnFace);
  // Unbound, the plain look: a framed face, pressed in the pressed fill.
  lv->SetSkinData(nullptr);
  lv->SetHeaderSkinDataName("nothing");
  header->Invalidate();
  EXPECT_EQ(PixelAt(*header, 60, 1), ui::kColorBtnFace);
  EXPECT_EQ(PixelAt(*header, 60, 0), ui::kColorBtnShadow);
  Press(*header, 60, mid);
  EXPECT_EQ(PixelAt(*header, 60, 1), skin::kPlainPressedFill);
  EXPECT_EQ(PixelAt(*header, 60, 0), skin::kPlainFrame);
  Release(*header, 60, mid);
  // Past the last section the header is a framed face too.
  EXPECT_EQ(PixelAt(*header, 225, mid), ui::kColorBtnFace);
  // A handler draws the content instead.
  int drawn = 0;
  lv->OnDrawHeaderSection = [&](skin::TskSkinCustomListView*, gfx::Canvas&, int, const gfx::Rect& r, bool) {
    ++drawn;
    EXPECT_EQ(r.Height(), header->Height());
  };
  header->Repaint();
  EXPECT_EQ(drawn, 2);
}

TEST_F(TskSkinListViewTest, ColoursAndFontComeFromTheRecordOrTheDefaults) {
  TskSkinListView* lv = MakeList(5, ui::ViewStyle::kReport, false);
  // The program's skin has no list-view record: the defaults apply, and a new default at once.
  EXPECT_EQ(lv->GetColor(), ui::kColorWindow);
  EXPECT_EQ(lv->GetFont().Family(), "Arial");
  EXPECT_EQ(lv->GetFont().Height(), 14);
  lv->SetDefaultColor(gfx::Rgb(250, 240, 230));
  EXPECT_EQ(lv->GetColor(), gfx::Rgb(250, 240, 230));
  EXPECT_EQ(PixelAt(*lv, 200, lv->ItemRect(4).bottom + 3), gfx::Rgb(250, 240, 230));
  lv->SetSkinDataName("r");
  LoadFixture(skin_test::OneRecord("listview", "fontname=Arial\nfontheight=17\nfontstyle=\nfontcolor=255\nbgcolor=65280\n"),
              {skin_test::CoordinatePicture(8, 8)});
  Pump();
  EXPECT_EQ(lv->GetColor(), gfx::Rgb(0, 255, 0));
  EXPECT_EQ(lv->GetFont().Color(), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(lv->GetFont().Height(), 17);
  lv->SetUseSkinFont(false);
  EXPECT_EQ(lv->GetFont().Height(), 14);
  EXPECT_EQ(lv->GetFont().Color(), gfx::Rgb(255, 0, 0));
}

}  // namespace
