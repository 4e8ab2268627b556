#include "data/worksheet.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "data/biff_records.h"
#include "data/biff_strings.h"
#include "data/excel_date.h"
#include "data/little_endian.h"

namespace qd {
namespace {

double rkValue(std::uint32_t rk) {
  double v;
  if (rk & 0x02) {
    v = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
  } else {
    v = loadF64(std::array<std::uint8_t, 8>{0, 0, 0, 0, static_cast<std::uint8_t>(rk & 0xFC),
                                            static_cast<std::uint8_t>(rk >> 8), static_cast<std::uint8_t>(rk >> 16),
                                            static_cast<std::uint8_t>(rk >> 24)}
                    .data());
  }
  return (rk & 0x01) ? v / 100.0 : v;
}

class SheetBuilder {
 public:
  SheetBuilder(const WorkbookGlobals& g, Worksheet& out) : g_(g), out_(out) {}

  void number(std::uint32_t row, std::uint16_t col, std::uint16_t xf, double v) {
    Cell& c = add(row, col);
    if (!std::isfinite(v)) {
      c.kind = CellKind::Error;
    } else if (g_.isDateXf(xf) && dateFromSerial(v, g_.date1904)) {
      c.kind = CellKind::Date;
      c.real = v;
    } else if (v >= -2147483648.0 && v <= 2147483647.0 && v == std::trunc(v)) {
      c.kind = CellKind::Integer;
      c.integer = static_cast<std::int32_t>(v);
    } else {
      c.kind = CellKind::Real;
      c.real = v;
    }
  }

  void boolean(std::uint32_t row, std::uint16_t col, bool v) {
    Cell& c = add(row, col);
    c.kind = CellKind::Boolean;
    c.integer = v ? 1 : 0;
  }

  void error(std::uint32_t row, std::uint16_t col) { add(row, col).kind = CellKind::Error; }

  void sharedText(std::uint32_t row, std::uint16_t col, std::uint32_t index) {
    if (index >= g_.sharedStrings->size()) {
      ownText(row, col);  // refers past the table: an empty text
      return;
    }
    Cell& c = add(row, col);
    c.kind = CellKind::SharedText;
    c.text = index;
  }

  // A cell with a text of its own.
  Cell& ownText(std::uint32_t row, std::uint16_t col, std::string_view text = {}) {
    Cell& c = add(row, col);
    c.kind = CellKind::OwnText;
    c.text = static_cast<std::uint32_t>(out_.ownTexts.add(text));
    return c;
  }

  // Sorts the cells when the file listed them out of order, keeping the
  // last of two cells in one place, and works out the used range.
  void finish() {
    auto& cells = out_.cells;
    if (!ordered_) {
      std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
      });
      std::size_t kept = 0;
      for (std::size_t i = 0; i < cells.size(); ++i) {
        if (kept > 0 && cells[kept - 1].row == cells[i].row && cells[kept - 1].column == cells[i].column) {
          cells[kept - 1] = cells[i];
        } else {
          cells[kept++] = cells[i];
        }
      }
      cells.resize(kept);
    }
    if (cells.empty()) return;
    out_.firstRow = cells.front().row;
    out_.lastRow = cells.back().row;
    out_.firstColumn = out_.lastColumn = cells.front().column;
    for (const Cell& c : cells) {
      out_.firstColumn = std::min(out_.firstColumn, c.column);
      out_.lastColumn = std::max(out_.lastColumn, c.column);
    }
  }

 private:
  Cell& add(std::uint32_t row, std::uint16_t col) {
    auto& cells = out_.cells;
    if (!cells.empty()) {
      const Cell& last = cells.back();
      if (row < last.row || (row == last.row && col <= last.column)) ordered_ = false;
    }
    Cell& c = cells.emplace_back();
    c.row = row;
    c.column = col;
    return c;
  }

  const WorkbookGlobals& g_;
  Worksheet& out_;
  bool ordered_ = true;
};

