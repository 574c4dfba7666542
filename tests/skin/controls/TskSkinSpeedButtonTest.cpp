// The skinned speed button driven by real input: images, clicks without focus, groups, the flat
// and see-through looks, a tool bar's image lists, and a repeat stopped by a disable or a destroy.
#include "skin/controls/TskSkinSpeedButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/PlainLook.h"
#include "skin/controls/SkinControlTestEnv.h"
#include "skin/controls/ToolBarImages.h"
#include "ui/ImageList.h"
#include "ui/Panel.h"

namespace {

using skin::TskSkinSpeedButton;
using skin_test::SkinControlTest;

// A parent that lends its image lists, as a tool bar does.
class ImageBar : public ui::Panel, public skin::ToolBarImages {
 public:
  ui::ImageList* Images() const override { return images; }
  ui::ImageList* HotImages() const override { return hot; }
  ui::ImageList* DisabledImages() const override { return disabled; }
  ui::ImageList* images = nullptr;
  ui::ImageList* hot = nullptr;
  ui::ImageList* disabled = nullptr;
};

class SpeedButtonTest : public SkinControlTest {
 protected:
  TskSkinSpeedButton* Make(const std::string& name, bool skinned = true, ui::WinControl* parent = nullptr) {
    if (parent == nullptr) parent = form_;
    auto* b = parent->MakeChild<TskSkinSpeedButton>(form_);
    b->SetName(name);
    b->SetBounds(20 + 30 * static_cast<int>(parent->ChildCount() - 1), 20, 25, 25);
    if (skinned) b->SetSkinData(&skin_);
    b->OnClick = [this, name](ui::Component*) { clicks_.push_back(name); };
    return b;
  }
  void Run(uint64_t ms) {
    for (uint64_t t = 0; t < ms; t += 10) Advance(10);
  }
  void MoveTo(const ui::Control& c, int x, int y) {
    backend_->InjectMouseMove(ScreenPoint(c, x, y));
    Pump();
  }
  void Press(const ui::Control& c, int x = 12, int y = 12) {
    MoveTo(c, x, y);
    backend_->InjectMouseDown(ScreenPoint(c, x, y));
    Pump();
  }
  void Release(const ui::Control& c, int x = 12, int y = 12) {
    backend_->InjectMouseUp(ScreenPoint(c, x, y));
    Pump();
  }
  gfx::Color Skin(int x, int y) const { return skin_.ActivePicture(0)->Pixel(x, y); }

  std::vector<std::string> clicks_;
};

TEST_F(SpeedButtonTest, ClicksWithoutTakingTheFocus) {
  TskSkinSpeedButton* b = Make("zoom");
  auto* field = form_->MakeChild<ui::WinControl>(form_);
  field->SetBounds(200, 100, 30, 20);
  field->SetFocus();
  Press(*b);
  EXPECT_TRUE(b->Down());
  Release(*b);
  Press(*b);
  Release(*b, 100, 12);  // released away from it
  EXPECT_EQ(clicks_, std::vector<std::string>{"zoom"});
  EXPECT_EQ(form_->ActiveControl(), field);
  EXPECT_FALSE(b->Down());
}

TEST_F(SpeedButtonTest, TheToolButtonRecordShowsNormalHotAndDownImages) {
  TskSkinSpeedButton* b = Make("tool");
  EXPECT_EQ(b->Width(), 25);
  EXPECT_EQ(b->Height(), 25);
  EXPECT_EQ(PixelAt(*b, 2, 2), Skin(67, 3));
  MoveTo(*b, 12, 12);
  Run(250);
  EXPECT_EQ(PixelAt(*b, 2, 2), Skin(94, 3));
  Press(*b);
  EXPECT_EQ(PixelAt(*b, 2, 2), Skin(216, 3));
  Release(*b);
}

TEST_F(SpeedButtonTest, GroupButtonsReleaseEachOther) {
  TskSkinSpeedButton* a = Make("a");
  TskSkinSpeedButton* b = Make("b");
  for (TskSkinSpeedButton* s : {a, b}) s->SetGroupIndex(3);
  Press(*a);
  Release(*a);
  Press(*b);
  Release(*b);
  Press(*b);
  Release(*b);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicks_, (std::vector<std::string>{"a", "b"}));
}

