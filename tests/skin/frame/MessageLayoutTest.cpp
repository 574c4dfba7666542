// Message box layout: text, icon and button row for the usual sets, and boxes that meet the work area.
#include "skin/frame/MessageLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin {
namespace {

TEST(MessageLayoutTest, PlacesTextIconAndButtons) {
  const gfx::Rect screen{0, 0, 1280, 1024};
  const gfx::Size frame{14, 37};  // the program's frame around its client area
  const struct {
    const char* name;
    gfx::Size text;
    int buttons;
    gfx::Size client;
    gfx::Point icon;
    std::vector<int32_t> button_lefts;
  } cases[] = {
      {"one OK button, centred", {120, 14}, 1, {210, 84}, {5, 10}, {75}},
      {"no buttons", {120, 14}, 0, {210, 84}, {5, 10}, {}},
      {"yes, no, cancel", {120, 14}, 3, {240, 84}, {5, 10}, {20, 90, 160}},
      {"the frame's smallest width", {10, 14}, 1, {202, 84}, {5, 10}, {71}},
      {"icon beside a taller text", {300, 70}, 2, {390, 140}, {5, 34}, {130, 200}},
      {"no wider than the work area", {2000, 14}, 1, {1266, 84}, {5, 10}, {603}},
  };
  for (const auto& c : cases) {
    MessageLayout l = LayOutMessage({c.text, c.buttons, 20, frame, 216, screen});
    EXPECT_EQ(l.client, c.client) << c.name;
    EXPECT_EQ(l.text, gfx::Rect::FromSize(50, 15, c.text.width, c.text.height)) << c.name;
    EXPECT_EQ(l.icon, c.icon) << c.name;
    ASSERT_EQ(l.buttons.size(), c.button_lefts.size()) << c.name;
    for (size_t i = 0; i < l.buttons.size(); ++i) {
      EXPECT_EQ(l.buttons[i], gfx::Rect::FromSize(c.button_lefts[i], c.client.height - 30, 60, 20)) << c.name;
    }
  }
}

TEST(MessageLayoutTest, ATextTallerThanTheWorkAreaKeepsTheButtonsInView) {
  const gfx::Rect work{0, 0, 800, 600};
  MessageLayout l = LayOutMessage({{300, 2000}, 1, 25, {14, 37}, 216, work});
  EXPECT_EQ(l.client.height, 600 - 37);
  ASSERT_EQ(l.buttons.size(), 1u);
  EXPECT_EQ(l.buttons[0].bottom, l.client.height - 10);
  EXPECT_LE(l.text.bottom, l.buttons[0].top);
  EXPECT_EQ(MaxMessageTextWidth(work, {14, 37}), 800 - 14 - 50 - 40);
}

}  // namespace
}  // namespace skin
