// Xlib calls of the desktop backend: shapes, root-window capture, window-manager and compositor checks.
#include "platform/sdl/X11Connection.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace platform {

namespace {

// Reads a root-window property of 32-bit items (XIDs or atoms); empty when absent.
std::vector<unsigned long> RootProperty(::Display* d, const char* name, Atom type) {
  std::vector<unsigned long> items;
  Atom actual_type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  Atom atom = XInternAtom(d, name, True);
  if (atom == None) return items;
  if (XGetWindowProperty(d, DefaultRootWindow(d), atom, 0, 4096, False, type, &actual_type, &format, &count,
                         &remaining, &data) != Success)
    return items;
  if (data && actual_type == type && format == 32) {
    auto* values = reinterpret_cast<unsigned long*>(data);  // format 32 arrives as longs
    items.assign(values, values + count);
  }
  if (data) XFree(data);
  return items;
}

// Position of the lowest set bit and the width of a colour mask.
void MaskShift(unsigned long mask, int& shift, int& bits) {
  shift = 0;
  bits = 0;
  if (mask == 0) return;
  while (!(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  while (mask & 1) {
    mask >>= 1;
    ++bits;
  }
}

uint8_t Channel(unsigned long pixel, int shift, int bits) {
  if (bits == 0) return 0;
  unsigned long v = (pixel >> shift) & ((1ul << bits) - 1);
  if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
  return static_cast<uint8_t>(v * 255 / ((1ul << bits) - 1));
}

int LogXError(::Display* display, XErrorEvent* error) {
  char text[256] = {0};
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "X error ignored: %s (request %d.%d, resource 0x%lx, serial %lu)\n", text, error->request_code,
               error->minor_code, error->resourceid, error->serial);
  return 0;
}

}  // namespace

void X11Connection::InstallErrorHandler() { XSetErrorHandler(LogXError); }

X11Connection::X11Connection(const char* display_name) {
  display_ = XOpenDisplay(display_name);
  if (!display_) throw std::runtime_error("cannot open the X display");
}

X11Connection::~X11Connection() { XCloseDisplay(display_); }

gfx::Size X11Connection::RootSize() const {
  Screen* s = DefaultScreenOfDisplay(display_);
  return {WidthOfScreen(s), HeightOfScreen(s)};
}

bool X11Connection::HasWindowManager() const {
  return !RootProperty(display_, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
}

bool X11Connection::SupportsMoveResize() const {
  if (!HasWindowManager()) return false;
  Atom move_resize = XInternAtom(display_, "_NET_WM_MOVERESIZE", True);
  if (move_resize == None) return false;
  for (unsigned long a : RootProperty(display_, "_NET_SUPPORTED", XA_ATOM))
    if (a == move_resize) return true;
  return false;
}

bool X11Connection::HasCompositor() const {
  std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display_));
  Atom selection = XInternAtom(display_, name.c_str(), False);
  return XGetSelectionOwner(display_, selection) != None;
}

void X11Connection::SetShape(_XDisplay* display, unsigned long window, const std::optional<gfx::Region>& shape) {
  if (!shape) {
    XShapeCombineMask(display, window, ShapeBounding, 0, 0, None, ShapeSet);
    XFlush(display);
    return;
  }
  std::vector<XRectangle> rects;
  for (const gfx::Rect& r : shape->Rects()) {
    // X rectangles are 16-bit; a window never reaches that size, so clip rather than wrap.
    gfx::Rect c = r.Intersect({-32768, -32768, 32767, 32767});
    if (c.IsEmpty()) continue;
    rects.push_back({static_cast<short>(c.left), static_cast<short>(c.top), static_cast<unsigned short>(c.Width()),
                     static_cast<unsigned short>(c.Height())});
  }
  XShapeCombineRectangles(display, window, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()),
                          ShapeSet, YXBanded);
  XFlush(display);
}

void X11Connection::SetTransientFor(_XDisplay* display, unsigned long window, unsigned long owner) {
  XSetTransientForHint(display, window, owner);
  XFlush(display);
}

gfx::Bitmap X11Connection::CaptureRoot(const gfx::Rect& rect) const {
  if (rect.IsEmpty()) return gfx::Bitmap();
  gfx::Bitmap out(rect.Width(), rect.Height(), 24);
  gfx::Size root = RootSize();
  gfx::Rect part = rect.Intersect({0, 0, root.width, root.height});
  if (part.IsEmpty()) return out;
  XSync(display_, False);
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), part.left, part.top,
                            static_cast<unsigned>(part.Width()), static_cast<unsigned>(part.Height()), AllPlanes, ZPixmap);
  if (!image) throw std::runtime_error("cannot read the screen");
  int rs = 0, rb = 0, gs = 0, gb = 0, bs = 0, bb = 0;
  MaskShift(image->red_mask, rs, rb);
  MaskShift(image->green_mask, gs, gb);
  MaskShift(image->blue_mask, bs, bb);
  bool fast = image->bits_per_pixel == 32 && image->byte_order == LSBFirst && image->red_mask == 0xFF0000 &&
              image->green_mask == 0xFF00 && image->blue_mask == 0xFF;
  for (int32_t y = 0; y < part.Height(); ++y) {
    uint8_t* d = out.Row(y + part.top - rect.top) + static_cast<size_t>(part.left - rect.left) * 3;
    if (fast) {
      const auto* s = reinterpret_cast<const uint8_t*>(image->data) + static_cast<size_t>(y) * image->bytes_per_line;
      for (int32_t x = 0; x < part.Width(); ++x, s += 4, d += 3) {
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
      }
      continue;
    }
    for (int32_t x = 0; x < part.Width(); ++x, d += 3) {
      unsigned long pixel = XGetPixel(image, x, y);
      d[0] = Channel(pixel, bs, bb);
      d[1] = Channel(pixel, gs, gb);
      d[2] = Channel(pixel, rs, rb);
    }
  }
  XDestroyImage(image);
  return out;
}

gfx::Point X11Connection::QueryPointer(unsigned* buttons) const {
  Window root = 0, child = 0;
  int root_x = 0, root_y = 0, win_x = 0, win_y = 0;
  unsigned mask = 0;
  XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &root_x, &root_y, &win_x, &win_y, &mask);
  if (buttons) {
    *buttons = 0;
    if (mask & Button1Mask) *buttons |= 1;
    if (mask & Button3Mask) *buttons |= 2;
    if (mask & Button2Mask) *buttons |= 4;
  }
  return {root_x, root_y};
}

void X11Connection::Bell() const {
  XBell(display_, 0);
  XFlush(display_);
}

}  // namespace platform
