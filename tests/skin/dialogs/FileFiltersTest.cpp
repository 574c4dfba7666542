// Mask tests and filter strings.
#include "skin/dialogs/FileFilters.h"

#include <gtest/gtest.h>

namespace {

TEST(FileFiltersTest, MasksPassFilesByExtension) {
  struct Case {
    const char* name;
    const char* mask;
    bool passes;
  };
  static constexpr Case kCases[] = {
      {"a.jpg", "*.jpg;*.jpeg;*.bmp;", true},
      {"B.JPEG", "*.jpg;*.jpeg;*.bmp;", true},
      {"c.Bmp", "*.jpg;*.jpeg;*.bmp;", true},
      {"d.jp", "*.jpg;*.jpeg;*.bmp;", true},  // ".JP" occurs in ".JPG": extensions are found anywhere
      {"e.png", "*.jpg;*.jpeg;*.bmp;", false},
      {"photo.jpg.txt", "*.jpg;*.jpeg;*.bmp;", false},  // only the last extension counts
      {"README", "*.jpg;*.jpeg;*.bmp;", false},
      {"README", "*.*", true},
      {"notes.", "*.jpg;*.jpeg;*.bmp;", false},  // a trailing dot is no extension
      {"notes.", "*.*", true},
      {"a.png", "*.png|*.*", true},  // ".*" anywhere passes everything
      {"archive.zip", "*.zip", true},
      {"x.jpg", "", false},
  };
  for (const Case& c : kCases) EXPECT_EQ(skin::MatchesMask(c.name, c.mask), c.passes) << c.name << " in " << c.mask;
}

TEST(FileFiltersTest, FilterStringsSplitIntoDescriptionsAndMasks) {
  struct Case {
    const char* filter;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  const Case kCases[] = {
      {"*.jpg|*.JPG|*.bmp|*.BMP|", {{"*.jpg", "*.JPG"}, {"*.bmp", "*.BMP"}}},
      {"All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;", {{"All (*.jpg;*.jpeg;*.bmp;)", "*.jpg;*.jpeg;*.bmp;"}}},
      {"Pictures|*.jpg|Orphan", {{"Pictures", "*.jpg"}}},  // a description without a mask is dropped
      {"Empty mask|", {{"Empty mask", ""}}},
      {"no bar at all", {}},
      {"", {}},
  };
  for (const Case& c : kCases) {
    std::vector<std::pair<std::string, std::string>> got;
    for (const skin::FilterEntry& e : skin::ParseFilter(c.filter)) got.emplace_back(e.description, e.mask);
    EXPECT_EQ(got, c.entries) << c.filter;
  }
}

}  // namespace
