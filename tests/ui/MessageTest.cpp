// Building messages and reading their parameters back: points, modifiers, wheel, keys and button ids.
#include "ui/Message.h"

#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace {

using ui::ButtonAction;
using ui::Message;
using ui::MouseButton;

TEST(MessageTest, MousePointsAndModifiersSurviveThePacking) {
  // Points left of or above a control are negative while the mouse is captured.
  for (gfx::Point p : {gfx::Point{0, 0}, gfx::Point{-1, -1}, gfx::Point{-32768, 32767}, gfx::Point{1279, -5}}) {
    Message m = Message::MakeMouse(ui::kMsgMouseMove, ui::kShift | ui::kLeftHeld, p);
    EXPECT_EQ(m.At(), p);
    EXPECT_EQ(m.MouseShift(), ui::kShift | ui::kLeftHeld);
    Message nc = Message::MakeNcMouse(ui::kMsgNcMouseMove, ui::kHtCaption, p);
    EXPECT_EQ(nc.At(), p);
    EXPECT_EQ(nc.Hit(), ui::kHtCaption);
  }
  for (int delta : {120, -120, -360, 32767, -32768}) {
    Message m = Message::MakeWheel(ui::kCtrl, delta, {-3, 4});
    EXPECT_EQ(m.id, ui::kMsgMouseWheel);
    EXPECT_EQ(m.WheelDelta(), delta);
    EXPECT_EQ(m.MouseShift(), ui::kCtrl);
    EXPECT_EQ(m.At(), (gfx::Point{-3, 4}));
  }
}

TEST(MessageTest, ButtonMessagesKeepTheClassicNumbers) {
  struct Case {
    MouseButton button;
    ButtonAction action;
    uint32_t client;
    uint32_t non_client;
  };
  const Case cases[] = {
      {MouseButton::kLeft, ButtonAction::kDown, ui::kMsgLButtonDown, ui::kMsgNcLButtonDown},
      {MouseButton::kLeft, ButtonAction::kUp, ui::kMsgLButtonUp, ui::kMsgNcLButtonUp},
      {MouseButton::kLeft, ButtonAction::kDoubleClick, ui::kMsgLButtonDblClk, ui::kMsgNcLButtonDblClk},
      {MouseButton::kRight, ButtonAction::kDown, ui::kMsgRButtonDown, ui::kMsgNcRButtonDown},
      {MouseButton::kRight, ButtonAction::kUp, ui::kMsgRButtonUp, ui::kMsgNcRButtonUp},
      {MouseButton::kRight, ButtonAction::kDoubleClick, ui::kMsgRButtonDblClk, ui::kMsgNcRButtonDblClk},
      {MouseButton::kMiddle, ButtonAction::kDown, ui::kMsgMButtonDown, ui::kMsgNcMButtonDown},
      {MouseButton::kMiddle, ButtonAction::kUp, ui::kMsgMButtonUp, ui::kMsgNcMButtonUp},
      {MouseButton::kMiddle, ButtonAction::kDoubleClick, ui::kMsgMButtonDblClk, ui::kMsgNcMButtonDblClk},
  };
  for (const Case& c : cases) {
    for (bool nc : {false, true}) {
      uint32_t id = ui::MouseButtonMessageId(c.button, c.action, nc);
      EXPECT_EQ(id, nc ? c.non_client : c.client);
      EXPECT_TRUE(ui::IsMouseButtonMessage(id, nc));
      EXPECT_FALSE(ui::IsMouseButtonMessage(id, !nc));
      Message m{id};
      EXPECT_EQ(m.Button(), c.button) << id;
      EXPECT_EQ(m.Action(), c.action) << id;
    }
  }
  for (uint32_t id : {ui::kMsgMouseMove, ui::kMsgMouseWheel, ui::kMsgNcMouseMove, ui::kMsgNcHitTest}) {
    EXPECT_FALSE(ui::IsMouseButtonMessage(id, false)) << id;
    EXPECT_FALSE(ui::IsMouseButtonMessage(id, true)) << id;
  }
}

TEST(MessageTest, KeysSizesAndRecordsReadBackWhatWasPacked) {
  Message key = Message::MakeKey(ui::kMsgSysKeyDown, 0x41, ui::kAlt);
  EXPECT_EQ(key.Key(), 0x41);
  EXPECT_EQ(key.KeyShift(), ui::kAlt);
  EXPECT_EQ(Message::MakeChar(U'图').Char(), U'图');
  Message size = Message::MakeSize(ui::kSizeMinimized, {675, 466});
  EXPECT_EQ(size.wparam, ui::kSizeMinimized);
  EXPECT_EQ(size.ClientSize(), (gfx::Size{675, 466}));
  gfx::Bitmap bitmap(2, 2, 24);
  gfx::Canvas canvas(bitmap);
  EXPECT_EQ(Message::MakeCanvas(ui::kMsgPaint, canvas).Canvas(), &canvas);
  EXPECT_EQ(Message{ui::kMsgPaint}.Canvas(), nullptr);
  gfx::Rect r{1, 2, 3, 4};
  Message sizing = Message::MakeSizing(8, r);
  EXPECT_EQ(sizing.SizingEdge(), 8);
  sizing.DragRect()->right = 30;  // the receiver changes the sender's rectangle
  EXPECT_EQ(r.right, 30);
  int skin_data = 0;
  Message skin = Message::MakeSkin(ui::kSkinMsgChange, &skin_data, 7);
  EXPECT_EQ(skin.SkinData(), &skin_data);
  EXPECT_EQ(skin.lparam, 7);
}

}  // namespace
