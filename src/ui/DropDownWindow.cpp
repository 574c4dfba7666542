// DropDownWindow: placing the drop-down popup and closing it on presses elsewhere.
#include "ui/DropDownWindow.h"

#include "ui/Application.h"
#include "ui/Screen.h"

namespace ui {

DropDownWindow::DropDownWindow() {
  SetSurfaceKind(platform::SurfaceKind::kPopup);
  SetBorderStyle(BorderStyle::kNone);
  SetSystemFrame(false);
  SetName("DropDownWindow");
}

DropDownWindow::~DropDownWindow() { StopWatching(); }

gfx::Point DropDownWindow::Place(const gfx::Rect& anchor, gfx::Size size, const gfx::Rect& work_area) {
  gfx::Point at{anchor.left, anchor.bottom};
  if (at.y + size.height > work_area.bottom) at.y = anchor.top - size.height;
  return at;
}

void DropDownWindow::DropAt(const gfx::Rect& anchor, gfx::Size size) {
  const gfx::Point at = Place(anchor, size, MonitorArea(anchor, true));
  SetBounds(at.x, at.y, size.width, size.height);
  Show();
  if (filter_ != 0) return;
  Application* app = Application::Current();
  if (app == nullptr) return;
  filter_ = app->AddInputFilter([this](platform::SurfaceId /*surface*/, Message& m) {
    if (m.id != kMsgLButtonDown && m.id != kMsgRButtonDown && m.id != kMsgMButtonDown) return false;
    const gfx::Point p = m.At();
    if (BoundsRect().Contains(p)) return false;
    if (KeepArea && KeepArea().Contains(p)) return false;
    if (OnOutsidePress) OnOutsidePress();
    return false;
  });
}

void DropDownWindow::CloseUp() {
  StopWatching();
  Hide();
}

void DropDownWindow::StopWatching() {
  if (filter_ == 0) return;
  if (Application* app = Application::Current()) app->RemoveInputFilter(filter_);
  filter_ = 0;
}

}  // namespace ui
