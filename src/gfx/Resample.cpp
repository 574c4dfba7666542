// Resizing with pixman's separable convolution, one axis at a time on all cores, and the
// nearest-neighbour stretch.
#include "gfx/Resample.h"

#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "gfx/Blit.h"
#include "gfx/ImageError.h"

namespace gfx {

namespace {

// Below this many pixels per thread, starting a thread costs about as much as it saves.
constexpr int64_t kMinPixelsPerWorker = int64_t{1} << 16;

// Splits the lines [0, count) into at most `workers` runs of nearly equal length and calls
// work(begin, end) for each, every run but the last on a thread of its own. Every line is computed
// the same way whichever run holds it, so the result does not depend on the split. Returns when all
// runs are done; an exception thrown by a run is passed on. When no thread can be started, the run
// is done on the calling thread.
template <typename Work>
void ForEachRun(int32_t count, int workers, const Work& work) {
  workers = std::clamp(workers, 1, std::max(count, 1));
  if (workers == 1) {
    work(0, count);
    return;
  }
  std::vector<std::exception_ptr> errors(static_cast<size_t>(workers));
  auto run = [&](int i) {
    try {
      work(static_cast<int32_t>(int64_t{count} * i / workers),
           static_cast<int32_t>(int64_t{count} * (i + 1) / workers));
    } catch (...) {
      errors[static_cast<size_t>(i)] = std::current_exception();
    }
  };
  {
    std::vector<std::jthread> threads;  // joined when this block ends, also on an exception
    threads.reserve(static_cast<size_t>(workers - 1));
    for (int i = 0; i + 1 < workers; ++i) {
      try {
        threads.emplace_back(run, i);
      } catch (const std::system_error&) {
        run(i);
      }
    }
    run(workers - 1);
  }
  for (const std::exception_ptr& error : errors)
    if (error) std::rethrow_exception(error);
}

// A picture as pixman's x8r8g8b8: one 32-bit word per pixel, blue in the low byte, which is also the
// byte order of a 32-bit Bitmap. The pixels are left uninitialised: every user writes all of them.
struct Plane {
  int32_t width = 0;
  int32_t height = 0;
  std::unique_ptr<uint32_t[]> pixels;

