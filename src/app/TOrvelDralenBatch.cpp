// TOrvelDralen: the batch page's handlers, which hand their work to the page's BatchPage.
#include <string>

#include "app/BatchPage.h"
#include "app/TOrvelDralen.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinEdit.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "skin/dialogs/TskSkinOpenPictureDialog.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "ui/Label.h"
#include "worker/TOBThread.h"

namespace app {

void TOrvelDralen::skSkinButton5Click(ui::Component*) {
  if (batch_page_->Running()) return;
  skSkinOpenPictureDialog1->SetMultiSelection(true);
  if (skSkinOpenPictureDialog1->ShowDialog()) batch_page_->AddFiles(skSkinOpenPictureDialog1->SelectedFiles());
}

void TOrvelDralen::skSkinButton6Click(ui::Component*) {
  if (batch_page_->Running()) return;
  if (ListMouseX > 0 && ListMouseY > 0) batch_page_->RemoveChosen();
  if (batch_page_->Names().empty()) skSkinButton6->SetEnabled(false);
}

void TOrvelDralen::skSkinListView1MouseMove(ui::Control*, ui::ShiftState, int x, int y) {
  if (skSkinListView1->ItemCount() == 0) return;
  ListMouseX = x;
  ListMouseY = y;
}

void TOrvelDralen::skSkinListView1KeyDown(ui::Control*, uint16_t& key, ui::ShiftState) {
  if (key == platform::kVkDelete) {
    key = 0;
    batch_page_->RemoveChosen();
  } else if (key == platform::kVkReturn) {
    key = 0;
    const int32_t focused = skSkinListView1->ItemFocused();
    if (focused >= 0 && static_cast<size_t>(focused) < batch_page_->Names().size()) OpenListEntry(static_cast<size_t>(focused));
  }
}

void TOrvelDralen::skSkinListView1DblClick(ui::Component*) {
  if (ListMouseX <= 0 || ListMouseY <= 0 || batch_page_->Names().empty()) return;
  const int32_t first = skSkinListView1->ItemIndex();
  if (first >= 0 && static_cast<size_t>(first) < batch_page_->Names().size()) OpenListEntry(static_cast<size_t>(first));
}

void TOrvelDralen::OpenListEntry(size_t index) {
  skSkinPageControl2->SetActivePage(skSkinTabSheet1);
  OpenPictureFile(batch_page_->Caption(index));
}

void TOrvelDralen::skSkinTrackBar2Change(ui::Component*) {
  Label6->SetCaption(std::to_string(skSkinTrackBar2->Value()) + "%");
}

void TOrvelDralen::skSkinButton2Click(ui::Component*) {
  if (batch_page_->Running()) return;
  skSkinSelectDirectoryDialog1->SetDirectory(skSkinEdit1->Text());
  if (skSkinSelectDirectoryDialog1->ShowDialog()) skSkinEdit1->SetText(skSkinSelectDirectoryDialog1->Directory());
}

void TOrvelDralen::skSkinButton4Click(ui::Component*) { batch_page_->StartOrStop(); }

void TOrvelDralen::OBThread1Execute(ui::Component*, void* params) { batch_page_->Execute(params); }

void TOrvelDralen::OBThread1Finish(ui::Component*) { batch_page_->Finished(); }

void TOrvelDralen::BatchDropFiles(ui::Component*, const std::vector<std::string>& files) { batch_page_->Drop(files); }

}  // namespace app
