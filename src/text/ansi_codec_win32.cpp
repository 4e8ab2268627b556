// The ANSI code page of the running Windows system.
#include <windows.h>

#include <vector>

#include "text/ansi_codec.h"

namespace qd::ansi {
namespace {

void appendWide(const wchar_t* wide, int count, UINT codePage, std::string& out) {
  if (count <= 0) return;
  const int size = WideCharToMultiByte(codePage, 0, wide, count, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(size));
  WideCharToMultiByte(codePage, 0, wide, count, out.data() + at, size, nullptr, nullptr);
}

std::wstring toWide(UINT codePage, const char* bytes, int count) {
  if (count <= 0) return {};
  const int size = MultiByteToWideChar(codePage, 0, bytes, count, nullptr, 0);
  if (size <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, bytes, count, wide.data(), size);
  return wide;
}

}  // namespace

void appendFromUtf16(const char16_t* units, std::size_t count, std::string& out) {
  appendWide(reinterpret_cast<const wchar_t*>(units), static_cast<int>(count), CP_ACP, out);
}

void appendFromUtf16Le(const unsigned char* bytes, std::size_t count, std::string& out) {
  std::wstring wide(count, L'\0');
  std::size_t n = 0;
  for (; n < count; ++n) {
    const auto u = static_cast<wchar_t>(bytes[2 * n] | (bytes[2 * n + 1] << 8));
    if (u == 0) break;
    wide[n] = u;
  }
  appendWide(wide.data(), static_cast<int>(n), CP_ACP, out);
}

void appendFromCodePage(unsigned codePage, const char* bytes, std::size_t count, std::string& out) {
  bool ascii = true;
  for (std::size_t i = 0; i < count && ascii; ++i) ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
  UINT cp = codePage == 32768 ? 10000 : codePage == 32769 ? 1252 : codePage;
  if (ascii || cp == 0 || cp == GetACP() || !IsValidCodePage(cp)) {
    out.append(bytes, count);
    return;
  }
  const std::wstring wide = toWide(cp, bytes, static_cast<int>(count));
  appendWide(wide.data(), static_cast<int>(wide.size()), CP_ACP, out);
}

void appendUtf8(std::string_view ansiText, std::string& out) {
  const std::wstring wide = toWide(CP_ACP, ansiText.data(), static_cast<int>(ansiText.size()));
  appendWide(wide.data(), static_cast<int>(wide.size()), CP_UTF8, out);
}

std::string toUtf8(std::string_view ansiText) {
  std::string out;
  appendUtf8(ansiText, out);
  return out;
}

std::string fromUtf8(std::string_view utf8Text) {
  const std::wstring wide = toWide(CP_UTF8, utf8Text.data(), static_cast<int>(utf8Text.size()));
  std::string out;
  appendWide(wide.data(), static_cast<int>(wide.size()), CP_ACP, out);
  return out;
}

std::string userDecimalSeparator() {
  char buf[8] = {0};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf) <= 0) return ".";
  return buf;
}

}  // namespace qd::ansi
