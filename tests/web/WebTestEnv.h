// Test helpers for the web views: running the loop until a condition holds, and small fixtures.
#pragma once

#include <png.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ui/Application.h"

namespace web_test {

// Runs the application's queue until `done` holds; false when it still does not after a generous
// limit (so a fault fails the test instead of hanging it).
inline bool PumpUntil(ui::Application& app, const std::function<bool()>& done) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    app.ProcessMessages();
    if (done()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// A PNG of one colour with the given alpha, as a page's picture would come.
inline std::string PngBytes(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    rgba[i] = r;
    rgba[i + 1] = g;
    rgba[i + 2] = b;
    rgba[i + 3] = a;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
  std::string out(size, '\0');
  png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr);
  out.resize(size);
  return out;
}

}  // namespace web_test
