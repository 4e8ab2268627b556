// Shared strings split over CONTINUE records, and byte strings of Excel 5.0/95 workbooks.
#include <gtest/gtest.h>

#include "gbk.h"
#include "workbook_reading.h"

using namespace qd::test;
using Rows = std::vector<std::vector<std::string>>;

namespace {

// Sheet1 showing shared strings 0 .. n-1 in column A, below a header.
std::vector<Record> showStrings(unsigned n) {
  std::vector<Record> cells{label(0, 0, u"h")};
  for (unsigned i = 0; i < n; ++i) cells.push_back(labelSst(i + 1, 0, i));
  return cells;
}

Rows column(const std::vector<std::string>& texts) {
  Rows rows;
  for (const auto& t : texts) rows.push_back({t, "", "", ""});
  return rows;
}

}  // namespace

TEST(SharedStrings, StringsGoOnInContinueRecordsBehindAFreshFlagByte) {
  // String 0: "abc" compressed, then "问题" wide after the split.
  // String 1: rich text whose runs are split; "中" wide then "xy" compressed.
  // String 2: far-east data, then a plain string 3 with an embedded NUL.
  ByteWriter first, second, third;
  first.u32(4).u32(4);
  first.u16(5).u8(0x00).raw("abc");
  second.u8(0x01).u16(u'问').u16(u'题');
  second.u16(3).u8(0x09).u16(2).u16(u'中');  // rich: 2 runs of 4 bytes
  third.u8(0x00).raw("xy").u32(0x11111111).u32(0x22222222);
  third.u16(1).u8(0x04).u32(3).raw("z").raw("FEX");
  third.u16(3).u8(0x00).raw(std::string("p\0q", 3));
  const std::vector<Record> after{record(0x00FC, first), record(0x003C, second), record(0x003C, third)};
  const ReadResult r = readWorkbook(sheetFile(showStrings(5), {}, after));
  EXPECT_EQ(r.records, column({"abc" + gbk("问题"), gbk("中") + "xy", "z", "p", ""}));
}

TEST(SharedStrings, LongStringsSplitInBothForms) {
  const std::u16string narrow(9000, u'x');
  const std::u16string wide(5000, u'中');
  // Split by hand at the 8,224-byte record limit, as writers do.
  ByteWriter all;
  all.u32(2).u32(2).string16(narrow).string16(wide);
  const ByteVec& bytes = all.bytes();
  std::vector<Record> after{{0x00FC, ByteVec(bytes.begin(), bytes.begin() + 8224)}};
  // First string: 8 header bytes + 3 string header + 8213 chars in record 1; the rest behind a flag byte.
  ByteWriter c1;
  c1.u8(0x00);
  c1.raw(std::string(9000 - 8213, 'x'));
  c1.u16(5000).u8(0x01);
  const std::size_t wideInC1 = (8224 - c1.bytes().size()) / 2;
  for (std::size_t i = 0; i < wideInC1; ++i) c1.u16(u'中');
  after.push_back(record(0x003C, c1));
  ByteWriter c2;
  c2.u8(0x01);
  for (std::size_t i = wideInC1; i < 5000; ++i) c2.u16(u'中');
  after.push_back(record(0x003C, c2));
  std::string chinese;
  for (int i = 0; i < 5000; ++i) chinese += gbk("中");
  EXPECT_EQ(readWorkbook(sheetFile(showStrings(2), {}, after)).records, column({std::string(9000, 'x'), chinese}));
}

TEST(SharedStrings, DamagedTablesReadWhatIsThere) {
  // The table claims three strings but holds one and a half; cells that
  // refer past it read as empty texts, and still count for the range.
  ByteWriter sst;
  sst.u32(3).u32(3).u16(2).u8(0).raw("ok").u16(10).u8(0).raw("cut");
  const ReadResult r = readWorkbook(sheetFile(showStrings(3), {}, {record(0x00FC, sst)}));
  EXPECT_TRUE(r.opened);
  EXPECT_EQ(r.records, column({"ok", "", ""}));
}

TEST(Biff5, ByteStringsAreReadInTheWorkbooksCodePage) {
  auto label5 = [](unsigned row, unsigned col, const std::string& bytes) {
    return record(0x0204, ByteWriter().u16(row).u16(col).u16(0).u16(static_cast<unsigned>(bytes.size())).raw(bytes));
  };
  const auto sheetWith = [&](unsigned codePage, const std::string& text) {
    const std::vector<Record> cells{label5(0, 0, "h"), label5(1, 0, text), number(1, 1, 1.25), formula(1, 2, specialResult(0)),
                                    record(0x0207, ByteWriter().u16(2).raw("ab"))};
    return workbookFile(workbookStream({record(0x0042, ByteWriter().u16(codePage))}, {{u"Sheet1", cells}}, {}, 5),
                        {}, u"Book");
  };
  EXPECT_EQ(readWorkbook(sheetWith(936, gbk("问题"))).records, (Rows{{gbk("问题"), "1.25000000", "ab", ""}}));
  EXPECT_EQ(readWorkbook(sheetWith(1252, "caf\xE9")).records, (Rows{{gbk("café"), "1.25000000", "ab", ""}}));
}
