#include "data/record_set.h"

#include <algorithm>
#include <new>

#include "data/database_connection.h"
#include "data/sql_source.h"
#include "text/ansi_codec.h"
#include "text/field_text.h"

namespace qd {

bool RecordSet::attach(DatabaseConnection* connection) {
  connection_ = connection;
  return connection != nullptr;
}

bool RecordSet::open(std::string_view source, SourceKind kind) {
  if (isOpen()) return false;
  if (connection_ == nullptr || !connection_->isOpen()) {
    lastError_ = DataError::NotConnected;
    return false;
  }
  const auto sheetName = kind == SourceKind::SqlStatement ? sheetOfSelectAll(source) : sheetOfTableName(source);
  if (!sheetName) {
    lastError_ = DataError::BadQuery;
    return false;
  }
  try {
    auto sheet = std::make_unique<Worksheet>();
    lastError_ = connection_->workbook()->readSheet(*sheetName, *sheet);
    if (lastError_ != DataError::None) return false;
    recordCount_ = sheet->empty() ? 0 : sheet->lastRow - sheet->firstRow;
    sheet_ = std::move(sheet);
  } catch (const std::bad_alloc&) {
    lastError_ = DataError::DamagedWorkbook;
    return false;
  }
  current_ = rowEnd_ = 0;
  locateRecord();
  return true;
}

void RecordSet::locateRecord() {
  if (!sheet_ || current_ >= recordCount_) {
    rowBegin_ = rowEnd_ = 0;
    return;
  }
  const auto& cells = sheet_->cells;
  const std::uint32_t row = sheet_->firstRow + 1 + static_cast<std::uint32_t>(current_);
  // Records are visited in order, so the search starts where the last one ended.
  std::size_t i = rowEnd_;
  while (i < cells.size() && cells[i].row < row) ++i;
  rowBegin_ = i;
  while (i < cells.size() && cells[i].row == row) ++i;
  rowEnd_ = i;
}

bool RecordSet::moveFirst() {
  if (!isOpen() || recordCount_ == 0) return false;
  current_ = 0;
  rowEnd_ = 0;
  locateRecord();
  return true;
}

bool RecordSet::moveNext() {
  if (!isOpen() || current_ >= recordCount_) return false;
  ++current_;
  locateRecord();
  return true;
}

bool RecordSet::isPastLast() const { return !isOpen() || current_ >= recordCount_; }

bool RecordSet::readField(long position, std::string& text) const {
  text.clear();
  if (isPastLast() || position < 0) return false;
  const long width = static_cast<long>(sheet_->lastColumn) - sheet_->firstColumn + 1;
  if (position >= width) return false;
  const auto column = static_cast<std::uint16_t>(sheet_->firstColumn + position);
  const auto begin = sheet_->cells.begin() + static_cast<std::ptrdiff_t>(rowBegin_);
  const auto end = sheet_->cells.begin() + static_cast<std::ptrdiff_t>(rowEnd_);
  const auto cell = std::lower_bound(begin, end, column, [](const Cell& c, std::uint16_t col) { return c.column < col; });
  if (cell == end || cell->column != column) return true;
  if (cell->kind == CellKind::SharedText) {
    text.assign(sheet_->sharedStrings->at(cell->text));  // the common case, without the detour
  } else {
    static const std::string separator = ansi::userDecimalSeparator();
    assignFieldText(sheet_->value(*cell), text, separator);
  }
  return true;
}

void RecordSet::close() {
  sheet_.reset();
  recordCount_ = current_ = rowBegin_ = rowEnd_ = 0;
}

}  // namespace qd
