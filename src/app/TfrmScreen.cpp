// TfrmScreen: the borderless capture window that covers the screen with a frozen image of it.
#include "app/TfrmScreen.h"

#include <algorithm>
#include <utility>

#include "app/TOrvelDralen.h"
#include "gfx/Blit.h"
#include "gfx/Canvas.h"
#include "platform/Backend.h"
#include "platform/KeyCodes.h"
#include "ui/ImageView.h"

namespace app {

namespace {

// The rectangle between two corners whatever their order, right and bottom exclusive.
gfx::Rect Between(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

}  // namespace

TfrmScreen::TfrmScreen(TOrvelDralen& main) : OrvelDralen(main) {
  SetName("frmScreen");
  SetCaption("frmScreen");
  SetSurfaceKind(platform::SurfaceKind::kCapture);
  SetBorderStyle(ui::BorderStyle::kNone);
  Image1 = MakeChild<ui::ImageView>(this);
  Image1->SetName("Image1");
  Image1->SetAlign(ui::Align::kClient);
  Image1->OnMouseDown = [this](ui::Control* s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
    Image1MouseDown(s, b, sh, x, y);
  };
  Image1->OnMouseMove = [this](ui::Control* s, ui::ShiftState sh, int x, int y) { Image1MouseMove(s, sh, x, y); };
}

void TfrmScreen::VisibleChanged() {
  // The screen is frozen before this window covers it, so the image shows what the user saw.
  if (Visible() && !Destroying()) FormShow(this);
  ui::Form::VisibleChanged();
  // A hidden capture window keeps neither a selection nor the screen's pixels.
  if (!Visible()) {
    Selecting = false;
    Image1->ClearPicture();
  }
}

void TfrmScreen::FormShow(ui::Component*) {
  platform::Backend& backend = platform::GetBackend();
  const gfx::Size screen = backend.ScreenSize();
  // Every capture starts fresh: a window closed between two clicks leaves no half selection.
  Selecting = false;
  SetBounds(0, 0, screen.width, screen.height);
  Image1->SetPicture(backend.CaptureScreen({0, 0, screen.width, screen.height}));
  backend.Beep();
}

void TfrmScreen::InvertBand(int32_t x, int32_t y) {
  gfx::Canvas canvas(Image1->EditPicture());
  canvas.SetPen({gfx::kBlack, 1, gfx::PenMode::kNot, gfx::PenStyle::kSolid});
  canvas.SetBrush({gfx::kWhite, gfx::BrushStyle::kClear});
  const gfx::Rect band = Between(StartX, StartY, x, y);
  canvas.Rectangle(band);
  Image1->InvalidateRect(band);
}

void TfrmScreen::Image1MouseDown(ui::Component*, ui::MouseButton, ui::ShiftState, int x, int y) {
  if (!Selecting) {
    StartX = CornerX = x;
    StartY = CornerY = y;
    Selecting = true;
    return;
  }
  EndX = x;
  EndY = y;
  Selecting = false;
  // The band goes before anything is copied, so the picture is the screen as it was.
  InvertBand(CornerX, CornerY);
  TakeSelection();
}

void TfrmScreen::Image1MouseMove(ui::Component*, ui::ShiftState, int x, int y) {
  if (!Selecting) return;
  InvertBand(CornerX, CornerY);
  InvertBand(x, y);
  CornerX = x;
  CornerY = y;
}

void TfrmScreen::TakeSelection() {
  const gfx::Rect area = Between(StartX, StartY, EndX, EndY);
  // A rectangle without area is no picture: the current one stays.
  if (!area.IsEmpty()) {
    gfx::Bitmap picture(area.Width(), area.Height(), 24);
    gfx::CopyRect(picture, {0, 0}, Image1->Picture(), area);
    ui::ImageView* view = OrvelDralen.Image1;
    view->SetBounds(view->Left(), view->Top(), area.Width(), area.Height());
    view->SetPicture(std::move(picture));
    // A capture carries none of the opened file's metadata into a saved JPEG.
    OrvelDralen.ForgetPictureMetadata();
  }
  Close();
  OrvelDralen.Activate();
}

void TfrmScreen::KeyDown(uint16_t& key, ui::ShiftState shift) {
  if (key == platform::kVkEscape) {
    key = 0;
    Close();
    return;
  }
  ui::Form::KeyDown(key, shift);
}

}  // namespace app
