// Test fixture of the range controls: the skinned-control fixture with mouse input at control points.
#pragma once

#include <string>

#include "skin/controls/RectPrint.h"
#include "skin/controls/SkinControlTestEnv.h"

namespace skin_test {

// One record "r" of the given type word with the given keys, for LoadFixture.
inline std::string OneRecord(const std::string& type, const std::string& keys) {
  return "[SKINCONTROLS]\ncount=1\n0=r:" + type + "\n[r]\n" + keys;
}

// Rectangles and points far past any picture or control, zero-sized pieces and missing pictures:
// a control drawing from such a record draws less or its plain look, and never reads outside a
// picture, never hangs and never crashes.
constexpr const char* kHuge = "2147483647";

class RangeControlTest : public SkinControlTest {
 protected:
  template <class T>
  T* Make(const std::string& name, int x, int y, int w, int h, bool bind = true) {
    auto* c = form_->MakeChild<T>(form_);
    c->SetSkinDataName(name);
    c->SetBounds(x, y, w, h);
    if (bind) c->SetSkinData(&skin_);
    Pump();
    return c;
  }

  // Real input through the backend, at points of a control's client area.
  void MoveTo(const ui::Control& c, int x, int y) {
    backend_->InjectMouseMove(ScreenPoint(c, x, y));
    Pump();
  }
  void Press(const ui::Control& c, int x, int y) {
    const gfx::Point at = ScreenPoint(c, x, y);
    backend_->InjectMouseMove(at);
    backend_->InjectMouseDown(at);
    Pump();
  }
  void Release(const ui::Control& c, int x, int y) {
    const gfx::Point at = ScreenPoint(c, x, y);
    backend_->InjectMouseMove(at);
    backend_->InjectMouseUp(at);
    Pump();
  }
  // The same at screen points, for controls that may be gone.
  void MoveToScreen(gfx::Point at) {
    backend_->InjectMouseMove(at);
    Pump();
  }
  void ReleaseAtScreen(gfx::Point at) {
    backend_->InjectMouseUp(at);
    Pump();
  }
};

}  // namespace skin_test
