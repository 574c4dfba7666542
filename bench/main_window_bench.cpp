// The main window on the headless backend: building it up to its first complete paint, a full
// repaint, a 24-megapixel JPEG opened and shown, and one zoom or scroll step redrawn.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "HeadlessProgram.h"
#include "app/TOrvelDralen.h"
#include "gfx/FileIo.h"
#include "gfx/JpegCodec.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "ui/Application.h"
#include "ui/ImageView.h"

namespace {

using Program = HeadlessProgram;

// A 6000 x 4000 photograph-like JPEG at quality 90 in the temporary folder, made once.
const std::string& Jpeg24Megapixels() {
  static const std::string path = [] {
    gfx::Bitmap picture(6000, 4000, 24);
    for (int y = 0; y < picture.Height(); ++y) {
      uint8_t* row = picture.Row(y);
      for (int x = 0; x < picture.Width() * 3; ++x) row[x] = static_cast<uint8_t>((x / 3) * 255 / 6000 + (y % 64));
    }
    gfx::JpegEncodeOptions options;
    options.quality = 90;
    const std::string name = (std::filesystem::temp_directory_path() / "orvel-bench-24mp.jpg").string();
    gfx::WriteFileAtomically(name, gfx::EncodeJpeg(picture, options));
    return name;
  }();
  return path;
}

// The three windows built (skin loaded, every control made), the main window shown and painted.
void BM_StartToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    Program program;
    program.Start();
  }
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond);

// Every pixel of the main window painted again, the "图片处理" page with a picture open.
void BM_FullRepaint(benchmark::State& state) {
  Program program;
  app::TOrvelDralen& main = program.Start();
  gfx::Bitmap picture(800, 600, 24);
  picture.Fill(gfx::Rgb(90, 120, 150));
  main.Image1->SetPicture(picture);
  main.UpdateNow();
  for (auto _ : state) {
    main.InvalidateAll();
    main.UpdateNow();
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

// "打开图片" after its dialog: the file read and decoded, the copies taken, the window redrawn.
void BM_Open24MegapixelJpeg(benchmark::State& state) {
  const std::string& file = Jpeg24Megapixels();
  Program program;
  app::TOrvelDralen& main = program.Start();
  for (auto _ : state) {
    main.OpenPictureFile(file);
    main.UpdateNow();
  }
}
BENCHMARK(BM_Open24MegapixelJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

// One zoom step on the 24-megapixel picture (in, then out), redrawn: only the visible part is drawn.
void BM_ZoomStep(benchmark::State& state) {
  Program program;
  app::TOrvelDralen& main = program.Start();
  main.OpenPictureFile(Jpeg24Megapixels());
  main.UpdateNow();
  bool in = true;
  for (auto _ : state) {
    (in ? main.bigbutton : main.smallbutton)->Click();
    main.UpdateNow();
    in = !in;
  }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMicrosecond);

// The same step on a 24-megapixel bitmap with a palette (8 bits per pixel): the view draws it in 24
// bits without converting the whole picture again for each paint.
void BM_ZoomStepPalette(benchmark::State& state) {
  Program program;
  app::TOrvelDralen& main = program.Start();
  gfx::Bitmap picture(6000, 4000, 8);
  std::vector<gfx::Color> palette;
  for (int i = 0; i < 256; ++i) palette.push_back(gfx::Rgb(static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 90));
  picture.SetPalette(std::move(palette));
  for (int y = 0; y < picture.Height(); ++y) {
    uint8_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) row[x] = static_cast<uint8_t>(x + y);
  }
  main.Image1->SetPicture(std::move(picture));
  main.UpdateNow();
  bool in = true;
  for (auto _ : state) {
    (in ? main.bigbutton : main.smallbutton)->Click();
    main.UpdateNow();
    in = !in;
  }
}
BENCHMARK(BM_ZoomStepPalette)->Unit(benchmark::kMicrosecond);

// One step of the vertical bar over the 24-megapixel picture, redrawn.
void BM_ScrollStep(benchmark::State& state) {
  Program program;
  app::TOrvelDralen& main = program.Start();
  main.OpenPictureFile(Jpeg24Megapixels());
  main.UpdateNow();
  skin::TskSkinScrollBar& bar = *main.skSkinScrollBar2;
  int position = 0;
  for (auto _ : state) {
    position = position >= 2000 ? 0 : position + 40;
    bar.SetPosition(position);
    main.UpdateNow();
  }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace
