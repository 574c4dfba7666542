// Cutting a page off where it has too many elements, or nests them too deeply.
#include "web/MarkupLimit.h"

#include <array>
#include <cctype>
#include <string>

namespace web {

namespace {

// Elements without content, and elements that a following sibling closes without an end tag.
constexpr std::array<std::string_view, 30> kNotNesting = {
    "area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
    "param", "source", "track", "wbr", "keygen", "basefont", "frame", "isindex", "p", "li",
    "dt", "dd", "td", "th", "tr", "option", "optgroup", "rt", "rp", "thead"};

// Elements whose content is text, not markup.
constexpr std::array<std::string_view, 5> kRawText = {"script", "style", "title", "textarea", "xmp"};

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':'; }

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

template <size_t N>
bool OneOf(const std::string& name, const std::array<std::string_view, N>& list) {
  for (std::string_view item : list) {
    if (name == item) return true;
  }
  return false;
}

// Position after the end tag of a raw-text element, searched case-insensitively.
size_t SkipRawText(std::string_view html, size_t from, const std::string& name) {
  const std::string closing = "</" + name;
  for (size_t at = html.find("</", from); at != std::string_view::npos; at = html.find("</", at + 2)) {
    if (Lower(html.substr(at, closing.size())) == closing) return at;
  }
  return html.size();
}

}  // namespace

std::string_view LimitMarkup(std::string_view html, int max_depth, int max_elements) {
  int depth = 0;
  int elements = 0;
  size_t i = 0;
  while ((i = html.find('<', i)) != std::string_view::npos) {
    const size_t tag_start = i;
    if (html.substr(i, 4) == "<!--") {
      const size_t end = html.find("-->", i + 4);
      if (end == std::string_view::npos) break;
      i = end + 3;
      continue;
    }
    const bool closing = i + 1 < html.size() && html[i + 1] == '/';
    size_t name_start = i + (closing ? 2 : 1);
    size_t name_end = name_start;
    while (name_end < html.size() && IsNameChar(html[name_end])) ++name_end;
    const size_t tag_end = html.find('>', name_end);
    if (name_end == name_start) {
      ++i;
      continue;
    }
    if (tag_end == std::string_view::npos) break;
    const std::string name = Lower(html.substr(name_start, name_end - name_start));
    i = tag_end + 1;
    if (closing) {
      if (!OneOf(name, kNotNesting) && depth > 0) --depth;
      continue;
    }
    if (OneOf(name, kRawText)) {
      i = SkipRawText(html, i, name);
      continue;
    }
    if (++elements > max_elements) return html.substr(0, tag_start);
    const bool self_closed = tag_end > 0 && html[tag_end - 1] == '/';
    if (self_closed || OneOf(name, kNotNesting)) continue;
    if (++depth > max_depth) return html.substr(0, tag_start);
  }
  return html;
}

}  // namespace web
