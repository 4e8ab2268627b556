#include "data/workbook_globals.h"

#include <map>

#include "data/biff_records.h"
#include "data/biff_strings.h"
#include "data/little_endian.h"
#include "data/number_formats.h"

namespace qd {
namespace {

void readSharedStrings(const BiffRecord& sst, BiffRecordReader& records, TextPool& pool) {
  std::vector<Bytes> pieces{sst.data};
  records.takeContinues(pieces);
  PieceReader reader(pieces);
  std::uint32_t total = 0, unique = 0;
  if (!reader.readU32(total) || !reader.readU32(unique)) return;
  std::size_t bytes = 0;
  for (const Bytes& p : pieces) bytes += p.size();
  // Each string takes at least three bytes, which bounds what the count may
  // claim; a text in the ANSI code page is rarely longer than in the file.
  pool.reserve(std::min<std::size_t>(unique, bytes / 3), bytes);
  std::string text;
  for (std::uint32_t i = 0; i < unique && !reader.atEnd(); ++i) {
    text.clear();
    // A string cut short ends the table; cells that refer past it read empty.
    if (!reader.readString(true, text)) return;
    pool.add(text);
  }
}

bool readSheetEntry(const BiffRecord& r, const WorkbookGlobals& g, SheetEntry& sheet) {
  if (r.data.size() < 7) return false;
  sheet.offset = loadU32(r.data.data());
  sheet.kind = r.data[5];
  return g.biffVersion == 8 ? readBiff8String(r.data, 6, false, sheet.name)
                            : readBiff5String(r.data, 6, false, g.codePage, sheet.name);
}

void readFormat(const BiffRecord& r, const WorkbookGlobals& g, std::map<std::uint16_t, bool>& formats) {
  if (r.data.size() < 3) return;
  std::string text;
  const bool ok = g.biffVersion == 8 ? readBiff8String(r.data, 2, true, text)
                                     : readBiff5String(r.data, 2, false, g.codePage, text);
  if (ok) formats[loadU16(r.data.data())] = isDateFormatString(text);
}

}  // namespace

bool startsWithWorkbookBof(Bytes stream) {
  return stream.size() >= 8 && loadU16(stream.data()) == biff::kBof && loadU16(stream.data() + 2) >= 4 &&
         loadU16(stream.data() + 6) == biff::kBofGlobals;
}

DataError readWorkbookGlobals(Bytes stream, WorkbookGlobals& g) {
  if (!startsWithWorkbookBof(stream)) return DataError::DamagedWorkbook;
  g.biffVersion = loadU16(stream.data() + 4) >= 0x0600 ? 8 : 5;
  BiffRecordReader records(stream, 0);
  BiffRecord r;
  records.next(r);  // the BOF
  std::map<std::uint16_t, bool> formats;  // custom format strings by id
  std::vector<std::uint16_t> xfFormats;
  while (records.next(r)) {
    switch (r.type) {
      case biff::kEof: {
        g.xfIsDate.resize(xfFormats.size());
        for (std::size_t i = 0; i < xfFormats.size(); ++i) {
          const auto f = formats.find(xfFormats[i]);
          g.xfIsDate[i] = f != formats.end() ? f->second : isBuiltInDateFormat(xfFormats[i]);
        }
        return DataError::None;
      }
      case biff::kFilePass:
        return DataError::Encrypted;
      case biff::kCodePage:
        if (r.data.size() >= 2) g.codePage = loadU16(r.data.data());
        break;
      case biff::kDateMode:
        if (r.data.size() >= 2) g.date1904 = loadU16(r.data.data()) == 1;
        break;
      case biff::kFormat:
        readFormat(r, g, formats);
        break;
      case biff::kXf:
        if (r.data.size() >= 4) xfFormats.push_back(loadU16(r.data.data() + 2));
        break;
      case biff::kBoundSheet: {
        SheetEntry sheet;
        if (readSheetEntry(r, g, sheet)) g.sheets.push_back(std::move(sheet));
        break;
      }
      case biff::kSst:
        if (g.biffVersion == 8) {
          g.sharedStrings = std::make_shared<TextPool>();
          readSharedStrings(r, records, *g.sharedStrings);
        }
        break;
      default:
        break;
    }
  }
  return DataError::DamagedWorkbook;  // the globals end before their EOF
}

}  // namespace qd
