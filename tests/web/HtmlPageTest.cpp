// The document container against small fixture pages: text placed with the program's fonts, boxes,
// borders, list markers, pictures, clipping, media width, links and their hit test.
#include "web/HtmlPage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "web/WebImage.h"
#include "web/WebTestEnv.h"

namespace {

constexpr gfx::Color kRed = gfx::Rgb(255, 0, 0);
constexpr gfx::Color kBlue = gfx::Rgb(0, 0, 255);

// Lays a page out at `width` and paints it on white.
gfx::Bitmap Render(web::HtmlPage& page, int width, int height = 100) {
  page.Layout(width, height);
  gfx::Bitmap bitmap(width, height, 24);
  bitmap.Fill(gfx::kWhite);
  gfx::Canvas canvas(bitmap);
  page.Paint(canvas, 0, {0, 0, width, height});
  return bitmap;
}

// The smallest rectangle holding every pixel that is not white (empty when there is none).
gfx::Rect Ink(const gfx::Bitmap& b) {
  gfx::Rect r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) == gfx::kWhite) continue;
      r.left = std::min(r.left, x);
      r.top = std::min(r.top, y);
      r.right = std::max(r.right, x + 1);
      r.bottom = std::max(r.bottom, y + 1);
    }
  }
  return r.IsEmpty() ? gfx::Rect{} : r;
}

web::WebImage Picture(int w, int h, gfx::Color c) {
  const std::string png = web_test::PngBytes(w, h, gfx::Red(c), gfx::Green(c), gfx::Blue(c));
  return web::DecodeWebImage({reinterpret_cast<const uint8_t*>(png.data()), png.size()});
}

struct TextCase {
  const char* name;
  const char* html;
  const char* text;  // the text the page shows
  int left;          // where its cell starts
  int top;
};

TEST(HtmlPage, PlacesTextInTheProgramsFonts) {
  const std::vector<TextCase> cases = {
      {"latin", "<body style='margin:0;font:20px Arial'>Hill", "Hill", 0, 0},
      {"padded", "<body style='margin:0;font:20px Arial'><div style='padding:10px 0 0 30px'>Hill</div>", "Hill", 30, 10},
      {"chinese through the fallback face", "<body style='margin:0;font:20px Arial'>图片压缩", "图片压缩", 0, 0},
      {"centred", "<body style='margin:0;font:20px Arial;text-align:center'>ab", "ab", -1, 0},
  };
  const gfx::Font font("Arial", -20);
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    web::HtmlPage page(c.html, "");
    const gfx::Bitmap b = Render(page, 200);
    const int width = font.TextWidth(c.text);
    const int left = c.left >= 0 ? c.left : (200 - width) / 2;
    const gfx::Rect cell{left, c.top, left + width, c.top + font.Metrics().height};
    const gfx::Rect ink = Ink(b);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.left, cell.left - 1);
    EXPECT_LE(ink.right, cell.right + 1);
    EXPECT_GE(ink.top, cell.top);
    EXPECT_LE(ink.bottom, cell.bottom);
    // Most of the cell's width is inked: the text was not drawn in some tiny or missing face.
    EXPECT_GT(ink.Width(), width * 3 / 4);
  }
}

TEST(HtmlPage, ChineseTextWrapsAtTheViewsWidth) {
  web::HtmlPage page("<body style='margin:0;font:16px Arial'>图片压缩工具把照片变小，让分享更快。再来一句话。", "");
  const int one_line = page.Layout(1000, 100);
  const int narrow = page.Layout(60, 100);
  EXPECT_GE(narrow, one_line * 4);
  EXPECT_LE(page.Width(), 60 + 16);  // at most one character sticks out
}

TEST(HtmlPage, PaintsBackgroundsBordersMarkersAndClips) {
  web::HtmlPage page(
      "<body style='margin:0'>"
      "<div style='height:10px;background:#ff0000'></div>"
      "<div style='height:10px;border:3px solid #0000ff'></div>"
      "<div style='height:10px;overflow:hidden'><div style='height:40px;background:#ff0000'></div></div>"
      "<div style='height:20px'></div>"
      "<ul style='margin:0;padding-left:20px;font:16px Arial;color:#0000ff'><li></li></ul>",
      "");
  const gfx::Bitmap b = Render(page, 60, 120);
  EXPECT_EQ(b.Pixel(30, 5), kRed);             // background
  EXPECT_EQ(b.Pixel(0, 10), kBlue);            // border, outer corner
  EXPECT_EQ(b.Pixel(2, 12), kBlue);            // three pixels wide
  EXPECT_EQ(b.Pixel(3, 13), gfx::kWhite);      // inside
  EXPECT_EQ(b.Pixel(59, 20), kBlue);           // right edge
  EXPECT_EQ(b.Pixel(30, 30), kRed);            // the clipped child, inside its parent
  EXPECT_EQ(b.Pixel(30, 40), gfx::kWhite);     // and cut off below it
  // The list's disc marker sits in the padding, left of where the item's text starts.
  gfx::Bitmap marker(20, 20, 24);
  marker.Fill(gfx::kWhite);
  gfx::Canvas(marker).CopyRect({0, 0}, b, {0, 56, 20, 76});
  const gfx::Rect ink = Ink(marker);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_LT(ink.right, 20);
  EXPECT_EQ(marker.Pixel((ink.left + ink.right) / 2, (ink.top + ink.bottom) / 2), kBlue);  // filled
}

