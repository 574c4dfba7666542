// The windowed skinned control base: record lookup, sizing to the skin, painting, shape and skin changes.
#include "skin/controls/TskSkinCustomControl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Canvas.h"
#include "skin/controls/SkinControlTestEnv.h"

namespace {

using skin::SkinSizingKind;
using skin::TskSkinCustomControl;
using skin_test::SkinControlTest;

class TskSkinCustomControlTest : public SkinControlTest {
 protected:
  TskSkinCustomControl* Make(const std::string& name, int w, int h, bool bind = true) {
    auto* c = form_->MakeChild<TskSkinCustomControl>(form_);
    c->SetSkinDataName(name);
    c->SetBounds(10, 10, w, h);
    if (bind) c->SetSkinData(&skin_);
    return c;
  }
  gfx::Color Picture0(int32_t x, int32_t y) const { return skin_.ActivePicture(0)->Pixel(x, y); }
};

TEST_F(TskSkinCustomControlTest, SizingKindsOfTheProgramSkin) {
  struct Case {
    const char* name;
    SkinSizingKind sizing;
  };
  const Case cases[] = {
      {"button", SkinSizingKind::kHorizontal},   {"checkbox", SkinSizingKind::kHorizontal},
      {"htrackbar", SkinSizingKind::kHorizontal}, {"trackbar", SkinSizingKind::kVertical},
      {"panel", SkinSizingKind::kNinePart},       {"expanel", SkinSizingKind::kNinePart},
      {"scrollbox", SkinSizingKind::kNinePart},   {"nosuchrecord", SkinSizingKind::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinCustomControl* control = Make(c.name, 50, 50);
    EXPECT_EQ(control->SkinSizing(), c.sizing);
  }
}

TEST_F(TskSkinCustomControlTest, RequestedSizesFollowTheSkin) {
  struct Case {
    const char* name;
    int asked_w, asked_h;
    int w, h;
    gfx::Rect client;
  };
  const Case cases[] = {
      // "button" 3,5,63,25 with points 12,9 / 46,10: the height stays 20, the client widens by 15.
      {"button", 75, 25, 75, 20, {7, 2, 68, 18}},
      {"button", 120, 40, 120, 20, {7, 2, 113, 18}},
      // "trackbar" 81,28,96,106 is vertical: the width stays 15.
      {"trackbar", 40, 120, 15, 120, {0, 0, 0, 0}},
      // "panel" is nine-part: any size, the client grows both ways.
      {"panel", 150, 150, 150, 150, {1, 1, 149, 149}},
      // Without a record nothing is changed.
      {"nosuchrecord", 33, 44, 33, 44, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + std::string(" ") + std::to_string(c.asked_w));
    TskSkinCustomControl* control = Make(c.name, 10, 10);
    control->SetBounds(5, 6, c.asked_w, c.asked_h);
    EXPECT_EQ(control->Width(), c.w);
    EXPECT_EQ(control->Height(), c.h);
    EXPECT_EQ(control->Left(), 5);
    if (c.client != gfx::Rect{}) {
      EXPECT_EQ(control->CurrentClientRect(), c.client);
    }
  }
}

TEST_F(TskSkinCustomControlTest, BindingAppliesTheSkinSizeAtOnce) {
  TskSkinCustomControl* button = Make("button", 75, 25, false);
  EXPECT_EQ(button->Height(), 25);
  button->SetSkinData(&skin_);
  EXPECT_EQ(button->Height(), 20);
  EXPECT_EQ(button->Width(), 75);
}

TEST_F(TskSkinCustomControlTest, AFixedRecordForcesTheSkinSize) {
  LoadFixture("[SKINCONTROLS]\ncount=1\n0=fixed:panel\n[fixed]\npictureindex=0\nskinrect=2,3,32,13\n",
              {skin_test::CoordinatePicture(40, 20)});
  TskSkinCustomControl* c = Make("fixed", 100, 100);
  EXPECT_EQ(c->SkinSizing(), SkinSizingKind::kFixed);
  EXPECT_EQ(c->Width(), 30);
  EXPECT_EQ(c->Height(), 10);
  c->SetBounds(0, 0, 5, 500);
  EXPECT_EQ(c->Width(), 30);
  EXPECT_EQ(c->Height(), 10);
  // The image is the skin rectangle copied 1:1.
  EXPECT_EQ(PixelAt(*c, 0, 0), gfx::Rgb(2, 3, 77));
  EXPECT_EQ(PixelAt(*c, 29, 9), gfx::Rgb(31, 12, 77));
}

TEST_F(TskSkinCustomControlTest, DefaultSizeAppliesOnlyWithoutARecord) {
  TskSkinCustomControl* plain = Make("nosuchrecord", 50, 50);
  plain->SetDefaultHeight(21);
  EXPECT_EQ(plain->Height(), 21);
  plain->SetDefaultWidth(0);
  EXPECT_EQ(plain->Width(), 50);

  TskSkinCustomControl* skinned = Make("panel", 50, 50);
  skinned->SetDefaultHeight(21);
  EXPECT_EQ(skinned->Height(), 50);
  EXPECT_EQ(skinned->DefaultHeight(), 21);
  // A skin change to one without the record brings the default size in.
  skinned->SetSkinDataName("gone");
  skinned->ApplySkin();
  EXPECT_EQ(skinned->Height(), 21);
}

TEST_F(TskSkinCustomControlTest, ANameChangeShowsAtTheNextPaintAndSizesAtTheNextResize) {
  TskSkinCustomControl* c = Make("panel", 75, 25);
  c->SetSkinDataName("button");
  EXPECT_EQ(c->Height(), 25);
  PixelAt(*c, 0, 0);  // a paint
  EXPECT_EQ(c->Height(), 25);
  c->SetBounds(c->Left(), c->Top(), 76, 25);
  EXPECT_EQ(c->Height(), 20);
}

// The button's image at 75 wide: the left end (12 columns) and the right end (60 - 46 = 14 columns)
// copied, the middle tiled from the skin rectangle's column 12 on.
TEST_F(TskSkinCustomControlTest, AHorizontalImageKeepsItsEndsAndTilesItsMiddle) {
  TskSkinCustomControl* c = Make("button", 75, 20);
  struct Case {
    int x, y;
    int src_x, src_y;  // in the skin rectangle
  };
  const Case cases[] = {
      {4, 4, 4, 4}, {11, 10, 11, 10}, {12, 5, 12, 5}, {45, 7, 45, 7},
      {46, 7, 12, 7},  // the middle (34 columns) starts again
      {70, 15, 55, 15}, {61, 3, 46, 3},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.x) + "," + std::to_string(k.y));
    EXPECT_EQ(PixelAt(*c, k.x, k.y), Picture0(3 + k.src_x, 5 + k.src_y));
  }
}

