#pragma once
#include <cstdint>
#include <string_view>

namespace qd {

// The platform's text-to-integer rule for code page 936 texts: full-width
// ASCII forms (A3 A1 .. A3 FE) are read as their ASCII forms and the
// ideographic space as a space; then leading white space is skipped, one
// optional sign is taken and decimal digits are read up to the first other
// character. No digits give 0; the value wraps in 32 bits.
std::int32_t textToInteger(std::string_view text);

}  // namespace qd
