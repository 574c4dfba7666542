// The batch page on the headless backend: a batch through the page against the command line's
// batch on the same files, a folder of 100,000 names dropped until the list shows them all, one
// screen of that list painted, and what the entries cost in memory.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "HeadlessProgram.h"
#include "app/BatchPage.h"
#include "app/CommandLine.h"
#include "app/TOrvelDralen.h"
#include "gfx/FileIo.h"
#include "gfx/JpegCodec.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinPageControl.h"
#include "ui/Application.h"

namespace {

namespace fs = std::filesystem;

// The program with its batch page showing.
class Program : public HeadlessProgram {
 public:
  app::TOrvelDralen& Start() {
    app::TOrvelDralen& main = HeadlessProgram::Start();
    main.skSkinPageControl2->SetActivePage(main.skSkinTabSheet3);
    App().ProcessMessages();
    return main;
  }
};

fs::path BenchFolder(const char* name) {
  fs::path folder = fs::temp_directory_path() / name;
  fs::create_directories(folder);
  return folder;
}

// Forty photograph-like 1600 x 1200 JPEGs at quality 92, made once.
const std::vector<std::string>& Photos() {
  static const std::vector<std::string> files = [] {
    const fs::path folder = BenchFolder("orvel-bench-batch-photos");
    std::vector<std::string> out;
    for (int i = 0; i < 40; ++i) {
      const fs::path name = folder / ("photo" + std::to_string(i)).append(".jpg");
      out.push_back(name.string());
      if (fs::exists(name)) continue;
      gfx::Bitmap picture(1600, 1200, 24);
      for (int y = 0; y < picture.Height(); ++y) {
        uint8_t* row = picture.Row(y);
        for (int x = 0; x < picture.Width() * 3; ++x)
          row[x] = static_cast<uint8_t>((x / 3) * 255 / 1600 + ((y * 7 + i * 13) % 61) + ((x * y) % 17));
      }
      gfx::JpegEncodeOptions options;
      options.quality = 92;
      gfx::WriteFileAtomically(name.string(), gfx::EncodeJpeg(picture, options));
    }
    return out;
  }();
  return files;
}

void BM_BatchThroughThePage(benchmark::State& state) {
  const std::vector<std::string>& files = Photos();
  const std::string out = BenchFolder("orvel-bench-batch-page").string();
  Program program;
  app::TOrvelDralen& main = program.Start();
  main.Batch().AddFiles(files);
  main.skSkinEdit1->SetText(out);
  for (auto _ : state) {
    main.skSkinButton4Click(nullptr);
    program.ServeUntil([&] { return !main.Batch().Running(); });
  }
}
BENCHMARK(BM_BatchThroughThePage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BatchThroughTheCommandLine(benchmark::State& state) {
  const std::vector<std::string>& files = Photos();
  const std::string out = BenchFolder("orvel-bench-batch-cli").string();
  std::vector<std::string> args = {"orvel", "--batch", "--quiet", "-q", "75", "-o", out};
  args.insert(args.end(), files.begin(), files.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  for (auto _ : state) {
    if (app::RunCommandLine(static_cast<int>(argv.size()), argv.data()) != 0) state.SkipWithError("batch failed");
  }
}
BENCHMARK(BM_BatchThroughTheCommandLine)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two in turn, page then command line, nine pairs: the median of the pairs' ratios, which the
// drift of a shared machine's speed moves far less than two separate timings.
void BM_PageAgainstCommandLinePaired(benchmark::State& state) {
  const std::vector<std::string>& files = Photos();
  const std::string page_out = BenchFolder("orvel-bench-batch-page").string();
  const std::string cli_out = BenchFolder("orvel-bench-batch-cli").string();
  std::vector<std::string> args = {"orvel", "--batch", "--quiet", "-q", "75", "-o", cli_out};
  args.insert(args.end(), files.begin(), files.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  Program program;
  app::TOrvelDralen& main = program.Start();
  main.Batch().AddFiles(files);
  main.skSkinEdit1->SetText(page_out);
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    std::vector<double> ratios;
    for (int pair = 0; pair < 9; ++pair) {
      const Clock::time_point a = Clock::now();
      main.skSkinButton4Click(nullptr);
      program.ServeUntil([&] { return !main.Batch().Running(); });
      const Clock::time_point b = Clock::now();
      if (app::RunCommandLine(static_cast<int>(argv.size()), argv.data()) != 0) state.SkipWithError("batch failed");
      const Clock::time_point c = Clock::now();
      ratios.push_back(std::chrono::duration<double>(b - a).count() / std::chrono::duration<double>(c - b).count());
    }
    std::sort(ratios.begin(), ratios.end());
    state.counters["page_over_cli_median"] = ratios[ratios.size() / 2];
    state.counters["page_over_cli_min"] = ratios.front();
    state.counters["page_over_cli_max"] = ratios.back();
  }
}
BENCHMARK(BM_PageAgainstCommandLinePaired)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// A folder of 100,000 empty .jpg files, made once.
const std::string& HundredThousandNames() {
  static const std::string folder = [] {
    const fs::path f = BenchFolder("orvel-bench-100k");
    if (!fs::exists(f / "p99999.jpg"))
      for (int i = 0; i < 100000; ++i) {
        std::string name = std::to_string(i);
        name.insert(0, 1, 'p');
        name.append(".jpg");
        std::ofstream(f / name);
      }
    return f.string();
  }();
  return folder;
}

// From the drop to the list holding every name, the window served meanwhile.
void BM_DropAFolderOf100000Names(benchmark::State& state) {
  const std::string& folder = HundredThousandNames();
  for (auto _ : state) {
    state.PauseTiming();
    {
      Program program;
      app::TOrvelDralen& main = program.Start();
      state.ResumeTiming();
      main.FormDropFiles(nullptr, {folder});
      program.ServeUntil([&] { return main.skSkinListView1->ItemCount() == 100000 && !main.Batch().Importing(); });
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DropAFolderOf100000Names)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

std::vector<std::string> Names(int count) {
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::string name = "/home/someone/Pictures/holiday 2026/IMG_";
    name.append(std::to_string(100000 + i)).append(i % 3 ? ".jpg" : ".bmp");
    names.push_back(std::move(name));
  }
  return names;
}

// One screen of a list of 100,000 entries, scrolled to its middle, painted again.
void BM_PaintAScreenOfTheList(benchmark::State& state) {
  Program program;
  app::TOrvelDralen& main = program.Start();
  main.Batch().AddFiles(Names(100000));
  main.skSkinListView1->MakeVisible(50000);
  main.UpdateNow();
  for (auto _ : state) {
    main.skSkinListView1->Invalidate();
    main.UpdateNow();
  }
}
BENCHMARK(BM_PaintAScreenOfTheList)->Unit(benchmark::kMicrosecond);

size_t ResidentBytes() {
  long pages = 0, resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<size_t>(resident) * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

// What 100,000 entries add to the process, the names given to the page as an import gives them.
void BM_MemoryOf100000Entries(benchmark::State& state) {
  for (auto _ : state) {
    Program program;
    app::TOrvelDralen& main = program.Start();
    std::vector<std::string> names = Names(100000);
    const size_t before = ResidentBytes();
    main.Batch().AddFiles(names);
    main.UpdateNow();
    const size_t after = ResidentBytes();
    state.counters["entries_MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
    state.counters["names_MB"] = static_cast<double>(main.Batch().Names().MemoryBytes()) / (1024.0 * 1024.0);
  }
}
BENCHMARK(BM_MemoryOf100000Entries)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
