#pragma once
// The grid control: a window class that paints a GridModel. Painting costs
// O(visible cells) whatever the row count; the vertical scroll position
// counts whole rows. The user scrolls with the bars, the wheel and the
// keys, selects whole rows with a click, and drags the dividers of the
// fixed row and column to change widths and heights. No editing.
//
// Other processes (the acceptance tests) read cells with two messages:
//   kGridSelectCellForText (wParam row, lParam column): 1 when the cell is
//     inside the grid, else 0; WM_GETTEXT and WM_GETTEXTLENGTH then give
//     that cell's text.
//   kGridGetRowCount, kGridGetColumnCount: the counts.
//   kGridGetColumnWidth (wParam column), kGridGetRowHeight (wParam row).
//   kGridGetSelectedRow: the selected row, or -1.
#include <windows.h>

#include "toolkit/grid_model.h"

namespace qd {

constexpr UINT kGridSelectCellForText = WM_APP + 0x100;
constexpr UINT kGridGetRowCount = WM_APP + 0x101;
constexpr UINT kGridGetColumnCount = WM_APP + 0x102;
constexpr UINT kGridGetColumnWidth = WM_APP + 0x103;
constexpr UINT kGridGetRowHeight = WM_APP + 0x104;
constexpr UINT kGridGetSelectedRow = WM_APP + 0x105;

constexpr char kGridClassName[] = "QuestionDrillGrid";

bool registerGridControl(HINSTANCE instance);

// Creates a grid child window showing `model`, which must outlive it.
HWND createGridControl(HWND parent, int id, GridModel& model, HINSTANCE instance);

// After the model changed: scroll ranges and a repaint.
void refreshGridControl(HWND grid);

}  // namespace qd
