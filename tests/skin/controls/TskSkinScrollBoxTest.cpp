// The scroll box: ranges and visibility of its bars, coupling, the growth rule and its border.
#include "skin/controls/TskSkinScrollBox.h"

#include <gtest/gtest.h>

#include "skin/controls/RangeControlTestEnv.h"
#include "skin/controls/TskSkinScrollBar.h"

namespace {

using skin::ScrollBarKind;
using skin::SkinBorderStyle;
using skin::TskSkinScrollBar;
using skin::TskSkinScrollBox;

class TskSkinScrollBoxTest : public skin_test::RangeControlTest {
 protected:
  // A 512 x 423 area holding a box aligned to the client and its two bars aligned right and
  // bottom, as the program's preview is built; plain unless `skinned`.
  void BuildPreview(bool skinned) {
    area_ = form_->MakeChild<ui::WinControl>(form_);
    area_->SetBounds(10, 10, 512, 423);
    form_->SetBounds(kFormLeft, kFormTop, 600, 460);
    hbar_ = area_->MakeChild<TskSkinScrollBar>(form_);
    hbar_->SetAlign(ui::Align::kBottom);
    vbar_ = area_->MakeChild<TskSkinScrollBar>(form_);
    vbar_->SetKind(ScrollBarKind::sbVertical);
    vbar_->SetSkinDataName("vscrollbar");
    vbar_->SetDefaultHeight(0);
    vbar_->SetDefaultWidth(19);
    vbar_->SetBounds(0, 0, 19, 100);
    vbar_->SetAlign(ui::Align::kRight);
    box_ = area_->MakeChild<TskSkinScrollBox>(form_);
    box_->SetBorderStyle(SkinBorderStyle::bvNone);
    box_->SetAlign(ui::Align::kClient);
    if (skinned) {
      for (skin::TskSkinControl* c : {static_cast<skin::TskSkinControl*>(hbar_), static_cast<skin::TskSkinControl*>(vbar_),
                                      static_cast<skin::TskSkinControl*>(box_)})
        c->SetSkinData(&skin_);
    }
    picture_ = box_->MakeChild<ui::WinControl>(form_);
    picture_->SetBounds(0, 0, 1000, 800);
    box_->SetHScrollBar(hbar_);
    box_->SetVScrollBar(vbar_);
    Pump();
  }
  ui::WinControl* area_ = nullptr;
  TskSkinScrollBar* hbar_ = nullptr;
  TskSkinScrollBar* vbar_ = nullptr;
  TskSkinScrollBox* box_ = nullptr;
  ui::WinControl* picture_ = nullptr;
};

TEST_F(TskSkinScrollBoxTest, ALargePictureShowsBothBarsAndASmallOneHidesThem) {
  for (bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    BuildPreview(skinned);
    EXPECT_EQ(box_->ClientWidth(), 493);
    EXPECT_EQ(box_->ClientHeight(), 404);
    EXPECT_TRUE(hbar_->Visible());
    EXPECT_TRUE(vbar_->Visible());
    EXPECT_EQ(hbar_->Max(), 999);
    EXPECT_EQ(hbar_->PageSize(), 493);
    EXPECT_EQ(vbar_->Max(), 799);
    EXPECT_EQ(vbar_->PageSize(), 404);
    EXPECT_TRUE(hbar_->Both());
    // The bars move the picture.
    vbar_->SetPosition(100);
    hbar_->SetPosition(200);
    EXPECT_EQ(picture_->BoundsRect(), (gfx::Rect{-200, -100, 800, 700}));
    vbar_->SetPosition(1000);  // clamped to 799 - 404 + 1
    EXPECT_EQ(picture_->Top(), -396);
    // Shrunk to 300 x 200: both bars go and the picture is back at the origin.
    picture_->SetBounds(picture_->Left(), picture_->Top(), 300, 200);
    box_->UpdateScrollBars();
    EXPECT_FALSE(hbar_->Visible());
    EXPECT_FALSE(vbar_->Visible());
    EXPECT_EQ(picture_->BoundsRect(), (gfx::Rect{0, 0, 300, 200}));
    EXPECT_EQ(box_->ClientWidth(), 512);
    EXPECT_EQ(hbar_->Max(), 0);
    form_->RemoveChild(area_).reset();
  }
}

TEST_F(TskSkinScrollBoxTest, GrowingWhileScrolledPullsTheContentAlong) {
  auto* vbar = form_->MakeChild<TskSkinScrollBar>(form_);
  vbar->SetKind(ScrollBarKind::sbVertical);
  vbar->SetBounds(400, 0, 19, 300);
  auto* box = form_->MakeChild<TskSkinScrollBox>(form_);
  box->SetBorderStyle(SkinBorderStyle::bvNone);
  box->SetBounds(0, 0, 300, 400);
  auto* content = box->MakeChild<ui::WinControl>(form_);
  content->SetBounds(0, 0, 100, 500);
  box->SetVScrollBar(vbar);
  ASSERT_TRUE(vbar->Visible());
  vbar->SetPosition(60);
  ASSERT_EQ(content->Top(), -60);
  box->SetBounds(0, 0, 300, 450);
  EXPECT_EQ(vbar->Position(), 10);
  EXPECT_EQ(content->Top(), -10);
  EXPECT_EQ(vbar->PageSize(), 450);
  // Growing until everything fits hides the bar and puts the content at the top.
  box->SetBounds(0, 0, 300, 600);
  EXPECT_FALSE(vbar->Visible());
  EXPECT_EQ(content->Top(), 0);
  // Shrinking is no growth: the position stays where it was.
  box->SetBounds(0, 0, 300, 250);
  vbar->SetPosition(200);
  box->SetBounds(0, 0, 300, 240);
  EXPECT_EQ(vbar->Position(), 200);
  EXPECT_EQ(content->Top(), -200);
}

TEST_F(TskSkinScrollBoxTest, BordersInsetTheClientArea) {
  struct Case {
    const char* name;
    bool skinned;
    SkinBorderStyle border;
    gfx::Rect client;
    gfx::Color top_left, bottom_right;
  };
  const gfx::Bitmap& pic = *skin_.ActivePicture(0);
  // "scrollbox": 53,71,77,95 with clientrect 1,1,23,23, a one-pixel frame.
  const Case cases[] = {
      {"plain frame", false, SkinBorderStyle::bvFrame, {1, 1, 99, 79}, ui::kColorBtnShadow, ui::kColorBtnShadow},
      {"plain raised", false, SkinBorderStyle::bvRaised, {1, 1, 99, 79}, ui::kColorBtnShadow, ui::kColorBtnHighlight},
      {"plain lowered", false, SkinBorderStyle::bvLowered, {1, 1, 99, 79}, ui::kColorBtnHighlight, ui::kColorBtnShadow},
      {"plain none", false, SkinBorderStyle::bvNone, {0, 0, 100, 80}, ui::kColorBtnFace, ui::kColorBtnFace},
      {"skinned frame", true, SkinBorderStyle::bvFrame, {1, 1, 99, 79}, pic.Pixel(53, 71), pic.Pixel(76, 94)},
      {"skinned none", true, SkinBorderStyle::bvNone, {0, 0, 100, 80}, pic.Pixel(54, 72), pic.Pixel(54 + (99 % 22), 72 + (79 % 22))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* box = Make<TskSkinScrollBox>(c.skinned ? "scrollbox" : "nosuchrecord", 20, 20, 100, 80);
    box->SetBorderStyle(c.border);
    EXPECT_EQ(box->ClientRect(), c.client);
    Pump();
    const gfx::Point o = box->ClientToScreen({-c.client.left, -c.client.top});
    EXPECT_EQ(backend_->ScreenPixel(o), c.top_left);
    EXPECT_EQ(backend_->ScreenPixel({o.x + 99, o.y + 79}), c.bottom_right);
    // A child at the client origin sits inside the border.
    auto* child = box->MakeChild<ui::WinControl>(form_);
    child->SetBounds(0, 0, 10, 10);
    EXPECT_EQ(child->ClientToScreen({0, 0}), box->ClientToScreen({0, 0}));
    form_->RemoveChild(box).reset();
  }
}

TEST_F(TskSkinScrollBoxTest, BarsAndBoxMayGoInEitherOrder) {
  BuildPreview(false);
  // A destroyed bar is forgotten; the box skips that direction.
  area_->RemoveChild(hbar_).reset();
  EXPECT_EQ(box_->HScrollBar(), nullptr);
  box_->UpdateScrollBars();
  vbar_->SetPosition(50);
  EXPECT_EQ(picture_->Top(), -50);
  // A destroyed box no longer hears from its bar.
  area_->RemoveChild(box_).reset();
  vbar_->SetPosition(60);
  EXPECT_EQ(vbar_->Position(), 60);
  Pump();
}

TEST_F(TskSkinScrollBoxTest, HidingTheBoxHidesItsBars) {
  BuildPreview(false);
  box_->Hide();
  EXPECT_FALSE(hbar_->Visible());
  EXPECT_FALSE(vbar_->Visible());
  box_->Show();
  EXPECT_TRUE(hbar_->Visible());
  EXPECT_TRUE(vbar_->Visible());
}

}  // namespace

namespace {

TEST_F(TskSkinScrollBoxTest, AbsurdSkinGeometryDrawsLessButNeverBreaks) {
  const std::string h = skin_test::kHuge;
  const struct {
    const char* name;
    std::string keys;
  } cases[] = {
      {"huge frame", "pictureindex=0\nskinrect=0,0,24,24\nlefttoppoint=3,3\nrighttoppoint=21,3\nleftbottompoint=3,21\n"
                     "rightbottompoint=21,21\nclientrect=" + h + "," + h + ",0,0\n"},
      {"client outside", "pictureindex=0\nskinrect=0,0,24,24\nlefttoppoint=3,3\nrighttoppoint=21,3\n"
                         "leftbottompoint=3,21\nrightbottompoint=21,21\nclientrect=900,900," + h + "," + h + "\n"},
      {"no background", "pictureindex=0\nskinrect=0,0,24,24\nlefttoppoint=3,3\nrighttoppoint=21,3\n"
                        "leftbottompoint=3,21\nrightbottompoint=21,21\nclientrect=1,1,23,23\nbgpictureindex=" + h + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadFixture(skin_test::OneRecord("scrollbox", c.keys), {skin_test::CoordinatePicture(48, 24)});
    for (skin::SkinBorderStyle border : {skin::SkinBorderStyle::bvFrame, skin::SkinBorderStyle::bvNone}) {
      auto* box = Make<TskSkinScrollBox>("r", 10, 10, 100, 80);
      box->SetBorderStyle(border);
      const gfx::Rect client = box->ClientRect();
      EXPECT_GE(client.Width(), 0);
      EXPECT_GE(client.Height(), 0);
      auto* child = box->MakeChild<ui::WinControl>(form_);
      child->SetBounds(0, 0, 300, 300);
      Pump();
      form_->RemoveChild(box).reset();
    }
  }
}

}  // namespace
