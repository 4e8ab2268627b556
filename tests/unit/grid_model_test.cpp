#include <gtest/gtest.h>

#include "app/ui_texts.h"
#include "gbk.h"
#include "table/question_grid_setup.h"
#include "toolkit/grid_model.h"
#include "toolkit/progress_bar_model.h"

using qd::CellAlignment;
using qd::GridModel;
using qd::Rgb;

TEST(QuestionGrid, IsSetUpWithItsHeaderColumnsAndFormats) {
  GridModel grid;
  qd::loadQuestionGridForm(grid, {212, 208, 200});
  grid.setColumnCount(3);
  grid.setRowCount(4);  // the form's empty rows go at set-up
  qd::setUpQuestionGrid(grid);
  EXPECT_EQ(grid.rowCount(), 1);
  EXPECT_EQ(grid.columnCount(), 5);
  EXPECT_EQ(grid.fixedRows(), 1);
  EXPECT_EQ(grid.fixedColumns(), 1);
  const std::vector<std::string> header{gbk("问题"), gbk("答案"), gbk("答案2"), "", ""};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(*grid.cell(0, c), header[static_cast<std::size_t>(c)]);
    EXPECT_EQ(grid.alignment(0, c), CellAlignment::Centre);
  }
  EXPECT_EQ(grid.rowHeight(0), 24);
  const std::vector<int> widths{120, 200, 60, 60, 60};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(grid.columnWidth(c), widths[static_cast<std::size_t>(c)]);
  EXPECT_EQ(grid.gridLineColour(), (Rgb{192, 96, 0}));
}

TEST(QuestionGrid, AppendedRowsTakeTheFormatAboveAndAreColouredByTheRule) {
  GridModel grid;
  qd::loadQuestionGridForm(grid, {212, 208, 200});
  qd::setUpQuestionGrid(grid);
  for (int i = 0; i < 3; ++i) grid.appendRow();
  EXPECT_EQ(grid.rowCount(), 4);
  for (int r = 1; r < 4; ++r) {
    EXPECT_EQ(grid.rowHeight(r), 24);
    for (int c = 0; c < 5; ++c) {
      EXPECT_EQ(grid.alignment(r, c), CellAlignment::Centre);
      EXPECT_EQ(*grid.cell(r, c), "");
    }
  }
  EXPECT_EQ(grid.background(1, 1), (Rgb{255, 255, 255}));  // odd rows white
  EXPECT_EQ(grid.background(2, 4), (Rgb{231, 239, 231}));  // even rows green-grey
  EXPECT_EQ(grid.background(2, 0), (Rgb{212, 208, 200}));  // the fixed column
  EXPECT_EQ(grid.background(0, 3), (Rgb{212, 208, 200}));  // the fixed row
  grid.selectRow(2);
  EXPECT_EQ(grid.background(2, 1), (Rgb{51, 153, 255}));
  grid.selectRow(0);  // the header cannot be selected
  EXPECT_EQ(grid.selectedRow(), -1);
}

TEST(QuestionGrid, PlacesOutsideTheGridAreNoTexts) {
  GridModel grid;
  qd::setUpQuestionGrid(grid);
  grid.appendRow();
  EXPECT_NE(grid.cell(1, 4), nullptr);
  for (auto [r, c] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 5}}) {
    EXPECT_EQ(grid.cell(r, c), nullptr) << r << "," << c;
    EXPECT_FALSE(grid.setCell(r, c, "x"));
  }
  grid.setRowCount(0);  // never below the header row
  EXPECT_EQ(grid.rowCount(), 1);
}

TEST(ProgressBarModel, KeepsWhatWasWrittenWithin0To32767AndShowsItInRange) {
  qd::ProgressBarModel bar(0, 100, 50);
  EXPECT_EQ(bar.position(), 50);
  bar.setPosition(150);
  EXPECT_EQ(bar.position(), 150);
  EXPECT_EQ(bar.shownPosition(), 100);
  bar.setPosition(40000);
  EXPECT_EQ(bar.position(), 32767);
  bar.setPosition(bar.position() + 1);
  EXPECT_EQ(bar.position(), 32767);
  bar.setPosition(-5);
  EXPECT_EQ(bar.position(), 0);
}
