// Alignment, anchors, parent ownership and hit testing of windowed controls.
#include "ui/WinControl.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Panel.h"

namespace {

// The parents of these tests are roots on the stack: controls without a parent, owned by the test
// and on no form. Their children are owned by them.

using ui::Align;

struct AlignCase {
  const char* name;
  // Each child: alignment and designed bounds (left, top, width, height).
  std::vector<std::pair<Align, gfx::Rect>> children;
  std::vector<gfx::Rect> expected;  // bounds after alignment, in child order
};

class AlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignTest, PlacesChildrenInTheClientArea) {
  const AlignCase& c = GetParam();
  ui::WinControl parent;
  parent.SetBounds(0, 0, 200, 100);
  std::vector<ui::Control*> kids;
  // Built like a stored layout: every designed position is in place before alignment runs.
  parent.DisableAlign();
  for (const auto& [align, r] : c.children) {
    auto* w = parent.AddChild(std::make_unique<ui::WinControl>());
    w->SetBounds(r.left, r.top, r.Width(), r.Height());
    w->SetAlign(align);
    kids.push_back(w);
  }
  parent.EnableAlign();
  for (size_t i = 0; i < kids.size(); ++i) EXPECT_EQ(kids[i]->BoundsRect(), c.expected[i]) << c.name << " child " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlignTest,
    ::testing::Values(
        AlignCase{"top then bottom then client",
                  {{Align::kTop, gfx::Rect::FromSize(5, 5, 50, 20)},
                   {Align::kBottom, gfx::Rect::FromSize(0, 0, 10, 21)},
                   {Align::kClient, gfx::Rect::FromSize(0, 0, 1, 1)}},
                  {{0, 0, 200, 20}, {0, 79, 200, 100}, {0, 20, 200, 79}}},
        // Two top-aligned controls stack in the order of their designed tops, not of creation.
        AlignCase{"tops ordered by position",
                  {{Align::kTop, gfx::Rect::FromSize(0, 50, 10, 30)}, {Align::kTop, gfx::Rect::FromSize(0, 0, 10, 10)}},
                  {{0, 10, 200, 40}, {0, 0, 200, 10}}},
        AlignCase{"left and right share the height left by top",
                  {{Align::kTop, gfx::Rect::FromSize(0, 0, 0, 10)},
                   {Align::kLeft, gfx::Rect::FromSize(0, 0, 30, 5)},
                   {Align::kRight, gfx::Rect::FromSize(0, 0, 40, 5)},
                   {Align::kClient, gfx::Rect::FromSize(0, 0, 0, 0)}},
                  {{0, 0, 200, 10}, {0, 10, 30, 100}, {160, 10, 200, 100}, {30, 10, 160, 100}}},
        // More docked height than room: a docked control keeps its height and the client control
        // gets an empty rectangle, never a negative one.
        AlignCase{"overfull",
                  {{Align::kTop, gfx::Rect::FromSize(0, 0, 0, 80)},
                   {Align::kTop, gfx::Rect::FromSize(0, 90, 0, 80)},
                   {Align::kClient, gfx::Rect::FromSize(0, 0, 0, 0)}},
                  {{0, 0, 200, 80}, {0, 80, 200, 160}, {0, 100, 200, 100}}}),
    [](const auto& info) {
      std::string n = info.param.name;
      for (char& ch : n) {
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return n;
    });

TEST(WinControlTest, HiddenControlsTakeNoRoomAndRealignWhenShown) {
  ui::WinControl parent;
  parent.SetBounds(0, 0, 100, 100);
  auto* top = parent.AddChild(std::make_unique<ui::WinControl>());
  top->SetBounds(0, 0, 100, 30);
  top->SetAlign(Align::kTop);
  auto* client = parent.AddChild(std::make_unique<ui::WinControl>());
  client->SetAlign(Align::kClient);
  EXPECT_EQ(client->BoundsRect(), (gfx::Rect{0, 30, 100, 100}));
  top->Hide();
  EXPECT_EQ(client->BoundsRect(), (gfx::Rect{0, 0, 100, 100}));
  top->Show();
  EXPECT_EQ(client->BoundsRect(), (gfx::Rect{0, 30, 100, 100}));
}

TEST(WinControlTest, AnchorsFollowTheParentsSize) {
  ui::WinControl parent;
  parent.SetBounds(0, 0, 200, 100);
  auto* right = parent.AddChild(std::make_unique<ui::WinControl>());
  right->SetBounds(150, 10, 40, 20);
  right->SetAnchors(ui::kAnchorRight | ui::kAnchorTop);
  auto* stretch = parent.AddChild(std::make_unique<ui::WinControl>());
  stretch->SetBounds(10, 10, 100, 80);
  stretch->SetAnchors(ui::kAnchorLeft | ui::kAnchorTop | ui::kAnchorRight | ui::kAnchorBottom);
  parent.SetBounds(0, 0, 300, 150);
  EXPECT_EQ(right->BoundsRect(), (gfx::Rect{250, 10, 290, 30}));
  EXPECT_EQ(stretch->BoundsRect(), (gfx::Rect{10, 10, 210, 140}));
}

TEST(WinControlTest, PanelKeepsAlignedChildrenInsideItsBevel) {
  ui::Panel panel;
  panel.SetBounds(0, 0, 100, 50);
  auto* child = panel.AddChild(std::make_unique<ui::WinControl>());
  child->SetAlign(Align::kClient);
  EXPECT_EQ(child->BoundsRect(), (gfx::Rect{1, 1, 99, 49}));
}

TEST(WinControlTest, ReparentingMovesOwnershipAndTabOrder) {
  ui::WinControl a;
  ui::WinControl b;
  auto* child = a.AddChild(std::make_unique<ui::WinControl>());
  auto* second = a.AddChild(std::make_unique<ui::WinControl>());
  EXPECT_EQ(child->TabOrder(), 0);
  EXPECT_EQ(second->TabOrder(), 1);
  child->SetParent(&b);
  EXPECT_EQ(child->Parent(), &b);
  EXPECT_EQ(a.ChildCount(), 1u);
  EXPECT_EQ(second->TabOrder(), 0);
  second->SetTabOrder(5);  // clamped to the end
  EXPECT_EQ(second->TabOrder(), 0);
}

TEST(WinControlTest, ParentFreesItsChildrenAndTheirOwnerForgetsThem) {
  ui::Component owner;  // finds the controls by name, as a form does
  std::vector<std::string> destroyed;
  struct Tracked : ui::WinControl {
    explicit Tracked(std::vector<std::string>* log) : log(log) {}
    ~Tracked() override { log->push_back(Name()); }
    std::vector<std::string>* log;
  };
  {
    ui::WinControl parent;  // a root: owned by the test
    auto* a = parent.MakeChild<Tracked>(&owner, &destroyed);
    a->SetName("a");
    auto* a1 = a->MakeChild<Tracked>(&owner, &destroyed);
    a1->SetName("a1");
    parent.MakeChild<Tracked>(&owner, &destroyed)->SetName("b");
    EXPECT_EQ(owner.FindComponent("a1"), a1);
    EXPECT_EQ(owner.Components().size(), 3u);
    // Moving a child moves its memory with it: the old parent no longer frees it.
    ui::WinControl other;
    a1->SetParent(&other);
    EXPECT_EQ(a->ChildCount(), 0u);
    EXPECT_EQ(other.Child(0), a1);
    a1->SetParent(a);
  }
  EXPECT_EQ(destroyed, (std::vector<std::string>{"b", "a", "a1"}));
  EXPECT_TRUE(owner.Components().empty());
  owner.DestroyComponents();  // held nothing: frees nothing twice
}

TEST(WinControlTest, AddingAControlTwiceOrBelowItselfIsRefused) {
  ui::WinControl root;  // owned by the test
  auto* child = root.AddChild(std::make_unique<ui::WinControl>());
  auto* grandchild = child->AddChild(std::make_unique<ui::WinControl>());
  ui::WinControl other;
  // A second owner of a control that has a parent already: refused, the caller keeps it.
  std::unique_ptr<ui::WinControl> second_owner(grandchild);
  EXPECT_THROW(other.AddChild(std::move(second_owner)), std::logic_error);
  ASSERT_NE(second_owner, nullptr);
  (void)second_owner.release();
  // A tree added below one of its own controls: refused, the caller keeps it.
  auto loose = std::make_unique<ui::WinControl>();
  auto* inner = loose->AddChild(std::make_unique<ui::WinControl>());
  EXPECT_THROW(inner->AddChild(std::move(loose)), std::logic_error);
  ASSERT_NE(loose, nullptr);
  EXPECT_THROW(child->SetParent(grandchild), std::logic_error);
  EXPECT_THROW(child->SetParent(child), std::logic_error);
  EXPECT_THROW(child->SetParent(nullptr), std::logic_error);
  EXPECT_THROW(inner->Parent()->SetParent(&root), std::logic_error);  // a root has no parent to leave
  // Nothing moved.
  EXPECT_EQ(grandchild->Parent(), child);
  EXPECT_EQ(child->Parent(), &root);
  EXPECT_EQ(other.ChildCount(), 0u);
}

TEST(WinControlTest, ControlAtPointFindsTheTopmostEnabledChild) {
  ui::WinControl parent;
  parent.SetBounds(0, 0, 100, 100);
  auto* under = parent.AddChild(std::make_unique<ui::WinControl>());
  under->SetBounds(10, 10, 50, 50);
  auto* over = parent.AddChild(std::make_unique<ui::WinControl>());
  over->SetBounds(30, 30, 50, 50);
  EXPECT_EQ(parent.ControlAtPoint({40, 40}, false), over);
  EXPECT_EQ(parent.ControlAtPoint({15, 15}, false), under);
  over->SetEnabled(false);
  EXPECT_EQ(parent.ControlAtPoint({40, 40}, false), under);
  EXPECT_EQ(parent.ControlAtPoint({40, 40}, true), over);
  EXPECT_EQ(parent.ControlAtPoint({95, 95}, false), &parent);
  EXPECT_EQ(parent.ControlAtPoint({100, 5}, false), nullptr);
}

TEST(WinControlTest, ControlAtPointFallsThroughOutsideAShape) {
  ui::WinControl parent;
  parent.SetBounds(0, 0, 100, 100);
  auto* under = parent.AddChild(std::make_unique<ui::WinControl>());
  under->SetBounds(0, 0, 60, 60);
  auto* shaped = parent.AddChild(std::make_unique<ui::WinControl>());
  shaped->SetBounds(20, 20, 60, 60);
  auto* inner = shaped->AddChild(std::make_unique<ui::WinControl>());
  inner->SetBounds(30, 30, 20, 20);
  // An L of the shaped control's client area: its top row and its left column.
  gfx::Region shape(gfx::Rect{0, 0, 60, 10});
  shape.Union(gfx::Rect{0, 0, 10, 60});
  shaped->SetShape(shape);
  struct Case {
    gfx::Point at;
    ui::Control* expected;
  };
  for (const Case& c : {Case{{25, 25}, shaped}, Case{{75, 25}, shaped}, Case{{25, 75}, shaped},
                        Case{{40, 40}, under},    // inside the rectangle, outside the shape
                        Case{{60, 60}, &parent},  // likewise, with nothing below but the parent
                        Case{{55, 55}, under}}) {  // a child outside its parent's shape is not hit
    EXPECT_EQ(parent.ControlAtPoint(c.at, false), c.expected) << c.at.x << "," << c.at.y;
  }
  EXPECT_EQ(*shaped->Shape(), shape);
  shaped->SetBounds(20, 20, 80, 80);  // the shape stays as set
  EXPECT_EQ(*shaped->Shape(), shape);
  shaped->SetShape(std::nullopt);
  EXPECT_EQ(shaped->Shape(), nullptr);
  EXPECT_EQ(parent.ControlAtPoint({40, 40}, false), shaped);
  EXPECT_EQ(parent.ControlAtPoint({55, 55}, false), inner);
}

// The toolkit's debug checks: a debug build stops at the misuse, other builds stay safe.
TEST(WinControlDeathTest, AChildDeletedBehindItsParentsBackIsCaught) {
  ui::WinControl parent;  // a root, owned by the test
  auto* child = parent.AddChild(std::make_unique<ui::WinControl>());
  // Without the debug check the child leaves its parent first, so nothing is freed twice.
  EXPECT_DEBUG_DEATH(delete child, "deleted directly");
}

#ifndef NDEBUG
TEST(WinControlDeathTest, AMessageToADestroyedControlIsCaught) {
  // An unowned control in storage the test keeps, so that reading it after its destruction stays
  // inside memory the test owns.
  alignas(ui::WinControl) unsigned char storage[sizeof(ui::WinControl)];
  auto* gone = new (storage) ui::WinControl();
  gone->~WinControl();
  EXPECT_DEATH(gone->Send(ui::kMsgUser), "destroyed control");
  EXPECT_DEATH(gone->Post(ui::kMsgUser), "destroyed control");
}
#endif

}  // namespace
