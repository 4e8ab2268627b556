// The record set over built workbooks: which rows become records, which
// fields they have, and how each kind of cell reads.
#include <gtest/gtest.h>

#include "data/connection_string.h"
#include "data/database_connection.h"
#include "data/record_set.h"
#include "gbk.h"
#include "workbook_reading.h"

using namespace qd::test;
using qd::DataError;
using Rows = std::vector<std::vector<std::string>>;

TEST(RecordSet, RecordsAreTheUsedRangeBelowItsFirstRow) {
  // Cells from C3 to E7, a formatted blank at A1 and B20 that does not count,
  // row 5 empty, cells written out of order, one place written twice.
  const auto file = sheetFile({
      blank(0, 0), label(2, 2, u"No"), label(2, 3, u"Question"), label(2, 4, u"Answer"),
      number(3, 2, 1), label(3, 3, u"q1"), number(3, 4, 2.5),
      number(6, 4, 3), label(6, 2, u"stale"), number(6, 2, 7), label(3, 3, u"q1"),
      number(5, 2, 6),  // row 5 (index 4) stays empty
      blank(19, 1),
  });
  const ReadResult r = readWorkbook(file, "Sheet1", 4);
  ASSERT_TRUE(r.connected && r.opened);
  EXPECT_EQ(r.records, (Rows{{"1", "q1", "2.50000000", ""}, {"", "", "", ""}, {"6", "", "", ""}, {"7", "", "3", ""}}));
}

TEST(RecordSet, SheetsWithFewerOrMoreColumnsGiveTheirFirstFour) {
  const auto two = sheetFile({label(0, 0, u"a"), label(0, 1, u"b"), number(1, 0, 1), label(1, 1, u"x")});
  EXPECT_EQ(readWorkbook(two).records, (Rows{{"1", "x", "", ""}}));
  std::vector<Record> six;
  for (unsigned c = 0; c < 6; ++c) six.push_back(number(0, c, c)), six.push_back(number(1, c, 10 + c));
  EXPECT_EQ(readWorkbook(sheetFile(six), "Sheet1", 7).records, (Rows{{"10", "11", "12", "13", "14", "15", ""}}));
}

TEST(RecordSet, EmptySheetsAndHeaderOnlySheetsHaveNoRecords) {
  for (const auto& cells : {std::vector<Record>{}, std::vector<Record>{label(0, 0, u"a"), blank(3, 3)}}) {
    const ReadResult r = readWorkbook(sheetFile(cells));
    EXPECT_TRUE(r.opened);
    EXPECT_TRUE(r.records.empty());
  }
}

TEST(RecordSet, CellsReadAsTheirKindsText) {
  const std::vector<Record> globals{
      xf(0), xf(14), xf(164), xf(165), xf(10), format(164, u"yyyy\"年\"m\"月\"d\"日\""), format(165, u"0.00"),
  };
  const std::uint32_t rkInt = (static_cast<std::uint32_t>(-3) << 2) | 2;        // -3
  const std::uint32_t rkCents = (static_cast<std::uint32_t>(1234) << 2) | 3;     // 12.34
  const std::uint32_t rkDouble = 0x3FF80000;                                      // 1.5
  const std::uint32_t rkHundred = (static_cast<std::uint32_t>(500) << 2) | 3;    // 5
  const std::vector<Record> cells{
      label(0, 0, u"header"),
      number(1, 0, 12), number(1, 1, 2.5), number(1, 2, 2147483648.0), number(1, 3, -2147483648.0),
      rk(2, 0, rkInt), rk(2, 1, rkCents), rk(2, 2, rkDouble), rk(2, 3, rkHundred),
      number(3, 0, 43525, 1), number(3, 1, 43525.75, 2), number(3, 2, 43525, 3), number(3, 3, 0.25, 4),
      boolErr(4, 0, 1, false), boolErr(4, 1, 0, false), boolErr(4, 2, 7, true), label(4, 3, std::u16string(u"a\0b", 3)),
      formula(5, 0, numberResult(3)), formula(5, 1, specialResult(0)), stringRecord(u"text result"),
      formula(5, 2, specialResult(1, 1)), formula(5, 3, specialResult(2, 7)),
      formula(6, 0, specialResult(3)), formula(6, 1, numberResult(43525.5), 1), formula(6, 2, specialResult(0)),
      number(6, 3, std::numeric_limits<double>::quiet_NaN()),
      number(7, 0, -0.0), number(7, 1, 1e10), number(7, 2, -1.5e-7), number(7, 3, -1, 1),
  };
  EXPECT_EQ(readWorkbook(sheetFile(cells, globals)).records,
            (Rows{
                {"12", "2.50000000", "2147483648.00000000", "-2147483648"},
                {"-3", "12.34000000", "1.50000000", "5"},
                {"2019-03-01 00:00:00", "2019-03-01 18:00:00", "43525" /* 0.00 */, "0.25000000"},
                {"TRUE", "FALSE", "", "a"},
                {"3", "text result", "TRUE", ""},
                {"", "2019-03-01 12:00:00", "" /* no STRING record came */, ""},
                {"0", "10000000000.00000000", "-0.00000015", "-1"},
            }));
}

