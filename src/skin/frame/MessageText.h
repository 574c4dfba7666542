// MessageText: breaking a message into lines no wider than the room a message box has.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gfx {
class Font;
}

namespace skin {

// The text with line breaks ("\n") added so that no line is wider than max_width in the font;
// breaks already in the text stay. A line breaks at its last blank (the blanks at the break are
// dropped), between two Chinese characters (never before closing punctuation), or after a path
// separator ("\" or "/"); a word with no such place, such as a long path without separators,
// breaks between two characters. Every line keeps at least one character, so a max_width narrower
// than one character gives one character per line. "&" is an ordinary character.
std::string WrapMessageText(const gfx::Font& font, std::string_view text, int32_t max_width);

}  // namespace skin
