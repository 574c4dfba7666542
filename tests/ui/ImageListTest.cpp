// The image list: cutting pictures into cells, masks, and enabled and greyed drawing.
#include "ui/ImageList.h"

#include <gtest/gtest.h>

#include "gfx/Canvas.h"
#include "ui/Control.h"

namespace {

constexpr gfx::Color kRed = gfx::Rgb(255, 0, 0);
constexpr gfx::Color kBlue = gfx::Rgb(0, 0, 255);
constexpr gfx::Color kMagenta = gfx::Rgb(255, 0, 255);
constexpr gfx::Color kGround = gfx::Rgb(10, 20, 30);

gfx::Bitmap Picture(int w, int h, gfx::Color c) {
  gfx::Bitmap b(w, h, 24);
  b.Fill(c);
  return b;
}

gfx::Bitmap Drawn(const ui::ImageList& list, int index, bool enabled, int w = 8, int h = 8) {
  gfx::Bitmap out = Picture(w, h, kGround);
  gfx::Canvas canvas(out);
  list.Draw(canvas, 1, 1, index, enabled);
  return out;
}

struct CutCase {
  const char* name;
  int picture_w, picture_h;
  int first_index;  // what Add answers on an empty 4 x 3 list
  int count;
};

TEST(ImageListTest, CutsPicturesIntoWholeCells) {
  const CutCase cases[] = {
      {"one cell", 4, 3, 0, 1},
      {"three cells", 12, 3, 0, 3},
      {"a narrow last cell is dropped", 10, 3, 0, 2},
      {"narrower than a cell", 3, 3, -1, 0},
      {"lower than a cell", 8, 2, 0, 2},
      {"empty", 0, 0, -1, 0},
  };
  for (const CutCase& c : cases) {
    ui::ImageList list(4, 3);
    gfx::Bitmap picture = c.picture_w > 0 ? Picture(c.picture_w, c.picture_h, kRed) : gfx::Bitmap();
    EXPECT_EQ(list.Add(picture), c.first_index) << c.name;
    EXPECT_EQ(list.Count(), c.count) << c.name;
  }
}

TEST(ImageListTest, CellsKeepTheirOwnPixelsAndMasks) {
  ui::ImageList list(2, 2);
  gfx::Bitmap strip = Picture(4, 2, kMagenta);
  strip.SetPixel(0, 0, kRed);   // first cell: one red pixel, the rest transparent
  strip.SetPixel(2, 1, kBlue);  // second cell: one blue pixel
  EXPECT_EQ(list.AddMasked(strip, kMagenta), 0);
  EXPECT_EQ(list.Add(Picture(2, 2, kMagenta)), 2);  // unmasked: magenta is solid here
  ASSERT_EQ(list.Count(), 3);
  EXPECT_TRUE(list.IsSolid(0, 0, 0));
  EXPECT_FALSE(list.IsSolid(0, 1, 0));
  EXPECT_TRUE(list.IsSolid(1, 0, 1));
  EXPECT_FALSE(list.IsSolid(1, 0, 0));
  EXPECT_TRUE(list.IsSolid(2, 1, 1));

  gfx::Bitmap second = Drawn(list, 1, true);
  EXPECT_EQ(second.Pixel(1, 2), kBlue);
  EXPECT_EQ(second.Pixel(1, 1), kGround);  // transparent pixel leaves the background
  EXPECT_EQ(second.Pixel(2, 2), kGround);
  EXPECT_EQ(Drawn(list, 2, true).Pixel(2, 2), kMagenta);
}

TEST(ImageListTest, ALowPictureLeavesTheLowerRowsTransparent) {
  ui::ImageList list(2, 3);
  list.Add(Picture(2, 1, kRed));
  gfx::Bitmap out = Drawn(list, 0, true);
  EXPECT_EQ(out.Pixel(1, 1), kRed);
  EXPECT_EQ(out.Pixel(1, 2), kGround);
  EXPECT_EQ(out.Pixel(1, 3), kGround);
}

TEST(ImageListTest, GreyedImagesEmbossTheirInk) {
  ui::ImageList list(3, 3);
  gfx::Bitmap pic = Picture(3, 3, kMagenta);
  pic.SetPixel(0, 0, kBlue);          // ink
  pic.SetPixel(1, 0, gfx::kWhite);    // solid but not ink
  list.AddMasked(pic, kMagenta);
  gfx::Bitmap out = Drawn(list, 0, false);
  EXPECT_EQ(out.Pixel(1, 1), ui::kColorBtnShadow);     // the ink in place
  EXPECT_EQ(out.Pixel(2, 2), ui::kColorBtnHighlight);  // its highlight one pixel down and right
  EXPECT_EQ(out.Pixel(2, 1), kGround);                 // white pixels leave no mark
  EXPECT_EQ(out.Pixel(3, 3), kGround);
}

TEST(ImageListTest, InvalidIndexesDrawNothing) {
  ui::ImageList list(2, 2);
  list.Add(Picture(2, 2, kRed));
  const gfx::Bitmap untouched = Picture(8, 8, kGround);
  for (int index : {-1, 1, 100}) {
    EXPECT_EQ(Drawn(list, index, true), untouched) << index;
    EXPECT_EQ(Drawn(list, index, false), untouched) << index;
    EXPECT_TRUE(list.GetBitmap(index, kMagenta).IsEmpty()) << index;
    EXPECT_FALSE(list.IsSolid(index, 0, 0)) << index;
  }
  EXPECT_FALSE(list.IsSolid(0, 2, 0));
  EXPECT_FALSE(list.IsSolid(0, -1, 0));
}

TEST(ImageListTest, DrawingIsClippedToTheCanvas) {
  ui::ImageList list(4, 4);
  list.Add(Picture(4, 4, kRed));
  gfx::Bitmap out = Picture(3, 3, kGround);
  gfx::Canvas canvas(out);
  for (gfx::Point at : {gfx::Point{-2, -2}, gfx::Point{2, 2}, gfx::Point{-10, 50}}) {
    list.Draw(canvas, at.x, at.y, 0, true);
    list.Draw(canvas, at.x, at.y, 0, false);
  }
  EXPECT_EQ(out.Pixel(0, 0), ui::kColorBtnShadow);
  EXPECT_EQ(out.Pixel(2, 2), ui::kColorBtnShadow);
}

TEST(ImageListTest, GetBitmapPutsTheImageOnTheBackground) {
  ui::ImageList list(2, 1);
  gfx::Bitmap pic = Picture(2, 1, kMagenta);
  pic.SetPixel(1, 0, kBlue);
  list.AddMasked(pic, kMagenta);
  gfx::Bitmap b = list.GetBitmap(0, kRed);
  ASSERT_EQ(b.Width(), 2);
  ASSERT_EQ(b.Height(), 1);
  EXPECT_EQ(b.Pixel(0, 0), kRed);
  EXPECT_EQ(b.Pixel(1, 0), kBlue);
}

TEST(ImageListTest, ChangesAreAnnounced) {
  ui::ImageList list(2, 2);
  int changes = 0;
  list.OnChange = [&](ui::Component*) { ++changes; };
  list.Add(Picture(4, 2, kRed));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(list.ReplaceMasked(1, Picture(2, 2, kBlue), kMagenta));
  EXPECT_EQ(Drawn(list, 1, true).Pixel(1, 1), kBlue);
  EXPECT_FALSE(list.ReplaceMasked(2, Picture(2, 2, kBlue), kMagenta));
  list.Delete(0);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(Drawn(list, 0, true).Pixel(1, 1), kBlue);
  list.SetSize(3, 3);  // a new size drops the images
  EXPECT_EQ(list.Count(), 0);
  list.Clear();  // nothing left to clear: no announcement
  EXPECT_EQ(changes, 4);
}

}  // namespace
