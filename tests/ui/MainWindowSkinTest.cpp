// The main window loads the built-in skin when it is built and announces every load to all forms.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/TOrvelDralen.h"
#include "app/WindowedApp.h"
#include "skin/data/SkinMessageSink.h"
#include "ui/UiTestEnv.h"

namespace {

using ui_test::UiTest;

class MainWindowSkinTest : public UiTest {};

TEST_F(MainWindowSkinTest, TheBuiltInSkinIsLoadedAtCreation) {
  app::Windows w = app::CreateWindows(*app_);
  const skin::TskSkinData& data = w.OrvelDralen->skSkinData1;
  EXPECT_FALSE(data.IsEmpty());
  EXPECT_EQ(data.StoredSkin(), &w.OrvelDralen->skStoredSkin1);
  EXPECT_GE(data.FindControlIndex("button"), 0);
  EXPECT_GE(data.FindControlIndex("htrackbar"), 0);
  EXPECT_EQ(w.OrvelDralen->skStoredSkin1.MainPicture().Width(), 216);
}

TEST_F(MainWindowSkinTest, ALoadReachesEveryFormOwnerFirstInOrder) {
  app::Windows w = app::CreateWindows(*app_);
  std::vector<std::pair<std::string, uint32_t>> seen;
  for (ui::Form* form : app_->Forms()) {
    ui::WindowProcFn saved = form->WindowProc();
    form->SetWindowProc([form, saved, &seen, &w](ui::Message& m) {
      if (m.id >= skin::SkinMsgBeforeChange && m.id <= skin::SkinMsgAfterChange) {
        seen.emplace_back(form->Name(), m.id);
        EXPECT_EQ(m.wparam, reinterpret_cast<intptr_t>(&w.OrvelDralen->skSkinData1));
        EXPECT_EQ(m.lparam, skin::kSkinMessageParam);
      }
      saved(m);
    });
  }
  w.OrvelDralen->skSkinData1.LoadFromStoredSkin(w.OrvelDralen->skStoredSkin1);
  const std::vector<std::pair<std::string, uint32_t>> expected = {
      {"OrvelDralen", 1225}, {"frmsetC", 1225}, {"frmScreen", 1225},
      {"OrvelDralen", 1226}, {"frmsetC", 1226}, {"frmScreen", 1226},
      {"OrvelDralen", 1227}, {"frmsetC", 1227}, {"frmScreen", 1227},
  };
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(w.OrvelDralen->skSkinData1.IsEmpty());
}

}  // namespace
