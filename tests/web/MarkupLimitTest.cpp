// Cutting off pages that nest too deeply or have too many elements, and leaving ordinary ones whole.
#include "web/MarkupLimit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(MarkupLimit, CutsAtTheTagThatNestsTooDeep) {
  const std::string deep = "<p>before</p>" + Repeat("<div>", 5) + "x";
  EXPECT_EQ(web::LimitMarkup(deep, 3, 100), "<p>before</p><div><div><div>");
  EXPECT_EQ(web::LimitMarkup(deep, 5, 100), deep);
  // Mixed elements count alike, and closing ones give depth back.
  EXPECT_EQ(web::LimitMarkup("<span><b></b><i></i><em><u>x", 2, 100), "<span><b></b><i></i><em>");
  // Elements count whether they nest or not.
  EXPECT_EQ(web::LimitMarkup(Repeat("<li>a", 4), 10, 3), "<li>a<li>a<li>a");
  EXPECT_EQ(web::LimitMarkup(Repeat("<b>a</b>", 4), 10, 4), Repeat("<b>a</b>", 4));
}

TEST(MarkupLimit, LeavesOrdinaryPagesWhole) {
  const std::vector<std::string> pages = {
      "<ul>" + Repeat("<li>item", 50) + "</ul>",                                // items never closed
      Repeat("<p>para", 50),                                                      // paragraphs never closed
      "<table>" + Repeat("<tr><td>a<td>b", 50) + "</table>",                      // rows and cells
      Repeat("<img src=a.png><br><hr><input><meta charset=utf-8>", 50),           // void elements
      Repeat("<div/>", 50),                                                       // self-closed
      "<script>" + Repeat("<div>", 50) + "</script><style>" + Repeat("<i>", 50) + "</STYLE>",
      "<!--" + Repeat("<div>", 50) + "-->",
      Repeat("<div>x</div>", 500),
      "a < b and c<d",
  };
  for (const std::string& page : pages) {
    EXPECT_EQ(web::LimitMarkup(page, 10, 1000), page) << page.substr(0, 40);
  }
}

}  // namespace
