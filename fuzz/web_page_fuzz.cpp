// Fuzz target: a page's markup and style sheet through the HTML parser, the layout and the
// document container: laid out at a width the input chooses, painted, its links measured and the
// pointer moved over it.
// fuzz-seeds: resources/web
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "web/HtmlPage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 256 * 1024) return 0;
  // The first byte picks the view's width; the rest is a style sheet and markup split at the first
  // zero byte (all markup when there is none).
  const int width = 16 + data[0] * 4;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string html;
  const size_t split = rest.find('\0');
  if (split != std::string_view::npos) {
    html = "<style>" + std::string(rest.substr(0, split)) + "</style>";
    rest.remove_prefix(split + 1);
  }
  html.append(rest);
  web::HtmlPage page(html, "http://fuzz.test/dir/page.html");
  const int height = page.Layout(width, 200);
  gfx::Bitmap bitmap(width, 200, 24);
  gfx::Canvas canvas(bitmap);
  page.Paint(canvas, 0, {0, 0, width, 200});
  if (height > 200) page.Paint(canvas, height - 200, {0, 0, width, 200});
  for (const web::PageLink& link : page.Links()) {
    page.MouseMove(link.box.left, link.box.top);
    page.MouseDown(link.box.left, link.box.top);
    page.MouseUp(link.box.left, link.box.top);
  }
  page.MouseLeave();
  return 0;
}
