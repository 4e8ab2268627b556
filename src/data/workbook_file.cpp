#include "data/workbook_file.h"


namespace qd {
namespace {

bool sameSheetName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

}  // namespace

DataError WorkbookFile::open(const std::string& path) {
  if (!file_.readFile(path)) return DataError::FileUnreadable;
  return openBytes();
}

DataError WorkbookFile::open(std::vector<std::uint8_t> bytes) {
  file_.assign(std::move(bytes));
  return openBytes();
}

DataError WorkbookFile::openBytes() {
  if (DataError e = compound_.open(file_.bytes()); e != DataError::None) return e;
  int entry = compound_.findStream(u"Workbook");
  if (entry < 0) entry = compound_.findStream(u"Book");
  if (entry < 0) return DataError::NotWorkbook;
  streamError_ = compound_.readStream(entry, streamCopy_, stream_);
  if (streamError_ == DataError::None && !startsWithWorkbookBof(stream_)) return DataError::NotWorkbook;
  return DataError::None;
}

DataError WorkbookFile::readGlobals() {
  if (!globalsRead_) {
    globalsRead_ = true;
    globalsError_ = streamError_ != DataError::None ? streamError_ : readWorkbookGlobals(stream_, globals_);
  }
  return globalsError_;
}

const std::vector<SheetEntry>& WorkbookFile::sheets() {
  static const std::vector<SheetEntry> none;
  return readGlobals() == DataError::None ? globals_.sheets : none;
}

DataError WorkbookFile::readSheet(std::string_view name, Worksheet& out) {
  if (DataError e = readGlobals(); e != DataError::None) return e;
  for (const SheetEntry& sheet : globals_.sheets)
    if (sheet.kind == 0 && sameSheetName(sheet.name, name)) return readWorksheet(stream_, globals_, sheet, out);
  return DataError::NoSuchSheet;
}

}  // namespace qd
