// The fetcher against a server on the loopback interface: pages, redirects, errors, limits,
// compression, character sets, pictures and cancelling.
#include "web/Fetcher.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "ui/UiTestEnv.h"
#include "web/LoopbackServer.h"
#include "web/WebImage.h"
#include "web/WebTestEnv.h"

namespace {

using web_test::LoopbackServer;
using web_test::PumpUntil;
using web_test::Answer;
using web_test::Silent;

std::string Gzip(const std::string& text) {
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
  std::string out(compressBound(text.size()) + 64, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

class FetcherTest : public ui_test::UiTest {
 protected:
  // Fetches one address and waits for its result.
  web::FetchResult Fetch(const std::string& url, web::FetchKind kind = web::FetchKind::kPage,
                         web::FetchLimits limits = {}) {
    web::Fetcher fetcher(limits);
    std::optional<web::FetchResult> got;
    fetcher.Get(url, kind, [&](web::FetchResult& r) { got = r; });
    EXPECT_TRUE(PumpUntil(*app_, [&] { return got.has_value(); }));
    return got.value_or(web::FetchResult{});
  }

  LoopbackServer server_;
};

// GBK bytes of "图片压缩".
const std::string kGbkWords = "\xCD\xBC\xC6\xAC\xD1\xB9\xCB\xF5";

struct PageCase {
  const char* name;
  std::string path;    // what is fetched
  bool ok;
  std::string text;    // a part of the converted text (ok) or of the error
};

TEST_F(FetcherTest, PagesAndTheirFailures) {
  server_.Route("/page", Answer(200, "text/html; charset=utf-8", "<p>你好</p>"));
  server_.Route("/r1", Answer(302, "text/html", "", {"Location: /r2"}));
  server_.Route("/r2", Answer(301, "text/html", "", {"Location: " + server_.Url("/page")}));
  server_.Route("/loop", Answer(302, "text/html", "", {"Location: /loop"}));
  server_.Route("/gbk", Answer(200, "text/html; charset=GBK", "<p>" + kGbkWords + "</p>"));
  server_.Route("/gbk-meta", Answer(200, "text/html",
                                   "<html><head><meta charset=\"gb2312\"></head><body>" + kGbkWords + "</body>"));
  server_.Route("/gzip", Answer(200, "text/html", Gzip("<p>" + std::string(100000, 'z') + "</p>"),
                               {"Content-Encoding: gzip"}));
  server_.Route("/big", Answer(200, "text/html", std::string((size_t{4} << 20) + 1, 'x')));
  // Compressed, the body is small; unpacked it is over the page limit.
  server_.Route("/bomb", Answer(200, "text/html", Gzip(std::string(size_t{6} << 20, ' ')),
                               {"Content-Encoding: gzip"}));
  server_.Route("/png", Answer(200, "image/png", web_test::PngBytes(2, 2, 255, 0, 0)));
  server_.Route("/error", Answer(500, "text/html", "<p>oops</p>"));

  const std::vector<PageCase> cases = {
      {"plain page", "/page", true, "<p>你好</p>"},
      {"redirect chain", "/r1", true, "你好"},
      {"redirect loop", "/loop", false, "转向次数太多"},
      {"not found", "/missing", false, "404"},
      {"server error", "/error", false, "500"},
      {"GBK by header", "/gbk", true, "图片压缩"},
      {"GB2312 by meta tag", "/gbk-meta", true, "图片压缩"},
      {"gzip", "/gzip", true, std::string(100000, 'z')},
      {"too large", "/big", false, "网页太大"},
      {"too large unpacked", "/bomb", false, "网页太大"},
      {"not a page", "/png", false, "不是网页"},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.name);
    web::FetchResult r = Fetch(server_.Url(c.path));
    EXPECT_EQ(r.ok, c.ok) << r.error;
    EXPECT_EQ(r.page != nullptr, c.ok);  // parsed on the fetcher's thread
    EXPECT_NE((c.ok ? r.text : r.error).find(c.text), std::string::npos) << (c.ok ? r.text.substr(0, 80) : r.error);
  }
  EXPECT_EQ(Fetch(server_.Url("/r1")).final_url, server_.Url("/page"));
}

TEST_F(FetcherTest, RequestsNameTheProgramAndAcceptCompression) {
  server_.Route("/page", Answer(200, "text/html", "<p>x</p>"));
  ASSERT_TRUE(Fetch(server_.Url("/page")).ok);
  ASSERT_EQ(server_.Requests().size(), 1u);
  const std::string head = server_.Requests()[0];
  EXPECT_NE(head.find("User-Agent: " + web::UserAgent()), std::string::npos) << head;
  EXPECT_NE(head.find("Orvel/"), std::string::npos);
  EXPECT_NE(head.find("Accept-Encoding: "), std::string::npos) << head;
  EXPECT_EQ(head.find("Cookie"), std::string::npos);
}

TEST_F(FetcherTest, AddressesThatAreNotWebAddressesFailWithoutATransfer) {
  for (const char* url : {"file:///etc/hostname", "ftp://127.0.0.1/", "orvel-shipped://pages/logo.png", "", "javascript:1"}) {
    SCOPED_TRACE(url);
    web::FetchResult r = Fetch(url);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.text.empty());
  }
  EXPECT_TRUE(server_.Requests().empty());
}

TEST_F(FetcherTest, ARedirectToAnotherSchemeIsNotFollowed) {
  server_.Route("/to-file", Answer(302, "text/html", "", {"Location: file:///etc/hostname"}));
  web::FetchResult r = Fetch(server_.Url("/to-file"));
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.text.empty());
}

