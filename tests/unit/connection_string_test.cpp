#include <gtest/gtest.h>

#include "data/connection_string.h"
#include "data/sql_source.h"

TEST(ConnectionString, IsBuiltAsTheDriverExpects) {
  EXPECT_EQ(qd::buildConnectionString("C:\\q\\a.xls"),
            "Driver={Microsoft Excel Driver (*.xls)};DriverId=790;Dbq=C:\\q\\a.xls;DefaultDir=C:\\q\\a.xls;");
}

TEST(ConnectionString, GivesBackAnyPathItWasBuiltWith) {
  for (const char* path : {"C:\\q\\a.xls", "a;b=c.xls", "{x}.xls", "}", " lead and trail ", "tab\t",
                           ";DefaultDir=", "a;DefaultDir=a", "x;DefaultDir=x;DefaultDir=x", "=", ";", "\xCA\xFD.xls"}) {
    EXPECT_EQ(qd::workbookPathOf(qd::buildConnectionString(path)), std::optional<std::string>(path)) << path;
  }
}

TEST(ConnectionString, ReadsOtherOdbcStrings) {
  struct Case {
    const char* text;
    std::optional<std::string> path;
  } cases[] = {
      {"DBQ=C:\\a.xls", "C:\\a.xls"},
      {"Driver={Microsoft Excel Driver (*.xls)}; dbq = {C:\\a;b}}.xls} ;ReadOnly=1", "C:\\a;b}.xls"},
      {"Dbq=first.xls;DefaultDir=x;", "first.xls"},
      {"Driver={Microsoft Excel Driver (*.xls)};", std::nullopt},
      {"Dbq=;", std::nullopt},
      {"Dbq={unclosed", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(qd::workbookPathOf(c.text), c.path) << c.text;
}

TEST(SqlSource, ReadsOnlySelectAllFromASheet) {
  struct Case {
    const char* sql;
    std::optional<std::string> sheet;
  } cases[] = {
      {"SELECT * FROM [Sheet1$]", "Sheet1"},
      {"  select\t*\nfrom  [My Sheet$] ; ", "My Sheet"},
      {"SELECT*FROM[Sheet1$]", std::nullopt},
      {"SELECT * FROM [Sheet1]", std::nullopt},
      {"SELECT * FROM [Sheet1$A1:B2]", std::nullopt},
      {"SELECT a FROM [Sheet1$]", std::nullopt},
      {"SELECT * FROM [Sheet1$] WHERE 1", std::nullopt},
      {"SELECT * FROM [$]", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(qd::sheetOfSelectAll(c.sql), c.sheet) << c.sql;
  EXPECT_EQ(qd::sheetOfTableName("Sheet1$"), std::optional<std::string>("Sheet1"));
  EXPECT_EQ(qd::sheetOfTableName("Sheet1"), std::nullopt);
}
