// Making a page's relative addresses absolute against the page's own address.
#include "web/UrlResolve.h"

#include <cctype>

namespace web {

namespace {

struct Parts {
  std::string scheme;
  std::string authority;
  std::string path;
  std::string query;
  std::string fragment;
  bool has_scheme = false;
  bool has_authority = false;
  bool has_query = false;
  bool has_fragment = false;
};

Parts Split(std::string_view s) {
  Parts p;
  const size_t hash = s.find('#');
  if (hash != std::string_view::npos) {
    p.has_fragment = true;
    p.fragment = s.substr(hash + 1);
    s = s.substr(0, hash);
  }
  const size_t question = s.find('?');
  if (question != std::string_view::npos) {
    p.has_query = true;
    p.query = s.substr(question + 1);
    s = s.substr(0, question);
  }
  // A scheme is a letter followed by letters, digits, "+", "-" or "." before the first ":".
  const size_t colon = s.find(':');
  if (colon != std::string_view::npos && colon > 0 && std::isalpha(static_cast<unsigned char>(s[0]))) {
    bool valid = true;
    for (size_t i = 0; i < colon; ++i) {
      const unsigned char c = static_cast<unsigned char>(s[i]);
      valid &= std::isalnum(c) || c == '+' || c == '-' || c == '.';
    }
    if (valid) {
      p.has_scheme = true;
      p.scheme = s.substr(0, colon);
      s = s.substr(colon + 1);
    }
  }
  if (s.starts_with("//")) {
    s = s.substr(2);
    const size_t slash = s.find('/');
    p.has_authority = true;
    p.authority = s.substr(0, slash);
    s = slash == std::string_view::npos ? std::string_view() : s.substr(slash);
  }
  p.path = s;
  return p;
}

std::string RemoveDotSegments(std::string_view in) {
  std::string out;
  while (!in.empty()) {
    if (in.starts_with("../")) {
      in.remove_prefix(3);
    } else if (in.starts_with("./")) {
      in.remove_prefix(2);
    } else if (in.starts_with("/./")) {
      in.remove_prefix(2);
    } else if (in == "/.") {
      in = "/";
    } else if (in.starts_with("/../") || in == "/..") {
      in = in.size() == 3 ? std::string_view("/") : in.substr(3);
      const size_t last = out.rfind('/');
      out.erase(last == std::string::npos ? 0 : last);
    } else if (in == "." || in == "..") {
      in = {};
    } else {
      const size_t next = in.find('/', in[0] == '/' ? 1 : 0);
      out.append(in.substr(0, next));
      in = next == std::string_view::npos ? std::string_view() : in.substr(next);
    }
  }
  return out;
}

std::string_view Trim(std::string_view s) {
  auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; };
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string ResolveUrl(std::string_view base_text, std::string_view reference) {
  const Parts r = Split(Trim(reference));
  const Parts b = Split(base_text);
  Parts t;
  if (r.has_scheme) {
    t = r;
    t.path = RemoveDotSegments(r.path);
  } else {
    t.has_scheme = b.has_scheme;
    t.scheme = b.scheme;
    if (r.has_authority) {
      t.has_authority = true;
      t.authority = r.authority;
      t.path = RemoveDotSegments(r.path);
      t.has_query = r.has_query;
      t.query = r.query;
    } else {
      t.has_authority = b.has_authority;
      t.authority = b.authority;
      if (r.path.empty()) {
        t.path = b.path;
        t.has_query = r.has_query || b.has_query;
        t.query = r.has_query ? r.query : b.query;
      } else {
        if (r.path.starts_with('/')) {
          t.path = RemoveDotSegments(r.path);
        } else if (b.has_authority && b.path.empty()) {
          t.path = RemoveDotSegments("/" + r.path);
        } else {
          const size_t last = b.path.rfind('/');
          t.path = RemoveDotSegments((last == std::string::npos ? "" : b.path.substr(0, last + 1)) + r.path);
        }
        t.has_query = r.has_query;
        t.query = r.query;
      }
    }
  }
  t.has_fragment = r.has_fragment;
  t.fragment = r.fragment;
  std::string out;
  if (t.has_scheme) out += t.scheme + ":";
  if (t.has_authority) out += "//" + t.authority;
  out += t.path;
  if (t.has_query) out += "?" + t.query;
  if (t.has_fragment) out += "#" + t.fragment;
  return out;
}

}  // namespace web
