// Web view speed: laying out and painting a shipped page, and one scroll step of the view.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "resources/WebResources.h"
#include "web/HtmlPage.h"
#include "web/WebImage.h"

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 300;
constexpr std::string_view kPrefix = "orvel-shipped://pages/";

// A shipped page with its pictures, as the view shows it.
std::unique_ptr<web::HtmlPage> ShippedPage(const std::string& name) {
  const auto bytes = resources::EmbeddedWebFile(name);
  auto page = std::make_unique<web::HtmlPage>(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                                              std::string(kPrefix) + name);
  page->Layout(kWidth, kHeight);
  for (const std::string& url : page->TakeWantedImages()) {
    const auto picture = resources::EmbeddedWebFile(url.substr(kPrefix.size()));
    if (picture) page->SetImage(url, std::make_shared<web::WebImage>(web::DecodeWebImage(*picture)));
  }
  return page;
}

void BM_ParseLayOutAndPaintShippedPage(benchmark::State& state, const char* name) {
  gfx::Bitmap bitmap(kWidth, kHeight, 24);
  for (auto _ : state) {
    std::unique_ptr<web::HtmlPage> page = ShippedPage(name);
    page->Layout(kWidth, kHeight);
    gfx::Canvas canvas(bitmap);
    canvas.FillRect(bitmap.Bounds(), gfx::kWhite);
    page->Paint(canvas, 0, bitmap.Bounds());
    benchmark::DoNotOptimize(bitmap.Data());
  }
}
BENCHMARK_CAPTURE(BM_ParseLayOutAndPaintShippedPage, downloads, "downloads.html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParseLayOutAndPaintShippedPage, advertisement, "advertisement.html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ParseLayOutAndPaintShippedPage, home, "home.html")->Unit(benchmark::kMillisecond);

// A resize: the page laid out again at another width and painted.
void BM_LayOutAndPaintOnResize(benchmark::State& state) {
  std::unique_ptr<web::HtmlPage> page = ShippedPage("downloads.html");
  gfx::Bitmap bitmap(kWidth, kHeight, 24);
  int width = kWidth;
  for (auto _ : state) {
    width = width == kWidth ? kWidth - 40 : kWidth;
    page->Layout(width, kHeight);
    gfx::Canvas canvas(bitmap);
    canvas.FillRect(bitmap.Bounds(), gfx::kWhite);
    page->Paint(canvas, 0, {0, 0, width, kHeight});
    benchmark::DoNotOptimize(bitmap.Data());
  }
}
BENCHMARK(BM_LayOutAndPaintOnResize)->Unit(benchmark::kMillisecond);

// One wheel step: the whole view painted again at the next scroll position.
void BM_ScrollStep(benchmark::State& state) {
  std::unique_ptr<web::HtmlPage> page = ShippedPage("downloads.html");
  const int height = page->Layout(kWidth, kHeight);
  gfx::Bitmap bitmap(kWidth, kHeight, 24);
  int scroll = 0;
  for (auto _ : state) {
    scroll = scroll + 48 > height - kHeight ? 0 : scroll + 48;
    gfx::Canvas canvas(bitmap);
    canvas.FillRect(bitmap.Bounds(), gfx::kWhite);
    page->Paint(canvas, scroll, bitmap.Bounds());
    benchmark::DoNotOptimize(bitmap.Data());
  }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMillisecond);

}  // namespace
