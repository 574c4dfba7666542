// The web view on the headless backend: its shipped page, fetched pages and their pictures, the
// fallback on every failure, links handed to the desktop or refused, scrolling and closing.
#include "web/HtmlView.h"

#include <sys/socket.h>

#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"
#include "ui/Form.h"
#include "ui/ScrollBar.h"
#include "ui/UiTestEnv.h"
#include "web/HtmlPage.h"
#include "web/LoopbackServer.h"
#include "web/WebTestEnv.h"

namespace {

using web_test::Answer;
using web_test::PumpUntil;
using web_test::Silent;

constexpr gfx::Color kRed = gfx::Rgb(255, 0, 0);

class HtmlViewTest : public ui_test::UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(0, 0, 300, 200);
    form_->Show();
    view_ = MakeView();
    Pump();
  }
  web::HtmlView* MakeView(web::FetchLimits limits = {}) {
    auto* view = form_->MakeChild<web::HtmlView>(form_, "downloads.html", limits);
    view->SetBounds(0, 0, 300, 200);
    return view;
  }
  // Loads an address and runs the loop until every transfer it started has ended.
  void LoadAndSettle(const std::string& url) {
    view_->Load(url);
    ASSERT_TRUE(PumpUntil(*app_, [&] { return view_->PendingTransfers() == 0; }));
    Pump();
  }
  // A port on the loopback interface where nothing listens.
  static int ClosedPort() {
    web_test::LoopbackServer gone;
    return gone.Port();
  }

  ui::Form* form_ = nullptr;
  web::HtmlView* view_ = nullptr;
  web_test::LoopbackServer server_;
};

TEST_F(HtmlViewTest, WithoutAnAddressItShowsItsShippedPageAndItsPictures) {
  view_->Load("");
  EXPECT_TRUE(view_->ShowsShippedPage());
  EXPECT_EQ(view_->PendingTransfers(), 0u);
  ASSERT_NE(view_->Page(), nullptr);
  EXPECT_EQ(view_->Page()->Title(), "推荐下载");
  EXPECT_EQ(view_->Page()->ImageSize("orvel-shipped://pages/logo.png"), (gfx::Size{48, 48}));
  Pump();
  // Something of the page is drawn on the white view.
  const gfx::Bitmap screen = backend_->ScreenBitmap();
  int inked = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) inked += screen.Pixel(x, y) != gfx::kWhite;
  }
  EXPECT_GT(inked, 1000);
}

TEST_F(HtmlViewTest, EveryFailureLeavesTheShippedPage) {
  web::FetchLimits limits;
  limits.total_timeout_ms = 300;
  limits.max_page_bytes = 1000;
  form_->RemoveChild(view_);
  view_ = MakeView(limits);
  server_.Route("/silent", Silent());
  server_.Route("/image", Answer(200, "image/png", web_test::PngBytes(1, 1, 0, 0, 0)));
  server_.Route("/big", Answer(200, "text/html", std::string(2000, 'x')));
  server_.Route("/error", Answer(503, "text/html", "<p>busy</p>"));
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"not found", server_.Url("/missing")},
      {"server error", server_.Url("/error")},
      {"refused", "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/"},
      {"time-out", server_.Url("/silent")},
      {"not HTML", server_.Url("/image")},
      {"too large", server_.Url("/big")},
      {"not a web address", "file:///etc/hostname"},
      {"not an address at all", "::"},
  };
  for (const auto& [name, url] : cases) {
    SCOPED_TRACE(name);
    LoadAndSettle(url);
    EXPECT_TRUE(view_->ShowsShippedPage());
    EXPECT_EQ(view_->Page()->Title(), "推荐下载");
    EXPECT_EQ(view_->Url(), url);
  }
}

