// The program's skin as built into the executable: its stored-skin bytes and loading them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace skin {
class TskSkinData;
class TskStoredSkin;
}  // namespace skin

namespace resources {

// The Pictures stream of the stored skin (frame, mask and the numbered pictures).
std::span<const uint8_t> EmbeddedSkinPictures();
// The skin's INI text, each line followed by CR LF.
std::string_view EmbeddedSkinIni();

// Fills a stored-skin container with the built-in skin: file name "skin.ini", the INI lines and
// the pictures. Throws when the built-in bytes do not read back whole (a broken build).
void FillEmbeddedStoredSkin(skin::TskStoredSkin& container);

// Loads the built-in skin into `data` with LoadFromStoredSkin, through a container of its own
// (the skin data copies what it needs, so nothing has to outlive the call).
void LoadEmbeddedSkin(skin::TskSkinData& data);

}  // namespace resources
