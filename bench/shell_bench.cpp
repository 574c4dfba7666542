// Listing a folder of 100,000 files as the picture dialog shows it: read, filtered by the picture
// mask, sorted folders first by name; and what each listed item costs in memory.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/ShellItemOrder.h"
#include "platform/ShellNamespace.h"
#include "platform/linux/LinuxShellSystem.h"
#include "skin/dialogs/TskSkinFileListView.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace {

constexpr int kFiles = 100000;

// A temporary folder of kFiles files (pictures and others, a quarter with long names) and 500
// folders, made once and removed when the program ends.
class BigFolder {
 public:
  BigFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvel-bench-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    static const char* const kExtensions[] = {".jpg", ".JPEG", ".bmp", ".png", ".txt", ".jpg", ".raw", ".jpg"};
    char name[96];
    for (int i = 0; i < kFiles; ++i) {
      if (i % 4 == 0)
        std::snprintf(name, sizeof name, "Holiday at the seaside, day %d%s", i, kExtensions[i % 8]);
      else
        std::snprintf(name, sizeof name, "IMG_%05d%s", i, kExtensions[i % 8]);
      const int fd = ::open((path_ + "/" + name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
      if (fd >= 0) ::close(fd);
    }
    for (int i = 0; i < 500; ++i) std::filesystem::create_directory(path_ + "/Album " + std::to_string(i));
  }
  ~BigFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

const BigFolder& Folder() {
  static const BigFolder folder;
  return folder;
}

// The picture dialog's mask "*.jpg;*.jpeg;*.bmp;": a file passes when its upper-cased extension
// occurs in the upper-cased mask.
bool PassesPictureMask(const platform::ShellEntry& e) {
  if (e.IsFolder()) return true;
  const std::string& name = e.Name();
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string ext = name.substr(dot);
  for (char& c : ext) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return std::string_view("*.JPG;*.JPEG;*.BMP;").find(ext) != std::string_view::npos;
}

std::vector<platform::ShellEntry> ListSortedAndFiltered(const platform::ShellNamespace& shell, const std::string& path) {
  std::vector<platform::ShellEntry> entries = shell.List(path, platform::kShellFolders | platform::kShellNonFolders);
  std::erase_if(entries, [](const platform::ShellEntry& e) { return !PassesPictureMask(e); });
  std::sort(entries.begin(), entries.end(), [](const platform::ShellEntry& a, const platform::ShellEntry& b) {
    return platform::CompareShellItems(a.IsFolder(), a.Name(), b.IsFolder(), b.Name()) < 0;
  });
  return entries;
}

void BM_ListFolder100k(benchmark::State& state) {
  const std::string& path = Folder().Path();
  platform::ShellNamespace shell(platform::MakeLinuxShellSystem());
  size_t shown = 0;
  for (auto _ : state) {
    std::vector<platform::ShellEntry> entries = ListSortedAndFiltered(shell, path);
    shown = entries.size();
    benchmark::DoNotOptimize(entries.data());
  }
  state.counters["items"] = static_cast<double>(kFiles + 500);
  state.counters["shown"] = static_cast<double>(shown);

  // Memory held by the listing once it is made, per listed item, less the bytes of the names.
  malloc_trim(0);
  const size_t before = mallinfo2().uordblks;
  std::vector<platform::ShellEntry> all = shell.List(path, platform::kShellFolders | platform::kShellNonFolders);
  const size_t after = mallinfo2().uordblks;
  size_t name_bytes = 0;
  for (const platform::ShellEntry& e : all) name_bytes += e.key.size() + e.display.size();
  state.counters["bytes/item"] = static_cast<double>(after - before - name_bytes) / static_cast<double>(all.size());
  state.counters["sizeof(entry)"] = static_cast<double>(sizeof(platform::ShellEntry));
}
BENCHMARK(BM_ListFolder100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// The folder list control reading the folder with the picture mask (each iteration a fresh read),
// then painting one screen of rows in the details view, which reads the details of those rows only.
void BM_FileListViewRead100k(benchmark::State& state) {
  const std::string& path = Folder().Path();
  platform::ShellNamespace shell(platform::MakeLinuxShellSystem());
  skin::TskSkinFileListView list;
  list.SetBounds(0, 0, 800, 600);
  list.SetViewStyle(ui::ViewStyle::kReport);
  list.SetMask("*.jpg;*.jpeg;*.bmp;");
  list.SetRoot(path);
  gfx::Bitmap target(800, 600, 24);
  gfx::Canvas canvas(target);
  for (auto _ : state) {
    list.SetShell(&shell);  // reads Root again
    list.PaintTree(canvas, {0, 0, list.ClientWidth(), list.ClientHeight()});
  }
  state.counters["shown"] = static_cast<double>(list.ItemCount());

  // What a new control holds per shown item once it has read the folder and painted a screen,
  // less the bytes of the names.
  malloc_trim(0);
  const size_t before = mallinfo2().uordblks;
  auto fresh = std::make_unique<skin::TskSkinFileListView>();
  fresh->SetBounds(0, 0, 800, 600);
  fresh->SetViewStyle(ui::ViewStyle::kReport);
  fresh->SetMask("*.jpg;*.jpeg;*.bmp;");
  fresh->SetRoot(path);
  fresh->SetShell(&shell);
  fresh->PaintTree(canvas, {0, 0, fresh->ClientWidth(), fresh->ClientHeight()});
  const size_t after = mallinfo2().uordblks;
  size_t name_bytes = 0;
  for (const platform::ShellEntry& e : fresh->Entries()) name_bytes += e.key.size() + e.display.size();
  state.counters["bytes/item"] =
      static_cast<double>(after - before - name_bytes) / static_cast<double>(fresh->Entries().size());
}
BENCHMARK(BM_FileListViewRead100k)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
