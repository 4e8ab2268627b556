// Native stand-in for the ANSI code page: code page 936 through iconv.
#include <iconv.h>

#include <cstdint>
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

// Code page 936 bytes of each BMP unit, looked up once through iconv.
// An entry holds the byte count in bits 16..23 and the bytes below;
// 0 means not looked up yet.
class Utf16Table {
 public:
  Utf16Table() : entries_(65536, 0), cd_(iconv_open(kAnsiCharset, "UTF-16LE")) {}
  ~Utf16Table() {
    if (cd_ != kNoConverter) iconv_close(cd_);
  }
  Utf16Table(const Utf16Table&) = delete;
  Utf16Table& operator=(const Utf16Table&) = delete;

  void append(char16_t unit, std::string& out) {
    std::uint32_t& e = entries_[unit];
    if (e == 0) e = lookUp(unit);
    if ((e >> 16) == 2) out += static_cast<char>((e >> 8) & 0xFF);
    out += static_cast<char>(e & 0xFF);
  }

 private:
  static inline const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

  std::uint32_t lookUp(char16_t unit) {
    const std::uint32_t unknown = (1u << 16) | '?';
    if ((unit >= 0xD800 && unit <= 0xDFFF) || cd_ == kNoConverter) return unknown;
    char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    unsigned char bytes[8];
    char* src = in;
    std::size_t srcLeft = 2;
    char* dst = reinterpret_cast<char*>(bytes);
    std::size_t dstLeft = sizeof bytes;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a fresh start for every unit
    const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
    const std::size_t n = sizeof bytes - dstLeft;
    if (rc == static_cast<std::size_t>(-1) || srcLeft != 0 || n == 0 || n > 2) return unknown;
    if (n == 1) return (1u << 16) | bytes[0];
    return (2u << 16) | (bytes[0] << 8) | bytes[1];
  }

  std::vector<std::uint32_t> entries_;
  iconv_t cd_;
};

Utf16Table& table() {
  static Utf16Table t;
  return t;
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
  Utf16Table& t = table();
  for (std::size_t i = 0; i < count; ++i) {
    const char16_t u = units[i];
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else {
      t.append(u, out);
    }
  }
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

std::string toUtf8(std::string_view ansiText) {
  std::string out;
  if (!convert("UTF-8", kAnsiCharset, ansiText, out)) {
    // Invalid sequences: convert what can be, character by character.
    out.clear();
    for (std::size_t i = 0; i < ansiText.size();) {
      const bool pair = static_cast<unsigned char>(ansiText[i]) >= 0x81 && i + 1 < ansiText.size();
      const std::size_t len = pair ? 2 : 1;
      if (!convert("UTF-8", kAnsiCharset, ansiText.substr(i, len), out)) out += '?';
      i += len;
    }
  }
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
