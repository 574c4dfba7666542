// ListViewSelection: runs of selected items behave like a set of indices.
#include "ui/ListViewSelection.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Random adds and removes on a small range, checked against a plain flag per index after each step:
// merging touching runs, splitting a run by a removal inside it, trimming at both ends and
// deleting items (the marks above move down) all occur.
TEST(ListViewSelectionTest, MatchesASetOfIndicesUnderRandomEdits) {
  constexpr int kSpan = 40;
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> pos(0, kSpan);
  ui::ListViewSelection sel;
  std::vector<bool> model(kSpan, false);
  for (int step = 0; step < 2000; ++step) {
    int a = pos(rng);
    int b = pos(rng);
    if (a > b) std::swap(a, b);
    const unsigned op = rng() % 5;
    if (op == 4) {
      // Deleting an item: the marks above it move down and the top index is left unmarked.
      sel.Erase(a);
      if (a < kSpan) {
        model.erase(model.begin() + a);
        model.push_back(false);
      }
    } else {
      const bool add = op < 2;
      if (add) sel.Add(a, b);
      else sel.Remove(a, b);
      for (int i = a; i < b; ++i) model[static_cast<size_t>(i)] = add;
    }
    int64_t count = 0;
    int first = -1;
    for (int i = 0; i < kSpan; ++i) {
      ASSERT_EQ(sel.Contains(i), model[static_cast<size_t>(i)]) << "step " << step << " index " << i;
      if (model[static_cast<size_t>(i)]) {
        ++count;
        if (first < 0) first = i;
      }
      int next = -1;
      for (int j = i; j < kSpan && next < 0; ++j) {
        if (model[static_cast<size_t>(j)]) next = j;
      }
      ASSERT_EQ(sel.NextFrom(i), next) << "step " << step << " from " << i;
    }
    ASSERT_EQ(sel.Count(), count);
    ASSERT_EQ(sel.First(), first);
  }
}

TEST(ListViewSelectionTest, SelectingEveryItemOfAHugeListIsOneRun) {
  ui::ListViewSelection sel;
  sel.Add(0, INT32_MAX - 1);
  sel.Remove(5, 6);
  EXPECT_EQ(sel.Count(), int64_t{INT32_MAX} - 2);
  EXPECT_FALSE(sel.Contains(5));
  EXPECT_TRUE(sel.Contains(INT32_MAX - 2));
  sel.Truncate(10);
  EXPECT_EQ(sel.Count(), 9);
  EXPECT_EQ(sel.NextFrom(5), 6);
}

}  // namespace
