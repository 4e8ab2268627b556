#include "data/excel_date.h"

#include <cmath>
#include <cstdint>

namespace qd {
namespace {

constexpr std::int64_t kLastDay1900 = 2958465;  // 9999-12-31
constexpr std::int64_t kLastDay1904 = 2957003;

// Days since 1970-01-01 to a proleptic Gregorian date (H. Hinnant's method).
void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

constexpr std::int64_t kDays1899_12_31 = -25568;  // days from 1970-01-01
constexpr std::int64_t kDays1899_12_30 = -25569;
constexpr std::int64_t kDays1904_01_01 = -24107;

}  // namespace

std::optional<DateTime> dateFromSerial(double serial, bool date1904) {
  const std::int64_t lastDay = date1904 ? kLastDay1904 : kLastDay1900;
  if (!(serial >= 0) || !(serial < static_cast<double>(lastDay + 1))) return std::nullopt;
  std::int64_t days = static_cast<std::int64_t>(std::floor(serial));
  std::int64_t seconds = std::llround((serial - static_cast<double>(days)) * 86400.0);
  if (seconds >= 86400) {
    ++days;
    seconds -= 86400;
  }
  if (days > lastDay) return std::nullopt;
  DateTime t;
  t.hour = static_cast<int>(seconds / 3600);
  t.minute = static_cast<int>(seconds / 60 % 60);
  t.second = static_cast<int>(seconds % 60);
  if (date1904) {
    civilFromDays(kDays1904_01_01 + days, t.year, t.month, t.day);
  } else if (days == 0) {
    t.year = 1900, t.month = 1, t.day = 0;
  } else if (days == 60) {
    t.year = 1900, t.month = 2, t.day = 29;
  } else {
    civilFromDays((days < 60 ? kDays1899_12_31 : kDays1899_12_30) + days, t.year, t.month, t.day);
  }
  return t;
}

}  // namespace qd
