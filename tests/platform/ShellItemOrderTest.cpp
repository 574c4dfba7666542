// The item order: folders first, case-insensitive names with digit runs by value.
#include "platform/ShellItemOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace platform {
namespace {

int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

TEST(ShellItemOrderTest, NamesCompareCaseInsensitivelyWithNumbersByValue) {
  struct Case {
    const char* a;
    const char* b;
    int expected;
  };
  const Case cases[] = {
      {"a", "B", -1},
      {"B", "a", 1},
      {"file2", "file10", -1},     // by value, not by character
      {"file10", "file9", 1},
      {"x007", "x7", -1},          // equal values: the byte order decides, never 0 for different names
      {"v1.10", "v1.9", 1},
      {"99999999999999999999999", "100000000000000000000000", -1},  // longer than any integer type
      {"ABC", "abc", -1},          // same ignoring case: byte order keeps the order total
      {"abc", "abc", 0},
      {"ab", "abc", -1},
      {"", "a", -1},
      {"a1b", "a1", 1},
      {"10", "a", -1},             // digits before letters, as in ASCII
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(CompareShellNames(c.a, c.b)), c.expected) << c.a << " vs " << c.b;
    EXPECT_EQ(Sign(CompareShellNames(c.b, c.a)), -c.expected) << c.b << " vs " << c.a;
  }
}

TEST(ShellItemOrderTest, SortsFoldersFirstThenNames) {
  struct Item {
    bool folder;
    std::string name;
  };
  std::vector<Item> items = {{false, "img10.jpg"}, {true, "zeta"}, {false, "IMG2.jpg"},
                             {true, "Alpha"},      {false, "b.bmp"}, {true, "alpha2"}};
  std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return CompareShellItems(a.folder, a.name, b.folder, b.name) < 0;
  });
  std::vector<std::string> names;
  for (const Item& i : items) names.push_back(i.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "alpha2", "zeta", "b.bmp", "IMG2.jpg", "img10.jpg"}));
}

}  // namespace
}  // namespace platform
