// Finding a page's character set and converting its text to UTF-8.
#include "web/PageCharset.h"

#include <gtest/gtest.h>

namespace {

struct DeclaredCase {
  const char* name;
  std::string content_type;
  std::string body;
  std::string charset;
};

TEST(PageCharset, TheHeaderComesBeforeTheMetaTag) {
  const std::vector<DeclaredCase> cases = {
      {"header", "text/html; charset=GBK", "", "gbk"},
      {"quoted header", "text/html; charset=\"Big5\"", "", "big5"},
      {"header wins", "text/html;charset=utf-8", "<meta charset=gbk>", "utf-8"},
      {"meta charset", "text/html", "<html><head><META CharSet='GB2312'>", "gb2312"},
      {"http-equiv", "",
       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb18030\">", "gb18030"},
      {"a meta without one, then one", "", "<meta name=x content=y><meta charset=big5>", "big5"},
      {"none", "text/html", "<p>charset=gbk is only text here</p>", ""},
      {"beyond the first 4 KiB", "", std::string(5000, ' ') + "<meta charset=gbk>", ""},
  };
  for (const DeclaredCase& c : cases) {
    EXPECT_EQ(web::DeclaredCharset(c.content_type, c.body), c.charset) << c.name;
  }
}

struct ConvertCase {
  const char* name;
  std::string bytes;
  std::string charset;
  std::string utf8;
};

TEST(PageCharset, ConvertsTheUsualChineseCharsets) {
  const std::vector<ConvertCase> cases = {
      {"GBK", "\xCD\xBC\xC6\xAC", "gbk", "图片"},
      {"GB2312 read as GB18030", "\xD1\xB9\xCB\xF5", "GB2312", "压缩"},
      {"GB18030 four-byte", "\x81\x30\x81\x30", "gb18030", "\xC2\x80"},
      {"Big5", "\xB9\xCF\xA4\xF9", "big5", "圖片"},
      {"UTF-8 kept", "图片", "utf-8", "图片"},
      {"no charset is UTF-8", "图片", "", "图片"},
      {"UTF-8 byte order mark dropped", "\xEF\xBB\xBF<p>", "", "<p>"},
      {"unknown label read as UTF-8", "abc", "x-unheard-of", "abc"},
      {"invalid bytes replaced, text goes on", "a\xFF" "b", "utf-8", "a\xEF\xBF\xBD" "b"},
      {"cut-off GBK character at the end", "\xCD\xBC\xC6", "gbk", "图\xEF\xBF\xBD"},
  };
  for (const ConvertCase& c : cases) {
    EXPECT_EQ(web::PageTextToUtf8(c.bytes, c.charset), c.utf8) << c.name;
  }
}

}  // namespace