TEST_F(FetcherTest, PicturesAreDecodedOnTheFetchersThread) {
  server_.Route("/a.png", Answer(200, "image/png", web_test::PngBytes(3, 2, 0, 0, 255)));
  server_.Route("/bad.png", Answer(200, "image/png", "\x89PNG\r\n\x1a\nbroken"));
  web::FetchResult good = Fetch(server_.Url("/a.png"), web::FetchKind::kImage);
  ASSERT_TRUE(good.ok) << good.error;
  ASSERT_TRUE(good.image);
  EXPECT_EQ(good.image->pixels.Width(), 3);
  EXPECT_EQ(good.image->pixels.Pixel(0, 0), gfx::Rgb(0, 0, 255));
  web::FetchResult bad = Fetch(server_.Url("/bad.png"), web::FetchKind::kImage);
  EXPECT_FALSE(bad.ok);
  EXPECT_FALSE(bad.image);
}

TEST_F(FetcherTest, ASilentServerTimesOut) {
  server_.Route("/silent", Silent());
  web::FetchLimits limits;
  limits.total_timeout_ms = 300;
  web::FetchResult r = Fetch(server_.Url("/silent"), web::FetchKind::kPage, limits);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("超时"), std::string::npos) << r.error;
}

TEST_F(FetcherTest, DestroyingTheFetcherDuringATransferClosesItAndDeliversNothing) {
  server_.Route("/silent", Silent());
  bool delivered = false;
  {
    web::Fetcher fetcher;
    fetcher.Get(server_.Url("/silent"), web::FetchKind::kPage, [&](web::FetchResult&) { delivered = true; });
    ASSERT_TRUE(PumpUntil(*app_, [&] { return server_.SilentOpen() == 1; }));
    EXPECT_EQ(fetcher.Pending(), 1u);
  }
  EXPECT_TRUE(PumpUntil(*app_, [&] { return server_.SilentClosed() == 1; }));
  app_->ProcessMessages();
  EXPECT_FALSE(delivered);
}

TEST_F(FetcherTest, CancelDropsRunningTransfersAndLaterOnesStillArrive) {
  server_.Route("/silent", Silent());
  server_.Route("/page", Answer(200, "text/html", "<p>after</p>"));
  web::Fetcher fetcher;
  int cancelled_results = 0;
  fetcher.Get(server_.Url("/silent"), web::FetchKind::kPage, [&](web::FetchResult&) { ++cancelled_results; });
  ASSERT_TRUE(PumpUntil(*app_, [&] { return server_.SilentOpen() == 1; }));
  fetcher.Cancel();
  EXPECT_EQ(fetcher.Pending(), 0u);
  std::optional<web::FetchResult> later;
  fetcher.Get(server_.Url("/page"), web::FetchKind::kPage, [&](web::FetchResult& r) { later = r; });
  ASSERT_TRUE(PumpUntil(*app_, [&] { return later.has_value() && server_.SilentClosed() == 1; }));
  EXPECT_TRUE(later->ok);
  EXPECT_EQ(cancelled_results, 0);
  EXPECT_EQ(fetcher.Pending(), 0u);
}

}  // namespace