TEST(HtmlPage, TheViewsWidthIsTheMediaWidth) {
  const char* html =
      "<style>div{height:10px;background:#0000ff} @media (max-width: 300px) { div { background:#ff0000 } }</style>"
      "<body style='margin:0'><div></div>";
  web::HtmlPage page(html, "");
  EXPECT_EQ(Render(page, 200).Pixel(5, 5), kRed);
  EXPECT_EQ(Render(page, 400).Pixel(5, 5), kBlue);
}

TEST(HtmlPage, PicturesAreAskedForOnceAndSizedByTheirPixelsOrAttributes) {
  web::HtmlPage page(
      "<style>img{display:block}</style><body style='margin:0'><img src='a.png'><img src='a.png' width='30' height='20'>",
      "http://example.test/dir/page.html");
  Render(page, 100);
  const std::vector<std::string> wanted = page.TakeWantedImages();
  EXPECT_TRUE(page.TakeWantedImages().empty());
  ASSERT_EQ(wanted, std::vector<std::string>{"http://example.test/dir/a.png"});
  EXPECT_EQ(page.ImageSize(wanted[0]), (gfx::Size{}));
  page.SetImage(wanted[0], std::make_shared<web::WebImage>(Picture(3, 2, kRed)));
  const gfx::Bitmap b = Render(page, 100);
  EXPECT_EQ(page.ImageSize(wanted[0]), (gfx::Size{3, 2}));
  const gfx::Rect ink = Ink(b);
  // Natural size at the top, then the stretched copy below it.
  EXPECT_EQ(b.Pixel(2, 1), kRed);
  EXPECT_EQ(b.Pixel(3, 0), gfx::kWhite);
  EXPECT_EQ(ink.right, 30);
  EXPECT_EQ(b.Pixel(29, ink.bottom - 1), kRed);
  EXPECT_EQ(ink.Height(), 2 + 20);
}

TEST(HtmlPage, TranslucentPicturesMixWithWhatIsBelow) {
  web::HtmlPage page("<body style='margin:0;background:#000000;line-height:0'><img src='t.png'>", "");
  const std::string png = web_test::PngBytes(2, 2, 255, 255, 255, 51);
  page.SetImage("t.png", std::make_shared<web::WebImage>(
                             web::DecodeWebImage({reinterpret_cast<const uint8_t*>(png.data()), png.size()})));
  const gfx::Bitmap b = Render(page, 10, 10);
  EXPECT_EQ(b.Pixel(0, 0), gfx::Rgb(51, 51, 51));
  EXPECT_EQ(b.Pixel(5, 5), gfx::kBlack);
}

TEST(HtmlPage, LinksHaveBoxesAHitTestAndAClick) {
  web::HtmlPage page("<body style='margin:0;font:20px Arial'>ab <a href='../x?q=1'>link</a> <a name='n'>no</a>",
                     "http://example.test/dir/page.html");
  Render(page, 300);
  const std::vector<web::PageLink> links = page.Links();
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].url, "http://example.test/x?q=1");
  const gfx::Font font("Arial", -20);
  EXPECT_EQ(links[0].box.left, font.TextWidth("ab "));
  EXPECT_EQ(links[0].box.Width(), font.TextWidth("link"));
  EXPECT_EQ(links[0].box.top, 0);

  const gfx::Point inside{links[0].box.left + 2, links[0].box.top + 5};
  EXPECT_EQ(page.LinkAt(links, inside), &links[0]);
  EXPECT_EQ(page.LinkAt(links, {links[0].box.left - 2, 5}), nullptr);

  std::vector<std::string> clicked;
  page.OnLinkClicked = [&](const std::string& url) { clicked.push_back(url); };
  page.MouseMove(inside.x, inside.y);
  EXPECT_TRUE(page.OverLink());
  page.MouseDown(inside.x, inside.y);
  page.MouseUp(inside.x, inside.y);
  EXPECT_EQ(clicked, std::vector<std::string>{"http://example.test/x?q=1"});
  page.MouseMove(2, 5);
  EXPECT_FALSE(page.OverLink());
}

TEST(HtmlPage, MalformedAndDeeplyNestedPagesStillLayOut) {
  std::string deep;
  for (int i = 0; i < 3000; ++i) deep += "<div><span>";
  deep += "x";
  const std::vector<std::string> pages = {
      "", "<", "<html><body><table><tr><td>a<td colspan=100000>b</table>", "<p style='font-size:99999px'>x",
      "<div style='width:-5px;margin:-100000px'>y</div>", "<ul><li><ol><li>" + std::string(200, '<'), deep,
      std::string(50000, 'a'),
  };
  for (const std::string& html : pages) {
    web::HtmlPage page(html, "");
    Render(page, 120);
    SUCCEED();
  }
}

}  // namespace
