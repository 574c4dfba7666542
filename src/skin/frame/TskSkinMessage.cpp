// TskSkinMessage: modal message boxes built from the skin's label and push buttons.
#include "skin/frame/TskSkinMessage.h"

#include <memory>

#include "skin/data/SkinData.h"
#include "skin/frame/TskMessageForm.h"

namespace skin {

namespace {

constexpr MessageButtonKind kButtons[] = {
    {kMbYes, "Yes", "&Yes", 6},           {kMbNo, "No", "&No", 7},
    {kMbOK, "OK", "OK", 1},               {kMbCancel, "Cancel", "Cancel", 2},
    {kMbAbort, "Abort", "&Abort", 3},     {kMbRetry, "Retry", "&Retry", 4},
    {kMbIgnore, "Ignore", "&Ignore", 5},  {kMbAll, "All", "&All", 8},
    {kMbNoToAll, "NoToAll", "N&oToAll", 9}, {kMbYesToAll, "YesToAll", "&YesToAll", 10},
    {kMbHelp, "Help", "&Help", 0},
};

}  // namespace

std::span<const MessageButtonKind> MessageButtonKinds() { return kButtons; }

TskSkinMessage::TskSkinMessage() { SetName("TskSkinMessage"); }

TskSkinMessage::~TskSkinMessage() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
}

void TskSkinMessage::SetSkinData(TskSkinData* data) {
  if (skin_data_ != nullptr && skin_data_ != ctrl_skin_data_) skin_data_->RemoveClient(this);
  skin_data_ = data;
  if (skin_data_ != nullptr) skin_data_->AddClient(this);
}

void TskSkinMessage::SetCtrlSkinData(TskSkinData* data) {
  if (ctrl_skin_data_ != nullptr && ctrl_skin_data_ != skin_data_) ctrl_skin_data_->RemoveClient(this);
  ctrl_skin_data_ = data;
  if (ctrl_skin_data_ != nullptr) ctrl_skin_data_->AddClient(this);
}

void TskSkinMessage::SkinDataDestroyed(TskSkinData* data) {
  if (data == skin_data_) skin_data_ = nullptr;
  if (data == ctrl_skin_data_) ctrl_skin_data_ = nullptr;
}

int TskSkinMessage::ShowMessageBox(const std::string& text, MessageType type, MessageButtons buttons, int) {
  auto form = std::make_unique<TskMessageForm>(*this, text, type, buttons);
  const int result = form->ShowModal();
  form->DoDestroy();
  return result;
}

}  // namespace skin
