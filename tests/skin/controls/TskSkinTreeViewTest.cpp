// The skinned tree view: its external bars (visibility, range, scrolling, layout), font and colour.
#include "skin/controls/TskSkinTreeView.h"

#include <string>

#include <gtest/gtest.h>

#include "skin/controls/SkinControlTestEnv.h"
#include "skin/controls/TskSkinScrollBar.h"

namespace {

using skin::ScrollBarKind;
using skin::TskSkinScrollBar;
using skin::TskSkinTreeView;

class TskSkinTreeViewTest : public skin_test::SkinControlTest {
 protected:
  // An area holding the tree aligned to the client with its bars aligned right and bottom, as the
  // folder dialog builds it.
  void Build() {
    area_ = form_->MakeChild<ui::WinControl>(form_);
    area_->SetBounds(10, 10, 300, 300);
    hbar_ = area_->MakeChild<TskSkinScrollBar>(form_);
    hbar_->SetAlign(ui::Align::kBottom);
    vbar_ = area_->MakeChild<TskSkinScrollBar>(form_);
    vbar_->SetKind(ScrollBarKind::sbVertical);
    vbar_->SetSkinDataName("vscrollbar");
    vbar_->SetDefaultHeight(0);
    vbar_->SetDefaultWidth(19);
    vbar_->SetBounds(0, 0, 19, 100);
    vbar_->SetAlign(ui::Align::kRight);
    tree_ = area_->MakeChild<TskSkinTreeView>(form_);
    tree_->SetAlign(ui::Align::kClient);
    for (TskSkinScrollBar* bar : {hbar_, vbar_}) bar->SetSkinData(&skin_);
    tree_->SetSkinData(&skin_);
    tree_->SetVScrollBar(vbar_);
    tree_->SetHScrollBar(hbar_);
    Pump();
  }

  void AddRows(int n) {
    for (int i = 0; i < n; ++i) tree_->AddChild(nullptr, "row " + std::to_string(i));
    Pump();
  }

  ui::WinControl* area_ = nullptr;
  TskSkinScrollBar* hbar_ = nullptr;
  TskSkinScrollBar* vbar_ = nullptr;
  TskSkinTreeView* tree_ = nullptr;
};

TEST_F(TskSkinTreeViewTest, VerticalBarShowsTheRowRangeWithThePageOfWholeRows) {
  Build();
  // Twelve whole rows fit the tree.
  area_->SetHeight(tree_->ItemHeight() * 12 + tree_->ItemHeight() / 2);
  struct Case {
    int rows;
    bool shown;
  };
  for (const Case c : {Case{30, true}, Case{13, true}, Case{12, false}, Case{1, false}, Case{0, false}}) {
    SCOPED_TRACE(c.rows);
    tree_->Clear();
    AddRows(c.rows);
    EXPECT_EQ(tree_->VisibleCount(), 12);
    EXPECT_EQ(vbar_->Visible(), c.shown);
    if (!c.shown) continue;
    EXPECT_EQ(vbar_->Min(), 0);
    EXPECT_EQ(vbar_->Max(), c.rows - 1);
    EXPECT_EQ(vbar_->PageSize(), 12);
  }
  // The tree gives the bar its room.
  tree_->Clear();
  AddRows(30);
  EXPECT_EQ(tree_->Width(), area_->ClientWidth() - vbar_->Width());
  EXPECT_FALSE(hbar_->Visible());
}

TEST_F(TskSkinTreeViewTest, BarsScrollTheTreeAndFollowIt) {
  Build();
  AddRows(100);
  vbar_->SetPosition(40);  // as a thumb drag ends
  Pump();
  EXPECT_EQ(tree_->TopItem()->Text(), "row 40");
  vbar_->SetPosition(1000);
  Pump();
  EXPECT_EQ(tree_->VertScroll().position, 100 - tree_->VisibleCount());
  EXPECT_EQ(vbar_->Position(), tree_->VertScroll().position);
  tree_->SetSelected(tree_->FirstNode());
  Pump();
  EXPECT_EQ(vbar_->Position(), 0);
  // A label wider than the tree brings the horizontal bar, which shares the corner.
  tree_->FirstNode()->SetText(std::string(120, 'w'));
  Pump();
  ASSERT_TRUE(hbar_->Visible());
  EXPECT_TRUE(hbar_->Both());
  EXPECT_EQ(hbar_->PageSize(), tree_->Width());
  hbar_->SetPosition(30);
  Pump();
  EXPECT_EQ(tree_->HorzScroll().position, 30);
}

TEST_F(TskSkinTreeViewTest, BarsFollowTheTreesVisibilityAndAreForgottenWhenFreed) {
  Build();
  AddRows(100);
  ASSERT_TRUE(vbar_->Visible());
  tree_->Hide();
  EXPECT_FALSE(vbar_->Visible());
  EXPECT_FALSE(hbar_->Visible());
  tree_->Show();
  Pump();
  EXPECT_TRUE(vbar_->Visible());
  EXPECT_FALSE(hbar_->Visible());  // shown with the tree, hidden again by the update
  area_->RemoveChild(vbar_).reset();
  EXPECT_EQ(tree_->VScrollBar(), nullptr);
  AddRows(5);
  tree_->ScrollTo(50, 0);
}

TEST_F(TskSkinTreeViewTest, TakesTheRecordsFontAndColourOrTheDefaults) {
  Build();
  // The program's skin has no tree record: the defaults.
  EXPECT_EQ(tree_->RecordIndex(), -1);
  EXPECT_EQ(tree_->GetColor(), ui::kColorWindow);
  EXPECT_EQ(tree_->GetFont(), gfx::Font("Arial", 14));
  LoadFixture(
      "[SKINCONTROLS]\ncount=2\n0=treeview:treeview\n1=button:button\n[treeview]\nfontname=Tahoma\nfontheight=17\n"
      "fontstyle=\nfontcolor=255\nbgcolor=65280\n[button]\npictureindex=0\nskinrect=0,0,10,10\n",
      {skin_test::CoordinatePicture(20, 20)});
  EXPECT_EQ(tree_->RecordIndex(), 0);
  EXPECT_EQ(tree_->GetColor(), gfx::Color{65280});
  EXPECT_EQ(tree_->GetFont().Family(), "Tahoma");
  EXPECT_EQ(tree_->GetFont().Height(), 17);
  EXPECT_EQ(tree_->GetFont().Color(), gfx::Color{255});
  tree_->SetUseSkinFont(false);
  EXPECT_EQ(tree_->GetFont().Family(), "Arial");
  EXPECT_EQ(tree_->GetFont().Color(), gfx::Color{255});
  // A record of another kind under the name leaves the look alone.
  tree_->SetSkinDataName("button");
  tree_->ApplySkin();
  EXPECT_EQ(tree_->GetColor(), gfx::Color{65280});
}

}  // namespace
