// The menu engine driven like a user would: keys, the pointer, submenus, accelerators and every way a
// menu ends.
#include "skin/menus/TskSkinMenu.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "skin/menus/MenuTestEnv.h"
#include "skin/menus/TskSkinPopupWindow.h"
#include "ui/MenuItem.h"
#include "ui/Panel.h"

namespace skin {
namespace {

using menu_test::MenuTest;
using menu_test::MessageLog;

// Items from a pattern: 'e' enabled, 'd' disabled, 's' separator; captions "Item<i>".
void Fill(ui::MenuItem& root, const std::string& pattern, std::vector<std::string>* ran = nullptr) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == 's') {
      root.AddSeparator();
      continue;
    }
    std::string caption = "Item" + std::to_string(i);
    ui::MenuItem* item = root.Add(caption, [ran, caption](ui::Component*) {
      if (ran != nullptr) ran->push_back(caption);
    });
    item->SetEnabled(pattern[i] == 'e');
  }
}

class TskSkinMenuTest : public MenuTest {
 protected:
  void Open(ui::MenuItem& root, gfx::Point at = {150, 150}, ui::Control* opener = nullptr) {
    Engine().PopupItems(opener, skin_data_, false, &root, {at.x, at.y, at.x, at.y});
    Pump();
  }
  // Whether a key pressed now reaches the form (and is not kept by a menu).
  bool KeyReachesForm() {
    int got = 0;
    form_->OnKeyDown = [&got](ui::Control*, uint16_t& key, ui::ShiftState) {
      if (key == 'Q') ++got;
    };
    Key('Q');
    form_->OnKeyDown = nullptr;
    return got == 1;
  }

  TskSkinData* skin_data_ = nullptr;
};

TEST_F(TskSkinMenuTest, OpeningHighlightsTheFirstItemThatCanBeChosen) {
  const struct {
    const char* pattern;
    int highlight;
  } cases[] = {{"eee", 0}, {"see", 1}, {"dse", 2}, {"dds", -1}};
  for (const auto& c : cases) {
    ui::MenuItem root;
    Fill(root, c.pattern);
    Open(root);
    ASSERT_EQ(Engine().LevelCount(), 1u) << c.pattern;
    EXPECT_EQ(Level(0)->HighlightIndex(), c.highlight) << c.pattern;
    if (c.highlight >= 0) {
      EXPECT_TRUE(Level(0)->ItemObjects()[c.highlight].initial_selection) << c.pattern;
    }
    Engine().CloseAll();
  }
}

TEST_F(TskSkinMenuTest, ArrowKeysSkipWhatCannotBeChosenAndWrapOnlyAtTheEnds) {
  using platform::kVkDown;
  using platform::kVkUp;
  const struct {
    const char* pattern;
    std::vector<platform::KeyCode> keys;
    int expected;
  } cases[] = {
      {"eee", {kVkDown}, 1},
      {"eee", {kVkDown, kVkDown, kVkDown}, 0},  // wraps from the very last item
      {"eee", {kVkUp}, 2},                      // wraps from the very first item
      {"esdde", {kVkDown}, 4},
      {"esded", {kVkDown}, 3},
      {"esded", {kVkDown, kVkDown}, 3},  // the last choice is not the last item: it stays
      {"esded", {kVkDown, kVkUp}, 0},
      {"esded", {kVkUp}, 3},  // from the first item up: the search starts at the last one
      {"dsee", {kVkUp}, 2},   // the first choice is not the first item: it stays
      {"ded", {kVkDown, kVkUp}, 1},
  };
  for (const auto& c : cases) {
    ui::MenuItem root;
    Fill(root, c.pattern);
    Open(root);
    for (platform::KeyCode k : c.keys) Key(k);
    ASSERT_EQ(Engine().LevelCount(), 1u) << c.pattern;
    EXPECT_EQ(Level(0)->HighlightIndex(), c.expected) << c.pattern;
    Engine().CloseAll();
  }
}

