// The thanks page's web views and the help page's home-page link on the real window, headless:
// where the views sit, what they show at start and on failure, closing during a transfer, and the
// address the link shows and hands to the desktop.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "app/HomePageAddress.h"
#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "ui/GroupBox.h"
#include "ui/UiTestEnv.h"
#include "web/HtmlPage.h"
#include "web/HtmlView.h"
#include "web/LoopbackServer.h"
#include "web/WebTestEnv.h"

namespace {

using web_test::PumpUntil;

class TOrvelDralenWebTest : public ui_test::UiTest {
 protected:
  TOrvelDralenWebTest() {
    // Nothing of the test reaches the user's own settings or the network.
    env_.Set("XDG_CACHE_HOME", cache_.path());
    env_.Set("ORVEL_ADS_URL", "");
    env_.Set("ORVEL_DOWNLOADS_URL", "");
    env_.Set("ORVEL_HOME_URL", "");
  }
  // Builds the windows (FormCreate starts the loads) with the environment as the test set it.
  void Open() {
    main_ = app::CreateWindows(*app_).OrvelDralen;
    main_->Show();
    Pump();
  }

  testing_support::ScopedEnv env_;
  testing_support::TempDir cache_;
  web_test::LoopbackServer server_;
  app::TOrvelDralen* main_ = nullptr;
};

TEST_F(TOrvelDralenWebTest, EachViewFillsItsGroupBoxBelowTheCaptionAndShowsItsShippedPage) {
  Open();
  main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet4);
  Pump();
  struct Case {
    web::HtmlView* view;
    ui::GroupBox* box;
    const char* title;
  };
  for (const Case& k : {Case{main_->WebBrowser1, main_->GroupBox2, "广告"},
                        Case{main_->WebBrowser2, main_->GroupBox1, "推荐下载"}}) {
    SCOPED_TRACE(k.title);
    ASSERT_EQ(k.view->Parent(), k.box);
    // Inside the 2-pixel frame, below the caption line, up to the frame on the other three sides.
    const int caption = k.box->GetFont().TextHeight();
    EXPECT_EQ(k.view->BoundsRect(), (gfx::Rect{2, caption, k.box->Width() - 2, k.box->Height() - 2}));
    EXPECT_GT(k.view->Width(), 150);
    EXPECT_GT(k.view->Height(), 250);
    EXPECT_TRUE(k.view->Visible());
    EXPECT_TRUE(k.view->ShowsShippedPage());
    EXPECT_EQ(k.view->Url(), "");
    EXPECT_EQ(k.view->PendingTransfers(), 0u);
    ASSERT_NE(k.view->Page(), nullptr);
    EXPECT_EQ(k.view->Page()->Title(), k.title);
  }
}

TEST_F(TOrvelDralenWebTest, StartUpLeavesTheFetchesRunningAndAFailedOneKeepsTheShippedPage) {
  server_.Route("/ads.html", web_test::Answer(503, "text/html", "<title>忙</title>"));
  server_.Route("/downloads.html",
                web_test::Answer(200, "text/html; charset=utf-8", "<title>别处的下载</title><p>下载</p>"));
  env_.Set("ORVEL_ADS_URL", server_.Url("/ads.html"));
  env_.Set("ORVEL_DOWNLOADS_URL", server_.Url("/downloads.html"));
  Open();
  // The window is up while both pages are still on their way, each view showing its own page.
  EXPECT_EQ(main_->WebBrowser1->Url(), server_.Url("/ads.html"));
  EXPECT_EQ(main_->WebBrowser2->Url(), server_.Url("/downloads.html"));
  ASSERT_TRUE(PumpUntil(*app_, [&] {
    return main_->WebBrowser1->PendingTransfers() == 0 && main_->WebBrowser2->PendingTransfers() == 0;
  }));
  EXPECT_TRUE(main_->WebBrowser1->ShowsShippedPage());
  EXPECT_EQ(main_->WebBrowser1->Page()->Title(), "广告");
  EXPECT_FALSE(main_->WebBrowser2->ShowsShippedPage());
  EXPECT_EQ(main_->WebBrowser2->Page()->Title(), "别处的下载");
}

TEST_F(TOrvelDralenWebTest, ClosingTheWindowDropsATransferThatNeverEnds) {
  server_.Route("/silent", web_test::Silent());
  env_.Set("ORVEL_ADS_URL", server_.Url("/silent"));
  Open();
  ASSERT_TRUE(PumpUntil(*app_, [&] { return server_.SilentOpen() == 1; }));
  main_->Close();
  Pump();
  EXPECT_TRUE(app_->Terminated());
  // The program ends by freeing its windows; the silent connection goes with them.
  app_.reset();
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (server_.SilentClosed() == 0 && std::chrono::steady_clock::now() < limit) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_EQ(server_.SilentClosed(), 1);
}

TEST_F(TOrvelDralenWebTest, TheHomePageIsTheConfiguredOneOrAWrittenCopyOfTheShippedOne) {
  testing_support::TempDir temp;
  env_.Set("TMPDIR", temp.path());
  // A file where the cache folder would be: nothing can be written below it.
  const std::string blocked = temp / "blocked";
  std::ofstream(blocked) << "x";
  struct Case {
    const char* name;
    const char* home_setting;
    std::string cache;
    std::string folder_of_page;  // where the written page must be; empty for a configured address
  };
  const Case cases[] = {
      {"configured", "https://example.test/orvel/", cache_.path(), ""},
      {"shipped page in the cache", "", cache_.path(), cache_.path() + "/orvel"},
      {"cache cannot be written", "", blocked + "/cache", temp.path() + "/orvel-home-"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    env_.Set("ORVEL_HOME_URL", k.home_setting);
    env_.Set("XDG_CACHE_HOME", k.cache);
    const std::string url = app::HomePageAddress();
    if (k.folder_of_page.empty()) {
      EXPECT_EQ(url, k.home_setting);
      continue;
    }
    const std::string prefix = "file://" + k.folder_of_page;
    ASSERT_EQ(url.rfind(prefix, 0), 0u) << url;
    const std::string path = url.substr(7);
    EXPECT_TRUE(path.ends_with("/home.html")) << path;
    std::ifstream page(path);
    const std::string text((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("<title>Orvel 图片压缩 个人主页</title>"), std::string::npos);
  }
  // The private folder of the fallback is the user's alone.
  for (const auto& entry : std::filesystem::directory_iterator(temp.path())) {
    if (!entry.is_directory()) continue;
    EXPECT_EQ(entry.status().permissions() & std::filesystem::perms::all, std::filesystem::perms::owner_all);
  }
}

TEST_F(TOrvelDralenWebTest, TheLinkShowsTheHomePageAndAClickHandsItToTheDesktop) {
  Open();
  const std::string url = main_->HomePageUrl();
  EXPECT_EQ(url, app::HomePageAddress());
  EXPECT_EQ(main_->skSkinLinkLabel2->Caption(), "个人主页：" + url);
  main_->skSkinPageControl2->SetActivePage(main_->skSkinTabSheet2);
  Pump();
  backend_->Click(main_->skSkinLinkLabel2->ClientToScreen({20, 7}));
  Pump();
  ASSERT_EQ(backend_->OpenedUrls().size(), 1u);
  EXPECT_EQ(backend_->OpenedUrls()[0], url);
}

}  // namespace
