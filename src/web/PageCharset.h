// The character set of a fetched page and its conversion to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace web {

// The charset label a page declares: the "charset=" of its Content-Type header when present, else
// the first <meta charset> or <meta http-equiv content="...; charset=..."> of its first 4 KiB,
// else empty. Lower case, without quotes.
std::string DeclaredCharset(std::string_view content_type, std::string_view body);

// The page's bytes as UTF-8, converted with iconv from `charset` (empty or unknown: UTF-8).
// GB2312 and GBK are read as GB18030, which contains both; a UTF-8 byte order mark is dropped.
// Bytes that are invalid in the charset become U+FFFD, so a damaged page still shows.
std::string PageTextToUtf8(std::string_view body, const std::string& charset);

}  // namespace web