TEST_F(TskSkinMenuTest, EnterRunsTheChosenItemAndEndsTheMenu) {
  MessageLog form_log(*form_);
  std::vector<std::string> ran;
  ui::MenuItem root;
  Fill(root, "esde", &ran);
  Open(root);
  Key(platform::kVkReturn);
  EXPECT_EQ(ran, std::vector<std::string>{"Item0"});
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_EQ(Engine().LevelCount(), 0u);
  EXPECT_EQ(form_log.Count(ui::kSkinMsgCloseMenus), 1);
  EXPECT_TRUE(KeyReachesForm());

  ran.clear();
  Open(root);
  Key(platform::kVkDown);
  Key(platform::kVkReturn);
  EXPECT_EQ(ran, std::vector<std::string>{"Item3"});
}

TEST_F(TskSkinMenuTest, AcceleratorsRunTheirItemOrOpenItsSubmenuAtOnce) {
  std::vector<std::string> ran;
  ui::MenuItem root;
  root.Add("&Open", [&](ui::Component*) { ran.push_back("open"); });
  root.Add("&Disabled", [&](ui::Component*) { ran.push_back("disabled"); })->SetEnabled(false);
  ui::MenuItem* sub = root.Add("&More", [&](ui::Component*) { ran.push_back("more"); });
  sub->Add("&Inner", [&](ui::Component*) { ran.push_back("inner"); });
  root.Add("Save &As", [&](ui::Component*) { ran.push_back("save as"); });

  Open(root);
  Key('D');  // a disabled item's accelerator does nothing
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(Engine().LevelCount(), 1u);
  Key('M');
  EXPECT_EQ(ran, std::vector<std::string>{"more"});  // the submenu's own command runs first
  ASSERT_EQ(Engine().LevelCount(), 2u);
  EXPECT_TRUE(Level(0)->ItemObjects()[2].submenu_open);
  Key('I');
  EXPECT_EQ(ran, (std::vector<std::string>{"more", "inner"}));
  EXPECT_FALSE(Engine().IsOpen());

  ran.clear();
  Open(root);
  Key('A');
  EXPECT_EQ(ran, std::vector<std::string>{"save as"});
}

TEST_F(TskSkinMenuTest, HoveringAnItemWithSubItemsOpensItsSubmenuAfterTheDelay) {
  std::vector<std::string> ran;
  ui::MenuItem root;
  root.Add("First");
  ui::MenuItem* sub = root.Add("Sub", [&](ui::Component*) { ran.push_back("sub"); });
  sub->Add("Inner");
  root.Add("Last");
  Open(root);
  PointAt(ItemCentre(0, 1));
  EXPECT_EQ(Level(0)->HighlightIndex(), 1);
  // The poll that saw the pointer started the delay.
  Advance(TskSkinMenu::kSubmenuDelayMs - 1);
  EXPECT_EQ(Engine().LevelCount(), 1u);
  Advance(1);
  ASSERT_EQ(Engine().LevelCount(), 2u);
  EXPECT_EQ(ran, std::vector<std::string>{"sub"});
  // The submenu lines its first item up beside the item it belongs to.
  EXPECT_EQ(Level(1)->Left(), Level(0)->ScreenItemRect(1).right + 1);
  EXPECT_EQ(Level(1)->Top() + Level(1)->CurrentItemsRect().top, Level(0)->ScreenItemRect(1).top);

  // Moving on before the delay ends opens nothing.
  Engine().CloseAll();
  ran.clear();
  Open(root);
  PointAt(ItemCentre(0, 1));
  Advance(200);
  PointAt(ItemCentre(0, 2));
  Advance(TskSkinMenu::kSubmenuDelayMs);
  EXPECT_EQ(Engine().LevelCount(), 1u);
  EXPECT_TRUE(ran.empty());
}

