// The filter drop-down: entries from the filter string, the selected mask and its change event.
#include "skin/dialogs/TskSkinFilterComboBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/RangeControlTestEnv.h"
#include "ui/KeyCodes.h"

namespace {

using skin::TskSkinFilterComboBox;

class TskSkinFilterComboBoxTest : public skin_test::RangeControlTest {};

TEST_F(TskSkinFilterComboBoxTest, EntriesFollowTheFilterAndChoosingOneChangesTheMask) {
  auto* combo = Make<TskSkinFilterComboBox>("combobox", 10, 10, 280, 21);
  EXPECT_EQ(combo->Text(), "All files (*.*)");
  EXPECT_EQ(combo->CurrentMask(), "*.*");

  std::vector<std::string> masks_seen;
  combo->OnChange = [&](ui::Component*) { masks_seen.push_back(combo->CurrentMask()); };
  combo->SetFilter("All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|Bitmaps (*.bmp)|*.bmp|Orphan");
  ASSERT_EQ(combo->Count(), 2);
  EXPECT_EQ(combo->Item(1), "Bitmaps (*.bmp)");
  EXPECT_EQ(combo->FilterMasks(), (std::vector<std::string>{"*.jpg;*.jpeg;*.bmp;", "*.bmp"}));
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->Text(), "All (*.jpg;*.jpeg;*.bmp;)");

  // The user picks the second entry: the text changes and the handler reads its mask.
  combo->SetFocus();
  backend_->PressKey(platform::kVkDown);
  Pump();
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(masks_seen, (std::vector<std::string>{"*.jpg;*.jpeg;*.bmp;", "*.bmp"}));

  // Nothing selected: the last entry is taken. No entries at all: everything.
  combo->SetItemIndex(-1);
  EXPECT_EQ(combo->CurrentMask(), "*.bmp");
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SetFilter("no masks here");
  EXPECT_EQ(combo->Count(), 0);
  EXPECT_EQ(combo->CurrentMask(), "*.*");
}

}  // namespace
