// Colours as 32-bit integers in the layout 0x00BBGGRR (red in the low byte).
#pragma once

#include <cstdint>

namespace gfx {

using Color = uint32_t;

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr uint8_t Red(Color c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t Green(Color c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t Blue(Color c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

}  // namespace gfx
