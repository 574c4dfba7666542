// Form: invalidation, painting the invalid parts into the frame buffer, presenting them, and the window DC.
#include "ui/Form.h"

#include "gfx/Canvas.h"

namespace ui {

void Form::InvalidateWindowRect(const gfx::Rect& r) {
  gfx::Rect clipped = r.Intersect({0, 0, Width(), Height()});
  if (clipped.IsEmpty()) return;
  invalid_.Union(clipped);
}

void Form::InvalidateAll() { InvalidateWindowRect({0, 0, Width(), Height()}); }

void Form::UpdateNow() {
  if (!surface_ || !Visible() || Destroying()) return;
  EnsureFrameBuffer();
  if (!invalid_.IsEmpty()) PaintInvalid();
  if (unpresented_.IsEmpty()) return;
  gfx::Point off = BufferOffset();
  std::vector<gfx::Rect> rects = unpresented_.Rects();
  unpresented_ = gfx::Region();
  if (rects.size() > 8) rects = {gfx::Region(rects).Bounds()};
  for (const gfx::Rect& r : rects) surface_->Present(frame_, r.Offset(-off.x, -off.y));
}

void Form::PaintInvalid() {
  gfx::Point off = BufferOffset();
  gfx::Region dirty = std::move(invalid_);
  invalid_ = gfx::Region();
  dirty.Intersect(gfx::Rect{off.x, off.y, off.x + frame_.Width(), off.y + frame_.Height()});
  // Nothing outside the window's shape is ever seen.
  if (window_region_) dirty.Intersect(*window_region_);
  struct PaintingScope {
    bool& flag;
    explicit PaintingScope(bool& f) : flag(f) { flag = true; }
    ~PaintingScope() { flag = false; }
  } scope(painting_);
  gfx::Region nc = dirty;
  nc.Subtract(gfx::Region(client_rect_));
  if (!nc.IsEmpty()) Send(Message::MakeNcPaint(nc));
  gfx::Region client = dirty;
  client.Intersect(client_rect_);
  if (!client.IsEmpty() && !frame_.IsEmpty()) {
    gfx::Canvas canvas(frame_);
    canvas.SetOrigin({client_rect_.left - off.x, client_rect_.top - off.y});
    client.Offset(-client_rect_.left, -client_rect_.top);
    canvas.SetClipRegion(client);
    canvas.SetFont(GetFont());
    PaintTree(canvas, client.Bounds());
  }
  unpresented_.Union(dirty);
}

Form::WindowDC::WindowDC(Form& form) : form_(form) {
  form_.EnsureFrameBuffer();
  canvas_ = std::make_unique<gfx::Canvas>(form_.frame_);
  gfx::Point off = form_.BufferOffset();
  canvas_->SetOrigin({-off.x, -off.y});
  canvas_->SetFont(form_.GetFont());
}

Form::WindowDC::WindowDC(Form& form, const gfx::Rect& area) : WindowDC(form) {
  area_ = area;
  canvas_->IntersectClip(area);
}

Form::WindowDC::~WindowDC() {
  canvas_.reset();
  gfx::Point off = form_.BufferOffset();
  gfx::Rect buffer{off.x, off.y, off.x + form_.frame_.Width(), off.y + form_.frame_.Height()};
  form_.unpresented_.Union(area_ ? area_->Intersect(buffer) : buffer);
  // Presenting now keeps drawing done outside a paint cycle (a frame redrawn from a timer) visible
  // without waiting for the loop.
  if (form_.surface_ && form_.Visible() && !form_.painting_ && form_.invalid_.IsEmpty()) form_.UpdateNow();
}

}  // namespace ui
