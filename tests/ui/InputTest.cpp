// Mouse and keyboard routing: capture, enter/leave, double clicks, wheel, context menus, focus and dialog keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/KeyCodes.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/HintWindow.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class RecordingMenu : public ui::PopupMenu {
 public:
  void Popup(int x, int y) override { at.push_back({x, y}); }
  std::vector<gfx::Point> at;
};

class InputTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBounds(0, 0, 400, 300);
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    a_ = form_->MakeChild<ui::Panel>(form_);
    a_->SetName("a");
    a_->SetBounds(10, 10, 100, 100);
    b_ = form_->MakeChild<ui::Panel>(form_);
    b_->SetName("b");
    b_->SetBounds(200, 10, 100, 100);
    for (ui::Control* c : {static_cast<ui::Control*>(a_), static_cast<ui::Control*>(b_)}) {
      c->OnMouseEnter = [this](ui::Component* s) { log_.push_back("enter " + s->Name()); };
      c->OnMouseLeave = [this](ui::Component* s) { log_.push_back("leave " + s->Name()); };
      c->OnMouseDown = [this](ui::Control* s, ui::MouseButton, ui::ShiftState sh, int x, int y) {
        log_.push_back("down " + s->Name() + " " + std::to_string(x) + "," + std::to_string(y) +
                       (ui::Has(sh, ui::kDouble) ? " double" : ""));
      };
      c->OnMouseMove = [this](ui::Control* s, ui::ShiftState, int x, int y) {
        log_.push_back("move " + s->Name() + " " + std::to_string(x) + "," + std::to_string(y));
      };
      c->OnMouseUp = [this](ui::Control* s, ui::MouseButton, ui::ShiftState, int x, int y) {
        log_.push_back("up " + s->Name() + " " + std::to_string(x) + "," + std::to_string(y));
      };
      c->OnClick = [this](ui::Component* s) { log_.push_back("click " + s->Name()); };
      c->OnDblClick = [this](ui::Component* s) { log_.push_back("dblclick " + s->Name()); };
    }
    form_->Show();
    Pump();
  }

  ui::Form* form_ = nullptr;
  ui::Panel* a_ = nullptr;
  ui::Panel* b_ = nullptr;
  std::vector<std::string> log_;
};

TEST_F(InputTest, PressCapturesUntilReleaseAndEnterLeaveFollowTheCursor) {
  backend_->InjectMouseMove({20, 20});
  backend_->InjectMouseDown({20, 20});
  backend_->InjectMouseMove({250, 20});  // dragged over b: a keeps the mouse
  backend_->InjectMouseUp({250, 20});    // released outside: no click
  backend_->InjectMouseMove({260, 30});
  Pump();
  EXPECT_EQ(log_, (std::vector<std::string>{"enter a", "move a 10,10", "down a 10,10", "leave a", "enter b",
                                           "move a 240,10", "up a 240,10", "move b 60,20"}));
  EXPECT_EQ(app_->CaptureControl(), nullptr);
}

TEST_F(InputTest, ReleaseInsideClicksAndSecondPressIsADoubleClick) {
  backend_->Click({20, 20});
  backend_->Click({20, 20});
  Pump();
  EXPECT_EQ(log_, (std::vector<std::string>{"enter a", "down a 10,10", "up a 10,10", "click a", "dblclick a",
                                           "down a 10,10 double", "up a 10,10", "click a"}));
}

TEST_F(InputTest, WheelBubblesToTheFirstControlThatTakesIt) {
  std::vector<std::string> wheel;
  form_->OnMouseWheel = [&](ui::Control*, ui::ShiftState, int delta, int x, int y, bool& handled) {
    wheel.push_back("form " + std::to_string(delta) + " " + std::to_string(x) + "," + std::to_string(y));
    handled = true;
  };
  a_->OnMouseWheel = [&](ui::Control*, ui::ShiftState, int delta, int, int, bool& handled) {
    wheel.push_back("a " + std::to_string(delta));
    handled = false;
  };
  backend_->InjectWheel({20, 20}, -120);
  Pump();
  EXPECT_EQ(wheel, (std::vector<std::string>{"a -120", "form -120 20,20"}));
}

