// The addresses' settings, the home page written to the cache folder, and which links may leave.
#include "web/WebAddresses.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

// Sets environment variables for one test and puts the old values back.
class EnvGuard {
 public:
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old != nullptr, old != nullptr ? old : ""});
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~EnvGuard() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->had) {
        ::setenv(it->name.c_str(), it->value.c_str(), 1);
      } else {
        ::unsetenv(it->name.c_str());
      }
    }
  }

 private:
  struct Saved {
    std::string name;
    bool had;
    std::string value;
  };
  std::vector<Saved> saved_;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(WebAddresses, TheEnvironmentOverridesTheBuiltInAddress) {
  EnvGuard env;
  env.Set("ORVEL_ADS_URL", nullptr);
  EXPECT_EQ(web::AddressSetting("ORVEL_ADS_URL", "http://built.in/"), "http://built.in/");
  env.Set("ORVEL_ADS_URL", "http://127.0.0.1:9/ads.html");
  EXPECT_EQ(web::AddressSetting("ORVEL_ADS_URL", "http://built.in/"), "http://127.0.0.1:9/ads.html");
  EXPECT_EQ(web::AdsUrl(), "http://127.0.0.1:9/ads.html");
  env.Set("ORVEL_ADS_URL", "");  // set but empty: the shipped page, whatever was built in
  EXPECT_EQ(web::AddressSetting("ORVEL_ADS_URL", "http://built.in/"), "");
  env.Set("ORVEL_DOWNLOADS_URL", "https://example.test/d");
  EXPECT_EQ(web::DownloadsUrl(), "https://example.test/d");
  env.Set("ORVEL_HOME_URL", "https://example.test/home");
  EXPECT_EQ(web::HomeUrl(), "https://example.test/home");
}

TEST(WebAddresses, TheShippedHomePageIsWrittenToTheCacheFolder) {
  testing_support::TempDir dir;
  EnvGuard env;
  env.Set("ORVEL_HOME_URL", nullptr);
  const std::string cache = dir / "cache dir";
  env.Set("XDG_CACHE_HOME", cache.c_str());
  EXPECT_EQ(web::CacheFolder(), cache + "/orvel");
  const std::string url = web::HomeUrl();
  EXPECT_EQ(url, "file://" + dir.path() + "/cache%20dir/orvel/home.html");
  const std::string page = ReadFile(cache + "/orvel/home.html");
  EXPECT_NE(page.find("Orvel"), std::string::npos);
  EXPECT_EQ(page.find("@VERSION@"), std::string::npos);  // the version is filled in
  EXPECT_NE(page.find("版本 " ORVEL_TEST_VERSION), std::string::npos);

  // A page changed on disc is put right on the next use.
  std::ofstream(cache + "/orvel/home.html") << "changed";
  EXPECT_EQ(web::HomeUrl(), url);
  EXPECT_EQ(ReadFile(cache + "/orvel/home.html"), page);

  // A relative XDG_CACHE_HOME is ignored, as the base directory rules say.
  env.Set("XDG_CACHE_HOME", "relative");
  env.Set("HOME", dir.path().c_str());
  EXPECT_EQ(web::CacheFolder(), dir.path() + "/.cache/orvel");
}

TEST(WebAddresses, TheHomePageThatCannotBeWrittenIsAnError) {
  testing_support::TempDir dir;
  std::ofstream(dir / "file") << "x";
  EXPECT_THROW(web::WriteShippedHomePage(dir / "file/orvel"), std::exception);
}

TEST(WebAddresses, OnlyWebAndMailAddressesAreHandedOverAndOnlyWebAddressesFetched) {
  struct Case {
    const char* url;
    bool handed;
    bool fetched;
  };
  const std::vector<Case> cases = {
      {"http://example.test/", true, true},
      {"https://example.test/", true, true},
      {"HTTPS://example.test/", true, true},
      {"mailto:someone@example.test", true, false},
      {"file:///etc/passwd", false, false},
      {"javascript:alert(1)", false, false},
      {"/usr/share/applications/x.desktop", false, false},
      {"x.desktop", false, false},
      {"data:text/html,x", false, false},
      {"", false, false},
      {"http://example.test/\nfile:///etc/passwd", false, true},
      {"https", false, false},
      {"http:/example.test", true, false},
      {"httpx://example.test/", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(web::IsLinkHandedOver(c.url), c.handed) << c.url;
    EXPECT_EQ(web::IsWebAddress(c.url), c.fetched) << c.url;
  }
}

}  // namespace
