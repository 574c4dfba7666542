// Standard and link labels: their text colours with and without the skin, and what a link click opens.
#include "skin/controls/TskSkinStdLabel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/SkinControlTestEnv.h"

namespace {

using skin::TskSkinLinkLabel;
using skin::TskSkinStdLabel;
using skin_test::SkinControlTest;

class TskSkinStdLabelTest : public SkinControlTest {
 protected:
  template <class T>
  T* Make(const std::string& caption, bool bind) {
    auto* l = form_->MakeChild<T>(form_);
    l->SetBounds(20, 20, 10, 10);
    l->SetCaption(caption);
    if (bind) l->SetSkinData(&skin_);
    return l;
  }
  // Whether any pixel of the control has exactly this colour.
  bool Shows(const ui::Control& c, gfx::Color colour) {
    Pump();
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x)
        if (backend_->ScreenPixel(ScreenPoint(c, x, y)) == colour) return true;
    return false;
  }
};

TEST_F(TskSkinStdLabelTest, TextTakesTheSkinColoursAndTheLinkItsActiveOneUnderTheMouse) {
  // "stdlabel": fontcolor 2892832, activefontcolor 14577455.
  const gfx::Color text = 2892832, active = 14577455, blue = gfx::Rgb(0, 0, 255);
  struct Case {
    const char* name;
    bool bind;
    bool link;
    bool hover;
    gfx::Color expected;
  };
  const Case cases[] = {
      {"skinned", true, false, false, text},
      {"skinned link", true, true, false, text},
      {"skinned link hot", true, true, true, active},
      {"plain link hot", false, true, true, blue},
      {"plain", false, false, false, gfx::kBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::Label* l = c.link ? static_cast<ui::Label*>(Make<TskSkinLinkLabel>("MMMM", c.bind))
                          : static_cast<ui::Label*>(Make<TskSkinStdLabel>("MMMM", c.bind));
    if (c.hover) {
      backend_->InjectMouseMove(ScreenPoint(*l, 3, 3));
      Pump();
    }
    EXPECT_TRUE(Shows(*l, c.expected));
    backend_->InjectMouseMove({0, 0});
    Pump();
    l->Hide();
  }
}

TEST_F(TskSkinStdLabelTest, ADisabledLabelIsEmbossed) {
  TskSkinStdLabel* l = Make<TskSkinStdLabel>("MMMM", true);
  l->SetEnabled(false);
  EXPECT_TRUE(Shows(*l, ui::kColorBtnHighlight));
  EXPECT_TRUE(Shows(*l, ui::kColorBtnShadow));
  EXPECT_FALSE(Shows(*l, 2892832));
}

TEST_F(TskSkinStdLabelTest, ALinkClickFiresOnClickThenOpensTheAddressAsOneArgument) {
  const std::vector<std::string> urls = {"https://orvel.invalid/a b?x=1&y=\"2\"", "file:///tmp/x;rm -rf ~", ""};
  for (const std::string& url : urls) {
    SCOPED_TRACE(url);
    TskSkinLinkLabel* l = Make<TskSkinLinkLabel>("link", true);
    l->SetURL(url);
    std::vector<std::string> seen;
    l->OnClick = [&](ui::Component*) { seen.push_back("click:" + std::to_string(backend_->OpenedUrls().size())); };
    const size_t before = backend_->OpenedUrls().size();
    backend_->Click(ScreenPoint(*l, 2, 2));
    Pump();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "click:" + std::to_string(before));
    if (url.empty()) {
      EXPECT_EQ(backend_->OpenedUrls().size(), before);
    } else {
      ASSERT_EQ(backend_->OpenedUrls().size(), before + 1);
      EXPECT_EQ(backend_->OpenedUrls().back(), url);
    }
    l->Hide();
  }
}

TEST_F(TskSkinStdLabelTest, AutoSizeMeasuresInTheFontTheTextIsDrawnWith) {
  TskSkinStdLabel* l = Make<TskSkinStdLabel>("约束比例", true);
  EXPECT_EQ(l->Width(), gfx::Font("Arial", 14).TextWidth("约束比例"));
  EXPECT_EQ(l->Height(), gfx::Font("Arial", 14).TextHeight());
}

}  // namespace
