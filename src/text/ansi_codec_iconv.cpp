// Native stand-in for the ANSI code page: code page 936 through iconv.
#include <iconv.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "text/ansi_codec.h"

namespace qd::ansi {
namespace {

constexpr const char* kAnsiCharset = "CP936";

// Converts `in` with a fresh iconv descriptor; false when a character cannot
// be converted or the charsets are unknown.
bool convert(const char* to, const char* from, std::string_view in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string result(in.size() * 4 + 8, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char* dst = result.data();
  std::size_t dstLeft = result.size();
  const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1) || srcLeft != 0) return false;
  result.resize(result.size() - dstLeft);
  out.append(result);
  return true;
}

// Code page 936 bytes of each BMP unit, looked up once through iconv, in
// memory order (first byte in the low byte). A character of two bytes
// starts with a lead byte 81 .. FE; one of one byte is ASCII, 80 (the euro
// sign) or '?'. 0 while not looked up yet.
std::uint16_t gbkOfUnit[65536];

std::uint16_t lookUpUnit(char16_t unit) {
  static const iconv_t cd = iconv_open(kAnsiCharset, "UTF-16LE");
  std::uint16_t result = '?';
  if (unit < 0x80) {
    result = unit;
  } else if ((unit < 0xD800 || unit > 0xDFFF) && cd != reinterpret_cast<iconv_t>(-1)) {
    char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    unsigned char bytes[8];
    char* src = in;
    std::size_t srcLeft = 2;
    char* dst = reinterpret_cast<char*>(bytes);
    std::size_t dstLeft = sizeof bytes;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh start for every unit
    const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    const std::size_t n = sizeof bytes - dstLeft;
    if (rc != static_cast<std::size_t>(-1) && srcLeft == 0 && n == 1 && bytes[0] <= 0x80) result = bytes[0];
    if (rc != static_cast<std::size_t>(-1) && srcLeft == 0 && n == 2 && bytes[0] >= 0x81)
      result = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
  }
  gbkOfUnit[unit] = result;
  return result;
}

// Writes one unit (not NUL) at `p`, which has room for two bytes; returns
// the next position.
inline char* putUnit(char16_t u, char* p) {
  std::uint16_t e = gbkOfUnit[u];
  if (e == 0) e = lookUpUnit(u);
  std::memcpy(p, &e, 2);
  return p + 1 + ((e & 0xFF) >= 0x81);
}

std::string charsetOf(unsigned codePage) {
  switch (codePage) {
    case 367: return "ASCII";
    case 10000:
    case 32768: return "MACINTOSH";
    case 32769: return "CP1252";
    default: return "CP" + std::to_string(codePage);
  }
}

}  // namespace

void appendFromUtf16(const char16_t* units, std::size_t count, std::string& out) {
  const std::size_t at = out.size();
  out.resize(at + 2 * count);  // no unit takes more than two bytes
  char* const begin = out.data() + at;
  char* p = begin;
  for (std::size_t i = 0; i < count; ++i) p = putUnit(units[i], p);
  out.resize(at + static_cast<std::size_t>(p - begin));
}

void appendFromUtf16Le(const unsigned char* bytes, std::size_t count, std::string& out) {
  const std::size_t at = out.size();
  out.resize(at + 2 * count);
  char* const begin = out.data() + at;
  char* p = begin;
  for (std::size_t i = 0; i < count; ++i) {
    const auto u = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    if (u == 0) break;
    p = putUnit(u, p);
  }
  out.resize(at + static_cast<std::size_t>(p - begin));
}

void appendFromCodePage(unsigned codePage, const char* bytes, std::size_t count, std::string& out) {
  bool ascii = true;
  for (std::size_t i = 0; i < count && ascii; ++i) ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
  if (ascii || codePage == 936 || codePage == 0) {
    out.append(bytes, count);
    return;
  }
  std::string utf16;
  if (!convert("UTF-16LE", charsetOf(codePage).c_str(), std::string_view(bytes, count), utf16)) {
    out.append(bytes, count);
    return;
  }
  std::vector<char16_t> units(utf16.size() / 2);
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i]) |
                                     (static_cast<unsigned char>(utf16[2 * i + 1]) << 8));
  appendFromUtf16(units.data(), units.size(), out);
}

namespace {

// UTF-8 of each code page 936 character, looked up once through iconv:
// the byte count in bits 24..31 and up to three bytes below; 0 while not
// looked up yet. Index: the byte for one-byte characters, else
// 256 + (lead - 0x81) * 256 + trail.
std::uint32_t utf8OfGbk[256 + 126 * 256];

constexpr std::uint32_t kNoCharacter = (1u << 24) | '?';

// The UTF-8 bytes in memory order (first byte lowest), the count on top.
std::uint32_t lookUpGbk(const char* bytes, std::size_t length) {
  static const iconv_t cd = iconv_open("UTF-8", kAnsiCharset);
  std::uint32_t result = kNoCharacter;
  if (cd != reinterpret_cast<iconv_t>(-1)) {
    char in[2] = {bytes[0], length > 1 ? bytes[1] : '\0'};
    unsigned char utf8[8];
    char* src = in;
    std::size_t srcLeft = length;
    char* dst = reinterpret_cast<char*>(utf8);
    std::size_t dstLeft = sizeof utf8;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    const std::size_t n = sizeof utf8 - dstLeft;
    if (rc != static_cast<std::size_t>(-1) && srcLeft == 0 && n >= 1 && n <= 3) {
      result = static_cast<std::uint32_t>(n) << 24;
      for (std::size_t k = 0; k < n; ++k) result |= static_cast<std::uint32_t>(utf8[k]) << (8 * k);
    }
  }
  return result;
}

}  // namespace

void appendUtf8(std::string_view ansiText, std::string& out) {
  const std::size_t at = out.size();
  out.resize(at + 3 * ansiText.size() + 1);  // the euro sign, one byte, takes three; +1 for a 4-byte store
  char* const begin = out.data() + at;
  char* p = begin;
  const auto* s = reinterpret_cast<const unsigned char*>(ansiText.data());
  const std::size_t n = ansiText.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned b = s[i];
    if (b < 0x80) {
      *p++ = static_cast<char>(b);
      ++i;
      continue;
    }
    const bool pair = b != 0x80 && b != 0xFF && i + 1 < n;
    const std::size_t index = pair ? 256 + (b - 0x81) * 256 + s[i + 1] : b;
    std::uint32_t e = utf8OfGbk[index];
    if (e == 0) e = utf8OfGbk[index] = lookUpGbk(ansiText.data() + i, pair ? 2 : 1);
    if (pair && e == kNoCharacter) {
      // No character: the lead byte alone becomes '?', the next is read afresh.
      *p++ = '?';
      ++i;
      continue;
    }
    std::memcpy(p, &e, 4);  // the count byte on top is overwritten by what follows
    p += e >> 24;
    i += 1 + pair;
  }
  out.resize(at + static_cast<std::size_t>(p - begin));
}

std::string toUtf8(std::string_view ansiText) {
  std::string out;
  appendUtf8(ansiText, out);
  return out;
}

std::string fromUtf8(std::string_view utf8Text) {
  std::string utf16;
  if (!convert("UTF-16LE", "UTF-8", utf8Text, utf16)) return {};
  std::vector<char16_t> units(utf16.size() / 2);
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i]) |
                                     (static_cast<unsigned char>(utf16[2 * i + 1]) << 8));
  std::string out;
  appendFromUtf16(units.data(), units.size(), out);
  return out;
}

std::string userDecimalSeparator() { return "."; }

}  // namespace qd::ansi
