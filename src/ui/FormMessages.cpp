// Form: the default window procedure: the non-client protocol, activation, size limits, closing and skin changes.
#include "ui/Form.h"

#include "ui/SkinChangeWalk.h"

namespace ui {

void Form::WndProc(Message& m) {
  switch (m.id) {
    case kMsgNcCalcSize:
      if (NcCalcSizeParams* p = m.CalcSize()) CalcClientArea(*p);
      return;
    case kMsgNcHitTest:
      m.result = DefaultHitTest(m.At());
      return;
    case kMsgNcLButtonDown:
      if (size_move_pending_) RunSizeMoveLoop();
      return;
    case kMsgNcPaint:
    case kMsgNcActivate:
      m.result = 1;
      return;
    case kMsgSyncPaint:
      InvalidateAll();
      return;
    case kMsgActivate:
      ActivateMessage(m.wparam != kActiveNone);
      return;
    case kMsgGetMinMaxInfo:
      if (MinMaxInfo* info = m.MinMax()) FillMinMaxInfo(*info);
      return;
    case kMsgSetText:
      if (surface_) surface_->SetTitle(Caption());
      WinControl::WndProc(m);
      return;
    case kMsgClose:
      CloseMessage();
      return;
    case kMsgSysCommand:
      switch (m.wparam & 0xFFF0) {
        case kScClose: Close(); return;
        case kScMinimize: Minimize(); return;
        case kScRestore: Restore(); return;
        default: return;
      }
    case kMsgDestroy:
      if (OnDestroy) OnDestroy(this);
      return;
    case kSkinMsgBeforeChange:
    case kSkinMsgChange:
      WalkSkinChange(*this, m.id, m.SkinData());
      return;
    default:
      WinControl::WndProc(m);
  }
}

void Form::CalcClientArea(NcCalcSizeParams& p) const {
  // A form drawing its own frame (or a popup) keeps the whole rectangle as its client area; the
  // window system's frame surrounds the frame buffer.
  if (!SystemFrame() || !surface_ || surface_->Kind() == platform::SurfaceKind::kPopup) return;
  gfx::Rect c = surface_->ClientRect();
  gfx::Rect outer = surface_->Bounds();
  p.rect = {p.rect.left + c.left, p.rect.top + c.top, p.rect.right - (outer.Width() - c.right),
            p.rect.bottom - (outer.Height() - c.bottom)};
}

intptr_t Form::DefaultHitTest(gfx::Point screen) const {
  gfx::Rect outer = surface_ ? surface_->Bounds() : bounds_;
  gfx::Point wp{screen.x - outer.left, screen.y - outer.top};
  return client_rect_.Contains(wp) ? kHtClient : kHtObject;
}

void Form::ActivateMessage(bool active) {
  if (!active) {
    if (OnDeactivate) OnDeactivate(this);
    return;
  }
  // The first activation focuses the first control in tab order.
  if (active_control_ == nullptr) SelectNext(true);
  if (OnActivate) OnActivate(this);
}

void Form::FillMinMaxInfo(MinMaxInfo& info) const {
  if (min_size_.width > 0) info.min_track.width = min_size_.width;
  if (min_size_.height > 0) info.min_track.height = min_size_.height;
  if (max_size_.width > 0) info.max_track.width = max_size_.width;
  if (max_size_.height > 0) info.max_track.height = max_size_.height;
}

}  // namespace ui
