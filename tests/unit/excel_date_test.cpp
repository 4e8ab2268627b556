#include <gtest/gtest.h>

#include "data/excel_date.h"
#include "data/number_formats.h"
#include "text/field_text.h"

namespace {
std::string dateText(double serial, bool date1904) {
  const auto d = qd::dateFromSerial(serial, date1904);
  if (!d) return "none";
  qd::FieldValue v;
  v.kind = qd::FieldValue::Kind::Date;
  v.date = *d;
  return qd::fieldText(v);
}
}  // namespace

TEST(ExcelDate, ShowsSerialsAsASpreadsheetDoes) {
  struct Case {
    double serial;
    bool date1904;
    const char* text;
  } cases[] = {
      {0, false, "1900-01-00 00:00:00"},
      {0.5, false, "1900-01-00 12:00:00"},
      {1, false, "1900-01-01 00:00:00"},
      {59, false, "1900-02-28 00:00:00"},
      {60, false, "1900-02-29 00:00:00"},
      {61, false, "1900-03-01 00:00:00"},
      {43525, false, "2019-03-01 00:00:00"},
      {43525 + 0.4375, false, "2019-03-01 10:30:00"},
      {43525 + 1.0 / 3, false, "2019-03-01 08:00:00"},
      {43525 + 86399.6 / 86400, false, "2019-03-02 00:00:00"},  // rounds up to the next day
      {59 + 86399.6 / 86400, false, "1900-02-29 00:00:00"},
      {2958465.99999, false, "9999-12-31 23:59:59"},
      {2958466, false, "none"},
      {-1, false, "none"},
      {0, true, "1904-01-01 00:00:00"},
      {1, true, "1904-01-02 00:00:00"},
      {42063, true, "2019-03-01 00:00:00"},
      {2957003, true, "9999-12-31 00:00:00"},
      {2957004, true, "none"},
      {std::numeric_limits<double>::quiet_NaN(), false, "none"},
      {std::numeric_limits<double>::infinity(), false, "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(dateText(c.serial, c.date1904), c.text) << c.serial;
}

TEST(NumberFormats, TellDatesFromNumbers) {
  struct Case {
    const char* format;
    bool date;
  } cases[] = {
      {"yyyy-mm-dd", true}, {"m/d/yy h:mm", true}, {"h:mm:ss AM/PM", true}, {"[h]:mm:ss", true},
      {"mm:ss.0", true}, {"yyyy\"年\"m\"月\"d\"日\"", true}, {"[$-804]yyyy/m/d", true},
      {"[DBNum1][$-804]m\"月\"d\"日\"", true}, {"dd/mm/yyyy;@", true},
      {"General", false}, {"0.00", false}, {"#,##0", false}, {"0%", false}, {"0.00E+00", false},
      {"@", false}, {"\"days\" 0", false}, {"[Red]0.00;[Blue]-0.00", false}, {"#,##0 \"h\"", false},
      {"0.00 \\h", false}, {"_(* #,##0_)", false}, {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(qd::isDateFormatString(c.format), c.date) << c.format;
  for (int id : {14, 15, 16, 17, 18, 19, 20, 21, 22, 27, 31, 36, 45, 46, 47, 50, 57, 58})
    EXPECT_TRUE(qd::isBuiltInDateFormat(static_cast<std::uint16_t>(id))) << id;
  for (int id : {0, 1, 2, 9, 10, 11, 12, 13, 23, 26, 37, 44, 48, 49, 59, 164})
    EXPECT_FALSE(qd::isBuiltInDateFormat(static_cast<std::uint16_t>(id))) << id;
}
