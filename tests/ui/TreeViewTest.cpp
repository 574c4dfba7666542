// The plain tree view: rows, keys, expanding on demand, mouse, deletion, scrolling and deep trees.
#include "ui/TreeView.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ScrollBar.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class TreeViewTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    form_->SetBounds(20, 20, 300, 300);
    form_->Show();
    tree_ = form_->MakeChild<ui::TreeView>(form_);
    tree_->SetBounds(10, 10, 200, 200);
    Pump();
  }

  // a (a1, a2 (a2x)), b (promises children), c
  void BuildSmall() {
    a_ = tree_->AddChild(nullptr, "a");
    tree_->AddChild(a_, "a1");
    a2_ = tree_->AddChild(a_, "a2");
    tree_->AddChild(a2_, "a2x");
    b_ = tree_->AddChild(nullptr, "b");
    b_->SetHasChildren(true);
    tree_->AddChild(nullptr, "c");
  }

  std::vector<std::string> RowTexts() const {
    std::vector<std::string> out;
    for (int32_t r = 0; r < tree_->RowCount(); ++r) out.push_back(tree_->RowNode(r)->Text());
    return out;
  }

  std::string SelectedText() const { return tree_->Selected() != nullptr ? tree_->Selected()->Text() : "-"; }

  gfx::Point Screen(int32_t x, int32_t y) const { return tree_->ClientToScreen({x, y}); }
  // A point on the row's label and on its expand button.
  gfx::Point OnLabel(const ui::TreeNode* n) const {
    gfx::Rect r = tree_->DisplayRect(n, true);
    return Screen(r.left + 3, r.top + r.Height() / 2);
  }
  gfx::Point OnButton(const ui::TreeNode* n) const {
    gfx::Rect r = tree_->DisplayRect(n, true);
    return Screen(r.left - tree_->Indent() / 2 - 1, r.top + r.Height() / 2);
  }

  ui::Form* form_ = nullptr;
  ui::TreeView* tree_ = nullptr;
  ui::TreeNode* a_ = nullptr;
  ui::TreeNode* a2_ = nullptr;
  ui::TreeNode* b_ = nullptr;
};

struct KeyCase {
  const char* name;
  const char* start;  // selected before the keys
  std::vector<platform::KeyCode> keys;
  const char* selected;
  std::vector<std::string> rows;
};

