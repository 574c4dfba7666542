// The colour dialog on the real windows, headless: a slider step redrawing the after thumbnail, and
// "确定" on a 24-megapixel picture in each mode.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "app/TOrvelDralen.h"
#include "app/TfrmsetC.h"
#include "app/WindowedApp.h"
#include "platform/headless/HeadlessBackend.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "ui/Application.h"
#include "ui/ImageView.h"

namespace {

// The program on the headless backend with a picture of w x h as the current picture.
class Program {
 public:
  Program(int w, int h) {
    platform::SetBackend(std::make_unique<platform::HeadlessBackend>());
    app_ = std::make_unique<ui::Application>();
    windows_ = app::CreateWindows(*app_);
    gfx::Bitmap picture(w, h, 24);
    for (int y = 0; y < h; ++y) {
      uint8_t* row = picture.Row(y);
      for (int x = 0; x < w * 3; ++x) row[x] = static_cast<uint8_t>(x * 7 + y * 3);
    }
    windows_.OrvelDralen->Image1->SetPicture(std::move(picture));
    windows_.OrvelDralen->Show();
    app_->ProcessMessages();
  }
  ~Program() {
    app_.reset();
    platform::SetBackend(nullptr);
  }
  app::TOrvelDralen& Main() { return *windows_.OrvelDralen; }
  app::TfrmsetC& Dialog() { return *windows_.frmsetC; }
  void Pump() { app_->ProcessMessages(); }

 private:
  std::unique_ptr<ui::Application> app_;
  app::Windows windows_;
};

const char* const kModes[] = {app::TfrmsetC::kContrastCaption, app::TfrmsetC::kSaturationCaption,
                              app::TfrmsetC::kRgbCaption};

// One step of a slider over a 4000 x 3000 picture (a 180 x 135 thumbnail): the handler and the
// dialog's repaint.
void BM_SliderStep(benchmark::State& state) {
  Program program(4000, 3000);
  app::TfrmsetC& dialog = program.Dialog();
  const char* mode = kModes[state.range(0)];
  dialog.SetMode(mode);
  dialog.Show();
  program.Pump();
  skin::TskSkinTrackBar* bar = mode == kModes[0] ? dialog.trackbarcontrast
                               : mode == kModes[1] ? dialog.skSkinTrackBar1
                                                   : dialog.TrackBarRed;
  int value = 0;
  for (auto _ : state) {
    value = value == 100 ? -100 : value + 1;
    bar->SetValue(value);
    dialog.UpdateNow();
  }
  state.SetLabel(mode);
}
BENCHMARK(BM_SliderStep)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// "确定" on a 6000 x 4000 picture: the routine over every row, then the main window's repaint.
void BM_OkOn24Megapixels(benchmark::State& state) {
  Program program(6000, 4000);
  app::TfrmsetC& dialog = program.Dialog();
  const char* mode = kModes[state.range(0)];
  dialog.SetMode(mode);
  dialog.trackbarcontrast->SetValue(-100);
  dialog.skSkinTrackBar1->SetValue(-128);
  dialog.TrackBarRed->SetValue(20);
  for (auto _ : state) {
    dialog.skSkinButton1Click(nullptr);
    program.Main().UpdateNow();
  }
  state.SetLabel(mode);
}
BENCHMARK(BM_OkOn24Megapixels)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
