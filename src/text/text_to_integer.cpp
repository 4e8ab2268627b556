#include "text/text_to_integer.h"

#include "text/cp936.h"

namespace qd {
namespace {

// The ASCII reading of the character at text[i], or 0 when it has none.
// Sets len to the character's length in bytes.
char asciiReading(const char* text, std::size_t size, std::size_t i, std::size_t& len) {
  len = cp936::charLength(text, size, i);
  if (len == 1) return text[i];
  const auto lead = static_cast<unsigned char>(text[i]);
  const auto trail = static_cast<unsigned char>(text[i + 1]);
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0xA1 + 0x21);
  if (lead == 0xA1 && trail == 0xA1) return ' ';
  return 0;
}

bool isWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int32_t textToInteger(std::string_view text) {
  const char* p = text.data();
  const std::size_t n = text.size();
  std::size_t i = 0;
  std::size_t len = 0;
  char c = 0;
  while (i < n && isWhiteSpace(c = asciiReading(p, n, i, len))) i += len;
  bool negative = false;
  if (i < n && (c == '+' || c == '-')) {
    negative = c == '-';
    i += len;
  }
  std::uint32_t value = 0;
  while (i < n) {
    c = asciiReading(p, n, i, len);
    if (c < '0' || c > '9') break;
    value = value * 10u + static_cast<std::uint32_t>(c - '0');
    i += len;
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace qd
