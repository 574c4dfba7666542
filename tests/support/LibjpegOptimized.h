// libjpeg's own optimisation of the Huffman tables, the bytes Orvel's optimised output must equal.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "gfx/Bitmap.h"
#include "gfx/JpegCodec.h"

namespace testing_support {

// Encodes a 24-bit picture with libjpeg's defaults, the quality's baseline tables and the metadata
// segments in the writer's order (APP1 segments, the colour profile, the rest), but with libjpeg's
// two-pass optimised coding, which keeps every coefficient between its passes. An error ends the
// test program through libjpeg's default handler.
inline std::vector<uint8_t> LibjpegOptimizedBytes(const gfx::Bitmap& bitmap, const gfx::JpegEncodeOptions& options) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(bitmap.Width());
  cinfo.image_height = static_cast<JDIMENSION>(bitmap.Height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, options.quality, TRUE);
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  for (bool app1 : {true, false}) {
    for (const gfx::JpegMarker& m : options.markers)
      if ((m.code == gfx::kJpegApp1) == app1)
        jpeg_write_marker(&cinfo, m.code, m.data.data(), static_cast<unsigned>(m.data.size()));
    if (app1 && !options.icc_profile.empty())
      jpeg_write_icc_profile(&cinfo, options.icc_profile.data(), static_cast<unsigned>(options.icc_profile.size()));
  }
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    JSAMPROW row = const_cast<uint8_t*>(bitmap.Row(y));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

}  // namespace testing_support
