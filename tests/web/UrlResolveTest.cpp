// Resolving a page's relative addresses.
#include "web/UrlResolve.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlResolve, FollowsTheUriSyntax) {
  const std::string base = "http://a/b/c/d;p?q";
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"g:h", "g:h"},
      {"g", "http://a/b/c/g"},
      {"./g", "http://a/b/c/g"},
      {"g/", "http://a/b/c/g/"},
      {"/g", "http://a/g"},
      {"//g", "http://g"},
      {"?y", "http://a/b/c/d;p?y"},
      {"g?y", "http://a/b/c/g?y"},
      {"#s", "http://a/b/c/d;p?q#s"},
      {"", "http://a/b/c/d;p?q"},
      {".", "http://a/b/c/"},
      {"..", "http://a/b/"},
      {"../g", "http://a/b/g"},
      {"../../../g", "http://a/g"},
      {"/./g", "http://a/g"},
      {"g/../h", "http://a/b/c/h"},
      {"  g \n", "http://a/b/c/g"},
      {"HTTPS://other/x/../y", "HTTPS://other/y"},
      {"mailto:someone@example.test", "mailto:someone@example.test"},
  };
  for (const auto& [reference, resolved] : cases) {
    EXPECT_EQ(web::ResolveUrl(base, reference), resolved) << reference;
  }
  EXPECT_EQ(web::ResolveUrl("orvel-shipped://pages/downloads.html", "logo.png"), "orvel-shipped://pages/logo.png");
  EXPECT_EQ(web::ResolveUrl("http://host", "a.png"), "http://host/a.png");
}

}  // namespace