TEST_F(InputTest, RightClickOpensTheNearestPopupMenuAtTheCursor) {
  auto* menu = form_->Make<RecordingMenu>();
  a_->SetPopupMenu(menu);
  auto* inner = a_->MakeChild<ui::Label>(form_);
  inner->SetBounds(5, 5, 20, 20);
  backend_->Click({20, 20}, platform::MouseButton::kRight);
  Pump();
  ASSERT_EQ(menu->at.size(), 1u);
  EXPECT_EQ(menu->at[0], (gfx::Point{20, 20}));
  EXPECT_EQ(menu->PopupComponent(), a_);
  // A destroyed menu is forgotten by the control that pointed at it.
  form_->DestroyComponents();
  EXPECT_EQ(a_->GetPopupMenu(), nullptr);
  backend_->Click({20, 20}, platform::MouseButton::kRight);
  Pump();
}

TEST_F(InputTest, HidingTheHoveredControlEndsItsHoverAndCapture) {
  backend_->InjectMouseMove({20, 20});
  backend_->InjectMouseDown({20, 20});
  Pump();
  EXPECT_EQ(app_->CaptureControl(), a_);
  a_->Hide();
  EXPECT_EQ(app_->CaptureControl(), nullptr);
  EXPECT_EQ(app_->MouseControl(), nullptr);
  EXPECT_EQ(log_.back(), "leave a");
}

TEST_F(InputTest, CursorFollowsTheControlUnderTheMouse) {
  a_->SetCursor(ui::Cursor::kHand);
  auto* inner = a_->MakeChild<ui::Label>(form_);
  inner->SetBounds(50, 50, 20, 20);
  backend_->InjectMouseMove({20, 20});
  Pump();
  EXPECT_EQ(backend_->Cursor(), platform::CursorShape::kHand);
  backend_->InjectMouseMove({65, 65});  // a child without a cursor of its own shows its parent's
  Pump();
  EXPECT_EQ(backend_->Cursor(), platform::CursorShape::kHand);
  backend_->InjectMouseMove({250, 20});
  Pump();
  EXPECT_EQ(backend_->Cursor(), platform::CursorShape::kArrow);
}

TEST_F(InputTest, HintShowsAfterThePauseAndHidesAfterTheHidePause) {
  a_->SetHint("放大");
  a_->SetShowHint(true);
  backend_->InjectMouseMove({20, 20});
  Pump();
  Advance(app_->HintPause() - 1);
  EXPECT_TRUE(app_->CurrentHint() == nullptr || !app_->CurrentHint()->Visible());
  Advance(1);
  ASSERT_NE(app_->CurrentHint(), nullptr);
  EXPECT_TRUE(app_->CurrentHint()->Visible());
  EXPECT_EQ(app_->CurrentHint()->Caption(), "放大");
  // Below the cursor, on screen.
  EXPECT_GT(app_->CurrentHint()->Top(), 20);
  Advance(app_->HintHidePause());
  EXPECT_FALSE(app_->CurrentHint()->Visible());
  // Leaving for a control without a hint cancels a pending one.
  backend_->InjectMouseMove({250, 20});
  Pump();
  backend_->InjectMouseMove({20, 20});
  Pump();
  backend_->InjectMouseMove({250, 20});
  Pump();
  Advance(app_->HintPause());
  EXPECT_FALSE(app_->CurrentHint()->Visible());
  // Near the bottom-right corner of the screen the hint stays on screen, above the cursor.
  form_->SetBounds(1280 - 120, 1024 - 120, 120, 120);
  a_->SetBounds(0, 0, 120, 120);
  Pump();
  backend_->InjectMouseMove({1270, 1020});
  Pump();
  Advance(app_->HintPause());
  ASSERT_TRUE(app_->CurrentHint()->Visible());
  gfx::Rect hint = app_->CurrentHint()->BoundsRect();
  EXPECT_LE(hint.right, 1280);
  EXPECT_LT(hint.bottom, 1020);
  backend_->InjectMouseMove({250, 20});
  Pump();
  form_->SetBounds(0, 0, 400, 300);
  a_->SetBounds(10, 10, 100, 100);
  Pump();
  // A press hides a shown hint at once.
  backend_->InjectMouseMove({20, 20});
  Pump();
  Advance(app_->HintPause());
  EXPECT_TRUE(app_->CurrentHint()->Visible());
  backend_->InjectMouseDown({20, 20});
  Pump();
  EXPECT_FALSE(app_->CurrentHint()->Visible());
  backend_->InjectMouseUp({20, 20});
  Pump();
}

