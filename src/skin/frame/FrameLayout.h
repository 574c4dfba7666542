// Placing the objects of a skinned frame for the current window size.
#pragma once

#include <vector>

namespace skin {

class TskActiveSkinObject;
struct FrameGeometry;
struct SkinFrameInfo;

// Objects cut from the frame picture (skinrectinapicture off) follow the corner they lie in
// (MapSkinRect). The others form a row in the buttons rectangle, or else in the caption
// rectangle, starting at its top edge, each at its skinrect size:
//   right to left: close, maximize, minimize, roll-up, tray, then the application's own buttons,
//                  each next to the previous one with buttons_offset pixels between;
//   left to right: the same order from the left edge.
// When the row shares the caption rectangle, the first caption object gives it room; a system
// menu button in the row goes to the caption rectangle's left end (right to left) or joins the
// row (left to right). Hidden objects take no place.
void LayoutFrameObjects(const std::vector<TskActiveSkinObject*>& objects, const FrameGeometry& g,
                        const SkinFrameInfo& info);

}  // namespace skin