  Plane(int32_t w, int32_t h)
      : width(w), height(h), pixels(new uint32_t[static_cast<size_t>(w) * static_cast<size_t>(h)]) {}
  uint32_t* Row(int32_t y) { return pixels.get() + static_cast<size_t>(y) * width; }
  const uint32_t* Row(int32_t y) const { return pixels.get() + static_cast<size_t>(y) * width; }
};

// Reads a 24- or 32-bit picture directly (the unused byte of the latter is skipped), so a 32-bit
// source needs no 24-bit copy first.
Plane ToPlane(const Bitmap& bgr, int workers) {
  Plane plane(bgr.Width(), bgr.Height());
  ForEachRun(bgr.Height(), workers, [&](int32_t first, int32_t end) {
    for (int32_t y = first; y < end; ++y) {
      const uint8_t* s = bgr.Row(y);
      uint32_t* d = plane.Row(y);
      if (bgr.BitsPerPixel() == 32) {
        for (int32_t x = 0; x < bgr.Width(); ++x, s += 4)
          d[x] = uint32_t{s[0]} | uint32_t{s[1]} << 8 | uint32_t{s[2]} << 16;
        continue;
      }
      for (int32_t x = 0; x < bgr.Width(); ++x, s += 3)
        d[x] = uint32_t{s[0]} | uint32_t{s[1]} << 8 | uint32_t{s[2]} << 16;
    }
  });
  return plane;
}

Bitmap FromPlane(const Plane& plane, int workers) {
  Bitmap out(plane.width, plane.height, 24);
  ForEachRun(plane.height, workers, [&](int32_t first, int32_t end) {
    for (int32_t y = first; y < end; ++y) {
      const uint32_t* s = plane.Row(y);
      uint8_t* d = out.Row(y);
      for (int32_t x = 0; x < plane.width; ++x, d += 3) {
        d[0] = static_cast<uint8_t>(s[x]);
        d[1] = static_cast<uint8_t>(s[x] >> 8);
        d[2] = static_cast<uint8_t>(s[x] >> 16);
      }
    }
  });
  return out;
}

// Averages groups of `factor` pixels along one axis (the last group may be shorter). Used before
// the filter when a picture shrinks by a large factor, so the filter stays a few taps wide.
Plane BoxReduce(const Plane& src, bool horizontal, int32_t factor, int workers) {
  const int32_t n = horizontal ? src.width : src.height;
  const int32_t out_n = (n + factor - 1) / factor;
  Plane out(horizontal ? out_n : src.width, horizontal ? src.height : out_n);
  const size_t step = horizontal ? 1 : static_cast<size_t>(src.width);
  const int32_t lines = horizontal ? src.height : src.width;
  ForEachRun(lines, workers, [&](int32_t first, int32_t end) {
    for (int32_t line = first; line < end; ++line) {
      const uint32_t* in = horizontal ? src.Row(line) : src.pixels.get() + line;
      uint32_t* o = horizontal ? out.Row(line) : out.pixels.get() + line;
      for (int32_t i = 0; i < out_n; ++i) {
        const int32_t first = i * factor, count = std::min(factor, n - first);
        uint64_t b = 0, g = 0, r = 0;
        for (int32_t k = 0; k < count; ++k) {
          uint32_t p = in[static_cast<size_t>(first + k) * step];
          b += p & 0xFF;
          g += (p >> 8) & 0xFF;
          r += (p >> 16) & 0xFF;
        }
        const uint64_t half = static_cast<uint64_t>(count) / 2;
        o[static_cast<size_t>(i) * step] = static_cast<uint32_t>((b + half) / count) |
                                           static_cast<uint32_t>((g + half) / count) << 8 |
                                           static_cast<uint32_t>((r + half) / count) << 16;
      }
    }
  });
  return out;
}

struct ImageUnref {
  void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using Image = std::unique_ptr<pixman_image_t, ImageUnref>;

struct FreeParams {
  void operator()(pixman_fixed_t* params) const { std::free(params); }
};

pixman_fixed_t ToFixed(double v) { return static_cast<pixman_fixed_t>(std::lround(v * 65536.0)); }

Image Wrap(uint32_t* first, int32_t width, int32_t height, int32_t row_words) {
  Image image(pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, first, row_words * 4));
  if (!image) throw ImageError("缩放图片失败: 内存不足");
  return image;
}

// pixman works in 16.16 fixed point, so coordinates must stay well below 32768; the destination is
// filtered in tiles whose source windows respect that. Short tiles also keep the rounding error of
// the fixed-point scale far below a pixel.
constexpr int32_t kTileLength = 2048;
constexpr int32_t kBandLength = 8192;
constexpr double kWindowLimit = 30000.0;
// Beyond this shrink factor the picture is first averaged down by whole pixels, to about
// kBoxedScale times the target.
constexpr double kMaxFilterScale = 8.0;
constexpr int32_t kBoxedScale = 3;

// Resamples one axis of `src` to `target` pixels with a separable convolution: when shrinking, a
// Lanczos-3 low-pass scaled to the destination pixel over box-shaped source pixels; when enlarging,
// cubic interpolation. The source is padded with its edge pixels, so no dark border comes in.
// The picture spans `extent` source pixels from `origin` (after a box reduction the last source
// pixel may stand for a shorter group than the others, and a picture decoded at a fraction of its
// size can start or end part-way into an edge pixel). The lines across the axis are shared among
// `workers` threads; the tiles along it are the same for every split, so the result is too.
Plane ResampleAxis(const Plane& src, bool horizontal, int32_t target, double origin, double extent, int workers) {
  const int32_t n = horizontal ? src.width : src.height;
  const double scale = extent / target;  // source pixels per destination pixel
  const bool shrinking = scale > 1.0;
  int n_params = 0;
  const pixman_fixed_t one = pixman_fixed_1;
  const pixman_kernel_t reconstruct = shrinking ? PIXMAN_KERNEL_BOX : PIXMAN_KERNEL_CUBIC;
  const pixman_kernel_t sample = shrinking ? PIXMAN_KERNEL_LANCZOS3 : PIXMAN_KERNEL_BOX;
  // The other axis gets a single tap of weight one (a box source pixel sampled at one point).
  const pixman_kernel_t still_reconstruct = PIXMAN_KERNEL_BOX, still_sample = PIXMAN_KERNEL_IMPULSE;
  std::unique_ptr<pixman_fixed_t, FreeParams> params(
      horizontal ? pixman_filter_create_separable_convolution(
                       &n_params, ToFixed(scale), one, reconstruct, still_reconstruct, sample,
                       still_sample, 4, 0)
                 : pixman_filter_create_separable_convolution(
                       &n_params, one, ToFixed(scale), still_reconstruct, reconstruct, still_sample,
                       sample, 0, 4));
  if (!params) throw ImageError("缩放图片失败: 内存不足");

  Plane out(horizontal ? target : src.width, horizontal ? src.height : target);
  // Half the filter's support in source pixels, plus room for rounding.
  const auto margin = static_cast<int32_t>(std::ceil(3.0 * std::max(scale, 1.0))) + 4;
  const auto tile = static_cast<int32_t>(
      std::clamp((kWindowLimit - 2.0 * margin) / std::max(scale, 1.0), 1.0, double{kTileLength}));
  const int32_t across = horizontal ? src.height : src.width;
  // The source plane is only read; pixman's interface takes a non-const pointer.
  uint32_t* src_pixels = const_cast<uint32_t*>(src.pixels.get());

  ForEachRun(across, workers, [&](int32_t first, int32_t end) {
    for (int32_t band = first; band < end; band += kBandLength) {
      const int32_t band_n = std::min(kBandLength, end - band);
      for (int32_t d0 = 0; d0 < target; d0 += tile) {
        const int32_t d_n = std::min(tile, target - d0);
        const auto lo = std::max<int32_t>(0, static_cast<int32_t>(std::floor(origin + d0 * scale)) - margin);
        const auto hi = std::min<int32_t>(n, static_cast<int32_t>(std::ceil(origin + (d0 + d_n) * scale)) + margin);
        Image source = horizontal
            ? Wrap(src_pixels + static_cast<size_t>(band) * src.width + lo, hi - lo, band_n, src.width)
            : Wrap(src_pixels + static_cast<size_t>(lo) * src.width + band, band_n, hi - lo, src.width);
        Image dest = horizontal
            ? Wrap(out.Row(band) + d0, d_n, band_n, out.width)
            : Wrap(out.Row(d0) + band, band_n, d_n, out.width);
        // Destination pixel centre p (tile coordinates) samples source point
        // origin + scale * (p + d0) - lo.
        pixman_transform_t transform;
        pixman_transform_init_identity(&transform);
        const int axis = horizontal ? 0 : 1;
        transform.matrix[axis][axis] = ToFixed(scale);
        transform.matrix[axis][2] = ToFixed(origin + scale * d0 - lo);
        if (!pixman_image_set_transform(source.get(), &transform) ||
            !pixman_image_set_filter(source.get(), PIXMAN_FILTER_SEPARABLE_CONVOLUTION, params.get(),
                                     n_params)) {
          throw ImageError("缩放图片失败: 内存不足");
        }
        pixman_image_set_repeat(source.get(), PIXMAN_REPEAT_PAD);
        pixman_image_composite32(PIXMAN_OP_SRC, source.get(), nullptr, dest.get(), 0, 0, 0, 0, 0, 0,
                                 horizontal ? d_n : band_n, horizontal ? band_n : d_n);
      }
    }
  });
  return out;
}

// The extent of a picture that covers all its pixels.
PictureExtent WholeOf(const Bitmap& bitmap) {
  return {0, 0, static_cast<double>(bitmap.Width()), static_cast<double>(bitmap.Height())};
}

// One thread per core, fewer for small pictures: the larger of the source and the result decides.
int WorkersFor(const Bitmap& source, int32_t width, int32_t height) {
  const int64_t pixels = std::max(int64_t{source.Width()} * source.Height(), int64_t{width} * height);
  const auto cores = static_cast<int64_t>(std::max(1u, std::thread::hardware_concurrency()));
  return static_cast<int>(std::clamp(pixels / kMinPixelsPerWorker, int64_t{1}, cores));
}

}  // namespace

Bitmap ResizeHighQuality(const Bitmap& source, int32_t width, int32_t height) {
  return ResizeHighQuality(source, width, height, WorkersFor(source, width, height));
}

Bitmap ResizeHighQuality(const Bitmap& source, int32_t width, int32_t height, int workers) {
  return ResizeHighQuality(source, WholeOf(source), width, height, workers);
}

Bitmap ResizeHighQuality(const Bitmap& source, const PictureExtent& extent, int32_t width, int32_t height) {
  return ResizeHighQuality(source, extent, width, height, WorkersFor(source, width, height));
}

Bitmap ResizeHighQuality(const Bitmap& source, const PictureExtent& extent, int32_t width, int32_t height,
                         int workers) {
  if (width <= 0 || height <= 0) {
    throw ImageError("无效的图片尺寸: " + std::to_string(width) + " x " + std::to_string(height) +
                     " (宽和高都必须大于 0)");
  }
  if (!Bitmap::IsAllowedSize(width, height))
    throw ImageError("图片尺寸过大: " + std::to_string(width) + " x " + std::to_string(height));
  if (source.IsEmpty()) throw ImageError("无法缩放空白图片");
  if (width == source.Width() && height == source.Height() && extent == WholeOf(source)) return source.ToBgr24();

  const bool direct = source.BitsPerPixel() == 24 || source.BitsPerPixel() == 32;
  Plane plane = direct ? ToPlane(source, workers) : ToPlane(source.ToBgr24(), workers);
  // Shrink along the axis that shrinks most first, so the second pass has less to do.
  const bool horizontal_first = static_cast<double>(width) / plane.width <=
                                static_cast<double>(height) / plane.height;
  for (int pass = 0; pass < 2; ++pass) {
    const bool horizontal = (pass == 0) == horizontal_first;
    const int32_t n = horizontal ? plane.width : plane.height;
    const int32_t target = horizontal ? width : height;
    double origin = horizontal ? extent.x : extent.y;
    double length = horizontal ? extent.width : extent.height;
    if (n == target && origin == 0 && length == n) continue;
    if (length / target > kMaxFilterScale) {
      const int32_t factor = n / (target * kBoxedScale);
      plane = BoxReduce(plane, horizontal, factor, workers);
      origin /= factor;
      length /= factor;
    }
    plane = ResampleAxis(plane, horizontal, target, origin, length, workers);
  }
  return FromPlane(plane, workers);
}

Bitmap ResizeNearest(const Bitmap& source, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) {
    throw ImageError("无效的图片尺寸: " + std::to_string(width) + " x " + std::to_string(height) +
                     " (宽和高都必须大于 0)");
  }
  if (source.IsEmpty()) throw ImageError("无法缩放空白图片");
  Bitmap out(width, height, 24);
  if (source.BitsPerPixel() == 24) {
    StretchCopy(out, out.Bounds(), source, source.Bounds());
  } else {
    Bitmap bgr = source.ToBgr24();
    StretchCopy(out, out.Bounds(), bgr, bgr.Bounds());
  }
  return out;
}

}  // namespace gfx
