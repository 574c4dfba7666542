// MessageIcons: the four 32 x 32 message box icons, drawn by the program rather than taken from a system.
#include "skin/frame/MessageIcons.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "gfx/Canvas.h"
#include "gfx/Color.h"

namespace skin {

namespace {

// A shape is a test of a point in icon coordinates (pixel centres at .5); each layer covers what
// lies below it in proportion to the samples of a pixel inside its shape.
using Shape = std::function<bool(double x, double y)>;

struct Layer {
  Shape shape;
  gfx::Color color;
};

Shape Disc(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

// Points within r of the segment from (ax, ay) to (bx, by): a bar with round ends.
Shape Capsule(double ax, double ay, double bx, double by, double r) {
  return [=](double x, double y) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double px = ax + t * dx - x;
    const double py = ay + t * dy - y;
    return px * px + py * py <= r * r;
  };
}

Shape Triangle(double x0, double y0, double x1, double y1, double x2, double y2) {
  return [=](double x, double y) {
    auto side = [&](double ax, double ay, double bx, double by) { return (bx - ax) * (y - ay) - (by - ay) * (x - ax); };
    const double a = side(x0, y0, x1, y1);
    const double b = side(x1, y1, x2, y2);
    const double c = side(x2, y2, x0, y0);
    return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
  };
}

// A ring of radius r and half thickness h around (cx, cy), from angle `from` clockwise on screen to
// angle `to` (degrees, 0 pointing right, 90 down).
Shape Arc(double cx, double cy, double r, double h, double from, double to) {
  return [=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    if (d < r - h || d > r + h) return false;
    double a = std::atan2(y - cy, x - cx) * 180.0 / std::numbers::pi;
    while (a < from) a += 360.0;
    return a <= to;
  };
}

Shape Any(std::vector<Shape> parts) {
  return [parts = std::move(parts)](double x, double y) {
    return std::any_of(parts.begin(), parts.end(), [&](const Shape& s) { return s(x, y); });
  };
}

std::vector<Layer> Layers(MessageIcon icon) {
  constexpr gfx::Color kWhite = gfx::Rgb(255, 255, 255);
  switch (icon) {
    case MessageIcon::kWarning:
      return {{Triangle(16, 1.2, 31, 29.5, 1, 29.5), gfx::Rgb(128, 92, 0)},
              {Triangle(16, 3.9, 28.7, 28.1, 3.3, 28.1), gfx::Rgb(250, 204, 48)},
              {Any({Capsule(16, 11, 16, 19.5, 1.9), Disc(16, 24, 2.0)}), gfx::Rgb(32, 32, 32)}};
    case MessageIcon::kError:
      return {{Disc(16, 16, 15), gfx::Rgb(150, 24, 24)},
              {Disc(16, 16, 13.8), gfx::Rgb(222, 52, 48)},
              {Any({Capsule(10.5, 10.5, 21.5, 21.5, 2.1), Capsule(21.5, 10.5, 10.5, 21.5, 2.1)}), kWhite}};
    case MessageIcon::kInformation:
      return {{Disc(16, 16, 15), gfx::Rgb(26, 82, 160)},
              {Disc(16, 16, 13.8), gfx::Rgb(50, 122, 216)},
              {Any({Disc(16, 9.5, 2.3), Capsule(16, 14, 16, 23.5, 2.1)}), kWhite}};
    case MessageIcon::kQuestion:
      return {{Disc(16, 16, 15), gfx::Rgb(26, 82, 160)},
              {Disc(16, 16, 13.8), gfx::Rgb(50, 122, 216)},
              {Any({Arc(16, 12, 4.6, 1.9, -185, 50), Capsule(19, 15.5, 16, 18, 1.9), Capsule(16, 18, 16, 19.5, 1.9),
                    Disc(16, 24.2, 2.1)}),
               kWhite}};
  }
  return {};
}

gfx::Color Mix(gfx::Color under, gfx::Color over, double k) {
  auto channel = [k](uint8_t a, uint8_t b) {
    return static_cast<uint8_t>(std::lround(a + (b - a) * k));
  };
  return gfx::Rgb(channel(gfx::Red(under), gfx::Red(over)), channel(gfx::Green(under), gfx::Green(over)),
                  channel(gfx::Blue(under), gfx::Blue(over)));
}

}  // namespace

void DrawMessageIcon(gfx::Canvas& canvas, int32_t x, int32_t y, MessageIcon icon) {
  constexpr int kSamples = 4;
  const std::vector<Layer> layers = Layers(icon);
  for (int32_t py = 0; py < kMessageIconSize; ++py) {
    for (int32_t px = 0; px < kMessageIconSize; ++px) {
      gfx::Color c = canvas.Pixel(x + px, y + py);
      if (c == gfx::Canvas::kInvalidColor) continue;
      const gfx::Color before = c;
      for (const Layer& layer : layers) {
        int inside = 0;
        for (int sy = 0; sy < kSamples; ++sy) {
          for (int sx = 0; sx < kSamples; ++sx) {
            inside += layer.shape(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
          }
        }
        if (inside > 0) c = Mix(c, layer.color, static_cast<double>(inside) / (kSamples * kSamples));
      }
      if (c != before) canvas.SetPixel(x + px, y + py, c);
    }
  }
}

}  // namespace skin
