#pragma once
// Workbook date serials as the calendar a spreadsheet program shows.
#include <optional>

#include "text/field_value.h"

namespace qd {

// The date and time of a serial, rounded to the second. In the 1900 date
// system serial 1 is 1900-01-01, 60 is the 29 February 1900 that
// spreadsheets keep, and 0 shows as 1900-01-00; in the 1904 system serial 0
// is 1904-01-01. Nothing for serials below 0 or past 9999-12-31 (and for
// NaN), which spreadsheets cannot show as dates.
std::optional<DateTime> dateFromSerial(double serial, bool date1904);

}  // namespace qd
