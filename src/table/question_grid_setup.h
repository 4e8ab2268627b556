#pragma once
#include "toolkit/grid_model.h"

namespace qd {

// The grid's settings from the table window's form: columns 60 wide, the
// fixed cells in the system's button-face colour, brown grid lines, the
// selection in blue.
void loadQuestionGridForm(GridModel& grid, Rgb buttonFace);

// The grid as the table window sets it up: the header row alone, five
// columns, fixed row and column, rows 24 high, the header texts, column
// widths, alternating row colours and centred texts.
void setUpQuestionGrid(GridModel& grid);

}  // namespace qd
