// The windowless skinned control base: sizing to the skin, painting on the parent, skin changes.
#include "skin/controls/TskGraphicSkinCustomControl.h"

#include <gtest/gtest.h>

#include "skin/controls/SkinControlTestEnv.h"

namespace {

using skin::TskGraphicSkinCustomControl;
using skin_test::SkinControlTest;

class TskGraphicSkinCustomControlTest : public SkinControlTest {
 protected:
  TskGraphicSkinCustomControl* Make(const char* name, int w, int h) {
    auto* c = form_->MakeChild<TskGraphicSkinCustomControl>(form_);
    c->SetSkinDataName(name);
    c->SetBounds(10, 10, w, h);
    c->SetSkinData(&skin_);
    return c;
  }
};

TEST_F(TskGraphicSkinCustomControlTest, SizesToTheSkinAndPaintsItsImageOnTheParent) {
  TskGraphicSkinCustomControl* c = Make("button", 75, 25);
  EXPECT_EQ(c->Width(), 75);
  EXPECT_EQ(c->Height(), 20);
  EXPECT_EQ(c->CurrentClientRect(), (gfx::Rect{7, 2, 68, 18}));
  EXPECT_EQ(PixelAt(*c, 30, 10), skin_.ActivePicture(0)->Pixel(3 + 30, 5 + 10));
  c->SetSkinData(nullptr);
  EXPECT_EQ(PixelAt(*c, 30, 10), ui::kColorBtnFace);
  c->SetDefaultWidth(40);
  EXPECT_EQ(c->Width(), 40);
}

TEST_F(TskGraphicSkinCustomControlTest, FollowsASkinLoadAndIsPlainWhileItRuns) {
  TskGraphicSkinCustomControl* c = Make("button", 75, 20);
  const gfx::Color skinned = PixelAt(*c, 30, 10);
  gfx::Color during = 0;
  ui::WindowProcFn saved = form_->WindowProc();
  form_->SetWindowProc([&](ui::Message& m) {
    saved(m);
    if (m.id == ui::kSkinMsgBeforeChange) {
      c->Repaint();
      during = backend_->ScreenPixel(ScreenPoint(*c, 30, 10));
    }
  });
  // A fixture skin whose "button" is a fixed 30 x 10 piece: the control takes its size on 1226.
  LoadFixture("[SKINCONTROLS]\ncount=1\n0=button:button\n[button]\npictureindex=0\nskinrect=0,0,30,10\n",
              {skin_test::CoordinatePicture(40, 40)});
  form_->SetWindowProc(saved);
  EXPECT_EQ(during, ui::kColorBtnFace);
  EXPECT_NE(skinned, during);
  EXPECT_EQ(c->Width(), 30);
  EXPECT_EQ(c->Height(), 10);
  EXPECT_EQ(PixelAt(*c, 29, 9), gfx::Rgb(29, 9, 77));
}

}  // namespace
