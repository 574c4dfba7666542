// TskSkinScrollBox: a skinned container whose content is scrolled by external skinned scroll bars.
#pragma once

#include <cstdint>

#include "skin/controls/PlainLook.h"
#include "skin/controls/TskSkinCustomControl.h"

namespace skin {

class TskSkinScrollBar;

// The box hides no bars of its own: it drives the TskSkinScrollBar controls it is given (usually
// aligned to its right and bottom in the same parent), shows them while its children reach past
// its client area and moves the children when their positions change. When the box grows while
// scrolled, the content follows the growth instead of leaving a gap at the far end.
//
// The "scrollbox" record's nine-part image frames the box (the client area is inset by the
// image's frame) and its inner part is tiled behind the children; a record with a background
// picture tiles that picture over the whole box without a frame. Without a record the box is the
// button face inside a one-pixel border of BorderStyle.
class TskSkinScrollBox : public TskSkinCustomControl {
 public:
  TskSkinScrollBox();
  ~TskSkinScrollBox() override;

  // The bars are not owned; a bar that is destroyed is forgotten. Assigning one hides it, keeps it
  // from taking the focus, takes over its OnChange and OnLastChange and brings its range up to date.
  TskSkinScrollBar* HScrollBar() const { return hbar_; }
  void SetHScrollBar(TskSkinScrollBar* bar);
  TskSkinScrollBar* VScrollBar() const { return vbar_; }
  void SetVScrollBar(TskSkinScrollBar* bar);
  SkinBorderStyle BorderStyle() const { return border_; }
  void SetBorderStyle(SkinBorderStyle border);

  // Brings both bars up to date with the children (after the children changed).
  void UpdateScrollBars();
  // While set, a bar that is shown stays shown (disabled, with an empty range) when everything
  // fits, so the box keeps its size; a bar is still shown when the content needs it.
  bool KeepBarsShown() const { return keep_bars_shown_; }
  void SetKeepBarsShown(bool v);

  // The client area lies inside the border.
  gfx::Rect ClientRect() const override;
  void ApplySkin() override;

 protected:
  bool HasSkinLook() const override;
  void Paint(gfx::Canvas& canvas) override;
  void Resize() override;
  void VisibleChanged() override;
  void WndProc(ui::Message& m) override;
  gfx::Rect AlignRect() const override;
  void Notification(ui::Component* component, Operation operation) override;

 private:
  // Left, top, right and bottom widths of the border.
  gfx::Rect Border() const;
  const gfx::Bitmap* BackgroundPicture() const;
  void DrawPlainBorder(gfx::Bitmap& bitmap) const;
  void TakeOver(TskSkinScrollBar* bar, bool vertical);
  void Release(TskSkinScrollBar* bar);
  // One direction's update; returns whether the bar's visibility is to change.
  void UpdateScroll(bool vertical, bool& show);
  void ApplyVisibility(bool show_h, bool show_v);
  // Moves every child by (dx, dy).
  void ScrollChildren(int32_t dx, int32_t dy);
  void BarChanged(bool vertical);
  int32_t ContentExtent(bool vertical) const;

  TskSkinScrollBar* hbar_ = nullptr;
  TskSkinScrollBar* vbar_ = nullptr;
  SkinBorderStyle border_ = SkinBorderStyle::bvFrame;
  int32_t last_hpos_ = 0;
  int32_t last_vpos_ = 0;
  int32_t grow_w_ = 0;
  int32_t grow_h_ = 0;
  gfx::Size last_size_;
  bool guard_ = false;
  bool keep_bars_shown_ = false;
  gfx::Bitmap offscreen_;
};

}  // namespace skin
