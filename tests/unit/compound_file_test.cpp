#include <gtest/gtest.h>

#include "compound_file_builder.h"
#include "data/compound_file.h"
#include "data/little_endian.h"

using qd::Bytes;
using qd::CompoundFile;
using qd::DataError;
using namespace qd::test;

namespace {

std::vector<std::uint8_t> pattern(std::size_t n, unsigned seed) {
  std::vector<std::uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>((i * 31 + seed) ^ (i >> 8));
  return v;
}

// Opens `file` and reads the stream `name`; the error of whichever step failed.
DataError readNamed(const std::vector<std::uint8_t>& file, const std::u16string& name, std::vector<std::uint8_t>& out) {
  CompoundFile cf;
  if (DataError e = cf.open(Bytes(file.data(), file.size())); e != DataError::None) return e;
  const int entry = cf.findStream(name);
  if (entry < 0) return DataError::NotWorkbook;
  std::vector<std::uint8_t> scratch;
  Bytes bytes;
  if (DataError e = cf.readStream(entry, scratch, bytes); e != DataError::None) return e;
  out.assign(bytes.begin(), bytes.end());
  return DataError::None;
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

}  // namespace

TEST(CompoundFile, ReadsStreamsOfEveryLayout) {
  struct Case {
    const char* what;
    CompoundFileOptions options;
  } cases[] = {
      {"512-byte sectors", {}},
      {"4096-byte sectors", {12, 4096, false, 0}},
      {"scattered sectors", {9, 4096, true, 0}},
      {"scattered 4096-byte sectors", {12, 4096, true, 0}},
      {"a DIFAT for more than 109 FAT sectors", {9, 4096, true, 300}},
  };
  const auto big = pattern(70000, 1), small = pattern(3000, 2), tiny = pattern(1, 3);
  for (const Case& c : cases) {
    const auto file = buildCompoundFile({{u"Big", big}, {u"Small", small}, {u"Tiny", tiny}}, c.options);
    for (const auto& [name, want] : {std::pair{u"Big", big}, {u"Small", small}, {u"Tiny", tiny}}) {
      std::vector<std::uint8_t> got;
      ASSERT_EQ(readNamed(file, name, got), DataError::None) << c.what;
      EXPECT_EQ(got, want) << c.what;
    }
  }
}

TEST(CompoundFile, FindsStreamNamesIgnoringAsciiCase) {
  const auto file = buildCompoundFile({{u"Other", pattern(10, 0)}, {u"Workbook", pattern(5000, 0)}});
  CompoundFile cf;
  ASSERT_EQ(cf.open(Bytes(file.data(), file.size())), DataError::None);
  EXPECT_EQ(cf.findStream(u"WORKBOOK"), 2);
  EXPECT_EQ(cf.findStream(u"Book"), -1);
}

TEST(CompoundFile, AShortLastSectorIsFineWhileTheStreamsAreWhole) {
  const auto stream = pattern(5000, 7);  // ends 392 bytes into its tenth sector
  const auto file = buildCompoundFile({{u"S", stream}}, {9, 4096, false, 0, true});
  std::vector<std::uint8_t> got;
  // Cut the padding after the stream's last byte: the file ends mid-sector.
  const std::size_t padding = 512 - 5000 % 512;
  const std::vector<std::uint8_t> shortFile(file.begin(), file.end() - static_cast<std::ptrdiff_t>(padding));
  ASSERT_EQ(readNamed(shortFile, u"S", got), DataError::None);
  EXPECT_EQ(got, stream);
  // One byte more and the stream itself is cut.
  const std::vector<std::uint8_t> cutFile(file.begin(), file.end() - static_cast<std::ptrdiff_t>(padding + 1));
  EXPECT_EQ(readNamed(cutFile, u"S", got), DataError::WorkbookStreamCut);
}

TEST(CompoundFile, RefusesDamagedFilesWithoutReadingOutOfBounds) {
  const auto stream = pattern(9000, 9);
  const auto good = buildCompoundFile({{u"S", stream}});
  const std::uint32_t dirStart = qd::loadU32(good.data() + 0x30);
  const std::uint32_t firstFat = qd::loadU32(good.data() + 0x4C);
  const std::size_t fatAt = (firstFat + 1) * 512;
  const std::uint32_t start = qd::loadU32(good.data() + (dirStart + 1) * 512 + 128 + 0x74);
  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
    DataError error;
  } cases[] = {
      {"empty", {}, DataError::NotCompoundFile},
      {"shorter than a header", std::vector<std::uint8_t>(good.begin(), good.begin() + 300), DataError::NotCompoundFile},
      {"wrong signature", [&] { auto f = good; f[0] = 'P'; return f; }(), DataError::NotCompoundFile},
      {"sector size neither 512 nor 4096", [&] { auto f = good; f[0x1E] = 10; return f; }(), DataError::DamagedCompoundFile},
      {"directory outside the file", [&] { auto f = good; put32(f, 0x30, 100000); return f; }(), DataError::DamagedCompoundFile},
      {"directory chain looping", [&] { auto f = good; put32(f, fatAt + 4 * dirStart, dirStart); return f; }(),
       DataError::DamagedCompoundFile},
      {"stream chain looping onto itself", [&] { auto f = good; put32(f, fatAt + 4 * (start + 3), start); return f; }(), DataError::WorkbookStreamCut},
      {"stream chain leaving the file", [&] { auto f = good; put32(f, fatAt + 4 * start, 0x7FFFFFFF); return f; }(), DataError::WorkbookStreamCut},
      {"stream chain ending early", [&] { auto f = good; put32(f, fatAt + 4 * (start + 5), 0xFFFFFFFE); return f; }(), DataError::WorkbookStreamCut},
      {"stream larger than the file", [&] { auto f = good; put32(f, (dirStart + 1) * 512 + 128 + 0x78, 0x7FFFFFFF); return f; }(),
       DataError::WorkbookStreamCut},
      {"FAT sectors beyond the file", [&] { auto f = good; put32(f, 0x2C, 50); for (int i = 1; i < 50; ++i) put32(f, 0x4C + 4 * i, 90000 + i); return f; }(),
       DataError::None},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> got;
    EXPECT_EQ(readNamed(c.file, u"S", got), c.error) << c.what;
  }
}

TEST(CompoundFile, SmallStreamsFailWhenTheMiniStreamIsBroken) {
  const auto file = buildCompoundFile({{u"Small", pattern(1000, 4)}});
  std::vector<std::uint8_t> got;
  auto noMiniFat = file;
  put32(noMiniFat, 0x3C, 0xFFFFFFFE);  // no mini FAT: the chain cannot go on
  EXPECT_EQ(readNamed(noMiniFat, u"Small", got), DataError::WorkbookStreamCut);
  auto rootTooBig = file;
  const std::uint32_t dirStart = qd::loadU32(file.data() + 0x30);
  put32(rootTooBig, (dirStart + 1) * 512 + 0x78, 0x7FFFFFF0);
  EXPECT_EQ(readNamed(rootTooBig, u"Small", got), DataError::WorkbookStreamCut);
}
