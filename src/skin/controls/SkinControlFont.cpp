// The font a skinned control draws its text with: the record's font or the control's own.
#include "skin/controls/SkinControlFont.h"

namespace skin {

gfx::Font RecordFont(const std::string& fontname, int32_t fontheight, FontStyles fontstyle, gfx::Color fontcolor) {
  gfx::FontStyle style = gfx::kFontRegular;
  if (fontstyle.bold) style = style | gfx::kFontBold;
  if (fontstyle.italic) style = style | gfx::kFontItalic;
  if (fontstyle.underline) style = style | gfx::kFontUnderline;
  if (fontstyle.strikeout) style = style | gfx::kFontStrikeOut;
  return gfx::Font(fontname.empty() ? std::string("Arial") : fontname, fontheight, style, fontcolor);
}

gfx::Font SkinTextFont(bool use_skin_font, const gfx::Font& default_font, const std::string& fontname,
                       int32_t fontheight, FontStyles fontstyle, gfx::Color fontcolor) {
  if (use_skin_font) return RecordFont(fontname, fontheight, fontstyle, fontcolor);
  gfx::Font font = default_font;
  font.SetColor(fontcolor);
  return font;
}

}  // namespace skin
