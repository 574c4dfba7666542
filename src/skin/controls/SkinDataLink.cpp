// SkinDataLink: a control's reference to a skin data object and the name of its record.
#include "skin/controls/SkinDataLink.h"

#include "skin/data/SkinData.h"

namespace skin {

SkinDataLink::~SkinDataLink() {
  if (data_ != nullptr) data_->RemoveClient(this);
}

void SkinDataLink::SetData(TskSkinData* data) {
  if (data == data_) return;
  if (data_ != nullptr) data_->RemoveClient(this);
  data_ = data;
  if (data_ != nullptr) data_->AddClient(this);
}

bool SkinDataLink::Loaded() const { return data_ != nullptr && !data_->IsEmpty(); }

TskDataSkinControl* SkinDataLink::Record() const {
  if (!Loaded()) return nullptr;
  return data_->ControlRecord(data_->FindControlIndex(name_));
}

void SkinDataLink::SkinDataDestroyed(TskSkinData* data) {
  if (data != data_) return;
  data_ = nullptr;
  if (on_lost_) on_lost_();
}

}  // namespace skin
