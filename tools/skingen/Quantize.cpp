// Median-cut palettes and mask depths for the skin generator.
#include "Quantize.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

namespace skingen {

namespace {

struct Entry {
  gfx::Color color;
  uint32_t count;
};

uint8_t Channel(gfx::Color c, int ch) {
  return ch == 0 ? gfx::Red(c) : ch == 1 ? gfx::Green(c) : gfx::Blue(c);
}

// Splits the box with the widest channel range at its weighted median until there are `n` boxes.
std::vector<gfx::Color> MedianCut(std::vector<Entry> entries, size_t n) {
  std::vector<std::vector<Entry>> boxes{std::move(entries)};
  while (boxes.size() < n) {
    size_t best = boxes.size();
    int best_channel = 0;
    int best_range = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].size() < 2) continue;
      for (int ch = 0; ch < 3; ++ch) {
        uint8_t lo = 255, hi = 0;
        for (const Entry& e : boxes[i]) {
          lo = std::min(lo, Channel(e.color, ch));
          hi = std::max(hi, Channel(e.color, ch));
        }
        if (hi - lo > best_range) {
          best_range = hi - lo;
          best = i;
          best_channel = ch;
        }
      }
    }
    if (best == boxes.size()) break;
    std::vector<Entry>& box = boxes[best];
    std::sort(box.begin(), box.end(), [&](const Entry& a, const Entry& b) {
      return Channel(a.color, best_channel) < Channel(b.color, best_channel);
    });
    uint64_t total = 0;
    for (const Entry& e : box) total += e.count;
    uint64_t run = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < box.size(); ++i) {
      run += box[i].count;
      cut = i + 1;
      if (run * 2 >= total) break;
    }
    std::vector<Entry> upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
    box.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::vector<gfx::Color> palette;
  for (const auto& box : boxes) {
    uint64_t r = 0, g = 0, b = 0, total = 0;
    for (const Entry& e : box) {
      r += uint64_t{gfx::Red(e.color)} * e.count;
      g += uint64_t{gfx::Green(e.color)} * e.count;
      b += uint64_t{gfx::Blue(e.color)} * e.count;
      total += e.count;
    }
    palette.push_back(gfx::Rgb(static_cast<uint8_t>((r + total / 2) / total), static_cast<uint8_t>((g + total / 2) / total),
                               static_cast<uint8_t>((b + total / 2) / total)));
  }
  return palette;
}

int Distance(gfx::Color a, gfx::Color b) {
  const int dr = gfx::Red(a) - gfx::Red(b);
  const int dg = gfx::Green(a) - gfx::Green(b);
  const int db = gfx::Blue(a) - gfx::Blue(b);
  return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

}  // namespace

gfx::Bitmap ToIndexed8(const gfx::Bitmap& picture) {
  const gfx::Bitmap rgb = picture.ToBgr24();
  std::map<gfx::Color, uint32_t> counts;
  for (int32_t y = 0; y < rgb.Height(); ++y) {
    for (int32_t x = 0; x < rgb.Width(); ++x) ++counts[rgb.Pixel(x, y)];
  }
  std::vector<gfx::Color> palette;
  if (counts.size() <= 256) {
    for (const auto& [color, count] : counts) palette.push_back(color);
  } else {
    // The transparent key colour keeps an entry of its own, so no drawn colour is merged into it
    // (and made transparent with it).
    const bool keyed = counts.count(kTransparentKey) > 0;
    std::vector<Entry> entries;
    for (const auto& [color, count] : counts) {
      if (color != kTransparentKey) entries.push_back({color, count});
    }
    palette = MedianCut(std::move(entries), keyed ? 255 : 256);
    if (keyed) palette.push_back(kTransparentKey);
  }
  std::map<gfx::Color, uint8_t> nearest;
  for (const auto& [color, count] : counts) {
    int best = std::numeric_limits<int>::max();
    uint8_t index = 0;
    for (size_t i = 0; i < palette.size(); ++i) {
      const int d = Distance(color, palette[i]);
      if (d < best) {
        best = d;
        index = static_cast<uint8_t>(i);
      }
    }
    nearest[color] = index;
  }
  gfx::Bitmap out(rgb.Width(), rgb.Height(), 8);
  out.SetPalette(palette);
  for (int32_t y = 0; y < rgb.Height(); ++y) {
    uint8_t* row = out.Row(y);
    for (int32_t x = 0; x < rgb.Width(); ++x) row[x] = nearest[rgb.Pixel(x, y)];
  }
  return out;
}

gfx::Bitmap ToMask(const gfx::Bitmap& picture, int bits_per_pixel) {
  const gfx::Bitmap rgb = picture.ToBgr24();
  gfx::Bitmap out(rgb.Width(), rgb.Height(), bits_per_pixel);
  std::vector<gfx::Color> palette{gfx::kBlack, gfx::kWhite};
  if (bits_per_pixel == 4) {
    for (int i = 2; i < 16; ++i) {
      const uint8_t v = static_cast<uint8_t>(i * 17);
      palette.push_back(gfx::Rgb(v, v, v));
    }
  }
  out.SetPalette(palette);
  for (int32_t y = 0; y < rgb.Height(); ++y) {
    uint8_t* row = out.Row(y);
    for (int32_t x = 0; x < rgb.Width(); ++x) {
      const gfx::Color c = rgb.Pixel(x, y);
      const int luma = gfx::Red(c) + gfx::Green(c) + gfx::Blue(c);
      const uint8_t index = luma < 3 * 128 ? 0 : 1;
      if (bits_per_pixel == 1) {
        row[x / 8] = static_cast<uint8_t>(row[x / 8] | (index << (7 - x % 8)));
      } else {
        row[x / 2] = static_cast<uint8_t>(row[x / 2] | (index << (x % 2 == 0 ? 4 : 0)));
      }
    }
  }
  return out;
}

}  // namespace skingen
