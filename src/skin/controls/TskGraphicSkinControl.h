// TskGraphicSkinControl: the windowless skinned control base, painted on its parent.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Bitmap.h"
#include "skin/controls/SkinBinding.h"
#include "ui/GraphicControl.h"

namespace skin {

class TskDataSkinControl;
class TskSkinData;

// As TskSkinControl for a control without a window of its own: it binds to a skin data object
// and a record name and paints through an off-screen bitmap. It has no shape. Since it looks its
// record up on every paint, the skin change before a load leaves it alone; the one after a load
// applies the new skin.
class TskGraphicSkinControl : public ui::GraphicControl {
 public:
  static constexpr int32_t kNoRecord = SkinBinding::kNoRecord;

  TskGraphicSkinControl();
  ~TskGraphicSkinControl() override;

  TskSkinData* SkinData() const { return binding_.Data(); }
  // Stores the reference; when it names a loaded skin the control applies it at once.
  virtual void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  void SetSkinDataName(std::string name) { binding_.SetName(std::move(name)); }
  int32_t RecordIndex() const { return binding_.RecordIndex(); }

  virtual void LoadSkinRecord();
  virtual void ApplySkin();
  virtual void PrepareSkinChange();

  void SkinMessageChange(const void* skin_data) override;

  TskDataSkinControl* SkinRecord() const { return binding_.Record(); }
  template <class T>
  T* SkinRecordAs() const {
    return dynamic_cast<T*>(SkinRecord());
  }

 protected:
  virtual void DrawDefaultImage(gfx::Bitmap& bitmap);
  virtual void DrawSkinImage(gfx::Bitmap& bitmap);
  virtual bool HasSkinLook() const { return RecordIndex() != kNoRecord; }

  // Fills bitmap (the control's size) with what its parent shows behind the control.
  void DrawParentBackgroundInto(gfx::Bitmap& bitmap);

  void Paint(gfx::Canvas& canvas) override;

 private:
  SkinBinding binding_;
};

}  // namespace skin
