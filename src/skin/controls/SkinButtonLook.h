// What the push and speed buttons share: the record's text and state images, glyph options, the fade.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "skin/controls/GlyphCaption.h"
#include "skin/data/IniValues.h"

namespace skin {

class TskDataSkinButtonControl;

// The fields a button copies from its record besides the nine-part geometry. An empty active
// rectangle is replaced by skinrect and an empty down rectangle by the (replaced) active one; an
// empty disabled rectangle stays empty: there is no disabled image then.
struct ButtonSkinFields {
  std::string fontname = "Arial";
  int32_t fontheight = 14;
  FontStyles fontstyle;
  gfx::Color fontcolor = 0;
  gfx::Color activefontcolor = 0;
  gfx::Color downfontcolor = 0;
  gfx::Color disabledfontcolor = 0;
  gfx::Rect activeskinrect;
  gfx::Rect downskinrect;
  gfx::Rect disabledskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;

  void Copy(const TskDataSkinButtonControl& record);
  // The caption colour of a state image.
  gfx::Color TextColor(bool enabled, bool down, bool active) const;
};

// A glyph strip of NumGlyphs equal cells and how it sits beside the caption.
struct GlyphOptions {
  gfx::Bitmap glyph;
  int num_glyphs = 1;  // 1 to 4
  int margin = -1;     // -1 centres glyph and caption; otherwise the glyph's distance from its side
  int spacing = 1;     // pixels between glyph and caption
  ButtonLayout layout = ButtonLayout::blGlyphLeft;
};

// The fade between the normal and the active image: ten steps of a tenth each, one per 20 ms tick.
// Counting whole steps keeps ten additions of 0.1 from missing 1 by a rounding error.
class MorphFade {
 public:
  static constexpr uint32_t kTickMs = 20;
  static constexpr int kSteps = 10;

  double Factor() const { return static_cast<double>(steps_) / kSteps; }
  // Strictly between the normal and the active image.
  bool Blending() const { return steps_ > 0 && steps_ < kSteps; }
  bool AtActive() const { return steps_ == kSteps; }
  void SetActive() { steps_ = kSteps; }
  void SetNormal() { steps_ = 0; }
  // One tick towards the active image when lit, towards the normal one otherwise; false (the end
  // value set) once there is nothing left to move, which stops the timer.
  bool Tick(bool lit);

 private:
  int steps_ = 0;
};

// Blends `active` into `normal` (same size) by the morph of `kind` at factor k; the result is left
// in `normal` (`active` keeps its picture). Pictures of different sizes are left alone.
void MorphInto(gfx::Bitmap& normal, gfx::Bitmap& active, MorphKind kind, double k);

}  // namespace skin
