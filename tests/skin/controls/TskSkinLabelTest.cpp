// Labels and status panels: sizing to the text, where the text goes, and the status glyph.
#include "skin/controls/TskSkinLabel.h"

#include <gtest/gtest.h>

#include <string>

#include "gfx/Font.h"
#include "skin/controls/SkinControlTestEnv.h"

namespace {

using skin::TskSkinLabel;
using skin::TskSkinStatusPanel;
using skin_test::SkinControlTest;

class TskSkinLabelTest : public SkinControlTest {
 protected:
  template <class T = TskSkinLabel>
  T* Make(const std::string& caption, bool bind) {
    auto* l = form_->MakeChild<T>(form_);
    l->SetCaption(caption);
    if (bind) l->SetSkinData(&skin_);
    return l;
  }
};

TEST_F(TskSkinLabelTest, AutoSizeFitsTheWidthToTheText) {
  const std::string text = "Orvel个人版图片压缩";
  const int plain_text = gfx::Font("Arial", 14).TextWidth(text);
  const int skin_text = gfx::Font("Arial", 14, gfx::kFontBold).TextWidth(text);
  // "label": 24 wide, clientrect 7,2,17,19: the client is the width less 14.
  struct Case {
    const char* name;
    bool bind;
    bool auto_size;
    int width;
  };
  const Case cases[] = {
      {"plain", false, true, plain_text + 4},
      {"skinned", true, true, skin_text + 14},
      {"plain fixed", false, false, 75},
      {"skinned fixed", true, false, 75},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinLabel* l = Make("x", c.bind);
    EXPECT_EQ(l->Width(), 75);
    EXPECT_EQ(l->Height(), 21);
    l->SetAutoSize(c.auto_size);
    l->SetCaption(text);
    EXPECT_EQ(l->Width(), c.width);
  }
}

TEST_F(TskSkinLabelTest, AnAlignedLabelKeepsItsWidth) {
  TskSkinLabel* l = Make("x", false);
  l->SetAlign(ui::Align::kTop);
  const int w = l->Width();
  l->SetAutoSize(true);
  l->SetCaption("a much longer caption than the label");
  EXPECT_EQ(l->Width(), w);
}

TEST_F(TskSkinLabelTest, AFixedRecordTurnsAutoSizeOff) {
  LoadFixture("[SKINCONTROLS]\ncount=1\n0=label:label\n[label]\npictureindex=0\nskinrect=0,0,30,12\n",
              {skin_test::CoordinatePicture(40, 40)});
  TskSkinLabel* l = Make("x", false);
  l->SetAutoSize(true);
  l->SetSkinData(&skin_);
  EXPECT_FALSE(l->AutoSize());
  l->SetCaption("a much longer caption");
  EXPECT_EQ(l->Width(), 30);
}

TEST_F(TskSkinLabelTest, TextIsPlacedByItsAlignment) {
  // The text's first dark column in the plain look, inside (3, 3, w - 3, h - 3).
  struct Case {
    skin::Alignment alignment;
    int expected_left;  // -1: right-aligned, computed from the width
  };
  const std::string text = "MM";
  const int tw = gfx::Font("Arial", 14).TextWidth(text);
  for (auto [alignment, left] : {std::pair{skin::Alignment::taleftjustify, 3},
                                 std::pair{skin::Alignment::tacenter, 3 + 94 / 2 - tw / 2},
                                 std::pair{skin::Alignment::tarightjustify, 97 - tw}}) {
    SCOPED_TRACE(static_cast<int>(alignment));
    TskSkinLabel* l = Make(text, false);
    l->SetBorderStyle(skin::SkinBorderStyle::bvNone);
    l->SetBounds(0, 0, 100, 21);
    l->SetAlignment(alignment);
    Pump();
    int first = -1;
    for (int x = 0; x < 100 && first < 0; ++x) {
      for (int y = 0; y < 21; ++y) {
        if (gfx::Red(backend_->ScreenPixel(ScreenPoint(*l, x, y))) < 100) {
          first = x;
          break;
        }
      }
    }
    // The glyph's ink starts at most a pixel or two after its cell.
    EXPECT_GE(first, left);
    EXPECT_LE(first, left + 2);
  }
}

TEST_F(TskSkinLabelTest, AStatusPanelMakesRoomForItsGlyph) {
  // Blue squares on a magenta key (the bottom-left pixel), which stays transparent.
  gfx::Bitmap glyph(32, 16, 24);
  glyph.Fill(gfx::Rgb(255, 0, 255));
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 28; ++x) glyph.SetPixel(x, y, gfx::Rgb(0, 0, 200));
  TskSkinStatusPanel* p = Make<TskSkinStatusPanel>("加载文件", false);
  EXPECT_EQ(p->Width(), 120);
  p->SetGlyph(glyph);
  p->SetNumGlyphs(2);
  p->SetAutoSize(true);
  EXPECT_EQ(p->Width(), gfx::Font("Arial", 14).TextWidth("加载文件") + 4 + 16 + 3);
  // The first cell sits at x = 3, vertically centred: its square covers 7..14 across and 6..13 down.
  EXPECT_EQ(PixelAt(*p, 7, 6), gfx::Rgb(0, 0, 200));
  EXPECT_EQ(PixelAt(*p, 18, 13), gfx::Rgb(0, 0, 200));
  EXPECT_EQ(PixelAt(*p, 5, 10), ui::kColorBtnFace);
  EXPECT_NE(PixelAt(*p, 19, 10), gfx::Rgb(0, 0, 200));
  // Without AutoSize the width stays whatever the text.
  TskSkinStatusPanel* fixed = Make<TskSkinStatusPanel>("x", true);
  fixed->SetCaption("a much longer caption than one hundred and twenty pixels");
  EXPECT_EQ(fixed->Width(), 120);
}

}  // namespace