class TreeViewKeys : public TreeViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(TreeViewKeys, MoveSelectionAndExpansion) {
  const KeyCase& c = GetParam();
  BuildSmall();
  tree_->OnExpanding = [this](ui::Control*, ui::TreeNode* n, bool&) {
    if (n == b_ && n->Count() == 0) tree_->AddChild(n, "b1");
  };
  tree_->SetFocus();
  for (ui::TreeNode* n = tree_->FirstNode(); n != nullptr; n = n->NextSibling()) {
    if (n->Text() == c.start) tree_->SetSelected(n);
  }
  if (std::string(c.start) == "a2") tree_->SetSelected(a2_);
  for (platform::KeyCode k : c.keys) backend_->PressKey(k);
  Pump();
  EXPECT_EQ(SelectedText(), c.selected);
  EXPECT_EQ(RowTexts(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TreeViewKeys,
    ::testing::Values(
        KeyCase{"DownSkipsCollapsed", "a", {platform::kVkDown}, "b", {"a", "b", "c"}},
        KeyCase{"RightExpandsThenEnters", "a", {platform::kVkRight, platform::kVkRight}, "a1", {"a", "a1", "a2", "b", "c"}},
        KeyCase{"LeftGoesToParentThenCollapses", "a2", {platform::kVkLeft, platform::kVkLeft}, "a", {"a", "b", "c"}},
        KeyCase{"RightOnDemand", "b", {platform::kVkRight, platform::kVkDown}, "b1", {"a", "b", "b1", "c"}},
        KeyCase{"EndAndHome", "b", {platform::kVkEnd, platform::kVkUp, platform::kVkHome}, "a", {"a", "b", "c"}},
        KeyCase{"PlusMinus", "a", {platform::kVkAdd, platform::kVkDown, platform::kVkUp, platform::kVkSubtract}, "a",
                {"a", "b", "c"}},
        KeyCase{"StarExpandsAllBelow", "a", {platform::kVkMultiply}, "a", {"a", "a1", "a2", "a2x", "b", "c"}},
        KeyCase{"UpAtTopStays", "a", {platform::kVkUp, platform::kVkPrior}, "a", {"a", "b", "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TreeViewTest, ExpandingOnDemandMayAddRefuseOrFindNothing) {
  ui::TreeNode* n = tree_->AddChild(nullptr, "n");
  n->SetHasChildren(true);
  std::vector<std::string> log;
  bool refuse = true;
  bool add = false;
  tree_->OnExpanding = [&](ui::Control*, ui::TreeNode* node, bool& allow) {
    log.push_back("expanding " + node->Text());
    allow = !refuse;
    if (add) tree_->AddChild(node, "child");
  };
  tree_->OnExpanded = [&](ui::Control*, ui::TreeNode* node) { log.push_back("expanded " + node->Text()); };

  EXPECT_FALSE(n->Expand());  // refused: the button stays
  EXPECT_TRUE(n->HasChildren());
  refuse = false;
  EXPECT_FALSE(n->Expand());  // allowed, but nothing came: the button goes
  EXPECT_FALSE(n->HasChildren());
  n->SetHasChildren(true);
  add = true;
  EXPECT_TRUE(n->Expand());
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"n", "child"}));
  EXPECT_TRUE(n->Expand());  // already open: no second event
  EXPECT_EQ(log, (std::vector<std::string>{"expanding n", "expanding n", "expanding n", "expanded n"}));
}

TEST_F(TreeViewTest, CollapsingAndDeletingMoveTheSelection) {
  BuildSmall();
  std::vector<std::string> changes;
  std::vector<std::string> deleted;
  tree_->OnChange = [&](ui::Control*, ui::TreeNode* n) { changes.push_back(n != nullptr ? n->Text() : "none"); };
  tree_->OnDeletion = [&](ui::Control*, ui::TreeNode* n) { deleted.push_back(n->Text()); };
  ui::TreeNode* a2x = a2_->FirstChild();
  tree_->SetSelected(a2x);  // opens a and a2
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"a", "a1", "a2", "a2x", "b", "c"}));
  a_->Collapse();
  EXPECT_EQ(SelectedText(), "a");
  tree_->SetSelected(a2_);
  tree_->Delete(a2_);  // no next sibling: the previous one
  EXPECT_EQ(SelectedText(), "a1");
  EXPECT_EQ(deleted, (std::vector<std::string>{"a2", "a2x"}));
  EXPECT_EQ(tree_->NodeCount(), 4);
  tree_->Delete(tree_->Selected());  // the last child: the parent, which loses its button
  EXPECT_EQ(SelectedText(), "a");
  EXPECT_FALSE(a_->HasChildren());
  EXPECT_FALSE(a_->Expanded());
  tree_->Clear();
  EXPECT_EQ(tree_->NodeCount(), 0);
  EXPECT_EQ(tree_->RowCount(), 0);
  EXPECT_EQ(changes, (std::vector<std::string>{"a2x", "a", "a2", "a1", "a", "none"}));
}

