// Popup levels: size and look from the skin or the default look, scroll markers and scrolling.
#include "skin/menus/TskSkinPopupWindow.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/KeyCodes.h"
#include "skin/data/SkinData.h"
#include "skin/menus/MenuTestEnv.h"
#include "ui/Control.h"
#include "ui/MenuItem.h"

namespace skin {
namespace {

using menu_test::MenuTest;

class TskSkinPopupWindowTest : public MenuTest {
 protected:
  TskSkinPopupWindow* Open(ui::MenuItem& root, TskSkinData* data, gfx::Point at = {150, 150}) {
    Engine().PopupItems(nullptr, data, false, &root, {at.x, at.y, at.x, at.y});
    Pump();
    return Level(0);
  }
  gfx::Color Pixel(TskSkinPopupWindow* w, gfx::Point window_point) {
    return w->FrameBuffer().Pixel(window_point.x, window_point.y);
  }
  // Whether any pixel of the rectangle (window coordinates) has the colour.
  bool AnyPixel(TskSkinPopupWindow* w, const gfx::Rect& r, gfx::Color c) {
    for (int32_t y = r.top; y < r.bottom; ++y) {
      for (int32_t x = r.left; x < r.right; ++x) {
        if (Pixel(w, {x, y}) == c) return true;
      }
    }
    return false;
  }
};

TEST_F(TskSkinPopupWindowTest, SkinnedItemsShowTheirStripsAndTheWindowTakesNoActivation) {
  ui::MenuItem root;
  root.Add("旋转90度");
  root.Add("水平翻转");
  root.AddSeparator();
  root.Add("恢复")->SetEnabled(false);
  TskSkinPopupWindow* w = Open(root, Skin());
  ASSERT_TRUE(w->Skinned());
  const TskDataSkinMenuItem* rec = Skin()->FirstObjectRecord<TskDataSkinMenuItem>();
  const gfx::Bitmap* objects = Skin()->ActivePicture(rec->activepictureindex);
  ASSERT_NE(objects, nullptr);
  // Item heights from the record: 20 for items, the divider's height for the separator.
  EXPECT_EQ(w->ItemObjects()[0].height, rec->skinrect.Height());
  EXPECT_EQ(w->ItemObjects()[2].height, rec->dividerrect.Height());
  const TskDataSkinPopupWindow& pr = Skin()->PopupWindow();
  const gfx::Bitmap* popup = Skin()->ActivePicture(pr.windowpictureindex);
  EXPECT_EQ(w->Height(), 3 * rec->skinrect.Height() + rec->dividerrect.Height() + popup->Height() - pr.itemsrect.Height());
  // The first item is highlighted on opening: the active strip; the second the normal one. The
  // point lies in the tiled middle of the strip, left of the caption.
  const gfx::Point local{rec->itemleftoffset + 2, 2};
  const gfx::Rect r0 = w->ItemObjects()[0].rect;
  const gfx::Rect r1 = w->ItemObjects()[1].rect;
  EXPECT_EQ(Pixel(w, {r0.left + local.x, r0.top + local.y}),
            objects->Pixel(rec->activeskinrect.left + local.x, rec->activeskinrect.top + local.y));
  EXPECT_EQ(Pixel(w, {r1.left + local.x, r1.top + local.y}),
            objects->Pixel(rec->skinrect.left + local.x, rec->skinrect.top + local.y));
  // Captions are drawn in the record's colours.
  EXPECT_TRUE(AnyPixel(w, r0, rec->activefontcolor));
  EXPECT_TRUE(AnyPixel(w, r1, rec->fontcolor));
  EXPECT_TRUE(AnyPixel(w, w->ItemObjects()[3].rect, rec->unenabledfontcolor));
  // A popup level never takes the activation from its form.
  EXPECT_EQ(backend_->ActiveSurface(), form_->Surface()->Id());
  EXPECT_EQ(backend_->SurfaceAt({w->Left() + 5, w->Top() + 5}), w->Surface()->Id());
}

TEST_F(TskSkinPopupWindowTest, DefaultLookWithoutASkin) {
  ui::MenuItem root;
  root.Add("One");
  root.Add("Two");
  root.AddSeparator();
  TskSkinPopupWindow* w = Open(root, nullptr);
  ASSERT_FALSE(w->Skinned());
  EXPECT_EQ(w->Height(), 2 * 20 + 4 + 4);
  EXPECT_EQ(w->CurrentItemsRect(), (gfx::Rect{2, 2, w->Width() - 2, w->Height() - 2}));
  const gfx::Rect r0 = w->ItemObjects()[0].rect;
  const gfx::Rect r1 = w->ItemObjects()[1].rect;
  EXPECT_EQ(Pixel(w, {r0.left + 3, r0.top + 3}), gfx::Rgb(182, 189, 210));  // the highlight
  EXPECT_EQ(Pixel(w, {r0.left, r0.top}), gfx::Rgb(0, 0, 128));
  EXPECT_EQ(Pixel(w, {r1.left + 3, r1.top + 3}), ui::kColorBtnFace);  // the glyph column
  EXPECT_EQ(Pixel(w, {r1.right - 3, r1.top + 3}), ui::kColorWindow);
  EXPECT_EQ(Pixel(w, {0, 0}), ui::kColorBtnShadow);
  // A skin whose popup record names no picture gives the default look as well.
  Engine().CloseAll();
  TskSkinData broken;
  resources::LoadEmbeddedSkin(broken);
  broken.PopupWindow().windowpictureindex = 99;
  EXPECT_FALSE(Open(root, &broken)->Skinned());
  Engine().CloseAll();
}

TEST_F(TskSkinPopupWindowTest, ATallMenuScrollsOneItemPerTickWhileThePointerRestsOnAMarker) {
  for (bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "skinned" : "default look");
    ui::MenuItem root;
    for (int i = 0; i < 3000; ++i) root.Add("Item " + std::to_string(i));
    TskSkinPopupWindow* w = Open(root, skinned ? Skin() : nullptr);
    const gfx::Rect work = Engine().WorkArea();
    ASSERT_TRUE(w->NeedsScroll());
    EXPECT_EQ(w->Top(), work.top);
    EXPECT_EQ(w->Height(), work.Height());
    EXPECT_EQ(w->FirstVisible(), 0);
    const int shown = w->VisibleItemCount();
    EXPECT_EQ(shown, (w->CurrentItemsRect().Height() - 2 * TskSkinPopupWindow::kScrollMarkerHeight) / 20);
    const gfx::Rect items = w->CurrentItemsRect();
    const gfx::Rect bottom_band{items.left, items.bottom - 10, items.right, items.bottom};
    const gfx::Rect top_band{items.left, items.top, items.right, items.top + 10};
    const gfx::Color normal = skinned ? Skin()->PopupWindow().scrollmarkercolor : ui::kColorBtnShadow;
    const gfx::Color active = skinned ? Skin()->PopupWindow().scrollmarkeractivecolor : ui::kColorBtnText;

    // Resting on the top marker at the top scrolls nothing.
    PointAt({w->Left() + items.left + 20, w->Top() + items.top + 5});
    Advance(300);
    EXPECT_EQ(w->FirstVisible(), 0);
    EXPECT_EQ(w->ScrollDirection(), 0);

    PointAt({w->Left() + items.left + 20, w->Top() + items.bottom - 5});
    EXPECT_EQ(w->ScrollDirection(), 2);
    for (int tick = 1; tick <= 3; ++tick) {
      Advance(TskSkinPopupWindow::kScrollIntervalMs);
      EXPECT_EQ(w->FirstVisible(), tick);
    }
    EXPECT_FALSE(w->ItemObjects()[0].visible);
    EXPECT_TRUE(AnyPixel(w, bottom_band, active));
    EXPECT_FALSE(AnyPixel(w, top_band, active));
    EXPECT_TRUE(AnyPixel(w, top_band, normal));
    // Leaving the marker stops the scrolling.
    PointAt(ItemCentre(0, 5));
    Advance(500);
    EXPECT_EQ(w->FirstVisible(), 3);
    EXPECT_EQ(w->ScrollDirection(), 0);
    EXPECT_FALSE(AnyPixel(w, bottom_band, active));
    // The top marker scrolls back and stops at the first item.
    PointAt({w->Left() + items.left + 20, w->Top() + items.top + 5});
    for (int tick = 0; tick < 5; ++tick) Advance(TskSkinPopupWindow::kScrollIntervalMs);
    EXPECT_EQ(w->FirstVisible(), 0);
    EXPECT_EQ(w->ScrollDirection(), 0);

    // Keys: Up from the first item wraps to the last page, Down from the last one to the top, and
    // passing the last shown item scrolls by one.
    Engine().CloseAll();
    w = Open(root, skinned ? Skin() : nullptr);
    ASSERT_EQ(w->HighlightIndex(), 0);
    Key(platform::kVkUp);
    EXPECT_EQ(w->HighlightIndex(), 2999);
    EXPECT_TRUE(w->ItemObjects()[2999].visible);
    EXPECT_EQ(w->FirstVisible(), 3000 - shown);
    Key(platform::kVkDown);
    EXPECT_EQ(w->HighlightIndex(), 0);
    EXPECT_EQ(w->FirstVisible(), 0);
    for (int i = 1; i < shown; ++i) Key(platform::kVkDown);
    EXPECT_EQ(w->FirstVisible(), 0);
    Key(platform::kVkDown);
    EXPECT_EQ(w->HighlightIndex(), shown);
    EXPECT_EQ(w->FirstVisible(), 1);
    Engine().CloseAll();
  }
}

TEST_F(TskSkinPopupWindowTest, ImagesChecksAndRadioMarksSitInTheGlyphColumn) {
  ui::MenuItem root;
  ui::MenuItem* checked = root.Add("Checked");
  checked->SetChecked(true);
  ui::MenuItem* radio_a = root.Add("Radio A");
  radio_a->SetRadioItem(true);
  ui::MenuItem* radio_b = root.Add("Radio B");
  radio_b->SetRadioItem(true);
  radio_b->SetChecked(true);
  radio_a->SetChecked(true);  // checking one radio item unchecks the others of its group
  EXPECT_FALSE(radio_b->Checked());
  root.Add("Plain");
  TskSkinPopupWindow* w = Open(root, nullptr);
  // Marks are drawn in the text colour inside the glyph column of the default look; the plain item
  // has none.
  auto column = [&](int i) {
    gfx::Rect r = w->ItemObjects()[i].rect;
    return gfx::Rect{r.left, r.top, r.left + w->GlyphColumnWidth(), r.bottom};
  };
  EXPECT_TRUE(AnyPixel(w, column(1), gfx::kBlack));
  EXPECT_FALSE(AnyPixel(w, column(2), gfx::kBlack));
  EXPECT_FALSE(AnyPixel(w, column(3), gfx::kBlack));
  // The highlighted first item draws its check mark on the highlight.
  EXPECT_TRUE(AnyPixel(w, column(0), gfx::kBlack));
}

}  // namespace
}  // namespace skin
