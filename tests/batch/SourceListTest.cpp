#include "batch/SourceList.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace batch {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries EntriesOf(const SourceList& list) {
  Entries entries;
  for (size_t i = 0; i < list.size(); ++i) entries.emplace_back(list.Path(i), list.Subfolder(i));
  return entries;
}

// Shards over the sorted list: each subfolder stays with its path, equal paths keep their order,
// empty subfolders and paths that are prefixes of others survive the packing into one buffer.
TEST(SourceListTest, ShardsTakeEveryNthOfTheSortedListWithTheirSubfolders) {
  const Entries given = {{"b/x.jpg", "b"}, {"a.jpg", ""}, {"a.jpg.png", "p"}, {"a.jpg", "second"}, {"c.bmp", ""}};
  struct Case { size_t first, count; Entries expected; };
  const Case cases[] = {
      {0, 1, {{"a.jpg", ""}, {"a.jpg", "second"}, {"a.jpg.png", "p"}, {"b/x.jpg", "b"}, {"c.bmp", ""}}},
      {0, 2, {{"a.jpg", ""}, {"a.jpg.png", "p"}, {"c.bmp", ""}}},
      {1, 2, {{"a.jpg", "second"}, {"b/x.jpg", "b"}}},
      {4, 5, {{"c.bmp", ""}}},
      {5, 6, {}},
  };
  for (const Case& c : cases) {
    SourceList list;
    for (const auto& [path, subfolder] : given) list.Add(path, subfolder);
    ASSERT_EQ(EntriesOf(list), given);
    list.SortAndKeepEvery(c.first, c.count);
    EXPECT_EQ(EntriesOf(list), c.expected) << c.first << "/" << c.count;
    // The path handed to system calls ends where the name does.
    for (size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list.Path(i).data()[list.Path(i).size()], '\0');
  }
}

}  // namespace
}  // namespace batch
