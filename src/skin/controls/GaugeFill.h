// A gauge's filled part: its rectangle for a ratio, the tiled progress image and the percent text.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace skin {

// The part of `area` filled at ratio q (held to 0..1): from the left for a horizontal gauge, from
// the bottom upwards for a vertical one.
gfx::Rect GaugeFilledRect(const gfx::Rect& area, double q, bool vertical);

// Draws the progress image `source` of `pic` into `filled` of `target` (both 24-bit):
//
//   horizontal:  | begin |  middle of source, copied side by side from the left  | end |
//                  b cols   (the last copy cut on the right)                       e cols
//
// A vertical gauge stacks the middle copies from the bottom upwards (the last one losing its top
// rows) with the first b rows of the source at the top and the last e rows at the bottom. The ends
// are drawn only when the filled part is at least b + e long; a source whose middle has no length
// draws only the ends. Copies are plain (never stretched: across the gauge they keep the source's
// thickness) and clipped to both pictures.
void DrawGaugeProgress(gfx::Bitmap& target, const gfx::Rect& filled, const gfx::Bitmap& pic, const gfx::Rect& source,
                       int32_t begin, int32_t end, bool vertical);

// The gauge's text: the progress text when shown, followed by the rounded percent and "%" when shown.
std::string GaugeText(const std::string& progress_text, bool show_progress_text, bool show_percent, double q);

}  // namespace skin
