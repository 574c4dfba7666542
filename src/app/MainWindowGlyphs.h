// MainWindowGlyphs: the small pictures the main window draws for itself: the zoom buttons' glyphs and
// the batch list's two file icons.
#pragma once

namespace gfx {
class Bitmap;
}
namespace ui {
class ImageList;
}

namespace app {

// A 16 x 16 magnifier with a plus (zoom in) or a minus (zoom out), on a magenta background that
// the button leaves out (a glyph's bottom-left pixel names its transparent colour).
gfx::Bitmap ZoomGlyph(bool plus);

// Adds two 16 x 16 icons to `list`: a bitmap file (index 0) and any other picture file (index 1).
void AddFileIcons(ui::ImageList& list);

}  // namespace app
