// The see-through background: what the parent is asked to do and in which coordinates.
#include "skin/render/ParentBackground.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Canvas.h"

namespace skin {
namespace {

// A parent that fills its whole client area in one colour and its background in another, and
// records what it was asked for.
class FakeParent : public ParentPainter {
 public:
  explicit FakeParent(bool form) : form_(form) {}
  gfx::Rect ClientArea() const override { return {0, 0, 50, 40}; }
  bool IsForm() const override { return form_; }
  void PaintInto(gfx::Canvas& canvas) override {
    calls.push_back("paint");
    canvas.FillRect({0, 0, 100, 100}, gfx::Rgb(0, 0, 255));
    canvas.SetPixel(30, 20, gfx::Rgb(255, 0, 0));  // a mark at a parent coordinate
  }
  void EraseBackground(gfx::Canvas& canvas) override {
    calls.push_back("erase");
    if (form_) canvas.FillRect({0, 0, 100, 100}, gfx::Rgb(0, 255, 0));
  }
  std::vector<std::string> calls;

 private:
  bool form_;
};

TEST(ParentBackgroundTest, ParentPaintsInItsOwnCoordinatesClippedToItsClientArea) {
  // A 20 x 20 control at (25, 15) of its parent: its pixel (5, 5) shows the parent's (30, 20), and
  // its columns from 25 on lie past the parent's client area (50 wide).
  gfx::Bitmap b(30, 20, 24);
  b.Fill(gfx::kWhite);
  gfx::Canvas canvas(b);
  canvas.Pen().color = gfx::Rgb(9, 9, 9);
  FakeParent panel(false);
  DrawParentBackground(&panel, {25, 15}, canvas);
  EXPECT_EQ(panel.calls, (std::vector<std::string>{"paint", "erase"}));
  EXPECT_EQ(b.Pixel(5, 5), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(b.Pixel(0, 0), gfx::Rgb(0, 0, 255));
  EXPECT_EQ(b.Pixel(24, 19), gfx::Rgb(0, 0, 255));
  EXPECT_EQ(b.Pixel(25, 0), gfx::kWhite);
  // The canvas is back as it was.
  EXPECT_EQ(canvas.Origin(), (gfx::Point{0, 0}));
  EXPECT_EQ(canvas.ClipBounds(), b.Bounds());
  EXPECT_EQ(canvas.Pen().color, gfx::Rgb(9, 9, 9));

  FakeParent form(true);
  DrawParentBackground(&form, {0, 0}, canvas);
  EXPECT_EQ(form.calls, (std::vector<std::string>{"erase"}));
  EXPECT_EQ(b.Pixel(5, 5), gfx::Rgb(0, 255, 0));

  DrawParentBackground(nullptr, {0, 0}, canvas);  // no parent: nothing
}

}  // namespace
}  // namespace skin
