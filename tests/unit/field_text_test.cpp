#include <gtest/gtest.h>

#include <cmath>

#include "text/field_text.h"

using qd::FieldValue;
using K = FieldValue::Kind;

namespace {
FieldValue integer(K kind, std::int64_t v) {
  FieldValue f;
  f.kind = kind;
  f.integer = v;
  return f;
}
FieldValue real(K kind, double v) {
  FieldValue f;
  f.kind = kind;
  f.real = v;
  return f;
}
}  // namespace

TEST(FieldText, GivesEachKindItsText) {
  FieldValue date;
  date.kind = K::Date;
  date.date = {2019, 3, 1, 0, 0, 0};
  FieldValue dayZero;
  dayZero.kind = K::Date;
  dayZero.date = {1900, 1, 0, 12, 5, 9};
  FieldValue text;
  text.kind = K::Text;
  text.text = "abc";
  struct Case {
    FieldValue value;
    std::string text;
  } cases[] = {
      {FieldValue{}, ""},
      {integer(K::UInt8, 200), "200"},
      {integer(K::UInt8, -1), "255"},  // 8-bit values are unsigned
      {integer(K::Int16, -300), "-300"},
      {integer(K::Int32, -2147483647 - 1), "-2147483648"},
      {integer(K::Int64, 4294967297LL), "1"},  // the low 32 bits, signed
      {integer(K::Int64, 4294967295LL), "-1"},
      {real(K::Double, 1), "1.00000000"},
      {real(K::Double, 2.5), "2.50000000"},
      {real(K::Double, -0.1), "-0.10000000"},
      {real(K::Double, 1e10), "10000000000.00000000"},
      {real(K::Double, 0.123456785), "0.12345678"},
      {real(K::Decimal, 12), "12.00000000"},
      {real(K::Single, 2.5), "2.5000"},
      {real(K::Single, 0.1), "0.1000"},
      {date, "2019-03-01 00:00:00"},
      {dayZero, "1900-01-00 12:05:09"},
      {text, "abc"},
      {integer(K::Boolean, 1), "TRUE"},
      {integer(K::Boolean, 0), "FALSE"},
      {integer(K::Binary, 0), "[BLOB]"},
      {integer(K::Other, 0), "UN_KNOW"},
  };
  for (const Case& c : cases) EXPECT_EQ(qd::fieldText(c.value), c.text);
}

TEST(FieldText, CurrencyUsesTheGivenDecimalSeparatorAndNoTrailingZeros) {
  struct Case {
    std::int64_t scaled;
    const char* separator;
    std::string text;
  } cases[] = {
      {12345000, ".", "1234.5"}, {10000, ".", "1"},          {-25, ".", "-0.0025"},
      {12345678, ",", "1234,5678"}, {0, ".", "0"},
      {INT64_MIN, ".", "-922337203685477.5808"},
  };
  for (const Case& c : cases) EXPECT_EQ(qd::fieldText(integer(K::Currency, c.scaled), c.separator), c.text);
}

TEST(FieldText, ReplacesWhateverTheVariableHeld) {
  std::string out = "left over";
  qd::assignFieldText(FieldValue{}, out);
  EXPECT_EQ(out, "");
}
