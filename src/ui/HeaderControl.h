// HeaderControl: the row of column captions above a report-style list view; sections are clicked
// and resized by dragging their right edges.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/Label.h"
#include "ui/WinControl.h"

namespace ui {

class ImageList;

struct HeaderSection {
  std::string text;
  int32_t width = 50;
  TextAlignment alignment = TextAlignment::kLeft;
  int image_index = -1;  // into the header's images; -1 for none
};

// Painting and input go through the window procedure like every control's, so a component may
// install its own procedure (to paint the sections from a skin, say) and give the saved one back.
class HeaderControl : public WinControl {
 public:
  // Pixels on either side of a section's right edge where a press starts resizing it.
  static constexpr int kResizeGrip = 3;
  // A section's caption keeps this far from either side.
  static constexpr int kTextMargin = 5;

  HeaderControl();
  ~HeaderControl() override;

  int SectionCount() const { return static_cast<int>(sections_.size()); }
  const HeaderSection& Section(int index) const { return sections_.at(static_cast<size_t>(index)); }
  int AddSection(HeaderSection section);
  void SetSection(int index, HeaderSection section);
  void SetSectionWidth(int index, int32_t width);
  void DeleteSection(int index);
  void ClearSections();
  // The sections' total width.
  int32_t SectionsWidth() const;

  // How far the sections are shifted left, so they follow a list scrolled sideways.
  int32_t Offset() const { return offset_; }
  void SetOffset(int32_t offset);

  // A section's rectangle in client coordinates (the offset applied).
  gfx::Rect SectionRect(int index) const;
  // The section under x (client coordinates), or -1.
  int SectionAt(int x) const;
  // The section whose right edge is within the grip of x, or -1.
  int ResizeEdgeAt(int x) const;

  // The section under the mouse, the one held down by the left button (-1: none), and whether an
  // edge is being dragged.
  int HotSection() const { return hot_; }
  int PressedSection() const { return pressed_; }
  bool Resizing() const { return resizing_ >= 0; }

  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images);

  // The height a header needs for a font.
  static int32_t HeightFor(const gfx::Font& font);

  std::function<void(HeaderControl* sender, int section)> OnSectionClick;
  // Fired after any change of the sections, by the program or the user.
  NotifyEvent OnSectionsChange;
  // Fired while an edge is dragged, after the width changed.
  std::function<void(HeaderControl* sender, int section)> OnSectionResize;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void Notification(Component* component, Operation operation) override;

 private:
  void PaintSection(gfx::Canvas& canvas, int index) const;
  void SetHot(int index);
  void Changed();

  std::vector<HeaderSection> sections_;
  int32_t offset_ = 0;
  int hot_ = -1;
  int pressed_ = -1;
  int resizing_ = -1;
  int drag_start_x_ = 0;
  int32_t drag_start_width_ = 0;
  ImageList* images_ = nullptr;
};

}  // namespace ui
