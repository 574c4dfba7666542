// The lists' gallery samples: the states input left them in, and the live combo's events in order.
#include <gtest/gtest.h>

#include <string>

#include "app/gallery/GalleryWindow.h"
#include "skin/controls/TskPopupListBox.h"
#include "skin/controls/TskSkinComboBox.h"
#include "skin/controls/TskSkinListBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "ui/ListBox.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class GalleryListsTest : public UiTest {
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
  template <class T>
  T* Find(size_t half, const std::string& name, const std::string& state) const {
    for (const app::GallerySample& s : window_->Halves()[half]->Samples()) {
      if (s.name == name && s.state == state) return dynamic_cast<T*>(s.control);
    }
    return nullptr;
  }
  app::GalleryWindow* window_ = nullptr;
};

TEST_F(GalleryListsTest, SamplesRestInTheirStates) {
  for (size_t half : {0u, 1u}) {
    SCOPED_TRACE(half);
    EXPECT_TRUE(Find<skin::TskSkinListBox>(half, "listbox", "focused")->List().HasFocus());
    EXPECT_NE(Find<skin::TskSkinListBox>(half, "listbox", "scrolled")->VScrollBar(), nullptr);
    auto* wide = Find<skin::TskSkinListBox>(half, "listbox", "hextent");
    ASSERT_NE(wide->HScrollBar(), nullptr);
    EXPECT_LE(wide->ListRect().bottom, wide->HScrollBar()->Top());
    auto* dropped = Find<skin::TskSkinComboBox>(half, "combobox", "dropped");
    EXPECT_TRUE(dropped->DroppedDown());
    EXPECT_EQ(dropped->ListBox().List().VisibleRows(), 8);
  }
}

TEST_F(GalleryListsTest, LiveComboDropsAndAClickOnTheThirdRowPrintsChangeClickAndCloseUp) {
  for (size_t half : {0u, 1u}) {
    auto* combo = Find<skin::TskSkinComboBox>(half, "combobox", "live");
    const std::string id = half == 0 ? "skinned/combobox/live " : "plain/combobox/live ";
    testing::internal::CaptureStdout();
    backend_->Click(combo->ClientToScreen({combo->DropButtonRect().left + 4, 8}));
    Pump();
    ASSERT_TRUE(combo->DroppedDown());
    const ui::ListBox& list = combo->ListBox().List();
    const gfx::Point row3 = list.ClientToScreen({20, list.ItemRect(2).top + 4});
    backend_->InjectMouseMove(row3);
    backend_->Click(row3);
    Pump();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(out, id + "dropdown \n" + id + "change PNG 图片\n" + id + "click 2\n" + id + "closeup PNG 图片\n");
  }
}

}  // namespace