TEST_F(HtmlViewTest, AFetchedPageReplacesTheShippedOneWithItsPictures) {
  server_.Route("/page.html", Answer(200, "text/html; charset=gbk",
                                     "<title>\xCD\xBC\xC6\xAC</title><body style='margin:0'>"
                                     "<img src='pic.png' style='display:block'>"));
  server_.Route("/pic.png", Answer(200, "image/png", web_test::PngBytes(20, 10, 255, 0, 0)));
  int changes = 0;
  view_->OnPageChanged = [&] { ++changes; };
  view_->Load(server_.Url("/page.html"));
  EXPECT_TRUE(view_->ShowsShippedPage());  // until the page comes
  ASSERT_TRUE(PumpUntil(*app_, [&] { return view_->PendingTransfers() == 0 && !view_->ShowsShippedPage(); }));
  Pump();
  EXPECT_EQ(view_->Page()->Title(), "图片");
  EXPECT_EQ(view_->Page()->ImageSize(server_.Url("/pic.png")), (gfx::Size{20, 10}));
  EXPECT_EQ(backend_->ScreenPixel({19, 9}), kRed);
  EXPECT_EQ(backend_->ScreenPixel({20, 9}), gfx::kWhite);
  EXPECT_EQ(server_.Requests().size(), 2u);
  EXPECT_EQ(changes, 3);  // the shipped page, the fetched one, its picture
}

TEST_F(HtmlViewTest, AFetchedPageNeverLoadsLocalFilesOrTheProgramsOwnPictures) {
  server_.Route("/page.html",
                Answer(200, "text/html",
                       "<base href='file:///usr/share/'><body>"
                       "<img src='orvel-shipped://pages/logo.png'><img src='file:///usr/share/pixmaps/debian-logo.png'>"
                       "<img src='logo.png'><img src='http://127.0.0.1:" + std::to_string(server_.Port()) + "/ok.png'>"
                       "<div style='background:url(/etc/x.png)'>x</div>"));
  server_.Route("/ok.png", Answer(200, "image/png", web_test::PngBytes(2, 2, 0, 255, 0)));
  LoadAndSettle(server_.Url("/page.html"));
  ASSERT_FALSE(view_->ShowsShippedPage());
  EXPECT_EQ(view_->Page()->ImageSize("orvel-shipped://pages/logo.png"), (gfx::Size{}));
  EXPECT_EQ(view_->Page()->ImageSize("file:///usr/share/logo.png"), (gfx::Size{}));
  EXPECT_EQ(view_->Page()->ImageSize(server_.Url("/ok.png")), (gfx::Size{2, 2}));
  EXPECT_EQ(server_.Requests().size(), 2u);
}

TEST_F(HtmlViewTest, LinksGoToTheDesktopOnlyForWebAndMailAddresses) {
  const std::vector<std::pair<std::string, bool>> links = {
      {"https://example.test/a", true},
      {"http://example.test/b", true},
      {"mailto:someone@example.test", true},
      {"HTTP://EXAMPLE.TEST/C", true},
      {"/relative", true},  // resolves against the page's own http address
      {"file:///etc/passwd", false},
      {"javascript:alert(1)", false},
      {"  javascript:alert(1)", false},
      {"jav&#x09;ascript:alert(1)", false},
      {"/usr/share/applications/x.desktop", true},  // an http address of the server, not a local file
      {"orvel-shipped://pages/logo.png", false},
      {"data:text/html,<p>x", false},
      {"ftp://example.test/", false},
  };
  std::string body = "<body style='margin:0;font:16px Arial'>";
  for (const auto& [href, handed] : links) body += "<div style='height:14px;overflow:hidden'><a href='" + href + "'>link</a></div>";
  server_.Route("/links.html", Answer(200, "text/html", body));
  LoadAndSettle(server_.Url("/links.html"));
  ASSERT_FALSE(view_->ShowsShippedPage());
  const std::vector<web::PageLink> boxes = view_->Page()->Links();
  ASSERT_EQ(boxes.size(), links.size());
  std::vector<std::string> expected;
  for (size_t i = 0; i < links.size(); ++i) {
    const gfx::Point at{boxes[i].box.left + 3, boxes[i].box.top + 4};
    backend_->InjectMouseMove(at);
    Pump();
    backend_->Click(at);
    Pump();
    if (links[i].second) expected.push_back(boxes[i].url);
  }
  EXPECT_EQ(backend_->OpenedUrls(), expected);
  EXPECT_EQ(expected.size(), 6u);
}