// Reads one cell record into the builder. `pendingText` names the formula
// cell whose text result the next STRING record carries, or -1.
void readCellRecord(const BiffRecord& r, BiffRecordReader& records, const WorkbookGlobals& g, SheetBuilder& sheet,
                    Worksheet& out, long& pendingText) {
  const Bytes d = r.data;
  const bool biff8 = g.biffVersion == 8;
  if (r.type != biff::kString && d.size() >= 4) pendingText = -1;
  if (r.type == biff::kString && pendingText >= 0) {
    std::vector<Bytes> pieces{d};
    records.takeContinues(pieces);
    std::string text;
    PieceReader reader(pieces);
    const bool ok = biff8 ? reader.readString(true, text) : readBiff5String(d, 0, true, g.codePage, text);
    if (!ok) text.clear();
    out.cells[static_cast<std::size_t>(pendingText)].text = static_cast<std::uint32_t>(out.ownTexts.add(text));
    pendingText = -1;
    return;
  }
  if (d.size() < 6) return;
  const std::uint32_t row = loadU16(d.data());
  const std::uint16_t col = loadU16(d.data() + 2);
  const std::uint16_t xf = loadU16(d.data() + 4);
  switch (r.type) {
    case biff::kNumber:
      if (d.size() >= 14) sheet.number(row, col, xf, loadF64(d.data() + 6));
      break;
    case biff::kRk:
      if (d.size() >= 10) sheet.number(row, col, xf, rkValue(loadU32(d.data() + 6)));
      break;
    case biff::kMulRk: {
      // row, first column, (xf, rk) for each cell, last column
      for (std::size_t at = 4, c = col; at + 6 <= d.size() - 2; at += 6, ++c) {
        if (c > 0xFFFF) break;
        sheet.number(row, static_cast<std::uint16_t>(c), loadU16(d.data() + at), rkValue(loadU32(d.data() + at + 2)));
      }
      break;
    }
    case biff::kLabelSst:
      if (d.size() >= 10 && biff8) sheet.sharedText(row, col, loadU32(d.data() + 6));
      break;
    case biff::kLabel:
    case biff::kRString: {
      std::string text;
      const bool ok = biff8 ? readBiff8String(d, 6, true, text) : readBiff5String(d, 6, true, g.codePage, text);
      if (!ok) text.clear();
      sheet.ownText(row, col, text);
      break;
    }
    case biff::kBoolErr:
      if (d.size() >= 8) {
        if (d[7] == 0) {
          sheet.boolean(row, col, d[6] != 0);
        } else {
          sheet.error(row, col);
        }
      }
      break;
    case biff::kFormula: {
      if (d.size() < 14) break;
      const std::uint8_t* result = d.data() + 6;
      if (loadU16(result + 6) != 0xFFFF) {
        sheet.number(row, col, xf, loadF64(result));
      } else if (result[0] == 0) {
        sheet.ownText(row, col);  // empty until its STRING record comes
        pendingText = static_cast<long>(out.cells.size()) - 1;
      } else if (result[0] == 1) {
        sheet.boolean(row, col, result[2] != 0);
      } else if (result[0] == 3) {
        sheet.ownText(row, col);  // the empty text
      } else {
        sheet.error(row, col);
      }
      break;
    }
    default:
      break;
  }
}

bool isCellRecord(std::uint16_t type) {
  switch (type) {
    case biff::kNumber: case biff::kRk: case biff::kMulRk: case biff::kLabelSst: case biff::kLabel:
    case biff::kRString: case biff::kBoolErr: case biff::kFormula:
      return true;
    default:
      return false;
  }
}

}  // namespace

FieldValue Worksheet::value(const Cell& c) const {
  FieldValue v;
  switch (c.kind) {
    case CellKind::Error:
      break;
    case CellKind::Integer:
      v.kind = FieldValue::Kind::Int32;
      v.integer = c.integer;
      break;
    case CellKind::Real:
      v.kind = FieldValue::Kind::Double;
      v.real = c.real;
      break;
    case CellKind::Date:
      v.kind = FieldValue::Kind::Date;
      v.date = dateFromSerial(c.real, date1904).value_or(DateTime{});
      break;
    case CellKind::Boolean:
      v.kind = FieldValue::Kind::Boolean;
      v.integer = c.integer;
      break;
    case CellKind::SharedText:
      v.kind = FieldValue::Kind::Text;
      v.text = sharedStrings->at(c.text);
      break;
    case CellKind::OwnText:
      v.kind = FieldValue::Kind::Text;
      v.text = ownTexts.at(c.text);
      break;
  }
  return v;
}

DataError readWorksheet(Bytes stream, const WorkbookGlobals& g, const SheetEntry& entry, Worksheet& out) {
  out = Worksheet{};
  out.date1904 = g.date1904;
  out.sharedStrings = g.sharedStrings;
  if (entry.offset >= stream.size()) return DataError::DamagedWorkbook;
  BiffRecordReader records(stream, entry.offset);
  BiffRecord r;
  if (!records.next(r) || r.type != biff::kBof || r.data.size() < 4 ||
      loadU16(r.data.data() + 2) != biff::kBofWorksheet)
    return records.cut() ? DataError::SheetCut : DataError::DamagedWorkbook;
  // The smallest cell record takes 14 bytes: room for what the rest of the
  // stream can hold, within reason, so the cells are not copied as they grow.
  out.cells.reserve(std::min<std::size_t>((stream.size() - entry.offset) / 14, std::size_t{1} << 22));
  SheetBuilder sheet(g, out);
  long pendingText = -1;
  int depth = 0;  // embedded substreams (charts) have BOF and EOF of their own
  while (records.next(r)) {
    if (r.type == biff::kBof) {
      ++depth;
    } else if (r.type == biff::kEof) {
      if (depth == 0) {
        sheet.finish();
        return DataError::None;
      }
      --depth;
    } else if (depth == 0 && (isCellRecord(r.type) || r.type == biff::kString)) {
      readCellRecord(r, records, g, sheet, out, pendingText);
    }
  }
  out = Worksheet{};
  return DataError::SheetCut;
}

}  // namespace qd