TEST(RecordSet, MovesAndReadsOnlyWhereThereIsARecord) {
  const std::string path = ::testing::TempDir() + "qd_moves.xls";
  {
    const auto bytes = sheetFile({label(0, 0, u"h"), number(1, 0, 1), number(2, 0, 2)});
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  qd::DatabaseConnection connection;
  qd::RecordSet records;
  std::string text = "left over";
  EXPECT_TRUE(records.isPastLast());  // nothing open
  EXPECT_FALSE(records.moveFirst());
  EXPECT_FALSE(records.readField(0, text));
  EXPECT_EQ(text, "");
  EXPECT_FALSE(records.attach(nullptr));
  ASSERT_TRUE(records.attach(&connection));
  EXPECT_FALSE(records.open("SELECT * FROM [Sheet1$]", qd::SourceKind::SqlStatement));  // not connected
  ASSERT_TRUE(connection.connect(qd::buildConnectionString(path)));
  ASSERT_TRUE(records.open("select  *  from [SHEET1$];", qd::SourceKind::SqlStatement));
  EXPECT_FALSE(records.open("SELECT * FROM [Sheet1$]", qd::SourceKind::SqlStatement));  // already open
  EXPECT_EQ(records.recordCount(), 2u);
  ASSERT_FALSE(records.isPastLast());  // opens on the first record
  records.readField(0, text);
  EXPECT_EQ(text, "1");
  text = "left over";
  EXPECT_FALSE(records.readField(-1, text));
  EXPECT_EQ(text, "");
  EXPECT_TRUE(records.moveNext());
  records.readField(0, text);
  EXPECT_EQ(text, "2");
  EXPECT_TRUE(records.moveNext());
  EXPECT_TRUE(records.isPastLast());
  EXPECT_FALSE(records.moveNext());
  text = "left over";
  EXPECT_FALSE(records.readField(0, text));
  EXPECT_EQ(text, "");
  EXPECT_TRUE(records.moveFirst());
  records.readField(0, text);
  EXPECT_EQ(text, "1");
  records.close();
  EXPECT_TRUE(records.isPastLast());
  // The table name form reads the same sheet.
  ASSERT_TRUE(records.open("[Sheet1$]", qd::SourceKind::TableName));
  EXPECT_EQ(records.recordCount(), 2u);
  records.close();
  connection.close();
  EXPECT_FALSE(connection.isOpen());
  std::remove(path.c_str());
}

TEST(RecordSet, QueriesFailWithoutRecordsOnBadWorkbooks) {
  const std::vector<Record> cells{label(0, 0, u"h"), number(1, 0, 1)};
  auto cutSheet = workbookStream({}, {{u"Sheet1", cells}});
  cutSheet.resize(cutSheet.size() - 4);  // drop the sheet's EOF
  auto cutInsideRecord = workbookStream({}, {{u"Sheet1", cells}});
  cutInsideRecord.resize(cutInsideRecord.size() - 8);
  auto badOffset = workbookStream({}, {{u"Sheet1", cells}});
  badOffset[4 + 16 + 4] = 0xF0;  // the BOUNDSHEET offset's low byte, now pointing into the void
  auto globalsCut = concat({bof(0x0005), xf(0)});
  struct Case {
    const char* what;
    qd::test::ByteVec stream;
    std::string sheet;
    DataError error;
  } cases[] = {
      {"no sheet of that name", workbookStream({}, {{u"Sheet2", cells}}), "Sheet1", DataError::NoSuchSheet},
      {"a chart sheet of that name", workbookStream({}, {{u"Sheet1", cells, 2}}), "Sheet1", DataError::NoSuchSheet},
      {"encrypted", workbookStream({record(0x002F, ByteWriter().u16(1).u16(1))}, {{u"Sheet1", cells}}), "Sheet1",
       DataError::Encrypted},
      {"sheet without its EOF", cutSheet, "Sheet1", DataError::SheetCut},
      {"sheet cut inside a record", cutInsideRecord, "Sheet1", DataError::SheetCut},
      {"sheet offset outside the stream", badOffset, "Sheet1", DataError::DamagedWorkbook},
      {"globals without their EOF", globalsCut, "Sheet1", DataError::DamagedWorkbook},
  };
  for (const Case& c : cases) {
    // Padded past the mini-stream cutoff, as real workbooks are.
    auto stream = c.stream;
    stream.resize(std::max<std::size_t>(stream.size(), 5000), 0);
    const ReadResult r = readWorkbook(workbookFile(stream), c.sheet);
    EXPECT_TRUE(r.connected) << c.what;
    EXPECT_FALSE(r.opened) << c.what;
    EXPECT_EQ(r.error, c.error) << c.what;
    EXPECT_TRUE(r.records.empty()) << c.what;
  }
}

TEST(RecordSet, ConnectFailsForFilesThatAreNoWorkbooks) {
  const auto stream = workbookStream({}, {{u"Sheet1", {label(0, 0, u"h")}}});
  struct Case {
    const char* what;
    qd::test::ByteVec file;
    DataError error;
  } cases[] = {
      {"empty file", {}, DataError::NotCompoundFile},
      {"text file", {'h', 'e', 'l', 'l', 'o', '\n'}, DataError::NotCompoundFile},
      {"no workbook stream", buildCompoundFile({{u"Other", stream}}), DataError::NotWorkbook},
      {"a stream that is no BIFF", workbookFile(qd::test::ByteVec(6000, 0x41)), DataError::NotWorkbook},
  };
  for (const Case& c : cases) {
    const ReadResult r = readWorkbook(c.file);
    EXPECT_FALSE(r.connected) << c.what;
    EXPECT_EQ(r.error, c.error) << c.what;
  }
  qd::DatabaseConnection connection;
  EXPECT_FALSE(connection.connect(qd::buildConnectionString(::testing::TempDir() + "no such file.xls")));
  EXPECT_EQ(connection.lastError(), DataError::FileUnreadable);
  EXPECT_FALSE(connection.connect(qd::buildConnectionString(::testing::TempDir())));  // a folder
  EXPECT_EQ(connection.lastError(), DataError::FileUnreadable);
  EXPECT_FALSE(connection.isOpen());
}

TEST(RecordSet, WorkbooksInOtherFormsReadAlike) {
  const std::vector<Record> cells{label(0, 0, u"h"), label(1, 0, u"x"), number(1, 1, 2)};
  const auto stream = workbookStream({}, {{u"Other", {number(0, 0, 9), number(1, 0, 9)}}, {u"sheet1", cells}});
  const Rows want{{"x", "2", "", ""}};
  EXPECT_EQ(readWorkbook(workbookFile(stream)).records, want) << "Sheet1 second, in other case";
  EXPECT_EQ(readWorkbook(workbookFile(stream, {12, 4096, true, 0})).records, want) << "4096-byte sectors";
  EXPECT_EQ(readWorkbook(workbookFile(stream, {}, u"Book")).records, want) << "a Book stream";
  EXPECT_EQ(readWorkbook(workbookFile(stream), "OTHER").records, (Rows{{"9", "", "", ""}})) << "another sheet";
  // A chart embedded in the sheet brings its own BOF ... EOF with numbers of its own.
  const std::vector<Record> withChart{label(0, 0, u"h"), bof(0x0020), number(5, 5, 1), eof(), number(1, 0, 3)};
  EXPECT_EQ(readWorkbook(sheetFile(withChart)).records, (Rows{{"3", "", "", ""}}));
}
