// Drawing on a 24-bit bitmap: pens, brushes, fonts, clipping, origin and a save/restore stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Region.h"

namespace gfx {

// kCopy paints the pen colour; kXor xors the destination with it; kNot inverts the destination
// (the pen colour is ignored), so drawing the same line twice in kXor or kNot restores the pixels.
enum class PenMode : uint8_t { kCopy, kXor, kNot };
// kDot draws every other pixel of a line (starting with its first); kClear draws nothing.
enum class PenStyle : uint8_t { kSolid, kDot, kClear };

struct Pen {
  gfx::Color color = kBlack;
  int32_t width = 1;  // values below 1 draw as 1
  PenMode mode = PenMode::kCopy;
  PenStyle style = PenStyle::kSolid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// kClear fills nothing; for text it means a transparent background.
enum class BrushStyle : uint8_t { kSolid, kClear };

struct Brush {
  gfx::Color color = kWhite;
  BrushStyle style = BrushStyle::kSolid;
  friend bool operator==(const Brush&, const Brush&) = default;
};

// Flags of Canvas::DrawText; combine with |. Left and top are the defaults (value 0).
enum DrawTextFlag : uint32_t {
  kDtLeft = 0,
  kDtTop = 0,
  kDtCenter = 0x1,      // each line centred horizontally: left + (width - line width) / 2
  kDtRight = 0x2,
  kDtVCenter = 0x4,     // single-line only: top + (height - line height) / 2
  kDtBottom = 0x8,      // single-line only
  kDtWordBreak = 0x10,  // wrap at spaces and between CJK characters when a line gets too wide
  kDtSingleLine = 0x20, // line breaks do not start new lines
  kDtExpandTabs = 0x40, // tab stops every 8 average character widths (otherwise a tab has no width)
  kDtNoClip = 0x100,    // do not clip the text to the rectangle
  kDtCalcRect = 0x400,  // measure only: the rectangle's right and bottom are set to the text's
  kDtNoPrefix = 0x800,  // "&" is an ordinary character
  kDtEndEllipsis = 0x8000,  // a line too wide for the rectangle ends in "..." and fits
};
using DrawTextFlags = uint32_t;

// A canvas over a 24-bit bitmap that it does not own. Every coordinate a caller passes is in canvas
// coordinates: bitmap coordinates minus the origin. The clip region, also in canvas coordinates for
// the caller, never extends beyond the bitmap; nothing is ever written outside it.
//
// The state (origin, clip, pen, brush, font and pen position) is saved and restored as a stack, so
// a control paints in its own coordinates inside a Save/Restore pair (or a CanvasSaver) and leaves
// the canvas as it found it.
class Canvas {
 public:
  // The bitmap must be 24-bit (ImageError otherwise) and must outlive the canvas. The initial clip
  // is the whole bitmap, the origin (0, 0), the pen black and 1 wide, the brush solid white and the
  // font the default Font. Should the bitmap be replaced by a smaller picture later, drawing still
  // stays inside it (ResetClip takes up the new size); at another depth nothing is drawn.
  explicit Canvas(Bitmap& target);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas();

  Bitmap& Target() { return target_; }
  const Bitmap& Target() const { return target_; }

  // State stack. Restore without a matching Save does nothing.
  void Save();
  void Restore();
  size_t SaveDepth() const { return saved_.size(); }
  // Restores the state saved when SaveDepth() was depth, dropping any later saves.
  void RestoreTo(size_t depth);

  // Origin: the bitmap position of canvas point (0, 0). The clip stays where it is on the bitmap.
  Point Origin() const { return state_.origin; }
  void SetOrigin(Point bitmap_position);
  void Translate(int32_t dx, int32_t dy);

  // Clipping, in canvas coordinates; every result is also limited to the bitmap.
  Region ClipRegion() const;
  Rect ClipBounds() const;
  void SetClipRect(const Rect& r);
  void SetClipRegion(const Region& r);
  void IntersectClip(const Rect& r);
  void IntersectClip(const Region& r);
  void ExcludeClip(const Rect& r);
  void ExcludeClip(const Region& r);
  void ResetClip();  // the whole bitmap
  bool IsVisible(Point p) const;
  bool IsVisible(const Rect& r) const;  // any pixel of r is inside the clip

  // Drawing tools, changed in place (canvas.Pen().color = c) or replaced whole.
  gfx::Pen& Pen() { return state_.pen; }
  const gfx::Pen& Pen() const { return state_.pen; }
  void SetPen(const gfx::Pen& pen) { state_.pen = pen; }
  gfx::Brush& Brush() { return state_.brush; }
  const gfx::Brush& Brush() const { return state_.brush; }
  void SetBrush(const gfx::Brush& brush) { state_.brush = brush; }
  gfx::Font& Font() { return state_.font; }
  const gfx::Font& Font() const { return state_.font; }
  void SetFont(const gfx::Font& font) { state_.font = font; }

  // Pixels. Pixel returns kInvalidColor outside the bitmap (the clip does not limit reading).
  static constexpr gfx::Color kInvalidColor = 0xFFFFFFFF;
  gfx::Color Pixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, gfx::Color c);

