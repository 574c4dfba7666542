// Output naming and the reader chosen for a batch source.
#include "batch/FileConverter.h"

#include <gtest/gtest.h>

namespace batch {
namespace {

TEST(FileConverterTest, OutputNames) {
  struct Case { const char* folder; const char* source; const char* output; };
  for (const Case& c : {Case{"/out", "/pics/cat.bmp", "/out/Orvel_cat.jpg"},
                        Case{"/out", "/pics/a.b.jpeg", "/out/Orvel_a.b.jpg"},
                        Case{"/out", "/pics/photo", "/out/Orvel_photo.jpg"},
                        Case{"out/", "cat.JPG", "out//Orvel_cat.jpg"},
                        Case{"/out", "/pics.d/noext", "/out/Orvel_noext.jpg"}}) {
    EXPECT_EQ(OutputNameFor(c.folder, c.source), c.output) << c.source;
  }
}

TEST(FileConverterTest, BitmapSourcesByExtension) {
  struct Case { const char* source; bool bitmap; };
  for (const Case& c : {Case{"a.bmp", true}, Case{"/x/a.BMP", true}, Case{"a.Bmp", true}, Case{"abmp", false},
                        Case{"a.bmp.jpg", false}, Case{"/x.bmp/a", false}, Case{"a.bmpx", false}}) {
    EXPECT_EQ(IsBitmapSource(c.source), c.bitmap) << c.source;
  }
}

}  // namespace
}  // namespace batch
