#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qd {

// Conversions into and out of the system's ANSI code page. Windows uses the
// real ANSI code page (WideCharToMultiByte with CP_ACP); the native build
// stands in code page 936 through iconv. Characters the code page lacks
// become '?', one for each UTF-16 unit, as WideCharToMultiByte does.
namespace ansi {

// Appends UTF-16 units converted to the ANSI code page.
void appendFromUtf16(const char16_t* units, std::size_t count, std::string& out);

// The same for `count` UTF-16 units stored little-endian at any alignment
// (as in workbook records), stopping early at a NUL unit.
void appendFromUtf16Le(const unsigned char* bytes, std::size_t count, std::string& out);

// Appends bytes of the given Windows code page converted to the ANSI code
// page. Texts that are pure ASCII, or already in the ANSI code page, are
// copied as they are; an unknown code page is taken as the ANSI one.
void appendFromCodePage(unsigned codePage, const char* bytes, std::size_t count, std::string& out);

// An ANSI text as UTF-8, for tools that print to a terminal; a byte
// sequence that is no character becomes '?'.
std::string toUtf8(std::string_view ansiText);
void appendUtf8(std::string_view ansiText, std::string& out);

// An ANSI text from UTF-8 (tests and tools).
std::string fromUtf8(std::string_view utf8Text);

// The user's decimal separator, used for currency texts.
std::string userDecimalSeparator();

}  // namespace ansi
}  // namespace qd