  // Areas. Rectangles are right/bottom exclusive; an empty rectangle draws nothing.
  void FillRect(const Rect& r, gfx::Color c);
  void FillRect(const Rect& r);                   // with the brush; a clear brush fills nothing
  void FrameRect(const Rect& r, gfx::Color c);    // the one-pixel border just inside r
  void FrameRect(const Rect& r);                  // in the brush colour (a clear brush: nothing)
  // Interior filled with the brush, then the outline drawn with the pen along the outermost pixels
  // (left, top, right - 1, bottom - 1); a wider pen grows outwards and inwards around that path.
  void Rectangle(const Rect& r);
  // The ellipse inscribed in r: filled with the brush, outlined with the pen.
  void Ellipse(const Rect& r);
  void InvertRect(const Rect& r);
  // A dotted frame that inverts every other pixel of r's border, so drawing it twice removes it.
  void DrawFocusRect(const Rect& r);
  void FillRegion(const Region& region, gfx::Color c);  // region in canvas coordinates
  // dst = dst + (c - dst) * alpha / 255 per channel, rounded to nearest.
  void BlendRect(const Rect& r, gfx::Color c, uint8_t alpha);

  // Lines with the pen. LineTo draws from the pen position to (x, y) by Bresenham's algorithm
  // without the end point, then moves the pen position there; a zero-length line draws nothing.
  Point PenPos() const { return state_.pen_pos; }
  void MoveTo(int32_t x, int32_t y);
  void LineTo(int32_t x, int32_t y);
  // Lines through the points in turn (each end point excluded, like LineTo); the pen ends at the last.
  void Polyline(std::span<const Point> points);
  // The closed polygon: interior filled with the brush (even-odd rule, pixel centres inside,
  // so right and bottom edges are excluded), then the outline drawn with the pen.
  void Polygon(std::span<const Point> points);

  // Bitmaps, copied exactly and clipped to the clip region. Sources of any depth are converted to
  // 24-bit first; the target itself may be the source (overlapping copies come out right).
  void Draw(int32_t x, int32_t y, const Bitmap& src);
  void CopyRect(Point at, const Bitmap& src, const Rect& src_rect);
  // Nearest neighbour, unsmoothed: destination pixel i of a span takes source pixel
  // floor(i * src_span / dst_span). Empty rectangles draw nothing.
  void StretchDraw(const Rect& dst, const Bitmap& src);
  void StretchDraw(const Rect& dst, const Bitmap& src, const Rect& src_rect);
  // As CopyRect and StretchDraw, leaving the destination where the source has the transparent colour.
  void CopyTransparent(Point at, const Bitmap& src, const Rect& src_rect, gfx::Color transparent);
  void StretchTransparent(const Rect& dst, const Bitmap& src, const Rect& src_rect, gfx::Color transparent);
  // As CopyRect, mixed with constant opacity: dst + (src - dst) * alpha / 255 per channel, rounded.
  void BlendBitmap(Point at, const Bitmap& src, const Rect& src_rect, uint8_t alpha);

  // Text in the font's colour, grey-scale anti-aliased. (x, y) is the top-left of the text's cell:
  // the baseline lies at y + ascent. With a solid brush the cell (text width x line height) is first
  // filled with the brush colour; with a clear brush the background stays. A font with an escapement
  // turns the text about (x, y): at 900 the cell occupies [x, x + h) x [y - w, y) and reads upwards.
  void TextOut(int32_t x, int32_t y, std::string_view utf8);
  // As TextOut, clipped additionally to r.
  void TextRect(const Rect& r, int32_t x, int32_t y, std::string_view utf8);
  int32_t TextWidth(std::string_view utf8) const;
  int32_t TextHeight(std::string_view utf8) const;  // the font's line height, whatever the text
  Size TextExtent(std::string_view utf8) const;

  // Formatted text in rect (the font's escapement is ignored). Returns the height of the text.
  // Lines end at "\n", "\r\n" or "\r" unless kDtSingleLine. Unless kDtNoPrefix, "&x" draws x
  // underlined and "&&" draws "&" (a lone "&" at the end is dropped). With kDtCalcRect nothing is
  // drawn and rect keeps its left and top while its right becomes left + the widest line's width
  // and its bottom top + the text's height; with kDtWordBreak the lines are wrapped at rect's width
  // first. With kDtEndEllipsis the lines are measured as they would be drawn. A solid brush fills
  // each drawn line's cell with the brush colour first. Empty text is one empty line, and a text
  // ending in a line break ends with an empty line.
  int32_t DrawText(Rect& rect, std::string_view utf8, DrawTextFlags flags);

 private:
  struct State {
    Point origin;
    Region clip;  // bitmap coordinates, within the bitmap
    std::vector<Rect> clip_rects;  // clip's rectangles, kept for the pixel loops
    gfx::Pen pen;
    gfx::Brush brush;
    gfx::Font font;
    Point pen_pos;
  };

  Bitmap& target_;
  State state_;
  std::vector<State> saved_;

  friend class CanvasPainter;
};

// Saves the canvas state on construction and restores it on destruction.
class CanvasSaver {
 public:
  explicit CanvasSaver(Canvas& canvas) : canvas_(canvas), depth_(canvas.SaveDepth()) { canvas_.Save(); }
  CanvasSaver(const CanvasSaver&) = delete;
  CanvasSaver& operator=(const CanvasSaver&) = delete;
  ~CanvasSaver() { canvas_.RestoreTo(depth_); }

 private:
  Canvas& canvas_;
  size_t depth_;
};

}  // namespace gfx
