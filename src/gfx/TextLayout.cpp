// Line layout for formatted text: prefix marks, line breaks, word wrapping, tabs and end ellipsis.
#include "gfx/TextLayout.h"

#include "gfx/TextUtf8.h"

namespace gfx {

namespace {

struct Item {
  char32_t c = 0;
  uint8_t underlined = 0;
};

bool IsSpace(char32_t c) { return c == U' ' || c == U'\t' || c == 0x3000; }

// "&x" marks x, "&&" is "&", and a "&" at the very end is dropped.
std::vector<Item> ParsePrefixes(std::u32string_view text, bool prefixes) {
  std::vector<Item> out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (!prefixes || text[i] != U'&') {
      out.push_back({text[i], 0});
      continue;
    }
    if (i + 1 >= text.size()) break;
    ++i;
    const bool is_break = text[i] == U'\n' || text[i] == U'\r';
    out.push_back({text[i], static_cast<uint8_t>(text[i] != U'&' && !is_break)});
  }
  return out;
}

// Whether a line may end before items[i] (i > 0).
bool CanBreakBefore(const std::vector<Item>& items, size_t i) {
  const char32_t prev = items[i - 1].c, cur = items[i].c;
  if (IsSpace(cur)) return false;
  if (IsSpace(prev)) return true;
  if (IsNoBreakBefore(cur)) return false;
  return IsCjkBreakable(cur) || IsCjkBreakable(prev);
}

class Layouter {
 public:
  Layouter(DrawTextFlags flags, int32_t max_width, int32_t tab_width, const std::function<int32_t(char32_t)>& advance)
      : flags_(flags), max_width_(max_width), tab_width_(tab_width > 0 ? tab_width : 1), advance_(advance) {}

  int32_t Width(char32_t c, int32_t x) const {
    if (c == U'\t') return (flags_ & kDtExpandTabs) ? tab_width_ - x % tab_width_ : 0;
    if (c == U'\n' || c == U'\r') return 0;
    return advance_(c);
  }

  TextLine MakeLine(const std::vector<Item>& items, size_t begin, size_t end) const {
    TextLine line;
    line.x.push_back(0);
    for (size_t i = begin; i < end; ++i) {
      line.text.push_back(items[i].c);
      line.underlined.push_back(items[i].underlined);
      line.x.push_back(line.x.back() + Width(items[i].c, line.x.back()));
    }
    return line;
  }

  // Breaks one paragraph (no line breaks inside) into lines.
  void Wrap(const std::vector<Item>& items, size_t begin, size_t end, std::vector<TextLine>& out) const {
    const bool wrap = (flags_ & kDtWordBreak) && !(flags_ & kDtSingleLine);
    size_t pos = begin;
    while (true) {
      if (!wrap) {
        out.push_back(MakeLine(items, pos, end));
        return;
      }
      int32_t x = 0;
      size_t last_break = pos;
      size_t i = pos;
      bool broke = false;
      for (; i < end; ++i) {
        if (i > pos && CanBreakBefore(items, i)) last_break = i;
        const int32_t w = Width(items[i].c, x);
        // A word too long for the line stays whole; spaces may hang past the edge.
        if (!IsSpace(items[i].c) && i > pos && x + w > max_width_ && last_break > pos) {
          size_t line_end = last_break;
          while (line_end > pos && IsSpace(items[line_end - 1].c)) --line_end;
          out.push_back(MakeLine(items, pos, line_end));
          pos = last_break;
          while (pos < end && IsSpace(items[pos].c)) ++pos;
          broke = true;
          break;
        }
        x += w;
      }
      if (!broke) {
        out.push_back(MakeLine(items, pos, end));
        return;
      }
      if (pos >= end) return;
    }
  }

  // Shortens a line that is too wide so that it ends in "..." and fits (or is just "...").
  void Ellipsize(TextLine& line) const {
    if (line.Width() <= max_width_) return;
    const int32_t dots = 3 * advance_(U'.');
    while (!line.text.empty() && line.x[line.text.size()] + dots > max_width_) {
      line.text.pop_back();
      line.underlined.pop_back();
      line.x.pop_back();
    }
    for (int k = 0; k < 3; ++k) {
      line.text.push_back(U'.');
      line.underlined.push_back(0);
      line.x.push_back(line.x.back() + advance_(U'.'));
    }
  }

  std::vector<TextLine> Run(std::u32string_view text) const {
    std::vector<Item> items = ParsePrefixes(text, !(flags_ & kDtNoPrefix));
    std::vector<TextLine> lines;
    if (flags_ & kDtSingleLine) {
      std::vector<Item> kept;
      kept.reserve(items.size());
      for (const Item& it : items)
        if (it.c != U'\n' && it.c != U'\r') kept.push_back(it);
      Wrap(kept, 0, kept.size(), lines);
    } else {
      size_t start = 0;
      for (size_t i = 0; i <= items.size(); ++i) {
        if (i < items.size() && items[i].c != U'\n' && items[i].c != U'\r') continue;
        Wrap(items, start, i, lines);
        if (i < items.size() && items[i].c == U'\r' && i + 1 < items.size() && items[i + 1].c == U'\n') ++i;
        start = i + 1;
      }
    }
    if (flags_ & kDtEndEllipsis)
      for (TextLine& line : lines) Ellipsize(line);
    return lines;
  }

 private:
  DrawTextFlags flags_;
  int32_t max_width_;
  int32_t tab_width_;
  const std::function<int32_t(char32_t)>& advance_;
};

}  // namespace

std::vector<TextLine> LayoutText(std::u32string_view text, DrawTextFlags flags, int32_t max_width,
                                 int32_t tab_width, const std::function<int32_t(char32_t)>& advance) {
  return Layouter(flags, max_width, tab_width, advance).Run(text);
}

}  // namespace gfx
