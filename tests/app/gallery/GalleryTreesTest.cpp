// The trees' gallery samples: the states the halves were left in and the live tree's events.
#include <gtest/gtest.h>

#include <string>

#include "app/gallery/GalleryWindow.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinTreeView.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class GalleryTreesTest : public UiTest {
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
  // The skinned tree inside a tree sample's area.
  skin::TskSkinTreeView* Tree(size_t half, const std::string& state) const {
    for (const app::GallerySample& s : window_->Halves()[half]->Samples()) {
      if (s.name != "treeview" || s.state != state) continue;
      skin::TskSkinTreeView* tree = nullptr;
      s.control->AsWinControl()->ForEachChild([&](ui::Control& c) {
        if (auto* t = dynamic_cast<skin::TskSkinTreeView*>(&c)) tree = t;
      });
      return tree;
    }
    return nullptr;
  }
  app::GalleryWindow* window_ = nullptr;
};

TEST_F(GalleryTreesTest, HalvesShowScrolledAndGrownTrees) {
  for (size_t half : {0u, 1u}) {
    SCOPED_TRACE(half);
    skin::TskSkinTreeView* scrolled = Tree(half, "scrolled");
    ASSERT_NE(scrolled, nullptr);
    ASSERT_TRUE(scrolled->VScrollBar()->Visible());
    EXPECT_EQ(scrolled->VScrollBar()->Position(), 12);
    EXPECT_TRUE(scrolled->HScrollBar()->Visible());
    EXPECT_TRUE(scrolled->HScrollBar()->Both());
    EXPECT_EQ(scrolled->HScrollBar()->Position(), 40);
    skin::TskSkinTreeView* live = Tree(half, "live");
    ASSERT_NE(live, nullptr);
    ASSERT_NE(live->Selected(), nullptr);
    EXPECT_EQ(live->Selected()->Text(), "第3层 1");
    EXPECT_EQ(live->Selected()->Level(), 3);
  }
}

TEST_F(GalleryTreesTest, LiveTreePrintsItsEvents) {
  skin::TskSkinTreeView* live = Tree(0, "live");
  ASSERT_NE(live, nullptr);
  ui::TreeNode* root = live->FirstNode();
  const gfx::Rect label = live->DisplayRect(root, true);
  const gfx::Point button{label.left - live->Indent() / 2 - 1 - 17, label.top + label.Height() / 2};
  testing::internal::CaptureStdout();
  backend_->Click(live->ClientToScreen(button));
  Pump();
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string text = root->Text();
  const size_t change = out.find("skinned/treeview/live change " + text + "\n");
  const size_t collapsed = out.find("skinned/treeview/live collapsed " + text + "\n");
  ASSERT_NE(change, std::string::npos) << out;
  ASSERT_NE(collapsed, std::string::npos) << out;
  EXPECT_LT(change, collapsed);
  EXPECT_FALSE(root->Expanded());
}

}  // namespace
