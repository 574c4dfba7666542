// The font a skinned control draws its text with: the record's font or the control's own.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/Font.h"
#include "skin/data/IniValues.h"

namespace skin {

// The font of a record's fontname, fontheight, fontstyle and fontcolor keys.
gfx::Font RecordFont(const std::string& fontname, int32_t fontheight, FontStyles fontstyle, gfx::Color fontcolor);

// The font a control with a record draws with: the record's font when use_skin_font is set,
// otherwise default_font, in both cases in the record's colour.
gfx::Font SkinTextFont(bool use_skin_font, const gfx::Font& default_font, const std::string& fontname,
                       int32_t fontheight, FontStyles fontstyle, gfx::Color fontcolor);

}  // namespace skin