TEST_F(TskSkinMenuTest, ClickingAnItemRunsItAndClickingASubmenuItemOpensItAtOnce) {
  std::vector<std::string> ran;
  ui::MenuItem root;
  root.Add("Plain", [&](ui::Component*) { ran.push_back("plain"); });
  ui::MenuItem* sub = root.Add("Sub", [&](ui::Component*) { ran.push_back("sub"); });
  sub->Add("Inner", [&](ui::Component*) { ran.push_back("inner"); });
  root.AddSeparator();
  root.Add("Off", [&](ui::Component*) { ran.push_back("off"); })->SetEnabled(false);
  Open(root);
  backend_->Click(ItemCentre(0, 1));
  Pump();
  EXPECT_EQ(ran, std::vector<std::string>{"sub"});
  ASSERT_EQ(Engine().LevelCount(), 2u);
  // Separators and disabled items take no click.
  backend_->Click(ItemCentre(0, 2));
  backend_->Click(ItemCentre(0, 3));
  Pump();
  EXPECT_EQ(ran, std::vector<std::string>{"sub"});
  EXPECT_TRUE(Engine().IsOpen());
  backend_->Click(ItemCentre(1, 0));
  Pump();
  EXPECT_EQ(ran, (std::vector<std::string>{"sub", "inner"}));
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_TRUE(KeyReachesForm());
}

TEST_F(TskSkinMenuTest, EscapeAndLeftCloseOneLevelAtATime) {
  MessageLog form_log(*form_);
  ui::MenuItem root;
  ui::MenuItem* sub = root.Add("&Sub");
  sub->Add("Inner");
  root.Add("Other");
  Open(root);
  Key(platform::kVkLeft);  // a single level stays
  EXPECT_EQ(Engine().LevelCount(), 1u);
  Key(platform::kVkRight);
  ASSERT_EQ(Engine().LevelCount(), 2u);
  Key(platform::kVkLeft);
  EXPECT_EQ(Engine().LevelCount(), 1u);
  EXPECT_FALSE(Level(0)->ItemObjects()[0].submenu_open);
  Key('S');
  ASSERT_EQ(Engine().LevelCount(), 2u);
  Key(platform::kVkEscape);
  EXPECT_EQ(Engine().LevelCount(), 1u);
  EXPECT_FALSE(Level(0)->ItemObjects()[0].submenu_open);
  EXPECT_EQ(form_log.Count(ui::kSkinMsgCloseMenus), 0);
  Key(platform::kVkEscape);
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_EQ(form_log.Count(ui::kSkinMsgCloseMenus), 1);
  EXPECT_TRUE(KeyReachesForm());
}

TEST_F(TskSkinMenuTest, KeysAreNeverKeptAfterTheMenuEnds) {
  struct Way {
    const char* name;
    std::function<void(ui::MenuItem&)> end;
  };
  auto swallow_errors = [this] { app_->OnException = [](const std::string&) {}; };
  const Way ways[] = {
      {"an item ran", [this](ui::MenuItem&) { Key(platform::kVkReturn); }},
      {"its handler threw",
       [&, this](ui::MenuItem& root) {
         root.Item(0)->OnClick = [](ui::Component*) { throw std::runtime_error("处理失败"); };
         swallow_errors();
         Key(platform::kVkReturn);
       }},
      {"a submenu's command threw",
       [&, this](ui::MenuItem& root) {
         root.Item(1)->OnClick = [](ui::Component*) { throw std::runtime_error("处理失败"); };
         swallow_errors();
         Key('S');
       }},
      {"Escape", [this](ui::MenuItem&) { Key(platform::kVkEscape); }},
      {"a press elsewhere",
       [this](ui::MenuItem&) {
         backend_->Click({450, 350});
         Pump();
       }},
      {"the form hidden",
       [this](ui::MenuItem&) {
         form_->Hide();
         Advance(TskSkinPopupWindow::kPollIntervalMs);
         form_->Show();
         form_->Activate();
         Pump();
       }},
      {"the menu host destroyed",
       [this](ui::MenuItem&) { DestroyHost(); }},
      {"the items freed", [](ui::MenuItem& root) { root.Clear(); }},
  };
  for (const Way& way : ways) {
    if (host_ == nullptr) MakeHost();
    ui::MenuItem root;
    root.Add("&Run");
    root.Add("&Sub")->Add("Inner");
    Open(root);
    ASSERT_TRUE(Engine().IsOpen()) << way.name;
    EXPECT_FALSE(KeyReachesForm()) << way.name;  // while open, keys belong to the menu
    way.end(root);
    EXPECT_TRUE(KeyReachesForm()) << way.name;
    if (host_ != nullptr) {
      EXPECT_FALSE(Engine().IsOpen()) << way.name;
      EXPECT_EQ(Engine().LevelCount(), 0u) << way.name;
    }
    app_->OnException = nullptr;
  }
}

