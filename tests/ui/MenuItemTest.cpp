// Menu items: accelerators, radio groups, the item tree and what its watchers are told.
#include "ui/MenuItem.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/PopupMenu.h"

namespace {

using Change = ui::MenuItemObserver::Change;

struct Recorder : ui::MenuItemObserver {
  void MenuItemChanged(ui::MenuItem* item, Change change) override { log.push_back({item, change}); }
  std::vector<std::pair<ui::MenuItem*, Change>> log;
};

TEST(MenuItemTest, AcceleratorIsTheCharacterAfterASingleAmpersand) {
  const struct {
    const char* caption;
    char32_t accel;
  } cases[] = {
      {"&Open", 'O'},   {"Save &as", 'A'},  {"Tom && &Jerry", 'J'}, {"&&Both", 0},
      {"None", 0},      {"End&", 0},        {"&9 lives", '9'},      {"帮助(&H)", 'H'},
      {"&帮助", 0},  // a character no key types
  };
  for (const auto& c : cases) EXPECT_EQ(ui::MenuItem(c.caption).AcceleratorChar(), c.accel) << c.caption;
}

TEST(MenuItemTest, RadioItemsOfAGroupCheckOneAtATime) {
  ui::MenuItem root;
  ui::MenuItem* a = root.Add("A");
  ui::MenuItem* b = root.Add("B");
  ui::MenuItem* c = root.Add("C");
  ui::MenuItem* other_group = root.Add("D");
  for (ui::MenuItem* i : {a, b, c, other_group}) i->SetRadioItem(true);
  other_group->SetGroupIndex(1);
  other_group->SetChecked(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(other_group->Checked());
  // AutoCheck: a radio item checks itself, a plain item toggles.
  c->SetAutoCheck(true);
  c->Click();
  EXPECT_TRUE(c->Checked());
  EXPECT_FALSE(b->Checked());
  c->Click();
  EXPECT_TRUE(c->Checked());
  ui::MenuItem* plain = root.Add("Plain");
  plain->SetAutoCheck(true);
  plain->Click();
  plain->Click();
  EXPECT_FALSE(plain->Checked());
}

TEST(MenuItemTest, WatchersHearOfChangesBeforeItemsAreFreed) {
  Recorder rec;  // outlives the items: each tells it when it goes
  ui::MenuItem root;
  ui::MenuItem* a = root.Add("A");
  ui::MenuItem* sub = root.Add("Sub");
  sub->Add("Inner");
  root.AddObserver(&rec);
  a->AddObserver(&rec);
  a->SetCaption("A2");
  a->SetCaption("A2");  // no change, no word
  root.Insert(0, std::make_unique<ui::MenuItem>("First"));
  EXPECT_EQ(root.Item(0)->Caption(), "First");
  EXPECT_EQ(a->MenuIndex(), 1);
  std::unique_ptr<ui::MenuItem> taken = root.Remove(sub);
  EXPECT_EQ(taken->Parent(), nullptr);
  EXPECT_EQ(root.Count(), 2u);
  a->SetVisible(false);  // a hidden item changes the parent's list
  // Moving an item to another parent takes it from the first one.
  ui::MenuItem other;
  other.Add(std::move(taken));
  EXPECT_EQ(other.Item(0)->Parent(), &other);
  EXPECT_EQ(other.Find("")->Caption(), "Sub");
  const std::vector<std::pair<ui::MenuItem*, Change>> expected = {
      {a, Change::kLook}, {&root, Change::kChildren}, {&root, Change::kChildren}, {&root, Change::kChildren}};
  EXPECT_EQ(rec.log, expected);
  rec.log.clear();
  root.Clear();  // the list changes first, then the items go, each telling its watchers
  ASSERT_EQ(rec.log.size(), 2u);
  EXPECT_EQ(rec.log[0], (std::pair<ui::MenuItem*, Change>{&root, Change::kChildren}));
  EXPECT_EQ(rec.log[1].second, Change::kGone);
  rec.log.clear();
  {
    ui::MenuItem temporary;
    temporary.AddObserver(&rec);
  }
  ASSERT_EQ(rec.log.size(), 1u);
  EXPECT_EQ(rec.log[0].second, Change::kGone);
}

TEST(MenuItemTest, ItemsKnowTheirMenu) {
  struct Menu : ui::PopupMenu {
    void Popup(int, int) override {}
  } menu;
  ui::MenuItem* sub = menu.Items().Add("Sub");
  ui::MenuItem* inner = sub->Add("Inner");
  inner->SetName("inner");
  EXPECT_EQ(inner->Menu(), &menu);
  EXPECT_EQ(menu.Items().Find("inner"), inner);
  ui::MenuItem loose;
  EXPECT_EQ(loose.Menu(), nullptr);
}

}  // namespace