TEST_F(TskSkinCustomControlTest, PlainLookWithoutARecordOrAfterTheSkinDataIsGone) {
  TskSkinCustomControl* c = Make("button", 75, 20);
  ASSERT_EQ(PixelAt(*c, 30, 10), Picture0(3 + 30, 5 + 10));
  c->SetSkinData(nullptr);
  EXPECT_EQ(PixelAt(*c, 30, 10), ui::kColorBtnFace);
  EXPECT_EQ(c->RecordIndex(), TskSkinCustomControl::kNoRecord);

  // The skin data object destroyed under a bound control: the control forgets it.
  auto data = std::make_unique<skin::TskSkinData>();
  resources::LoadEmbeddedSkin(*data);
  c->SetSkinData(data.get());
  EXPECT_NE(PixelAt(*c, 30, 10), ui::kColorBtnFace);
  data.reset();
  EXPECT_EQ(c->SkinData(), nullptr);
  EXPECT_EQ(PixelAt(*c, 30, 10), ui::kColorBtnFace);
}

TEST_F(TskSkinCustomControlTest, APaintBetweenTheTwoSkinChangesIsPlain) {
  TskSkinCustomControl* c = Make("button", 75, 20);
  const gfx::Color skinned = PixelAt(*c, 30, 10);
  ASSERT_NE(skinned, ui::kColorBtnFace);
  std::vector<gfx::Color> seen;
  ui::WindowProcFn saved = form_->WindowProc();
  form_->SetWindowProc([&](ui::Message& m) {
    saved(m);
    if (m.id == ui::kSkinMsgBeforeChange) {
      EXPECT_EQ(c->RecordIndex(), TskSkinCustomControl::kNoRecord);
      c->Repaint();
      seen.push_back(backend_->ScreenPixel(ScreenPoint(*c, 30, 10)));
    }
  });
  resources::LoadEmbeddedSkin(skin_);
  form_->SetWindowProc(saved);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], ui::kColorBtnFace);
  EXPECT_NE(c->RecordIndex(), TskSkinCustomControl::kNoRecord);
  EXPECT_EQ(PixelAt(*c, 30, 10), skinned);
}

