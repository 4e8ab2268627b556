#include "toolkit/grid_model.h"

#include <algorithm>

namespace qd {

GridModel::GridModel() { rows_.push_back(newRow(nullptr)); }

GridModel::Row GridModel::newRow(const Row* above) const {
  Row r;
  r.texts.resize(static_cast<std::size_t>(columnCount_));
  r.alignments.assign(static_cast<std::size_t>(columnCount_), CellAlignment::Left);
  if (above != nullptr) r.alignments = above->alignments;
  r.height = rows_.empty() ? defaultRowHeight_ : rows_[0].height;
  return r;
}

void GridModel::setRowCount(std::int32_t rows) {
  rows = std::max(rows, 1);
  if (rows < rowCount()) {
    rows_.resize(static_cast<std::size_t>(rows));
    if (selectedRow_ >= rows) selectedRow_ = -1;
  }
  while (rowCount() < rows) appendRow();
}

void GridModel::setColumnCount(std::int32_t columns) {
  columnCount_ = std::max(columns, 0);
  for (Row& r : rows_) {
    r.texts.resize(static_cast<std::size_t>(columnCount_));
    r.alignments.resize(static_cast<std::size_t>(columnCount_), CellAlignment::Left);
  }
  columnWidths_.resize(static_cast<std::size_t>(columnCount_), defaultColumnWidth_);
}

void GridModel::appendRow() { rows_.push_back(newRow(rows_.empty() ? nullptr : &rows_.back())); }

const std::string* GridModel::cell(std::int32_t row, std::int32_t column) const {
  if (!inside(row, column)) return nullptr;
  return &rows_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(column)];
}

bool GridModel::setCell(std::int32_t row, std::int32_t column, std::string text) {
  if (!inside(row, column)) return false;
  rows_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(column)] = std::move(text);
  return true;
}

CellAlignment GridModel::alignment(std::int32_t row, std::int32_t column) const {
  if (!inside(row, column)) return CellAlignment::Left;
  return rows_[static_cast<std::size_t>(row)].alignments[static_cast<std::size_t>(column)];
}

void GridModel::setAlignment(std::int32_t firstRow, std::int32_t firstColumn, std::int32_t lastRow,
                             std::int32_t lastColumn, CellAlignment a) {
  for (std::int32_t r = std::max(firstRow, 0); r <= std::min(lastRow, rowCount() - 1); ++r)
    for (std::int32_t c = std::max(firstColumn, 0); c <= std::min(lastColumn, columnCount_ - 1); ++c)
      rows_[static_cast<std::size_t>(r)].alignments[static_cast<std::size_t>(c)] = a;
}

std::int32_t GridModel::rowHeight(std::int32_t row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].height : 0;
}

void GridModel::setRowHeight(std::int32_t row, std::int32_t height) {
  if (row >= 0 && row < rowCount()) rows_[static_cast<std::size_t>(row)].height = std::max(height, 0);
}

void GridModel::setAllRowHeights(std::int32_t height) {
  defaultRowHeight_ = std::max(height, 0);
  for (Row& r : rows_) r.height = defaultRowHeight_;
}

std::int32_t GridModel::columnWidth(std::int32_t column) const {
  return column >= 0 && column < columnCount_ ? columnWidths_[static_cast<std::size_t>(column)] : 0;
}

void GridModel::setColumnWidth(std::int32_t column, std::int32_t width) {
  if (column >= 0 && column < columnCount_) columnWidths_[static_cast<std::size_t>(column)] = std::max(width, 0);
}

void GridModel::setAlternatingRows(Rgb odd, Rgb even) {
  alternating_ = true;
  odd_ = odd;
  even_ = even;
}

void GridModel::setColours(Rgb fixedCell, Rgb dataCell, Rgb selection, Rgb gridLine) {
  fixedCell_ = fixedCell;
  dataCell_ = dataCell;
  selection_ = selection;
  gridLine_ = gridLine;
}

Rgb GridModel::background(std::int32_t row, std::int32_t column) const {
  if (row < fixedRows_ || column < fixedColumns_) return fixedCell_;
  if (row == selectedRow_) return selection_;
  if (!alternating_) return dataCell_;
  return row % 2 == 1 ? odd_ : even_;
}

void GridModel::selectRow(std::int32_t row) { selectedRow_ = row >= fixedRows_ && row < rowCount() ? row : -1; }

}  // namespace qd
