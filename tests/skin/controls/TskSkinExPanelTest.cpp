// The expandable panel: rolling up and down, its size while rolled, and its caption buttons under the mouse.
#include "skin/controls/TskSkinExPanel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/controls/SkinControlTestEnv.h"
#include "ui/Panel.h"

namespace {

using skin::RollKind;
using skin::TskSkinExPanel;
using skin_test::SkinControlTest;

class TskSkinExPanelTest : public SkinControlTest {
 protected:
  TskSkinExPanel* Make(int w, int h, bool bind) {
    auto* p = form_->MakeChild<TskSkinExPanel>(form_);
    p->SetBounds(10, 10, w, h);
    if (bind) p->SetSkinData(&skin_);
    return p;
  }
  ui::Control* Child(ui::WinControl* parent) {
    auto* c = parent->AddChild(std::make_unique<ui::Panel>());
    c->SetBounds(5, 25, 20, 20);
    return c;
  }
  gfx::Point Centre(const TskSkinExPanel& p, int button) {
    const gfx::Rect r = p.ButtonRect(button);
    return ScreenPoint(p, r.left + r.Width() / 2, r.top + r.Height() / 2);
  }
};

TEST_F(TskSkinExPanelTest, RollsToItsCaptionAndBackWithTheSameChildren) {
  struct Case {
    const char* name;
    bool bind;
    RollKind kind;
    int rolled_w, rolled_h;
  };
  const Case cases[] = {
      // "expanel" rollvskinrect 339,113,405,130 is 17 high; rollhskinrect 282,50,299,116 17 wide.
      {"skinned vertical", true, RollKind::rkRollVertical, 150, 17},
      {"skinned sideways", true, RollKind::rkRollHorizontal, 17, 144},
      {"plain vertical", false, RollKind::rkRollVertical, 150, 21},
      {"plain sideways", false, RollKind::rkRollHorizontal, 21, 144},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskSkinExPanel* p = Make(150, 144, c.bind);
    p->SetRollKind(c.kind);
    ui::Control* shown = Child(p);
    ui::Control* hidden = Child(p);
    hidden->Hide();
    int changes = 0;
    p->OnChangeRollState = [&](ui::Component*) { ++changes; };
    p->SetRollState(true);
    EXPECT_EQ(p->Width(), c.rolled_w);
    EXPECT_EQ(p->Height(), c.rolled_h);
    EXPECT_FALSE(shown->Visible());
    // Asked for another size while rolled, it keeps the rolled one along the rolled axis.
    p->SetBounds(10, 10, 160, 200);
    EXPECT_EQ(c.kind == RollKind::rkRollVertical ? p->Height() : p->Width(),
              c.kind == RollKind::rkRollVertical ? c.rolled_h : c.rolled_w);
    p->SetRollState(true);
    p->SetRollState(false);
    EXPECT_EQ(changes, 2);
    // The size saved when it rolled comes back.
    EXPECT_EQ(c.kind == RollKind::rkRollVertical ? p->Height() : p->Width(), c.kind == RollKind::rkRollVertical ? 144 : 150);
    EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(hidden->Visible());
  }
}

TEST_F(TskSkinExPanelTest, TheRollButtonRollsAndTheCloseButtonCloses) {
  for (bool bind : {true, false}) {
    SCOPED_TRACE(bind ? "skinned" : "plain");
    TskSkinExPanel* p = Make(150, 144, bind);
    int closes = 0;
    p->OnClose = [&](ui::Component*) { ++closes; };
    Pump();
    backend_->InjectMouseMove(Centre(*p, TskSkinExPanel::kRollButton));
    Pump();
    EXPECT_EQ(p->HotButton(), TskSkinExPanel::kRollButton);
    backend_->Click(Centre(*p, TskSkinExPanel::kRollButton));
    Pump();
    EXPECT_TRUE(p->RollState());
    EXPECT_EQ(p->Height(), bind ? 17 : 21);
    backend_->Click(Centre(*p, TskSkinExPanel::kRollButton));
    Pump();
    EXPECT_FALSE(p->RollState());
    EXPECT_EQ(p->Height(), 144);

    // Pressed on the close button and released away from it: nothing happens.
    const gfx::Point close = Centre(*p, TskSkinExPanel::kCloseButton);
    backend_->InjectMouseDown(close);
    Pump();
    EXPECT_EQ(p->PressedButton(), TskSkinExPanel::kCloseButton);
    backend_->InjectMouseMove(ScreenPoint(*p, 40, 80));
    backend_->InjectMouseUp(ScreenPoint(*p, 40, 80));
    Pump();
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(p->Visible());
    EXPECT_EQ(p->PressedButton(), TskSkinExPanel::kNoButton);
    backend_->Click(close);
    Pump();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(p->Visible());
    backend_->InjectMouseMove({5, 5});
    Pump();
  }
}

TEST_F(TskSkinExPanelTest, AHandlerMayDestroyThePanel) {
  TskSkinExPanel* p = Make(150, 144, true);
  p->OnChangeRollState = [this, p](ui::Component*) {
    std::unique_ptr<ui::Control> held = form_->RemoveChild(p);
    held.reset();
  };
  const gfx::Point roll = Centre(*p, TskSkinExPanel::kRollButton);
  Pump();
  backend_->Click(roll);
  Pump();
  for (size_t i = 0; i < form_->ChildCount(); ++i) EXPECT_NE(form_->Child(i), p);
}

TEST_F(TskSkinExPanelTest, ASkinChangeKeepsARolledPanelRolled) {
  TskSkinExPanel* p = Make(150, 144, false);
  p->SetRollState(true);
  EXPECT_EQ(p->Height(), 21);
  p->SetSkinData(&skin_);
  EXPECT_EQ(p->Height(), 17);
  p->SetRollState(false);
  EXPECT_EQ(p->Height(), 144);
}

}  // namespace
