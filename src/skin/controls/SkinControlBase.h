// SkinControlBase: what the windowed and the windowless skinned control bases share.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Bitmap.h"
#include "skin/controls/SkinBinding.h"

namespace skin {

class TskDataSkinControl;
class TskSkinData;

// Binds a control to a skin data object and a record name, and paints it through an off-screen
// bitmap of its size: from the record when the skin has one, in the plain look otherwise. The
// record is looked up again on every paint, so a control never draws from a skin that was freed.
//
// One implementation over either toolkit base (ui::WinControl, ui::GraphicControl); its source
// file instantiates it for both, and the header of each skinned base declares that instantiation,
// so nothing of it is compiled elsewhere.
template <class Base>
class SkinControlBase : public Base {
 public:
  static constexpr int32_t kNoRecord = SkinBinding::kNoRecord;

  SkinControlBase();
  ~SkinControlBase() override;

  TskSkinData* SkinData() const { return binding_.Data(); }
  // Stores the reference; when it names a loaded skin the control applies it at once. The
  // reference is dropped by itself when the skin data object is destroyed.
  virtual void SetSkinData(TskSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  // Stores the name only: the look follows at the next paint, the size at the next resize or skin
  // change.
  virtual void SetSkinDataName(std::string name);
  // Index of the record in the skin's control records, or kNoRecord.
  int32_t RecordIndex() const { return binding_.RecordIndex(); }

  // Looks the record up again (RecordIndex).
  virtual void LoadSkinRecord();
  // Takes the record of the present skin: looks it up and repaints.
  virtual void ApplySkin();
  // Drops every reference into the skin before the skin data frees it.
  virtual void PrepareSkinChange();

  // The skin-change walk after a skin data object loaded a new skin: acts when `skin_data` is
  // this control's skin data or null (every skin).
  void SkinMessageChange(const void* skin_data) override;

  // The present record, or null without one.
  TskDataSkinControl* SkinRecord() const { return binding_.Record(); }
  // The present record when it is of family T, else null.
  template <class T>
  T* SkinRecordAs() const {
    return dynamic_cast<T*>(SkinRecord());
  }

 protected:
  // The plain look, drawn when there is no record. The base draws nothing.
  virtual void DrawDefaultImage(gfx::Bitmap& bitmap);
  // The look from the record. The base draws nothing.
  virtual void DrawSkinImage(gfx::Bitmap& bitmap);
  // Whether the paint draws from the record (DrawSkinImage) rather than the plain look.
  virtual bool HasSkinLook() const { return RecordIndex() != kNoRecord; }

  // Fills bitmap (the control's size) with what its parent shows behind the control, for looks
  // with see-through parts.
  void DrawParentBackgroundInto(gfx::Bitmap& bitmap);

  // The off-screen paint: nothing for an empty control; otherwise the record is looked up, the
  // look drawn into a bitmap of the control's size and copied to the canvas in one piece.
  void Paint(gfx::Canvas& canvas) override;

  // Whether a skin-change message naming `skin_data` concerns this control.
  bool ConcernsSkin(const void* skin_data) const { return binding_.Concerns(skin_data); }

 private:
  SkinBinding binding_;
};

}  // namespace skin
