// The main window loads the built-in skin when it is built and announces every load to all forms.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/TOrvelDralen.h"
#include "app/TfrmsetC.h"
#include "app/WindowedApp.h"
#include "skin/frame/TskSkinForm.h"
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

TEST_F(MainWindowSkinTest, TheMainWindowAndTheColourDialogWearTheSkinsFrame) {
  app::Windows w = app::CreateWindows(*app_);
  skin::TskSkinForm* main_frame = w.OrvelDralen->skSkinForm1;
  ASSERT_NE(main_frame, nullptr);
  EXPECT_EQ(skin::FindSkinForm(w.OrvelDralen), main_frame);
  EXPECT_EQ(main_frame->Name(), "skSkinForm1");
  EXPECT_EQ(main_frame->SkinData(), &w.OrvelDralen->skSkinData1);
  EXPECT_TRUE(main_frame->Skinned());
  EXPECT_EQ(main_frame->BorderIcons(), skin::biSystemMenu | skin::biMinimize | skin::biMaximize | skin::biRollUp);
  EXPECT_FALSE(main_frame->Magnetic);
  EXPECT_EQ(main_frame->MagneticSize, 5);
  EXPECT_FALSE(main_frame->AlphaBlend());
  EXPECT_EQ(main_frame->AlphaBlendValue(), 200);
  EXPECT_EQ(main_frame->DefCaptionFont().Family(), "Arial");
  EXPECT_TRUE(main_frame->DefCaptionFont().IsBold());
  w.OrvelDralen->Show();
  Pump();
  EXPECT_FALSE(w.OrvelDralen->SystemFrame());
  EXPECT_EQ(w.OrvelDralen->Width(), 689);
  EXPECT_EQ(w.OrvelDralen->Height(), 503);
  EXPECT_EQ(w.OrvelDralen->ClientWidth(), 675);
  EXPECT_EQ(w.OrvelDralen->ClientHeight(), 466);
  EXPECT_TRUE(w.OrvelDralen->WindowRegion().has_value());

  skin::TskSkinForm* dialog_frame = w.frmsetC->skSkinForm1;
  ASSERT_NE(dialog_frame, nullptr);
  EXPECT_EQ(dialog_frame->SkinData(), &w.OrvelDralen->skSkinData1);
  EXPECT_TRUE(dialog_frame->Skinned());
  EXPECT_EQ(dialog_frame->BorderIcons(), 0);
  EXPECT_FALSE(w.frmsetC->Sizeable());
  // Only the close button answers; the fixed border has no sizing edges.
  w.frmsetC->Show();
  Pump();
  for (const auto& o : dialog_frame->Objects()) {
    if (o->GetKind() == skin::TskActiveSkinObject::Kind::kStdButton && o->IsEnabled) {
      EXPECT_EQ(o->IDName, "closebutton");
    }
  }
  EXPECT_EQ(dialog_frame->HitTest({2, 100}), ui::kHtObject);
}

}  // namespace
