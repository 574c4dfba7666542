// TOrvelDralen: the batch page's handlers, which hand their work to the page's BatchPage.
#include <string>

#include "app/BatchPage.h"
#include "app/TOrvelDralen.h"
#include "platform/KeyCodes.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinListView.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinTrackBar.h"
#include "ui/Label.h"
#include "worker/TOBThread.h"

namespace app {

TOrvelDralen::~TOrvelDralen() {
  if (batch_page_) batch_page_->StopForClose();
  // obthread_ goes first (declared last) and joins the worker, whose job the page holds.
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
  if (key != platform::kVkDelete) return;
  key = 0;
  batch_page_->RemoveChosen();
}

void TOrvelDralen::skSkinTrackBar2Change(ui::Component*) {
  Label6->SetCaption(std::to_string(skSkinTrackBar2->Value()) + "%");
}

void TOrvelDralen::skSkinButton4Click(ui::Component*) { batch_page_->StartOrStop(); }

void TOrvelDralen::OBThread1Execute(ui::Component*, void* params) { batch_page_->Execute(params); }

void TOrvelDralen::OBThread1Finish(ui::Component*) { batch_page_->Finished(); }

void TOrvelDralen::FormDropFiles(ui::Component*, const std::vector<std::string>& files) {
  if (skSkinPageControl2->ActivePage() != skSkinTabSheet3) return;
  batch_page_->Drop(files);
}

}  // namespace app
