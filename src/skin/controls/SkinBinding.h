// SkinBinding: what a skinned control base holds to draw from a skin: the link, its record's index, the off-screen bitmap.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Color.h"
#include "skin/controls/SkinDataLink.h"

namespace gfx {
class Canvas;
}

namespace skin {

// The record's index is looked up again before every paint (LoadRecord), so a control never
// keeps a pointer into a skin that may be freed: Record() goes through the index each time.
class SkinBinding {
 public:
  static constexpr int32_t kNoRecord = -1;

  // `on_lost` runs when the skin data object is destroyed (the reference is already dropped).
  explicit SkinBinding(std::function<void()> on_lost) : link_(std::move(on_lost)) {}

  TskSkinData* Data() const { return link_.Data(); }
  // Stores the reference; true when it names a loaded skin.
  bool SetData(TskSkinData* data);
  const std::string& Name() const { return link_.Name(); }
  void SetName(std::string name) { link_.SetName(std::move(name)); }
  // Whether a skin-change message naming `sender` (null: every skin) concerns this binding.
  bool Concerns(const void* sender) const { return link_.Concerns(sender); }

  int32_t RecordIndex() const { return record_index_; }
  // Looks the record up by name in the loaded skin (kNoRecord without one).
  void LoadRecord();
  void ClearRecord() { record_index_ = kNoRecord; }
  // The present record, or null without one.
  TskDataSkinControl* Record() const;

  // Whether a control of this size is painted at all.
  static bool Paintable(int32_t width, int32_t height);
  // The off-screen bitmap, emptied to the control's size, for the look to be drawn into.
  gfx::Bitmap& Offscreen(int32_t width, int32_t height);
  // Copies the drawn look to the canvas. A strip keeps the skin's height (or width) even where
  // alignment made the control larger; the rest takes `fill` rather than what was there before.
  void CopyOffscreen(gfx::Canvas& canvas, int32_t width, int32_t height, gfx::Color fill) const;

 private:
  SkinDataLink link_;
  int32_t record_index_ = kNoRecord;
  gfx::Bitmap offscreen_;
};

}  // namespace skin
