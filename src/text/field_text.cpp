#include "text/field_text.h"

#include <charconv>
#include <cstdio>

namespace qd {
namespace {

void assignInteger(std::int64_t v, std::string& out) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.assign(buf, r.ptr);
}

void assignFixed(double v, int decimals, std::string& out) {
  char buf[400];  // enough for any double with 8 decimals
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  out.assign(buf, r.ptr);
}

void assignDate(const DateTime& d, std::string& out) {
  char buf[64];
  int n = std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute,
                        d.second);
  out.assign(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}

// Currency as the system shows it: no grouping, no trailing zeros after the
// separator, no separator for whole amounts.
void assignCurrency(std::int64_t scaled, std::string_view separator, std::string& out) {
  const bool negative = scaled < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::uint64_t whole = magnitude / 10000;
  unsigned fraction = static_cast<unsigned>(magnitude % 10000);
  out.clear();
  if (negative) out += '-';
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, whole);
  out.append(buf, r.ptr);
  if (fraction != 0) {
    char digits[5] = {static_cast<char>('0' + fraction / 1000), static_cast<char>('0' + fraction / 100 % 10),
                      static_cast<char>('0' + fraction / 10 % 10), static_cast<char>('0' + fraction % 10), 0};
    int len = 4;
    while (digits[len - 1] == '0') --len;
    out.append(separator);
    out.append(digits, static_cast<std::size_t>(len));
  }
}

}  // namespace

void assignFieldText(const FieldValue& value, std::string& out, std::string_view decimalSeparator) {
  using K = FieldValue::Kind;
  switch (value.kind) {
    case K::Null:
      out.clear();
      return;
    case K::UInt8:
      assignInteger(static_cast<std::uint8_t>(value.integer), out);
      return;
    case K::Int16:
      assignInteger(static_cast<std::int16_t>(value.integer), out);
      return;
    case K::Int32:
    case K::Int64:
      assignInteger(static_cast<std::int32_t>(static_cast<std::uint32_t>(value.integer)), out);
      return;
    case K::Double:
    case K::Decimal:
      assignFixed(value.real, 8, out);
      return;
    case K::Single:
      assignFixed(static_cast<float>(value.real), 4, out);
      return;
    case K::Currency:
      assignCurrency(value.integer, decimalSeparator, out);
      return;
    case K::Date:
      assignDate(value.date, out);
      return;
    case K::Text:
      out.assign(value.text);
      return;
    case K::Boolean:
      out.assign(value.integer != 0 ? "TRUE" : "FALSE");
      return;
    case K::Binary:
      out.assign("[BLOB]");
      return;
    case K::Other:
      break;
  }
  out.assign("UN_KNOW");
}

std::string fieldText(const FieldValue& value, std::string_view decimalSeparator) {
  std::string out;
  assignFieldText(value, out, decimalSeparator);
  return out;
}

}  // namespace qd