TEST_F(InputTest, ClickOutsideAShapedChildReachesTheControlBelow) {
  // Covers a (10,10 - 110,110) and reaches past it; only its top-left 20 x 20 is shaped in.
  auto* shaped = form_->MakeChild<ui::Panel>(form_);
  shaped->SetName("shaped");
  shaped->SetBounds(10, 10, 150, 150);
  shaped->SetShape(gfx::Region(gfx::Rect{0, 0, 20, 20}));
  shaped->OnClick = [this](ui::Component* s) { log_.push_back("click " + s->Name()); };
  int form_clicks = 0;
  form_->OnClick = [&](ui::Component*) { ++form_clicks; };
  backend_->Click({15, 15});
  backend_->Click({80, 80});
  backend_->Click({130, 130});
  Pump();
  std::vector<std::string> clicks;
  for (const std::string& line : log_) {
    if (line.rfind("click ", 0) == 0) clicks.push_back(line);
  }
  EXPECT_EQ(clicks, (std::vector<std::string>{"click shaped", "click a"}));
  EXPECT_EQ(form_clicks, 1);
}

// A control that takes typed characters, like an edit.
class TextTaker : public ui::WinControl {
 public:
  TextTaker() { SetTabStop(true); }
  bool WantsChars() const override { return true; }
  std::u32string typed;

 protected:
  void KeyPress(char32_t& ch) override { typed.push_back(ch); }
};

TEST_F(InputTest, TextGoesToTheFocusedControlWithTextInputOn) {
  auto* edit = form_->MakeChild<TextTaker>(form_);
  edit->SetBounds(10, 150, 100, 20);
  edit->SetCaption("&x");
  edit->SetFocus();
  EXPECT_EQ(backend_->TextInputSurface(), form_->Surface()->Id());
  EXPECT_EQ(backend_->TextInputCaret(), (gfx::Rect{10, 150, 110, 170}));
  backend_->InjectText("图x");
  Pump();
  EXPECT_EQ(edit->typed, U"图x");  // no accelerator fired for a control that takes characters
  form_->SetActiveControl(nullptr);
  EXPECT_EQ(backend_->TextInputSurface(), platform::kNoSurface);
}

TEST_F(InputTest, MalformedTextArrivesAsReplacementCharacters) {
  auto* edit = form_->MakeChild<TextTaker>(form_);
  edit->SetBounds(10, 150, 100, 20);
  edit->SetFocus();
  struct Case {
    std::string bytes;
    std::u32string typed;
  };
  const std::vector<Case> cases = {
      {"a\xC3\xA9图", U"a\u00E9图"},
      {"\xC3\x28", U"\uFFFD("},                           // a continuation byte missing
      {"\xC0\xAF", U"\uFFFD\uFFFD"},                      // an overlong slash
      {"\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},           // an overlong slash in three bytes
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},           // a surrogate
      {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"\xE5\x9B", U"\uFFFD\uFFFD"},                      // cut off at the end
      {"\x80x", U"\uFFFDx"},                               // a stray continuation byte
  };
  for (const Case& c : cases) {
    edit->typed.clear();
    backend_->InjectText(c.bytes);
    Pump();
    EXPECT_EQ(edit->typed, c.typed) << testing::PrintToString(c.bytes);
  }
}

TEST_F(InputTest, ADisabledFormTakesNoInputAndBeepsOnAPress) {
  auto* edit = form_->MakeChild<TextTaker>(form_);
  edit->SetBounds(10, 150, 100, 20);
  edit->SetFocus();
  int keys = 0;
  int wheels = 0;
  bool closed = false;
  edit->OnKeyDown = [&](ui::Control*, uint16_t&, ui::ShiftState) { ++keys; };
  form_->OnMouseWheel = [&](ui::Control*, ui::ShiftState, int, int, int, bool&) { ++wheels; };
  form_->OnCloseQuery = [&](ui::Component*, bool& can) {
    closed = true;
    can = false;
  };
  form_->SetEnabled(false);
  log_.clear();
  int beeps = backend_->Beeps();
  backend_->InjectMouseMove({20, 20});
  backend_->Click({20, 20});
  backend_->InjectWheel({20, 20}, 120);
  backend_->PressKey('A');
  backend_->InjectText("x");
  backend_->InjectCloseRequest(form_->Surface()->Id());
  Pump();
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(keys, 0);
  EXPECT_EQ(wheels, 0);
  EXPECT_TRUE(edit->typed.empty());
  EXPECT_FALSE(closed);
  EXPECT_EQ(backend_->Beeps(), beeps + 1);
  // Enabled again, the same input arrives.
  form_->SetEnabled(true);
  backend_->Click({20, 20});
  Pump();
  edit->SetFocus();
  backend_->PressKey('A');
  backend_->InjectText("x");
  backend_->InjectCloseRequest(form_->Surface()->Id());
  Pump();
  EXPECT_NE(std::find(log_.begin(), log_.end(), "click a"), log_.end());
  EXPECT_EQ(keys, 1);
  EXPECT_EQ(edit->typed, U"x");
  EXPECT_TRUE(closed);
}

class FocusTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = app_->CreateForm<ui::Form>();
    form_->SetBounds(0, 0, 400, 300);
    form_->SetBorderStyle(ui::BorderStyle::kNone);
    auto add = [&](ui::WinControl* parent, const char* name, const char* caption, int x) {
      auto* b = parent->MakeChild<ui::Button>(form_);
      b->SetName(name);
      b->SetCaption(caption);
      b->SetBounds(x, 10, 60, 25);
      b->OnClick = [this](ui::Component* s) { clicks_.push_back(s->Name()); };
      return b;
    };
    ok_ = add(form_, "ok", "&OK", 10);
    group_ = form_->MakeChild<ui::Panel>(form_);
    group_->SetBounds(80, 50, 200, 60);
    inner1_ = add(group_, "inner1", "&First", 0);
    inner2_ = add(group_, "inner2", "&Second", 70);
    cancel_ = add(form_, "cancel", "Cancel", 300);
    ok_->SetDefault(true);
    cancel_->SetCancel(true);
    form_->Show();
    Pump();
  }
  std::string Focus() const {
    return form_->ActiveControl() != nullptr ? form_->ActiveControl()->Name() : std::string("none");
  }

  ui::Form* form_ = nullptr;
  ui::Button* ok_ = nullptr;
  ui::Panel* group_ = nullptr;
  ui::Button* inner1_ = nullptr;
  ui::Button* inner2_ = nullptr;
  ui::Button* cancel_ = nullptr;
  std::vector<std::string> clicks_;
};

TEST_F(FocusTest, TabWalksTheTabOrderDepthFirstAndWraps) {
  EXPECT_EQ(Focus(), "ok");  // activation focuses the first control
  std::vector<std::string> seen;
  for (int i = 0; i < 4; ++i) {
    backend_->PressKey(platform::kVkTab);
    Pump();
    seen.push_back(Focus());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"inner1", "inner2", "cancel", "ok"}));
  // Shift+Tab goes back; disabled and invisible controls are skipped.
  inner2_->SetEnabled(false);
  backend_->InjectKeyDown(platform::kVkShift);
  backend_->PressKey(platform::kVkTab);
  backend_->PressKey(platform::kVkTab);
  backend_->InjectKeyUp(platform::kVkShift);
  Pump();
  EXPECT_EQ(Focus(), "inner1");
  // Reordering the tab list changes the walk.
  cancel_->SetTabOrder(0);
  form_->SetActiveControl(cancel_);
  backend_->PressKey(platform::kVkTab);
  Pump();
  EXPECT_EQ(Focus(), "ok");
}

TEST_F(FocusTest, EnterClicksTheFocusedOrDefaultButtonAndEscapeTheCancelButton) {
  form_->SetActiveControl(inner1_);
  backend_->PressKey(platform::kVkReturn);  // a focused button takes Enter itself
  backend_->PressKey(platform::kVkEscape);
  Pump();
  form_->SetActiveControl(nullptr);
  backend_->PressKey(platform::kVkReturn);  // nothing focused: the default button
  Pump();
  EXPECT_EQ(clicks_, (std::vector<std::string>{"inner1", "cancel", "ok"}));
}

TEST_F(FocusTest, AcceleratorsClickTheMarkedButton) {
  backend_->InjectKeyDown(platform::kVkMenu);
  backend_->PressKey('S');
  backend_->InjectKeyUp(platform::kVkMenu);
  Pump();
  // Typing the letter while a control that takes no characters is focused works as well.
  backend_->InjectText("f");
  Pump();
  EXPECT_EQ(clicks_, (std::vector<std::string>{"inner2", "inner1"}));
  EXPECT_EQ(Focus(), "inner1");
}

TEST_F(FocusTest, FocusMovesWithEnterAndExitEvents) {
  std::vector<std::string> log;
  ok_->OnExit = [&](ui::Component* s) { log.push_back("exit " + s->Name()); };
  inner1_->OnEnter = [&](ui::Component* s) { log.push_back("enter " + s->Name()); };
  backend_->Click(inner1_->ClientToScreen({5, 5}));
  Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"exit ok", "enter inner1"}));
  // A destroyed focused control leaves no dangling focus.
  std::unique_ptr<ui::Control> gone = group_->RemoveChild(inner1_);
  gone.reset();
  EXPECT_EQ(Focus(), "none");
  backend_->PressKey(platform::kVkTab);
  Pump();
  EXPECT_EQ(Focus(), "ok");
}

}  // namespace