TEST_F(SpeedButtonTest, AFlatButtonShowsItsParentUntilHotOrDown) {
  struct Case {
    const char* name;
    bool skinned;
    gfx::Color rest, hot, down;
  };
  const gfx::Color form_colour = gfx::Rgb(1, 2, 3);
  const Case cases[] = {
      {"skinned", true, form_colour, Skin(94, 3), Skin(216, 3)},
      {"plain", false, form_colour, skin::kPlainHotFill, skin::kPlainPressedFill},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinSpeedButton* b = Make(c.name, c.skinned);
    b->SetFlat(true);
    EXPECT_TRUE(b->Transparent());
    EXPECT_FALSE(b->Opaque());
    EXPECT_EQ(PixelAt(*b, 2, 2), c.rest);
    MoveTo(*b, 12, 12);
    EXPECT_DOUBLE_EQ(b->MorphFactor(), 0.0);  // a see-through button does not fade
    EXPECT_EQ(PixelAt(*b, 2, 2), c.hot);
    Press(*b);
    EXPECT_EQ(PixelAt(*b, 2, 2), c.down);
    Release(*b);
    MoveTo(*b, 200, 200);
    EXPECT_EQ(PixelAt(*b, 2, 2), c.rest);
  }
}

ui::ImageList* SolidList(ui::Component& owner, gfx::Color c) {
  auto* list = owner.Make<ui::ImageList>(8, 8);
  gfx::Bitmap pic(8, 8, 24);
  pic.Fill(c);
  list->Add(pic);
  return list;
}

TEST_F(SpeedButtonTest, OnAToolBarAButtonWithoutGlyphShowsTheBarsImages) {
  const gfx::Color red = gfx::Rgb(200, 0, 0), green = gfx::Rgb(0, 200, 0), blue = gfx::Rgb(0, 0, 200);
  auto* bar = form_->MakeChild<ImageBar>(form_);
  bar->SetBounds(0, 0, 300, 60);
  bar->images = SolidList(*form_, red);
  bar->hot = SolidList(*form_, green);
  bar->disabled = SolidList(*form_, blue);
  for (bool skinned : {true, false}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    TskSkinSpeedButton* b = Make("img", skinned, bar);
    // The image is centred: (25 - 8 - 1) div 2 ... its top-left at 12 - (8 + 1) div 2 = 8.
    EXPECT_EQ(PixelAt(*b, 9, 9), red);
    MoveTo(*b, 20, 20);
    Run(250);
    EXPECT_EQ(PixelAt(*b, 9, 9), green);
    MoveTo(*b, 200, 200);
    b->SetEnabled(false);
    EXPECT_EQ(PixelAt(*b, 9, 9), blue);
    ui::ImageList* disabled = bar->disabled;
    bar->disabled = nullptr;  // without a disabled list the normal image is greyed
    b->Invalidate();
    EXPECT_EQ(PixelAt(*b, 9, 9), ui::kColorBtnShadow);
    bar->disabled = disabled;
    gfx::Bitmap glyph(4, 4, 24);
    glyph.Fill(gfx::Rgb(9, 9, 9));
    b->SetEnabled(true);
    b->SetGlyph(glyph);  // its own glyph wins
    EXPECT_NE(PixelAt(*b, 9, 9), red);
  }
}

TEST_F(SpeedButtonTest, ShowCaptionTakesTheWidthForEitherCase) {
  TskSkinSpeedButton* b = Make("cap", false);
  b->SetCaption("工具");
  b->SetShowCaption(false);
  EXPECT_EQ(b->Width(), 25);  // no widths set: only a repaint
  b->SetWidthWithCaption(60);
  b->SetWidthWithoutCaption(25);
  b->SetShowCaption(true);
  EXPECT_EQ(b->Width(), 60);
  b->SetShowCaption(false);
  EXPECT_EQ(b->Width(), 25);
}

TEST_F(SpeedButtonTest, AHeldRepeatStopsWhenTheButtonIsDisabledOrDestroysItself) {
  for (bool destroy : {false, true}) {
    SCOPED_TRACE(destroy ? "destroyed by its click" : "disabled");
    clicks_.clear();
    TskSkinSpeedButton* b = Make("held");
    b->SetRepeatMode(true);
    if (destroy) {
      b->OnClick = [this](ui::Component* sender) {
        clicks_.push_back("held");
        std::unique_ptr<ui::Control> gone = form_->RemoveChild(static_cast<ui::Control*>(sender));
      };
    }
    Press(*b);
    Run(150);
    ASSERT_EQ(clicks_.size(), 1u);
    if (!destroy) b->SetEnabled(false);
    Pump();
    EXPECT_EQ(app_->CaptureControl(), nullptr);
    Run(400);
    backend_->InjectMouseUp(ScreenPoint(*form_, 5, 5));
    Pump();
    EXPECT_EQ(clicks_.size(), 1u);
    if (!destroy) {
      EXPECT_FALSE(b->Down());
      std::unique_ptr<ui::Control> gone = form_->RemoveChild(b);
    }
  }
}

}  // namespace
