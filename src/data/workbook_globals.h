#pragma once
// The workbook-wide part of a BIFF stream: the sheet list, the shared
// strings, the cell formats that tell dates from numbers, the date system
// and the code page of byte strings.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/byte_span.h"
#include "data/data_error.h"
#include "data/text_pool.h"

namespace qd {

struct SheetEntry {
  std::string name;           // in the ANSI code page
  std::uint32_t offset = 0;   // of its BOF record in the workbook stream
  std::uint8_t kind = 0;      // 0 worksheet, 1 macro sheet, 2 chart, 6 module
};

struct WorkbookGlobals {
  int biffVersion = 8;  // 8, or 5 for Excel 5.0/95 workbooks
  bool date1904 = false;
  unsigned codePage = 0;  // of BIFF5 byte strings; 0 when not given
  std::vector<SheetEntry> sheets;
  std::shared_ptr<TextPool> sharedStrings = std::make_shared<TextPool>();
  std::vector<std::uint8_t> xfIsDate;  // per cell format (XF) index

  bool isDateXf(std::uint16_t xf) const { return xf < xfIsDate.size() && xfIsDate[xf] != 0; }
};

// True when the stream starts with the BOF record of workbook globals.
bool startsWithWorkbookBof(Bytes stream);

// Reads the globals up to their EOF record. Encrypted for a FILEPASS
// record; DamagedWorkbook when the globals do not start with their BOF or
// end before their EOF.
DataError readWorkbookGlobals(Bytes stream, WorkbookGlobals& globals);

}  // namespace qd
