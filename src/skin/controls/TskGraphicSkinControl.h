// TskGraphicSkinControl: the windowless skinned control base, painted on its parent.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Bitmap.h"
#include "skin/data/SkinDataClient.h"
#include "ui/GraphicControl.h"

namespace skin {

class TskDataSkinControl;
class TskSkinData;

// As TskSkinControl for a control without a window of its own: it binds to a skin data object
// and a record name and paints through an off-screen bitmap. It has no shape. Since it looks its
// record up on every paint, the skin change before a load leaves it alone; the one after a load
// applies the new skin.
class TskGraphicSkinControl : public ui::GraphicControl, protected SkinDataClient {
 public:
  static constexpr int32_t kNoRecord = -1;

  TskGraphicSkinControl();
  ~TskGraphicSkinControl() override;

  TskSkinData* SkinData() const { return skin_data_; }
  // Stores the reference; when it names a loaded skin the control applies it at once.
  virtual void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return skin_data_name_; }
  void SetSkinDataName(std::string name) { skin_data_name_ = std::move(name); }
  int32_t RecordIndex() const { return record_index_; }

  virtual void LoadSkinRecord();
  virtual void ApplySkin();
  virtual void PrepareSkinChange();

  void SkinMessageChange(const void* skin_data) override;

  TskDataSkinControl* SkinRecord() const;
  template <class T>
  T* SkinRecordAs() const {
    return dynamic_cast<T*>(SkinRecord());
  }

 protected:
  virtual void DrawDefaultImage(gfx::Bitmap& bitmap);
  virtual void DrawSkinImage(gfx::Bitmap& bitmap);
  virtual bool HasSkinLook() const { return record_index_ != kNoRecord; }

  // Fills bitmap (the control's size) with what its parent shows behind the control.
  void DrawParentBackgroundInto(gfx::Bitmap& bitmap);

  void Paint(gfx::Canvas& canvas) override;
  void SkinDataDestroyed(TskSkinData* data) override;

 private:
  TskSkinData* skin_data_ = nullptr;
  std::string skin_data_name_;
  int32_t record_index_ = kNoRecord;
  gfx::Bitmap offscreen_;
};

}  // namespace skin