TEST_F(TskSkinCustomControlTest, ASkinChangeOfAnotherSkinDataLeavesTheControlAlone) {
  TskSkinCustomControl* c = Make("button", 75, 20);
  skin::TskSkinData other;
  c->SkinMessageBeforeChange(&other);
  EXPECT_NE(c->RecordIndex(), TskSkinCustomControl::kNoRecord);
  c->SkinMessageBeforeChange(nullptr);
  EXPECT_EQ(c->RecordIndex(), TskSkinCustomControl::kNoRecord);
  c->SkinMessageChange(&skin_);
  EXPECT_NE(c->RecordIndex(), TskSkinCustomControl::kNoRecord);
}

TEST_F(TskSkinCustomControlTest, AnEmptyControlPaintsNothing) {
  TskSkinCustomControl* c = Make("button", 0, 0);
  gfx::Bitmap b(4, 4, 24);
  b.Fill(gfx::Rgb(9, 9, 9));
  gfx::Canvas canvas(b);
  c->SetBounds(0, 0, 0, 20);
  c->Send(ui::Message::MakeCanvas(ui::kMsgPaint, canvas));
  EXPECT_EQ(b.Pixel(0, 0), gfx::Rgb(9, 9, 9));
}

TEST_F(TskSkinCustomControlTest, TheMaskShapesTheControlAtEverySize) {
  TskSkinCustomControl* c = Make("button", 75, 20);
  ASSERT_NE(c->Shape(), nullptr);
  const gfx::Region at75 = *c->Shape();
  EXPECT_FALSE(at75.IsEmpty());
  EXPECT_LE(at75.Bounds().right, 75);
  c->SetBounds(10, 10, 140, 20);
  ASSERT_NE(c->Shape(), nullptr);
  EXPECT_GT(c->Shape()->Bounds().right, 75);
  EXPECT_LE(c->Shape()->Bounds().right, 140);
  // Without the record the control is a rectangle again.
  c->SetSkinData(nullptr);
  c->ApplySkin();
  EXPECT_EQ(c->Shape(), nullptr);
}

TEST_F(TskSkinCustomControlTest, AClickOutsideTheShapeReachesTheControlBelow) {
  TskSkinCustomControl* below = Make("nosuchrecord", 200, 100);
  TskSkinCustomControl* button = Make("button", 75, 20);
  int below_clicks = 0, button_clicks = 0;
  below->OnClick = [&](ui::Component*) { ++below_clicks; };
  button->OnClick = [&](ui::Component*) { ++button_clicks; };
  Pump();
  ASSERT_FALSE(button->Shape()->Contains({0, 0}));
  backend_->Click(ScreenPoint(*button, 0, 0));
  Pump();
  EXPECT_EQ(below_clicks, 1);
  EXPECT_EQ(button_clicks, 0);
  backend_->Click(ScreenPoint(*button, 37, 10));
  Pump();
  EXPECT_EQ(below_clicks, 1);
  EXPECT_EQ(button_clicks, 1);
}

TEST_F(TskSkinCustomControlTest, ARecordOfAnotherFamilyKeepsTheSizeAndLooksPlain) {
  // "stdlabel" is a record without nine-part geometry.
  TskSkinCustomControl* c = Make("stdlabel", 64, 33);
  EXPECT_NE(c->RecordIndex(), TskSkinCustomControl::kNoRecord);
  c->SetBounds(0, 0, 65, 34);
  EXPECT_EQ(c->Width(), 65);
  EXPECT_EQ(c->Height(), 34);
  EXPECT_EQ(PixelAt(*c, 5, 5), ui::kColorBtnFace);
}

TEST_F(TskSkinCustomControlTest, MissingPicturesGiveThePlainLook) {
  const std::string records =
      "[SKINCONTROLS]\ncount=3\n0=nopicture:button\n1=pastend:button\n2=emptyrect:button\n"
      "[nopicture]\npictureindex=-1\nskinrect=0,0,20,10\nlefttoppoint=5,5\nrighttoppoint=15,5\n"
      "[pastend]\npictureindex=3\nmaskpictureindex=7\nskinrect=0,0,20,10\nlefttoppoint=5,5\nrighttoppoint=15,5\n"
      "[emptyrect]\npictureindex=0\nskinrect=10,10,10,30\n";
  LoadFixture(records, {skin_test::CoordinatePicture(40, 40)});
  for (const char* name : {"nopicture", "pastend", "emptyrect"}) {
    SCOPED_TRACE(name);
    TskSkinCustomControl* c = Make(name, 50, 30);
    EXPECT_EQ(PixelAt(*c, 25, 5), ui::kColorBtnFace);
    EXPECT_EQ(c->Shape(), nullptr);
  }
}

