// UTF-8 decoding and encoding for the text routines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gfx {

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point starting at text[pos] and advances pos past it. A malformed, truncated,
// overlong or surrogate sequence yields U+FFFD and advances by one byte, so decoding always makes
// progress and never reads past the end. pos must be < text.size().
char32_t DecodeUtf8At(std::string_view text, size_t& pos);

// The whole text as code points (malformed bytes become U+FFFD).
std::u32string DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of a code point; values that are not scalar values become U+FFFD.
void AppendUtf8(std::string& out, char32_t code_point);
std::string EncodeUtf8(std::u32string_view text);

// True for code points around which a line may break without a space (CJK ideographs, kana,
// Hangul, full-width forms and CJK punctuation).
bool IsCjkBreakable(char32_t code_point);
// True for closing punctuation that must not start a line (，。、！？）》」 and the like).
bool IsNoBreakBefore(char32_t code_point);

}  // namespace gfx