TEST_F(TskSkinMenuTest, AnItemMayDestroyWhatOpenedTheMenu) {
  // The opener gets 1229 after an item ran, but only while it exists.
  auto* opener = form_->MakeChild<ui::Panel>(form_);
  opener->SetBounds(10, 10, 50, 20);
  MessageLog opener_log(*opener);
  ui::MenuItem root;
  root.Add("Keep");
  root.Add("Free opener", [&](ui::Component*) {
    std::unique_ptr<ui::Control> gone = form_->RemoveChild(opener);
  });
  Open(root, {150, 150}, opener);
  Key(platform::kVkReturn);
  EXPECT_EQ(opener_log.Count(ui::kSkinMsgCloseMenus), 1);
  EXPECT_EQ(opener_log.Count(ui::kSkinMsgMenuItemRun), 1);
  Open(root, {150, 150}, opener);
  Key(platform::kVkDown);
  Key(platform::kVkReturn);  // frees the opener; nothing reaches it afterwards
  Pump();
  EXPECT_FALSE(Engine().IsOpen());

  // An item that destroys the form, and with it the engine and the popup whose release runs it.
  bool ran = false;
  ui::MenuItem last;
  last.Add("Close everything", [&](ui::Component*) {
    ran = true;
    app_->DestroyForm(form_);
  });
  Open(last);
  backend_->Click(ItemCentre(0, 0));
  Pump();
  EXPECT_TRUE(ran);
  EXPECT_TRUE(app_->Forms().empty());
  backend_->PressKey('Q');  // no filter of the gone engine is left behind
  Pump();
}

TEST_F(TskSkinMenuTest, ItemsChangedWhileShownCloseTheirLevel) {
  ui::MenuItem root;
  ui::MenuItem* sub = root.Add("&Sub");
  sub->Add("Inner");
  sub->Add("Second");
  root.Add("Other");
  Open(root);
  Key('S');
  ASSERT_EQ(Engine().LevelCount(), 2u);
  sub->Remove(sub->Item(1));  // the submenu's items change: it closes, its parent level stays
  EXPECT_EQ(Engine().LevelCount(), 1u);
  EXPECT_TRUE(Engine().IsOpen());
  root.Item(1)->SetCaption("Changed");  // a look change only redraws
  EXPECT_EQ(Engine().LevelCount(), 1u);
  root.Add("New");
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_TRUE(KeyReachesForm());
}

TEST_F(TskSkinMenuTest, NothingOpensWithoutItemsToShow) {
  MessageLog form_log(*form_);
  ui::MenuItem empty;
  Open(empty);
  ui::MenuItem hidden;
  hidden.Add("Hidden")->SetVisible(false);
  Open(hidden);
  ui::MenuItem two;
  two.Add("A");
  Engine().PopupItems(nullptr, nullptr, false, &two, {150, 150, 150, 150}, 1);
  EXPECT_FALSE(Engine().IsOpen());
  EXPECT_EQ(Engine().LevelCount(), 0u);
  EXPECT_EQ(form_log.Count(ui::kSkinMsgCloseMenus), 0);
  EXPECT_TRUE(KeyReachesForm());
}

TEST_F(TskSkinMenuTest, OpeningAnotherMenuEndsTheFirstOne) {
  auto* first_opener = form_->MakeChild<ui::Panel>(form_);
  MessageLog first_log(*first_opener);
  ui::MenuItem a;
  a.Add("A");
  ui::MenuItem b;
  b.Add("B");
  Open(a, {150, 150}, first_opener);
  Open(b, {300, 150});
  EXPECT_EQ(first_log.Count(ui::kSkinMsgCloseMenus), 1);
  ASSERT_EQ(Engine().LevelCount(), 1u);
  EXPECT_EQ(Level(0)->ParentItem(), &b);
  Key(platform::kVkEscape);
  EXPECT_TRUE(KeyReachesForm());
}

}  // namespace
}  // namespace skin
