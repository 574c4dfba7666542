// The list view's gallery samples: the states input left them in, the 100,000-item list after End
// and the events the live sample prints.
#include <gtest/gtest.h>

#include <string>

#include "app/gallery/GalleryWindow.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "ui/UiTestEnv.h"

namespace {

using skin::TskSkinListView;
using ui_test::UiTest;

class GalleryListViewTest : public UiTest {
 protected:
  void SetUp() override {
    window_ = app_->CreateForm<app::GalleryWindow>(app::GalleryPage::kComplex);
    window_->Build();
    window_->Show();
    Pump();
    app::GalleryInput input([this](uint32_t ms) {
      for (uint32_t t = 0; t < ms; t += 20) Advance(20);
    });
    window_->SetUpStates(input);
    Pump();
  }
  // The list view inside a sample's area.
  TskSkinListView* List(size_t half, const std::string& state) const {
    for (const app::GallerySample& s : window_->Halves()[half]->Samples()) {
      if (s.name != "listview" || s.state != state) continue;
      TskSkinListView* found = nullptr;
      s.control->ForEachChild([&](ui::Control& c) {
        if (auto* lv = dynamic_cast<TskSkinListView*>(&c)) found = lv;
      });
      return found;
    }
    return nullptr;
  }
  app::GalleryWindow* window_ = nullptr;
};

TEST_F(GalleryListViewTest, SamplesRestInTheirStates) {
  for (size_t half : {0u, 1u}) {
    SCOPED_TRACE(half);
    // End in the 100,000-item list shows the last item at once.
    TskSkinListView* huge = List(half, "owner100k");
    ASSERT_NE(huge, nullptr);
    EXPECT_EQ(huge->ItemCount(), 100000);
    EXPECT_EQ(huge->ItemFocused(), 99999);
    const gfx::Rect last = huge->ItemRect(99999);
    EXPECT_GE(last.top, huge->Header()->Height());
    EXPECT_LE(last.bottom, huge->ClientHeight());
    EXPECT_EQ(huge->VScrollBar()->Position(), huge->VertScrollInfo().MaxPosition());
    EXPECT_EQ(List(half, "pressedheader")->Header()->PressedSection(), 1);
    EXPECT_EQ(List(half, "scrolled")->TopItem(), 20);
    EXPECT_EQ(List(half, "scrolled")->HScrollBar()->Position(), 30);
    TskSkinListView* list = List(half, "list");
    EXPECT_FALSE(list->VScrollBar()->Visible());
    EXPECT_TRUE(list->HScrollBar()->Visible());
  }
}

TEST_F(GalleryListViewTest, TheLiveSamplePrintsItsEvents) {
  TskSkinListView* live = List(1, "live");
  ASSERT_NE(live, nullptr);
  testing::internal::CaptureStdout();
  const gfx::Rect item = live->ItemRect(2);
  const gfx::Point at = live->ClientToScreen({item.left + 90, item.top + 3});
  backend_->Click(at);
  backend_->Click(at);
  backend_->Click(live->Header()->ClientToScreen({live->Header()->SectionRect(2).left + 10, 5}));
  Pump();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("plain/listview/live select 2 (1)\n"), std::string::npos) << out;
  EXPECT_NE(out.find("plain/listview/live activate 2\n"), std::string::npos) << out;
  EXPECT_NE(out.find("plain/listview/live columnclick 2\n"), std::string::npos) << out;
}

}  // namespace
