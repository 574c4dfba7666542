// Anti-aliased shapes and gradients for the skin generator.
#include "Painter.h"

#include <algorithm>
#include <cmath>

namespace skingen {

namespace {

constexpr int kSamples = 4;

uint8_t Lerp(uint8_t a, uint8_t b, double t) {
  return static_cast<uint8_t>(std::lround(a + (b - a) * t));
}

// Inside test of a rounded rectangle at a sample point.
bool InRoundRect(double x, double y, double l, double t, double r, double b, double radius, int corners) {
  if (x < l || x >= r || y < t || y >= b) return false;
  const auto corner = [&](int bit, double cx, double cy) {
    if (!(corners & bit)) return true;
    const double dx = x - cx;
    const double dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
  };
  if (x < l + radius && y < t + radius) return corner(1, l + radius, t + radius);
  if (x >= r - radius && y < t + radius) return corner(2, r - radius, t + radius);
  if (x >= r - radius && y >= b - radius) return corner(4, r - radius, b - radius);
  if (x < l + radius && y >= b - radius) return corner(8, l + radius, b - radius);
  return true;
}

double SegmentDistance(double px, double py, double x0, double y0, double x1, double y1) {
  const double vx = x1 - x0;
  const double vy = y1 - y0;
  const double len2 = vx * vx + vy * vy;
  double t = len2 > 0 ? ((px - x0) * vx + (py - y0) * vy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double dx = px - (x0 + t * vx);
  const double dy = py - (y0 + t * vy);
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

gfx::Color Mix(gfx::Color a, gfx::Color b, double t) {
  return gfx::Rgb(Lerp(gfx::Red(a), gfx::Red(b), t), Lerp(gfx::Green(a), gfx::Green(b), t),
                  Lerp(gfx::Blue(a), gfx::Blue(b), t));
}

void Painter::Blend(int32_t x, int32_t y, gfx::Color c, double alpha) {
  if (x < 0 || y < 0 || x >= target_.Width() || y >= target_.Height() || alpha <= 0) return;
  const gfx::Color old = target_.Pixel(x, y);
  target_.SetPixel(x, y, Mix(old, c, std::min(alpha, 1.0)));
}

void Painter::Fill(const gfx::Rect& r, gfx::Color c) {
  for (int32_t y = r.top; y < r.bottom; ++y) {
    for (int32_t x = r.left; x < r.right; ++x) Blend(x, y, c, 1.0);
  }
}

void Painter::VerticalGradient(const gfx::Rect& r, gfx::Color top, gfx::Color bottom) {
  const int32_t h = std::max(1, r.Height() - 1);
  for (int32_t y = r.top; y < r.bottom; ++y) {
    const gfx::Color c = Mix(top, bottom, static_cast<double>(y - r.top) / h);
    for (int32_t x = r.left; x < r.right; ++x) Blend(x, y, c, 1.0);
  }
}

void Painter::HorizontalGradient(const gfx::Rect& r, gfx::Color left, gfx::Color right) {
  const int32_t w = std::max(1, r.Width() - 1);
  for (int32_t x = r.left; x < r.right; ++x) {
    const gfx::Color c = Mix(left, right, static_cast<double>(x - r.left) / w);
    for (int32_t y = r.top; y < r.bottom; ++y) Blend(x, y, c, 1.0);
  }
}

template <class Inside>
void Painter::Cover(const gfx::Rect& bounds, gfx::Color c, Inside inside) {
  for (int32_t y = bounds.top; y < bounds.bottom; ++y) {
    for (int32_t x = bounds.left; x < bounds.right; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
        }
      }
      Blend(x, y, c, static_cast<double>(hits) / (kSamples * kSamples));
    }
  }
}

void Painter::RoundRect(const gfx::Rect& r, double radius, gfx::Color top, gfx::Color bottom, int corners) {
  const int32_t h = std::max(1, r.Height() - 1);
  for (int32_t y = r.top; y < r.bottom; ++y) {
    const gfx::Color c = Mix(top, bottom, static_cast<double>(y - r.top) / h);
    Cover({r.left, y, r.right, y + 1}, c, [&](double px, double py) {
      return InRoundRect(px, py, r.left, r.top, r.right, r.bottom, radius, corners);
    });
  }
}

void Painter::RoundFrame(const gfx::Rect& r, double radius, double width, gfx::Color c, int corners) {
  const double inner = std::max(0.0, radius - width);
  Cover(r, c, [&](double px, double py) {
    return InRoundRect(px, py, r.left, r.top, r.right, r.bottom, radius, corners) &&
           !InRoundRect(px, py, r.left + width, r.top + width, r.right - width, r.bottom - width, inner, corners);
  });
}

void Painter::Line(double x0, double y0, double x1, double y1, double width, gfx::Color c) {
  const double half = width / 2;
  const gfx::Rect bounds{static_cast<int32_t>(std::floor(std::min(x0, x1) - half - 1)),
                         static_cast<int32_t>(std::floor(std::min(y0, y1) - half - 1)),
                         static_cast<int32_t>(std::ceil(std::max(x0, x1) + half + 1)),
                         static_cast<int32_t>(std::ceil(std::max(y0, y1) + half + 1))};
  Cover(bounds, c, [&](double px, double py) { return SegmentDistance(px, py, x0, y0, x1, y1) <= half; });
}

void Painter::Disc(double cx, double cy, double radius, gfx::Color c) {
  const gfx::Rect bounds{static_cast<int32_t>(std::floor(cx - radius - 1)), static_cast<int32_t>(std::floor(cy - radius - 1)),
                         static_cast<int32_t>(std::ceil(cx + radius + 1)), static_cast<int32_t>(std::ceil(cy + radius + 1))};
  Cover(bounds, c, [&](double px, double py) { return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius; });
}

void Painter::Ring(double cx, double cy, double radius, double width, gfx::Color c) {
  const gfx::Rect bounds{static_cast<int32_t>(std::floor(cx - radius - 1)), static_cast<int32_t>(std::floor(cy - radius - 1)),
                         static_cast<int32_t>(std::ceil(cx + radius + 1)), static_cast<int32_t>(std::ceil(cy + radius + 1))};
  const double inner = radius - width;
  Cover(bounds, c, [&](double px, double py) {
    const double d2 = (px - cx) * (px - cx) + (py - cy) * (py - cy);
    return d2 <= radius * radius && d2 > inner * inner;
  });
}

}  // namespace skingen