TEST_F(TskSkinCustomControlTest, APiecePartlyOutsideItsPictureIsClipped) {
  // A 10 x 10 picture and a fixed 20 x 20 rectangle from (5, 5): only its top-left quarter exists.
  LoadFixture("[SKINCONTROLS]\ncount=1\n0=over:panel\n[over]\npictureindex=0\nskinrect=5,5,25,25\n",
              {skin_test::CoordinatePicture(10, 10)});
  TskSkinCustomControl* c = Make("over", 1, 1);
  EXPECT_EQ(c->Width(), 20);
  EXPECT_EQ(PixelAt(*c, 0, 0), gfx::Rgb(5, 5, 77));
  EXPECT_EQ(PixelAt(*c, 4, 4), gfx::Rgb(9, 9, 77));
  EXPECT_EQ(PixelAt(*c, 5, 5), gfx::kBlack);
  EXPECT_EQ(PixelAt(*c, 19, 0), gfx::kBlack);
}

// Damaged geometry draws less or the plain look, at a sane size, and never reads outside a picture.
TEST_F(TskSkinCustomControlTest, AbsurdGeometryNeverBreaksTheControl) {
  const std::string records =
      "[SKINCONTROLS]\ncount=7\n0=a:button\n1=b:button\n2=c:panel\n3=d:panel\n4=e:button\n5=f:panel\n6=g:button\n"
      // corner points far outside the skin rectangle
      "[a]\npictureindex=0\nmaskpictureindex=1\nskinrect=0,0,20,10\nlefttoppoint=500,9\nrighttoppoint=900,1\n"
      "clientrect=30,40,2,1\n"
      // the right point left of the left one
      "[b]\npictureindex=0\nmaskpictureindex=1\nskinrect=0,0,20,10\nlefttoppoint=15,5\nrighttoppoint=3,5\n"
      // nine-part with every point outside and a client turned inside out
      "[c]\npictureindex=0\nmaskpictureindex=1\nskinrect=0,0,20,20\nlefttoppoint=90,90\nrighttoppoint=1,90\n"
      "leftbottompoint=90,1\nrightbottompoint=2,2\nclientrect=19,19,1,1\n"
      // a huge skin rectangle
      "[d]\npictureindex=0\nskinrect=0,0,2000000000,2000000000\n"
      // zero-sized pieces
      "[e]\npictureindex=0\nmaskpictureindex=1\nskinrect=0,0,1,10\nlefttoppoint=1,1\nrighttoppoint=1,1\n"
      // a skin rectangle wholly outside its picture
      "[f]\npictureindex=0\nskinrect=100,100,120,120\n"
      // a mask smaller than the pieces it is cut by
      "[g]\npictureindex=0\nmaskpictureindex=2\nskinrect=0,0,30,12\nlefttoppoint=10,5\nrighttoppoint=20,5\n"
      "clientrect=2,2,28,10\n";
  gfx::Bitmap mask(20, 20, 24);
  LoadFixture(records, {skin_test::CoordinatePicture(40, 40), mask, gfx::Bitmap(3, 2, 24)});
  for (const char* name : {"a", "b", "c", "d", "e", "f", "g"}) {
    SCOPED_TRACE(name);
    TskSkinCustomControl* c = Make(name, 60, 30);
    for (gfx::Size s : {gfx::Size{1, 1}, gfx::Size{3, 200}, gfx::Size{300, 4}, gfx::Size{60, 30}}) {
      c->SetBounds(0, 0, s.width, s.height);
      PixelAt(*c, 0, 0);
    }
    EXPECT_LE(c->Width(), 300);
    EXPECT_LE(c->Height(), 200);
  }
  TskSkinCustomControl* outside = Make("f", 60, 30);
  EXPECT_EQ(PixelAt(*outside, 5, 5), ui::kColorBtnFace);
  TskSkinCustomControl* huge = Make("d", 60, 30);
  EXPECT_EQ(huge->Width(), 60);
  EXPECT_EQ(PixelAt(*huge, 5, 5), ui::kColorBtnFace);
}

}  // namespace
