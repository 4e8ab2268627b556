#pragma once
// Byte-level facts about code page 936 texts (GBK), the program's ANSI code page.
#include <cstddef>

namespace qd::cp936 {

// A lead byte starts a two-byte character when a trail byte follows it.
inline bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Length in bytes of the character that starts at text[i] (1 or 2).
inline std::size_t charLength(const char* text, std::size_t size, std::size_t i) {
  return (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < size) ? 2 : 1;
}

// The ideographic space U+3000 is A1 A1.
inline bool isIdeographicSpace(const char* c) {
  return static_cast<unsigned char>(c[0]) == 0xA1 && static_cast<unsigned char>(c[1]) == 0xA1;
}

}  // namespace qd::cp936
