// RecordFont: the font a skin record names with its fontname, fontheight and fontstyle keys.
#pragma once

#include <string>

#include "gfx/Font.h"
#include "skin/data/IniValues.h"

namespace skin {

inline gfx::Font RecordFont(const std::string& name, int32_t height, const FontStyles& styles) {
  gfx::FontStyle style = gfx::kFontRegular;
  if (styles.bold) style = style | gfx::kFontBold;
  if (styles.italic) style = style | gfx::kFontItalic;
  if (styles.underline) style = style | gfx::kFontUnderline;
  if (styles.strikeout) style = style | gfx::kFontStrikeOut;
  return gfx::Font(name, height, style);
}

}  // namespace skin
