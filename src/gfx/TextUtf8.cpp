// UTF-8 decoding and encoding, and the character classes line breaking needs.
#include "gfx/TextUtf8.h"

#include <cstdint>

namespace gfx {

char32_t DecodeUtf8At(std::string_view text, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t b0 = byte(pos);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int extra = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
    min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
    min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
    min = 0x10000;
  } else {
    ++pos;
    return kReplacementChar;
  }
  if (pos + static_cast<size_t>(extra) >= text.size()) {
    ++pos;
    return kReplacementChar;
  }
  for (int i = 1; i <= extra; ++i) {
    const uint8_t b = byte(pos + static_cast<size_t>(i));
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return kReplacementChar;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not characters.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kReplacementChar;
  }
  pos += static_cast<size_t>(extra) + 1;
  return cp;
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) out.push_back(DecodeUtf8At(text, pos));
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementChar;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : text) AppendUtf8(out, cp);
  return out;
}

bool IsCjkBreakable(char32_t c) {
  return (c >= 0x2E80 && c <= 0x2FFF) ||   // radicals
         (c >= 0x3000 && c <= 0x303F) ||   // CJK symbols and punctuation
         (c >= 0x3040 && c <= 0x30FF) ||   // kana
         (c >= 0x3100 && c <= 0x31FF) ||   // bopomofo, kana extensions
         (c >= 0x3400 && c <= 0x4DBF) ||   // extension A
         (c >= 0x4E00 && c <= 0x9FFF) ||   // unified ideographs
         (c >= 0xAC00 && c <= 0xD7AF) ||   // Hangul syllables
         (c >= 0xF900 && c <= 0xFAFF) ||   // compatibility ideographs
         (c >= 0xFE30 && c <= 0xFE4F) ||   // compatibility forms
         (c >= 0xFF00 && c <= 0xFFEF) ||   // full-width forms
         (c >= 0x20000 && c <= 0x3FFFF);   // supplementary ideographs
}

bool IsNoBreakBefore(char32_t c) {
  switch (c) {
    case U'!': case U')': case U',': case U'.': case U':': case U';': case U'?': case U']': case U'}':
    case U'、': case U'。': case U'，': case U'．': case U'：': case U'；': case U'！': case U'？':
    case U'）': case U'］': case U'｝': case U'〉': case U'》': case U'」': case U'』': case U'】':
    case U'〕': case U'〗': case U'”': case U'’': case U'…': case U'～': case U'ー':
      return true;
    default:
      return false;
  }
}

}  // namespace gfx
