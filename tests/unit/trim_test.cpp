#include <gtest/gtest.h>

#include "gbk.h"
#include "text/trim.h"

using qd::trimSpaces;

TEST(TrimSpaces, RemovesSpacesAndIdeographicSpacesAtBothEnds) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {gbk("　　"), ""},
      {gbk(" 　 a b 　"), "a b"},
      {gbk("  C:\\题库\\数据库.xls　"), gbk("C:\\题库\\数据库.xls")},
      {"\tpath\t", "\tpath\t"},       // tabs stay
      {"path \r\n", "path \r\n"},    // line breaks stay, and shield the space before them
      {gbk("中 文"), gbk("中 文")},  // inner spaces stay
  };
  for (const Case& c : cases) EXPECT_EQ(trimSpaces(c.in), c.out) << c.in;
}

TEST(TrimSpaces, ReadsWholeCharactersSoTrailBytesNeverPairUp) {
  // 啊 is B0 A1: its trail byte followed by a stray A1 is not an ideographic space.
  const std::string text = "\xB0\xA1\xA1";
  EXPECT_EQ(trimSpaces(text), text);
  // A1 A1 A1 A1 are two ideographic spaces; A1 A1 A1 is one and a stray byte.
  EXPECT_EQ(trimSpaces("\xA1\xA1\xA1\xA1"), "");
  EXPECT_EQ(trimSpaces("\xA1\xA1\xA1"), "\xA1");
}
