// Simple flat drawings of folders, files and places, scaled from a 16-pixel design.
#include "skin/dialogs/ShellIcons.h"

#include <array>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "ui/ImageList.h"

namespace skin {

namespace {

constexpr gfx::Color kTransparent = gfx::Rgb(255, 0, 255);
constexpr gfx::Color kOutline = gfx::Rgb(64, 64, 64);
constexpr gfx::Color kFolderFill = gfx::Rgb(240, 200, 80);
constexpr gfx::Color kPaper = gfx::Rgb(252, 252, 252);

// Draws on a 16-unit grid; every unit is `k` pixels.
class Painter {
 public:
  Painter(gfx::Canvas& canvas, int32_t k) : canvas_(canvas), k_(k) {}
  gfx::Rect R(int32_t l, int32_t t, int32_t r, int32_t b) const { return {l * k_, t * k_, r * k_, b * k_}; }
  // A filled box with an outline, in grid units (right and bottom exclusive).
  void Box(int32_t l, int32_t t, int32_t r, int32_t b, gfx::Color fill) {
    canvas_.FillRect(R(l, t, r, b), fill);
    canvas_.FrameRect(R(l, t, r, b), kOutline);
  }
  void Fill(int32_t l, int32_t t, int32_t r, int32_t b, gfx::Color fill) { canvas_.FillRect(R(l, t, r, b), fill); }

 private:
  gfx::Canvas& canvas_;
  int32_t k_;
};

void DrawFolder(Painter& p, gfx::Color fill) {
  p.Box(1, 3, 7, 5, fill);
  p.Box(1, 4, 15, 14, fill);
}

void DrawPage(Painter& p) { p.Box(3, 1, 13, 15, kPaper); }

void DrawIcon(gfx::Canvas& canvas, int32_t size, platform::ShellIcon icon) {
  Painter p(canvas, size / 16);
  switch (icon) {
    case platform::ShellIcon::kFolder: DrawFolder(p, kFolderFill); break;
    case platform::ShellIcon::kPicture:
      DrawPage(p);
      p.Fill(5, 4, 11, 9, gfx::Rgb(110, 170, 230));  // sky
      p.Fill(5, 9, 11, 12, gfx::Rgb(90, 160, 70));   // ground
      break;
    case platform::ShellIcon::kFile:
      DrawPage(p);
      for (int32_t y = 4; y < 13; y += 2) p.Fill(5, y, 11, y + 1, gfx::Rgb(150, 150, 150));
      break;
    case platform::ShellIcon::kArchive:
      p.Box(2, 3, 14, 14, gfx::Rgb(200, 160, 110));
      p.Fill(7, 3, 9, 14, gfx::Rgb(90, 90, 90));  // zip strip
      break;
    case platform::ShellIcon::kVolume:
      p.Box(1, 5, 15, 12, gfx::Rgb(190, 190, 200));
      p.Fill(11, 8, 13, 10, gfx::Rgb(60, 200, 60));  // light
      break;
    case platform::ShellIcon::kHome:
      DrawFolder(p, kFolderFill);
      p.Box(6, 7, 11, 13, gfx::Rgb(200, 80, 60));  // a house on the folder
      break;
    case platform::ShellIcon::kComputer:
      p.Box(2, 2, 14, 11, gfx::Rgb(80, 120, 190));  // screen
      p.Fill(6, 11, 10, 13, kOutline);
      p.Box(4, 13, 12, 15, gfx::Rgb(190, 190, 190));
      break;
    case platform::ShellIcon::kTrash:
      p.Box(3, 3, 13, 5, gfx::Rgb(170, 170, 170));
      p.Box(4, 5, 12, 15, gfx::Rgb(200, 200, 200));
      break;
  }
}

}  // namespace

void FillShellIcons(ui::ImageList& images, int32_t size) {
  static constexpr std::array kKinds = {platform::ShellIcon::kFolder,  platform::ShellIcon::kPicture,
                                        platform::ShellIcon::kFile,    platform::ShellIcon::kArchive,
                                        platform::ShellIcon::kVolume,  platform::ShellIcon::kHome,
                                        platform::ShellIcon::kComputer, platform::ShellIcon::kTrash};
  images.SetSize(size, size);
  for (platform::ShellIcon icon : kKinds) {
    gfx::Bitmap picture(size, size, 24);
    {
      gfx::Canvas canvas(picture);
      canvas.FillRect({0, 0, size, size}, kTransparent);
      DrawIcon(canvas, size, icon);
    }
    images.AddMasked(picture, kTransparent);
  }
}

}  // namespace skin