TEST_F(TreeViewTest, HandlersMayNotDeleteTheNodesTheViewGoesOnWith) {
  struct Case {
    const char* name;
    std::function<void(ui::TreeView*, ui::TreeNode*)> arm;  // sets a handler up on the small tree
    std::function<void(ui::TreeView*, ui::TreeNode*)> act;
    bool throws;
  };
  auto expand = [](ui::TreeView*, ui::TreeNode* a) { a->Expand(); };
  const Case cases[] = {
      {"expanding deletes its node",
       [](ui::TreeView* t, ui::TreeNode*) { t->OnExpanding = [t](ui::Control*, ui::TreeNode* n, bool&) { t->Delete(n); }; },
       expand, true},
      {"expanding renews its children",
       [](ui::TreeView* t, ui::TreeNode*) {
         t->OnExpanding = [t](ui::Control*, ui::TreeNode* n, bool&) {
           t->DeleteChildren(n);
           t->AddChild(n, "fresh");
         };
       },
       expand, false},
      {"star expand deletes the top",
       [](ui::TreeView* t, ui::TreeNode* a) { t->OnExpanded = [t, a](ui::Control*, ui::TreeNode*) { t->Delete(a); }; },
       [](ui::TreeView* t, ui::TreeNode* a) { t->ExpandAll(a); }, true},
      {"deletion deletes more",
       [](ui::TreeView* t, ui::TreeNode*) {
         t->OnDeletion = [t](ui::Control*, ui::TreeNode*) { t->Delete(t->FirstNode()->NextSibling()); };
       },
       [](ui::TreeView* t, ui::TreeNode* a) { t->Delete(a); }, true},
      {"changing deletes the target",
       [](ui::TreeView* t, ui::TreeNode*) { t->OnChanging = [t](ui::Control*, ui::TreeNode* n, bool&) { t->Delete(n); }; },
       [](ui::TreeView* t, ui::TreeNode* a) { t->SetSelected(a->FirstChild()); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tree_->OnExpanding = nullptr;
    tree_->OnExpanded = nullptr;
    tree_->OnDeletion = nullptr;
    tree_->OnChanging = nullptr;
    tree_->Clear();
    BuildSmall();
    c.arm(tree_, a_);
    if (c.throws) {
      EXPECT_THROW(c.act(tree_, a_), std::logic_error);
      EXPECT_EQ(tree_->NodeCount(), 6);
    } else {
      EXPECT_NO_THROW(c.act(tree_, a_));
      EXPECT_EQ(a_->FirstChild()->Text(), "fresh");
    }
  }
}

TEST_F(TreeViewTest, NodesOfAnotherViewAreRefusedAsPlaces) {
  auto* other = form_->MakeChild<ui::TreeView>(form_);
  ui::TreeNode* foreign = other->AddChild(nullptr, "x");
  EXPECT_THROW(tree_->AddChild(foreign, "y"), std::logic_error);
  EXPECT_THROW(tree_->Insert(foreign, "y"), std::logic_error);
  EXPECT_EQ(tree_->NodeCount(), 0);
  EXPECT_EQ(other->NodeCount(), 1);
}

TEST_F(TreeViewTest, LabelsAreEditedInPlace) {
  BuildSmall();
  std::vector<std::string> edited;
  tree_->OnEdited = [&](ui::Control*, ui::TreeNode* n, std::string& text) {
    edited.push_back(n->Text() + ">" + text);
    text += "!";
  };
  tree_->SetFocus();
  tree_->SetSelected(b_);
  // F2, a new text typed over the selected old one, Enter keeps it through OnEdited.
  backend_->PressKey(platform::kVkF1 + 1);
  Pump();
  ASSERT_TRUE(tree_->IsEditing());
  EXPECT_EQ(tree_->EditControl()->SelText(), "b");
  backend_->InjectText("新名");
  backend_->PressKey(platform::kVkReturn);
  Pump();
  EXPECT_FALSE(tree_->IsEditing());
  EXPECT_EQ(b_->Text(), "新名!");
  EXPECT_TRUE(tree_->Focused());
  // Escape drops what was typed.
  backend_->PressKey(platform::kVkF1 + 1);
  backend_->InjectText("x");
  backend_->PressKey(platform::kVkEscape);
  Pump();
  EXPECT_FALSE(tree_->IsEditing());
  EXPECT_EQ(b_->Text(), "新名!");
  // A second click on the selected label edits it after a pause; a click elsewhere keeps the text.
  backend_->Click(OnLabel(b_));
  Pump();
  EXPECT_FALSE(tree_->IsEditing());
  Advance(ui::TreeView::kEditDelayMs + 20);
  ASSERT_TRUE(tree_->IsEditing());
  backend_->InjectText("c2");
  backend_->Click(OnLabel(a_));
  Pump();
  EXPECT_FALSE(tree_->IsEditing());
  EXPECT_EQ(b_->Text(), "c2!");
  EXPECT_EQ(edited, (std::vector<std::string>{"b>新名", "新名!>c2"}));
  // Deleting the node under edit ends the editing without a word.
  ASSERT_TRUE(tree_->BeginEdit(b_));
  tree_->Delete(b_);
  EXPECT_FALSE(tree_->IsEditing());
  EXPECT_EQ(edited.size(), 2u);
  // Read-only views and OnEditing refuse.
  tree_->OnEditing = [](ui::Control*, ui::TreeNode* n, bool& allow) { allow = n->Text() != "a"; };
  EXPECT_FALSE(tree_->BeginEdit(a_));
  tree_->SetReadOnly(true);
  EXPECT_FALSE(tree_->BeginEdit(a2_));
}

TEST_F(TreeViewTest, ChangingMayRefuse) {
  BuildSmall();
  tree_->SetSelected(a_);
  tree_->OnChanging = [](ui::Control*, ui::TreeNode*, bool& allow) { allow = false; };
  tree_->SetSelected(b_);
  EXPECT_EQ(SelectedText(), "a");
}

TEST_F(TreeViewTest, MouseTogglesWithTheButtonAndSelectsOnTheLabel) {
  BuildSmall();
  Pump();
  backend_->Click(OnButton(a_));
  Pump();
  EXPECT_TRUE(a_->Expanded());
  EXPECT_EQ(SelectedText(), "-");  // the button does not select
  backend_->Click(OnLabel(b_), platform::MouseButton::kRight);
  Pump();
  EXPECT_EQ(SelectedText(), "-");  // right clicks select only when asked to
  tree_->SetRightClickSelect(true);
  backend_->Click(OnLabel(b_), platform::MouseButton::kRight);
  Pump();
  EXPECT_EQ(SelectedText(), "b");
  backend_->Click(OnLabel(a2_));
  Pump();
  EXPECT_EQ(SelectedText(), "a2");
  EXPECT_TRUE(tree_->Focused());
  backend_->Click(OnButton(a_));
  Pump();
  EXPECT_FALSE(a_->Expanded());
  EXPECT_EQ(SelectedText(), "a");  // the selection was inside
}

TEST_F(TreeViewTest, ScrollRangeFollowsRowsAndSelection) {
  tree_->SetBorder(false);
  tree_->SetBounds(10, 10, 150, tree_->ItemHeight() * 12 + 3);
  std::vector<ui::ScrollInfo> seen;
  for (int i = 0; i < 30; ++i) tree_->AddChild(nullptr, "node " + std::to_string(i));
  Pump();
  EXPECT_EQ(tree_->VertScroll(), (ui::ScrollInfo{0, 29, 12, 0}));
  tree_->SetFocus();
  tree_->SetSelected(tree_->FirstNode());
  backend_->PressKey(platform::kVkEnd);
  Pump();
  EXPECT_EQ(tree_->VertScroll().position, 18);
  EXPECT_EQ(tree_->TopItem()->Text(), "node 18");
  backend_->PressKey(platform::kVkPrior);
  Pump();
  EXPECT_EQ(SelectedText(), "node 18");
  EXPECT_EQ(tree_->VertScroll().position, 18);
  backend_->InjectWheel(Screen(20, 20), 120);
  Pump();
  EXPECT_EQ(tree_->VertScroll().position, 15);
  // Rows that go away pull the position back into the range.
  for (int i = 0; i < 25; ++i) tree_->Delete(tree_->FirstNode());
  Pump();
  EXPECT_EQ(tree_->VertScroll(), (ui::ScrollInfo{0, 4, 12, 0}));
}

TEST_F(TreeViewTest, BuiltInBarsShowWhatDoesNotFitAndScrollTheRows) {
  tree_->SetBorder(false);
  ui::TreeNode* wide = tree_->AddChild(nullptr, std::string(80, 'w'));
  Pump();
  EXPECT_FALSE(tree_->VertBar()->Visible());
  EXPECT_TRUE(tree_->HorzBar()->Visible());
  for (int i = 0; i < 70000; ++i) tree_->AddChild(nullptr, "n");
  Pump();
  ASSERT_TRUE(tree_->VertBar()->Visible());
  const int32_t page = tree_->VisibleCount();
  EXPECT_EQ(page, (200 - ui::ScrollBar::kBreadth) / tree_->ItemHeight());
  EXPECT_EQ(tree_->VertBar()->Info(), (ui::ScrollInfo{0, 70000, page, 0}));
  tree_->SetFocus();
  tree_->SetSelected(wide);
  // The bar's arrow scrolls a row and leaves the keys with the rows.
  const gfx::Rect down = tree_->VertBar()->CalcParts().inc;
  backend_->Click(tree_->VertBar()->ClientToScreen({down.left + 2, down.top + 2}));
  Pump();
  EXPECT_EQ(tree_->VertScroll().position, 1);
  EXPECT_TRUE(tree_->Focused());
  // A thumb position beyond a word's range still arrives whole.
  tree_->Send(ui::kMsgVScroll, ui::kSbThumbPosition | (intptr_t{69000} << 16));
  EXPECT_EQ(tree_->VertScroll().position, 69000);
  EXPECT_EQ(tree_->VertBar()->Info().position, 69000);
  tree_->SetBuiltInBars(false);
  EXPECT_FALSE(tree_->VertBar()->Visible());
  EXPECT_FALSE(tree_->HorzBar()->Visible());
  EXPECT_EQ(tree_->VisibleCount(), 200 / tree_->ItemHeight());
}

TEST_F(TreeViewTest, PaintsTheSelectionFocusedAndUnfocused) {
  BuildSmall();
  tree_->SetHideSelection(false);
  tree_->SetSelected(b_);
  Pump();
  gfx::Rect r = tree_->DisplayRect(b_, true);
  gfx::Point p = Screen(r.left + 1, r.top + 1);
  tree_->SetFocus();
  Pump();
  EXPECT_EQ(backend_->ScreenPixel(p), ui::kColorHighlight);
  form_->SetActiveControl(nullptr);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel(p), ui::kColorBtnFace);
  tree_->SetHideSelection(true);
  Pump();
  EXPECT_EQ(backend_->ScreenPixel(p), ui::kColorWindow);
}

TEST_F(TreeViewTest, ParentsLinesPassThroughRowsWhileTheParentGoesOn) {
  // a (a1 (a1x), a2 (a2x)), b: a's line runs on to b, a1's to a2, a2's ends with it.
  tree_->SetBounds(10, 10, 200, tree_->ItemHeight() * 3 + 4);
  ui::TreeNode* a = tree_->AddChild(nullptr, "a");
  ui::TreeNode* a1 = tree_->AddChild(a, "a1");
  ui::TreeNode* a1x = tree_->AddChild(a1, "a1x");
  ui::TreeNode* a2 = tree_->AddChild(a, "a2");
  ui::TreeNode* a2x = tree_->AddChild(a2, "a2x");
  tree_->AddChild(nullptr, "b");
  tree_->ExpandAll(a);
  // Whether the dotted line of `level`'s column crosses the node's row.
  auto line = [&](const ui::TreeNode* n, int level) {
    const gfx::Rect r = tree_->DisplayRect(n, false);
    const int x = level * tree_->Indent() + tree_->Indent() / 2;
    for (int y = r.top; y < r.bottom; ++y) {
      if (backend_->ScreenPixel(Screen(x, y)) == ui::kColorBtnShadow) return true;
    }
    return false;
  };
  // The first row painted is each of them in turn, so the parents are found from any start.
  for (int top : {0, 2, 3}) {
    SCOPED_TRACE(top);
    tree_->ScrollTo(top, 0);
    Pump();
    const ui::TreeNode* x = top <= 2 ? a1x : a2x;
    EXPECT_TRUE(line(x, 0));
    EXPECT_EQ(line(x, 1), x == a1x);
  }
}

// A chain as deep as a runaway folder structure: every walk must be a loop, not a recursion.
TEST_F(TreeViewTest, ChainTenThousandsDeepExpandsPaintsAndGoes) {
  constexpr int kDepth = 100000;
  ui::TreeNode* n = nullptr;
  for (int i = 0; i < kDepth; ++i) n = tree_->AddChild(n, "level");
  EXPECT_EQ(tree_->NodeCount(), kDepth);
  EXPECT_EQ(n->Level(), kDepth - 1);
  tree_->SetFocus();
  tree_->SetSelected(tree_->FirstNode());
  backend_->PressKey(platform::kVkMultiply);
  Pump();
  // "*" stops after a bounded number of nodes instead of freezing the interface.
  EXPECT_EQ(tree_->RowCount(), ui::TreeView::kExpandAllLimit + 1);
  tree_->SetSelected(n);  // opens every parent
  Pump();
  EXPECT_EQ(tree_->RowCount(), kDepth);
  EXPECT_EQ(tree_->VertScroll().position, kDepth - tree_->VisibleCount());
  tree_->Delete(tree_->FirstNode()->FirstChild());
  EXPECT_EQ(tree_->NodeCount(), 1);
  EXPECT_EQ(SelectedText(), "level");
  for (int i = 0; i < kDepth; ++i) n = tree_->AddChild(tree_->FirstNode(), "wide");
  tree_->FirstNode()->Expand();
  Pump();
  // The view and both chains go with the form.
}

}  // namespace
