#include <gtest/gtest.h>

#include "text/ansi_codec.h"

namespace {
std::string fromUtf16(std::u16string_view s) {
  std::string out;
  qd::ansi::appendFromUtf16(s.data(), s.size(), out);
  return out;
}
}  // namespace

TEST(AnsiCodec, ConvertsUtf16ToCodePage936) {
  EXPECT_EQ(fromUtf16(u"abc"), "abc");
  EXPECT_EQ(fromUtf16(u"问题"), "\xCE\xCA\xCC\xE2");
  EXPECT_EQ(fromUtf16(u"€"), "\x80");
  EXPECT_EQ(fromUtf16(u"１"), "\xA3\xB1");
  // Characters the code page lacks become '?', one for each UTF-16 unit.
  EXPECT_EQ(fromUtf16(u"a\u00E9b"), "a\xA8\xA6" "b");  // é exists in GBK
  EXPECT_EQ(fromUtf16(u"\uD55C"), "?");                 // a Hangul syllable
  EXPECT_EQ(fromUtf16(u"x\U0001F600y"), "x??y");        // outside the BMP
  EXPECT_EQ(fromUtf16(u"\xD800"), "?");                 // a lone surrogate
}

TEST(AnsiCodec, ConvertsOtherCodePages) {
  std::string out;
  qd::ansi::appendFromCodePage(1252, "caf\xE9", 4, out);
  EXPECT_EQ(out, "caf\xA8\xA6");
  out.clear();
  qd::ansi::appendFromCodePage(936, "\xCE\xCA", 2, out);  // already the ANSI code page
  EXPECT_EQ(out, "\xCE\xCA");
  out.clear();
  qd::ansi::appendFromCodePage(32769, "\x80", 1, out);  // Excel's number for 1252
  EXPECT_EQ(out, "\x80");
}

TEST(AnsiCodec, RoundTripsThroughUtf8) {
  EXPECT_EQ(qd::ansi::toUtf8("\xCE\xCA\xCC\xE2"), "问题");
  EXPECT_EQ(qd::ansi::fromUtf8("问题"), "\xCE\xCA\xCC\xE2");
}
