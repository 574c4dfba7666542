// The picture dialog's own costs: the preview of a 24-megapixel photo from its file (decoded as the
// dialog decodes it, and handed over from the preview thread), and the dialog opening a folder of
// 100,000 files with the picture filter (read, filtered, sorted, and the folder drop-down shown).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/JpegCodec.h"
#include "platform/Backend.h"
#include "platform/ShellNamespace.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/linux/LinuxShellSystem.h"
#include "skin/dialogs/PicturePreview.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "support/TempDir.h"
#include "ui/Application.h"

namespace {

constexpr int kFiles = 100000;

// A photo-like 6000 x 4000 picture: gradients, blocks and grain, so the JPEG has real detail.
gfx::Bitmap PhotoLike(int32_t width, int32_t height) {
  gfx::Bitmap picture(width, height, 24);
  uint32_t seed = 12345;
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = picture.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>(seed >> 28) - 8;
      const bool inside = (x / 97 + y / 61) % 3 == 0;
      const int b = x * 200 / width + (inside ? 40 : 0) + grain;
      const int g = y * 180 / height + 30 + grain;
      const int r = (x + y) * 150 / (width + height) + (inside ? 0 : 60) + grain;
      row[x * 3] = static_cast<uint8_t>(b < 0 ? 0 : b > 255 ? 255 : b);
      row[x * 3 + 1] = static_cast<uint8_t>(g < 0 ? 0 : g > 255 ? 255 : g);
      row[x * 3 + 2] = static_cast<uint8_t>(r < 0 ? 0 : r > 255 ? 255 : r);
    }
  }
  return picture;
}

// A folder holding the photo file, made once.
struct PhotoFolder {
  PhotoFolder() {
    testing_support::WriteBytes(dir / "photo.jpg",
                                gfx::EncodeJpeg(PhotoLike(6000, 4000), {.quality = 90, .icc_profile = {}}));
  }
  testing_support::TempDir dir;
};
const PhotoFolder& Photo() {
  static const PhotoFolder photo;
  return photo;
}

// The preview box's size: the default panel less its bars, and a large panel.
void BM_PreviewDecode24MpFile(benchmark::State& state) {
  const std::string path = Photo().dir / "photo.jpg";
  const gfx::Size want{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1))};
  gfx::Size got;
  for (auto _ : state) {
    const gfx::Bitmap picture = skin::PicturePreview::Decode(path, want);
    got = {picture.Width(), picture.Height()};
    benchmark::DoNotOptimize(picture.Row(0));
  }
  state.counters["w"] = got.width;
  state.counters["h"] = got.height;
}
BENCHMARK(BM_PreviewDecode24MpFile)->Args({170, 160})->Args({600, 450})->Unit(benchmark::kMillisecond)->UseRealTime();

// From the request to the picture in hand on the requesting thread, through the preview thread.
void BM_PreviewRequestToReady24Mp(benchmark::State& state) {
  const std::string path = Photo().dir / "photo.jpg";
  std::mutex mutex;
  std::condition_variable posted;
  std::deque<std::function<void()>> tasks;
  bool ready = false;
  skin::PicturePreview preview(
      [&](std::function<void()> task) {
        {
          std::lock_guard lock(mutex);
          tasks.push_back(std::move(task));
        }
        posted.notify_one();
      },
      [&](gfx::Bitmap) { ready = true; });
  for (auto _ : state) {
    ready = false;
    preview.Request(path, {170, 160});
    while (!ready) {
      std::function<void()> task;
      {
        std::unique_lock lock(mutex);
        posted.wait(lock, [&] { return !tasks.empty(); });
        task = std::move(tasks.front());
        tasks.pop_front();
      }
      task();
    }
  }
}
BENCHMARK(BM_PreviewRequestToReady24Mp)->Unit(benchmark::kMillisecond)->UseRealTime();

// A folder of kFiles files (pictures and others) and 500 folders, made once.
struct BigFolder {
  BigFolder() {
    static const char* const kExtensions[] = {".jpg", ".JPEG", ".bmp", ".png", ".txt", ".jpg", ".raw", ".jpg"};
    char name[96];
    for (int i = 0; i < kFiles; ++i) {
      if (i % 4 == 0)
        std::snprintf(name, sizeof name, "Holiday at the seaside, day %d%s", i, kExtensions[i % 8]);
      else
        std::snprintf(name, sizeof name, "IMG_%05d%s", i, kExtensions[i % 8]);
      const int fd = ::open((dir / name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
      if (fd >= 0) ::close(fd);
    }
    for (int i = 0; i < 500; ++i) std::filesystem::create_directory(dir / ("Album " + std::to_string(i)));
    std::filesystem::create_directory(dir / "Album 0/empty");
  }
  testing_support::TempDir dir;
};

// The dialog's window going to the big folder from an empty one, each iteration a fresh read.
void BM_DialogOpensFolder100k(benchmark::State& state) {
  static const BigFolder folder;
  platform::SetBackend(std::make_unique<platform::HeadlessBackend>());
  {
    ui::Application app;
    platform::ShellNamespace shell(platform::MakeLinuxShellSystem());
    skin::TskOpenPictureDlgForm form(false, shell);
    form.FileList->SetMask("*.jpg;*.jpeg;*.bmp;");
    const std::string empty = folder.dir / "Album 0/empty";
    form.StartIn(empty);
    for (auto _ : state) {
      form.FileList->SetPath(folder.dir.path());
      state.PauseTiming();
      form.FileList->SetPath(empty);
      state.ResumeTiming();
    }
    form.FileList->SetPath(folder.dir.path());
    state.counters["shown"] = form.FileList->ItemCount();
    form.DoDestroy();
  }
  platform::SetBackend(nullptr);
}
BENCHMARK(BM_DialogOpensFolder100k)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
