#pragma once
#include <string>
#include <string_view>

namespace qd {

// Removes spaces (20 hex) and ideographic spaces (A1 A1) at both ends of a
// code page 936 text. Tabs and line breaks stay. Works on whole characters,
// so the trail byte of one character never pairs with the next.
std::string trimSpaces(std::string_view text);

}  // namespace qd