TEST_F(HtmlViewTest, TheHandShowsOverLinks) {
  server_.Route("/a.html", Answer(200, "text/html", "<body style='margin:0;font:20px Arial'><a href='/x'>link</a> text"));
  LoadAndSettle(server_.Url("/a.html"));
  backend_->InjectMouseMove({5, 8});
  Pump();
  EXPECT_EQ(backend_->Cursor(), platform::CursorShape::kHand);
  backend_->InjectMouseMove({120, 8});
  Pump();
  EXPECT_EQ(backend_->Cursor(), platform::CursorShape::kArrow);
}

TEST_F(HtmlViewTest, ATallPageScrollsWithTheWheelAndTheBarAndLaysOutAgainOnResize) {
  server_.Route("/tall.html", Answer(200, "text/html",
                                     "<body style='margin:0'><div style='height:1000px;background:#ff0000'></div>"
                                     "<div style='height:200px'></div>"));
  LoadAndSettle(server_.Url("/tall.html"));
  ui::ScrollBar* bar = view_->VerticalBar();
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(bar->BoundsRect(), (gfx::Rect{300 - ui::ScrollBar::kBreadth, 0, 300, 200}));
  EXPECT_EQ(view_->Page()->Height(), 1200);
  EXPECT_EQ(backend_->ScreenPixel({10, 190}), kRed);

  backend_->InjectWheel({100, 100}, -120 * 10);
  Pump();
  EXPECT_EQ(view_->ScrollPosition(), 10 * web::HtmlView::kWheelStep);
  backend_->InjectWheel({100, 100}, -120 * 100);
  Pump();
  EXPECT_EQ(view_->ScrollPosition(), 1000);  // the page's end at the view's bottom
  EXPECT_EQ(bar->Info().position, 1000);
  EXPECT_EQ(backend_->ScreenPixel({10, 10}), gfx::kWhite);
  EXPECT_EQ(bar->Info().page, 200);

  // A click on the bar's upper arrow scrolls back a little.
  backend_->Click({300 - 8, 5});
  Pump();
  EXPECT_LT(view_->ScrollPosition(), 1000);

  // Tall enough for the whole page: no bar, back at the top, the page as wide as the view.
  form_->SetBounds(0, 0, 300, 1300);
  view_->SetBounds(0, 0, 300, 1300);
  Pump();
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(view_->ScrollPosition(), 0);
  EXPECT_EQ(backend_->ScreenPixel({299, 10}), kRed);
}

TEST_F(HtmlViewTest, ClosingTheViewDuringATransferEndsIt) {
  server_.Route("/silent", Silent());
  view_->Load(server_.Url("/silent"));
  ASSERT_TRUE(PumpUntil(*app_, [&] { return server_.SilentOpen() == 1; }));
  EXPECT_EQ(view_->PendingTransfers(), 1u);
  app_->DestroyForm(form_);
  view_ = nullptr;
  form_ = nullptr;
  EXPECT_TRUE(PumpUntil(*app_, [&] { return server_.SilentClosed() == 1; }));
}

TEST_F(HtmlViewTest, LoadingAnotherAddressCancelsTheFirst) {
  server_.Route("/silent", Silent());
  server_.Route("/page.html", Answer(200, "text/html", "<title>second</title>"));
  view_->Load(server_.Url("/silent"));
  ASSERT_TRUE(PumpUntil(*app_, [&] { return server_.SilentOpen() == 1; }));
  LoadAndSettle(server_.Url("/page.html"));
  EXPECT_EQ(view_->Page()->Title(), "second");
  EXPECT_TRUE(PumpUntil(*app_, [&] { return server_.SilentClosed() == 1; }));
}

}  // namespace
