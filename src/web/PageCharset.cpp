// The character set of a fetched page and its conversion to UTF-8.
#include "web/PageCharset.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

namespace web {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

// The value after "charset=" in `text` (a header or a meta tag), up to a quote, ';', space or '>'.
std::string CharsetParameter(std::string_view text) {
  const std::string lower = Lower(text);
  size_t at = lower.find("charset");
  while (at != std::string::npos) {
    size_t i = at + 7;
    while (i < lower.size() && (lower[i] == ' ' || lower[i] == '\t')) ++i;
    if (i < lower.size() && lower[i] == '=') {
      ++i;
      while (i < lower.size() && (lower[i] == ' ' || lower[i] == '"' || lower[i] == '\'')) ++i;
      size_t end = i;
      while (end < lower.size() && (std::isalnum(static_cast<unsigned char>(lower[end])) ||
                                    lower[end] == '-' || lower[end] == '_' || lower[end] == '.' ||
                                    lower[end] == ':')) {
        ++end;
      }
      if (end > i) return lower.substr(i, end - i);
    }
    at = lower.find("charset", at + 7);
  }
  return {};
}

// The iconv name for a label, or empty for UTF-8 and labels iconv does not need to see.
std::string IconvName(const std::string& label) {
  if (label.empty() || label == "utf-8" || label == "utf8") return {};
  if (label == "gb2312" || label == "gbk" || label == "gb18030" || label == "x-gbk" ||
      label == "cp936" || label == "euc-cn") {
    return "GB18030";
  }
  if (label == "big5" || label == "big5-hkscs" || label == "x-x-big5") return "BIG5-HKSCS";
  return label;
}

void AppendReplacement(std::string& out) { out += "\xEF\xBF\xBD"; }

}  // namespace

std::string DeclaredCharset(std::string_view content_type, std::string_view body) {
  std::string from_header = CharsetParameter(content_type);
  if (!from_header.empty()) return from_header;
  const std::string head = Lower(body.substr(0, 4096));
  size_t at = head.find("<meta");
  while (at != std::string::npos) {
    const size_t end = head.find('>', at);
    const std::string_view tag = std::string_view(head).substr(at, end == std::string::npos ? std::string::npos : end - at);
    std::string found = CharsetParameter(tag);
    if (!found.empty()) return found;
    at = head.find("<meta", at + 5);
  }
  return {};
}

std::string PageTextToUtf8(std::string_view body, const std::string& charset) {
  std::string name = IconvName(Lower(charset));
  if (name.empty() && body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  iconv_t cd = iconv_open("UTF-8", name.empty() ? "UTF-8" : name.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-8", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(body);
  std::string out;
  out.reserve(body.size() + body.size() / 2);
  char* in = const_cast<char*>(body.data());
  size_t in_left = body.size();
  char buffer[16384];
  while (in_left > 0) {
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    const size_t r = iconv(cd, &in, &in_left, &dst, &dst_left);
    out.append(buffer, dst - buffer);
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // An invalid or cut-off sequence: one byte becomes U+FFFD and the conversion goes on after it.
    AppendReplacement(out);
    ++in;
    --in_left;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace web
