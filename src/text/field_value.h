#pragma once
#include <cstdint>
#include <string_view>

namespace qd {

// A calendar date and time as a spreadsheet program shows it. The day may be
// 0 and 29 February 1900 exists, as in the 1900 date system of workbooks.
struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// One field of a record, of whatever kind the data source delivers it as.
struct FieldValue {
  enum class Kind : std::uint8_t {
    Null,      // no value
    UInt8,     // integer
    Int16,     // integer
    Int32,     // integer
    Int64,     // integer
    Double,    // real
    Decimal,   // real
    Single,    // real
    Currency,  // integer: the amount times 10,000
    Date,      // date
    Text,      // text, already in the ANSI code page
    Boolean,   // integer: 0 or 1
    Binary,
    Other,
  };
  Kind kind = Kind::Null;
  std::int64_t integer = 0;
  double real = 0;
  DateTime date{};
  std::string_view text;
};

}  // namespace qd
