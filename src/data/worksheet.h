#pragma once
// The cells of one worksheet that hold a value, in row and column order.
// Cells are kept sparsely, so a sheet costs memory by the cells it really
// has, never by the size of the rectangle they span.
#include <cstdint>
#include <memory>
#include <vector>

#include "data/byte_span.h"
#include "data/data_error.h"
#include "data/large_memory.h"
#include "data/text_pool.h"
#include "data/workbook_globals.h"
#include "text/field_value.h"

namespace qd {

enum class CellKind : std::uint8_t {
  Error,       // an error value: a cell with a value that reads as NULL
  Integer,     // a whole number in signed 32-bit range
  Real,        // any other number
  Date,        // a number with a date or time format (real holds the serial)
  Boolean,     // integer holds 0 or 1
  SharedText,  // text holds an index into the shared strings
  OwnText,     // text holds an index into the sheet's own texts
};

struct Cell {
  std::uint32_t row = 0;
  std::uint16_t column = 0;
  CellKind kind = CellKind::Error;
  union {
    std::int32_t integer;
    double real;
    std::uint32_t text;
  };
  Cell() : integer(0) {}
};

struct Worksheet {
  std::vector<Cell, LargeAllocator<Cell>> cells;  // sorted by row, then column; one cell a place
  bool date1904 = false;
  std::shared_ptr<const TextPool> sharedStrings;
  TextPool ownTexts;

  bool empty() const { return cells.empty(); }
  // The used range: the smallest rectangle holding every cell.
  std::uint32_t firstRow = 0, lastRow = 0;
  std::uint16_t firstColumn = 0, lastColumn = 0;

  // The cell's value as a field; texts are views into this sheet.
  FieldValue value(const Cell& cell) const;
};

// Reads the worksheet whose BOF record lies at `sheet.offset`. SheetCut when
// the stream ends before the sheet's EOF record; DamagedWorkbook when no
// worksheet BOF stands at that offset.
DataError readWorksheet(Bytes stream, const WorkbookGlobals& globals, const SheetEntry& sheet, Worksheet& out);

}  // namespace qd
