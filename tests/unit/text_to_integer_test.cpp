#include <gtest/gtest.h>

#include "gbk.h"
#include "text/text_to_integer.h"

TEST(TextToInteger, FollowsTheLeadingDigitsRule) {
  struct Case {
    std::string text;
    std::int32_t value;
  } cases[] = {
      {"7", 7},
      {"1.00000000", 1},
      {"-3.50000000", -3},
      {"12abc", 12},
      {"abc", 0},
      {"", 0},
      {"Q7", 0},
      {"  \t\n+42", 42},
      {"- 5", 0},
      {"+-5", 0},
      {"2147483647", 2147483647},
      {"2147483648", -2147483647 - 1},  // wraps in 32 bits
      {"-2147483648", -2147483647 - 1},
      {"4294967297", 1},
      {"99999999999999999999", 1661992959},
      {"2019-03-01 00:00:00", 2019},
      {"TRUE", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(qd::textToInteger(c.text), c.value) << c.text;
}

TEST(TextToInteger, ReadsFullWidthFormsAsAscii) {
  struct Case {
    const char* utf8;
    std::int32_t value;
  } cases[] = {
      {"１２", 12},
      {"－３４", -34},
      {"＋５", 5},
      {"　　８", 8},      // ideographic spaces are white space
      {"１2３", 123},     // full and half width mixed
      {"１２号", 12},
      {"第１题", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(qd::textToInteger(gbk(c.utf8)), c.value) << c.utf8;
}

TEST(TextToInteger, TrailBytesAreNotReadAsDigits) {
  // A lead byte followed by an ASCII-range trail byte is one character:
  // 丂 is 81 40, 乗 (81 55) -- trail bytes 0x30..0x39 must not count as digits.
  EXPECT_EQ(qd::textToInteger("\x81\x31" "5"), 0);
  EXPECT_EQ(qd::textToInteger("5\x81\x31"), 5);
}
