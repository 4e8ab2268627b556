#pragma once
// The data of the grid control: rows of texts (row 0 the header), fixed
// rows and columns, sizes, cell alignment, and the colour rules applied
// when a cell is painted. Appending a row costs amortised O(1); nothing
// here ever walks all rows.
#include <cstdint>
#include <string>
#include <vector>

namespace qd {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

enum class CellAlignment : std::uint8_t { Left, Centre, Right };

class GridModel {
 public:
  GridModel();

  std::int32_t rowCount() const { return static_cast<std::int32_t>(rows_.size()); }
  std::int32_t columnCount() const { return columnCount_; }
  // Row counts below 1 are taken as 1: the header row always stays.
  void setRowCount(std::int32_t rows);
  void setColumnCount(std::int32_t columns);

  std::int32_t fixedRows() const { return fixedRows_; }
  std::int32_t fixedColumns() const { return fixedColumns_; }
  void setFixedRows(std::int32_t n) { fixedRows_ = n < 0 ? 0 : n; }
  void setFixedColumns(std::int32_t n) { fixedColumns_ = n < 0 ? 0 : n; }

  // Adds a row after the last one: empty cells, each aligned like the cell
  // above it, as high as row 0.
  void appendRow();

  // A cell's text, or null for a place outside the grid (not a text).
  const std::string* cell(std::int32_t row, std::int32_t column) const;
  // Sets a cell's text; false (and nothing done) outside the grid.
  bool setCell(std::int32_t row, std::int32_t column, std::string text);

  CellAlignment alignment(std::int32_t row, std::int32_t column) const;
  // Aligns the cells of a rectangle (clipped to the grid).
  void setAlignment(std::int32_t firstRow, std::int32_t firstColumn, std::int32_t lastRow, std::int32_t lastColumn,
                    CellAlignment alignment);

  std::int32_t rowHeight(std::int32_t row) const;
  void setRowHeight(std::int32_t row, std::int32_t height);
  void setAllRowHeights(std::int32_t height);
  std::int32_t columnWidth(std::int32_t column) const;
  // The width that columns added later get.
  void setDefaultColumnWidth(std::int32_t width) { defaultColumnWidth_ = width < 0 ? 0 : width; }
  void setColumnWidth(std::int32_t column, std::int32_t width);

  // Backgrounds: fixed cells the fixed colour; data cells by the
  // alternating rule when it is on (odd rows one colour, even rows the
  // other), else the data colour; a selected row the selection colour.
  void setAlternatingRows(Rgb odd, Rgb even);
  void setColours(Rgb fixedCell, Rgb dataCell, Rgb selection, Rgb gridLine);
  Rgb background(std::int32_t row, std::int32_t column) const;
  Rgb gridLineColour() const { return gridLine_; }

  // Whole-row selection: the selected data row, or -1.
  std::int32_t selectedRow() const { return selectedRow_; }
  void selectRow(std::int32_t row);

 private:
  struct Row {
    std::vector<std::string> texts;
    std::vector<CellAlignment> alignments;
    std::int32_t height = 0;
  };
  bool inside(std::int32_t row, std::int32_t column) const {
    return row >= 0 && column >= 0 && row < rowCount() && column < columnCount_;
  }
  Row newRow(const Row* above) const;

  std::vector<Row> rows_;
  std::vector<std::int32_t> columnWidths_;
  std::int32_t columnCount_ = 0;
  std::int32_t fixedRows_ = 0, fixedColumns_ = 0;
  std::int32_t defaultRowHeight_ = 24, defaultColumnWidth_ = 64;
  bool alternating_ = false;
  Rgb odd_{255, 255, 255}, even_{255, 255, 255};
  Rgb fixedCell_{240, 240, 240}, dataCell_{255, 255, 255}, selection_{51, 153, 255}, gridLine_{192, 192, 192};
  std::int32_t selectedRow_ = -1;
};

}  // namespace qd
