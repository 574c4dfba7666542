// TskSkinGauge: the skinned progress bar, a Value between MinValue and MaxValue shown as a tiled fill and a text.
#pragma once

#include <cstdint>
#include <string>

#include "skin/controls/TskSkinCustomControl.h"

namespace skin {

// Takes the "gauge" record by default ("vgauge", "statusgauge" for the program's others). The
// filled part is the record's progress image, its middle tiled and its two ends copied; the text
// (progress text and percent) is centred, turned by 90 degrees on a vertical gauge. Without a
// record: a white well in a shadow frame with the hover fill for the filled part.
class TskSkinGauge : public TskSkinCustomControl {
 public:
  TskSkinGauge();

  int32_t MinValue() const { return min_; }
  int32_t MaxValue() const { return max_; }
  int32_t Value() const { return value_; }
  // The value follows the bounds; bounds set inside out keep it at the maximum.
  void SetMinValue(int32_t v);
  void SetMaxValue(int32_t v);
  // Clamped (minimum first, then maximum); repaints on a change.
  void SetValue(int32_t v);
  bool Vertical() const { return vertical_; }
  // Stores and repaints; a record's orientation overrides it at the next paint.
  void SetVertical(bool v);

  // With a record: true keeps the skin's size and shape; false keeps any size asked for and
  // stretches the skin image to it, without a shape.
  bool UseSkinSize() const { return use_skin_size_; }
  void SetUseSkinSize(bool v);
  const std::string& ProgressText() const { return progress_text_; }
  void SetProgressText(std::string text);
  bool ShowProgressText() const { return show_progress_text_; }
  void SetShowProgressText(bool v);
  bool ShowPercent() const { return show_percent_; }
  void SetShowPercent(bool v);

  // The text drawn for the present value: the progress text, then the rounded percent and "%".
  std::string Text() const;
  // The area the fill runs in, fitted to the present size (the plain look's 1,1,w-1,h-1).
  gfx::Rect CurrentProgressArea() const;
  // The filled part of that area.
  gfx::Rect FilledRect() const;

  void LoadSkinRecord() override;
  void FitSizeToSkin(int32_t& width, int32_t& height) override;
  void UpdateSkinRegion() override;

 protected:
  bool HasSkinLook() const override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;

 private:
  // The skin image and its fill, at the size the skin geometry was fitted to.
  void DrawSkinLayers(gfx::Bitmap& bitmap);
  void DrawGaugeText(gfx::Bitmap& bitmap, const gfx::Font& font) const;

  int32_t min_ = 0;
  int32_t max_ = 100;
  int32_t value_ = 50;
  bool vertical_ = false;
  bool use_skin_size_ = true;
  std::string progress_text_;
  bool show_progress_text_ = false;
  bool show_percent_ = false;

  // From the gauge record (has_gauge_record_ false without one of that family).
  bool has_gauge_record_ = false;
  gfx::Rect progressarea_;
  gfx::Rect progressrect_;
  int32_t beginoffset_ = 0;
  int32_t endoffset_ = 0;
  gfx::Font record_font_;
  gfx::Bitmap layers_;  // the skin image before stretching, when the skin size is not kept
};

}  // namespace skin
