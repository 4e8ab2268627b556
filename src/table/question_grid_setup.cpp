#include "table/question_grid_setup.h"

#include "app/ui_texts.h"

namespace qd {

void loadQuestionGridForm(GridModel& grid, Rgb buttonFace) {
  grid.setDefaultColumnWidth(60);
  grid.setColours(buttonFace, {255, 255, 255}, {51, 153, 255}, {192, 96, 0});
}

void setUpQuestionGrid(GridModel& grid) {
  grid.setRowCount(1);
  grid.setColumnCount(5);
  grid.setFixedRows(1);
  grid.setFixedColumns(1);
  grid.setAllRowHeights(24);
  grid.setCell(0, 0, text::kHeaderQuestion);
  grid.setCell(0, 1, text::kHeaderAnswer);
  grid.setCell(0, 2, text::kHeaderAnswer2);
  grid.setColumnWidth(0, 120);
  grid.setColumnWidth(1, 200);
  grid.setAlternatingRows({255, 255, 255}, {231, 239, 231});
  grid.setAlignment(0, 0, grid.rowCount() - 1, grid.columnCount() - 1, CellAlignment::Centre);
}

}  // namespace qd
