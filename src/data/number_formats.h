#pragma once
// Telling date and time formats from number formats, so that a number cell
// shows as a date exactly where a spreadsheet program would show a date.
#include <cstdint>
#include <string_view>

namespace qd {

// Built-in format ids that show dates or times (with the East Asian ones,
// which are dates in the Chinese, Japanese and Korean versions).
bool isBuiltInDateFormat(std::uint16_t formatId);

// A format string shows a date or time when its first section holds date
// or time codes (y m d h s, elapsed [h] [m] [s], AM/PM) outside quoted
// text, escapes and bracketed options, and no more digit placeholders than
// such codes.
bool isDateFormatString(std::string_view format);

}  // namespace qd
