// TskSkinLabel and TskSkinStatusPanel: one line of text on the skin's label image.
#pragma once

#include <cstdint>

#include "gfx/Bitmap.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/TskSkinCustomControl.h"
#include "skin/data/IniValues.h"

namespace gfx {
class Canvas;
}

namespace skin {

class TskDataSkinLabelControl;

// The text is drawn vertically centred in the record's CurrentClientRect (in (3, 3, w - 3, h - 3)
// inside a plain border without a record), placed by Alignment and clipped. With AutoSize the
// width follows the text, unless the label is aligned to the top, the bottom or the whole client
// area; a fixed-size record turns AutoSize off.
class TskSkinLabel : public TskSkinCustomControl {
 public:
  TskSkinLabel();

  SkinBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(SkinBorderStyle style);
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);

  void LoadSkinRecord() override;
  void FitSizeToSkin(int32_t& width, int32_t& height) override;

 protected:
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void CaptionChanged() override;
  void EnabledChanged() override { Invalidate(); }

  // Draws the caption into r with the font the record and UseSkinFont choose.
  void DrawLabelText(gfx::Canvas& canvas, const gfx::Rect& r);
  // The rectangle text goes into.
  gfx::Rect TextRect() const;
  // Room taken before the text by what DrawLead draws there: where the text starts, and what the
  // label grows by for it when it sizes itself to its text.
  virtual int32_t TextOffset() const { return 0; }
  virtual int32_t LeadWidth() const { return 0; }
  // Whatever sits before the text (the status panel's glyph).
  virtual void DrawLead(gfx::Canvas& canvas, const gfx::Rect& text_rect) { (void)canvas, (void)text_rect; }
  // The width the label lacks for its text (negative when it has room to spare).
  int32_t ExtraWidth();
  void AdjustToText();

 private:
  gfx::Font TextFont() const;

  SkinBorderStyle border_style_ = SkinBorderStyle::bvFrame;
  Alignment alignment_ = Alignment::taleftjustify;
  bool auto_size_ = false;
  bool fitting_ = false;
};

// A label with a glyph before its text, for status lines.
class TskSkinStatusPanel : public TskSkinLabel {
 public:
  TskSkinStatusPanel();

  const gfx::Bitmap& Glyph() const { return glyph_; }
  void SetGlyph(gfx::Bitmap glyph);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);

 protected:
  int32_t TextOffset() const override;
  int32_t LeadWidth() const override;
  void DrawLead(gfx::Canvas& canvas, const gfx::Rect& text_rect) override;

 private:
  int32_t CellWidth() const;

  gfx::Bitmap glyph_;
  int num_glyphs_ = 1;
};

}  // namespace skin
