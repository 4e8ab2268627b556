#include "toolkit/win32/grid_control.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace qd {
namespace {

constexpr int kDividerGrip = 3;  // pixels either side of a divider that grab it

struct GridWindow {
  GridModel* model = nullptr;
  int firstRow = 1;       // the first data row on screen, below the fixed rows
  int scrollX = 0;        // pixels of the scrollable columns scrolled away
  int readRow = -1, readColumn = -1;  // the cell WM_GETTEXT reads
  enum class Drag { None, Column, Row } drag = Drag::None;
  int dragIndex = 0, dragOrigin = 0, dragStartSize = 0;
};

GridWindow* stateOf(HWND hwnd) { return reinterpret_cast<GridWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

COLORREF colour(Rgb c) { return RGB(c.red, c.green, c.blue); }

int fixedRowsHeight(const GridModel& m) {
  int h = 0;
  for (int r = 0; r < std::min(m.fixedRows(), m.rowCount()); ++r) h += m.rowHeight(r);
  return h;
}

int fixedColumnsWidth(const GridModel& m) {
  int w = 0;
  for (int c = 0; c < std::min(m.fixedColumns(), m.columnCount()); ++c) w += m.columnWidth(c);
  return w;
}

int scrollableWidth(const GridModel& m) {
  int w = 0;
  for (int c = m.fixedColumns(); c < m.columnCount(); ++c) w += m.columnWidth(c);
  return w;
}

// Data rows that fit below the fixed rows from `first` on.
int rowsThatFit(const GridModel& m, int first, int clientHeight) {
  int y = fixedRowsHeight(m), n = 0;
  for (int r = first; r < m.rowCount() && y < clientHeight; ++r, ++n) y += std::max(m.rowHeight(r), 1);
  return std::max(n, 1);
}

int firstDataRow(const GridModel& m) { return std::max(m.fixedRows(), 0); }

int lastFirstRow(const GridModel& m, int clientHeight) {
  // The first row that shows the last row at the bottom.
  int y = clientHeight - fixedRowsHeight(m);
  int r = m.rowCount() - 1;
  while (r > firstDataRow(m) && y - std::max(m.rowHeight(r), 1) >= 0) y -= std::max(m.rowHeight(r--), 1);
  return std::max(r + (y < 0 ? 1 : 0), firstDataRow(m));
}

void updateScrollBars(HWND hwnd, GridWindow& g) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  const GridModel& m = *g.model;
  const int dataRows = std::max(m.rowCount() - firstDataRow(m), 0);
  g.firstRow = std::clamp(g.firstRow, firstDataRow(m), std::max(firstDataRow(m), m.rowCount() - 1));
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  si.nMax = std::max(dataRows - 1, 0);
  si.nPage = static_cast<UINT>(rowsThatFit(m, g.firstRow, rc.bottom));
  si.nPos = g.firstRow - firstDataRow(m);
  SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
  const int visibleWidth = std::max<int>(rc.right - fixedColumnsWidth(m), 0);
  g.scrollX = std::clamp(g.scrollX, 0, std::max(scrollableWidth(m) - visibleWidth, 0));
  si.nMax = std::max(scrollableWidth(m) - 1, 0);
  si.nPage = static_cast<UINT>(visibleWidth);
  si.nPos = g.scrollX;
  SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
}

// Left edge on screen of column c.
int columnLeft(const GridModel& m, const GridWindow& g, int c) {
  int x = 0;
  for (int k = 0; k < c; ++k) x += m.columnWidth(k);
  return c < m.fixedColumns() ? x : x - g.scrollX;
}

// Brushes made once per paint, one per colour met.
class BrushCache {
 public:
  ~BrushCache() {
    for (auto& [c, brush] : brushes_) DeleteObject(brush);
  }
  HBRUSH operator()(Rgb c) {
    for (auto& [colourOf, brush] : brushes_)
      if (colourOf == c) return brush;
    brushes_.push_back({c, CreateSolidBrush(colour(c))});
    return brushes_.back().second;
  }

 private:
  std::vector<std::pair<Rgb, HBRUSH>> brushes_;
};

void paintCell(HDC dc, const GridModel& m, int row, int column, const RECT& cell, BrushCache& brushes) {
  FillRect(dc, &cell, brushes(m.background(row, column)));
  // The cell's right and bottom grid lines.
  RECT line{cell.right - 1, cell.top, cell.right, cell.bottom};
  FillRect(dc, &line, brushes(m.gridLineColour()));
  line = {cell.left, cell.bottom - 1, cell.right, cell.bottom};
  FillRect(dc, &line, brushes(m.gridLineColour()));
  const std::string* text = m.cell(row, column);
  if (text == nullptr || text->empty()) return;
  RECT inner{cell.left + 2, cell.top, cell.right - 3, cell.bottom - 1};
  UINT align = DT_LEFT;
  if (m.alignment(row, column) == CellAlignment::Centre) align = DT_CENTER;
  if (m.alignment(row, column) == CellAlignment::Right) align = DT_RIGHT;
  DrawTextA(dc, text->c_str(), static_cast<int>(text->size()), &inner,
            align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// Paints the visible cells into an off-screen bitmap and shows it at once:
// one transfer to the screen instead of one for every cell.
void onPaint(HWND hwnd, GridWindow& g) {
  PAINTSTRUCT ps;
  HDC screen = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max<LONG>(rc.right, 1), std::max<LONG>(rc.bottom, 1));
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
  BrushCache brushes;
  const GridModel& m = *g.model;
  const int fixedHeight = fixedRowsHeight(m), fixedWidth = fixedColumnsWidth(m);
  // Rows on screen: the fixed rows, then data rows from firstRow while they show.
  int y = 0;
  auto paintRow = [&](int row) {
    const int height = m.rowHeight(row);
    if (height <= 0) return;
    for (int c = 0; c < m.columnCount(); ++c) {
      const int left = columnLeft(m, g, c), width = m.columnWidth(c);
      if (width <= 0 || left >= rc.right || left + width <= 0) continue;
      RECT cell{left, y, left + width, y + height};
      if (c >= m.fixedColumns()) cell.left = std::max<LONG>(cell.left, fixedWidth);
      if (cell.left < cell.right) paintCell(dc, m, row, c, cell, brushes);
    }
    y += height;
  };
  for (int r = 0; r < std::min(m.fixedRows(), m.rowCount()); ++r) paintRow(r);
  y = std::max(y, fixedHeight);
  for (int r = g.firstRow; r < m.rowCount() && y < rc.bottom; ++r) paintRow(r);
  BitBlt(screen, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(hwnd, &ps);
}

constexpr UINT_PTR kThumbTimer = 1;

// Scrolling repaints the cells at once; the thumb, whose drawing costs more
// than a page of cells, follows a moment later, once per burst of scrolling.
void scrollToRow(HWND hwnd, GridWindow& g, int first) {
  if (first == g.firstRow) return;
  g.firstRow = first;
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, g.firstRow - firstDataRow(*g.model), 0};
  SetScrollInfo(hwnd, SB_VERT, &si, FALSE);
  InvalidateRect(hwnd, nullptr, FALSE);
  SetTimer(hwnd, kThumbTimer, 30, nullptr);
}

void redrawThumb(HWND hwnd, GridWindow& g) {
  KillTimer(hwnd, kThumbTimer);
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, g.firstRow - firstDataRow(*g.model), 0};
  SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void onVScroll(HWND hwnd, GridWindow& g, int code) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  const int page = rowsThatFit(*g.model, g.firstRow, rc.bottom);
  SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd, SB_VERT, &si);
  int first = g.firstRow;
  switch (code) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_TOP: first = 0; break;
    case SB_BOTTOM: first = g.model->rowCount(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: first = firstDataRow(*g.model) + si.nTrackPos; break;
    default: return;
  }
  scrollToRow(hwnd, g, std::clamp(first, firstDataRow(*g.model), lastFirstRow(*g.model, rc.bottom)));
}

void onHScroll(HWND hwnd, GridWindow& g, int code) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd, SB_HORZ, &si);
  int x = g.scrollX;
  switch (code) {
    case SB_LINELEFT: x -= 20; break;
    case SB_LINERIGHT: x += 20; break;
    case SB_PAGELEFT: x -= rc.right / 2; break;
    case SB_PAGERIGHT: x += rc.right / 2; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: x = si.nTrackPos; break;
    default: return;
  }
  g.scrollX = x;
  updateScrollBars(hwnd, g);
  InvalidateRect(hwnd, nullptr, FALSE);
}

// The row and column under a point, or -1.
void hitTest(const GridModel& m, const GridWindow& g, int x, int y, int& row, int& column) {
  row = column = -1;
  int top = 0;
  for (int r = 0; r < std::min(m.fixedRows(), m.rowCount()) && row < 0; ++r) {
    if (y >= top && y < top + m.rowHeight(r)) row = r;
    top += m.rowHeight(r);
  }
  for (int r = g.firstRow; r < m.rowCount() && row < 0 && top <= y; ++r) {
    if (y >= top && y < top + m.rowHeight(r)) row = r;
    top += m.rowHeight(r);
  }
  for (int c = 0; c < m.columnCount(); ++c) {
    const int left = columnLeft(m, g, c);
    if (x >= left && x < left + m.columnWidth(c) && (c < m.fixedColumns() || x >= fixedColumnsWidth(m))) column = c;
  }
}

// A divider under the point: a column's right edge in the fixed rows, or a
// row's bottom edge in the fixed columns.
bool dividerAt(const GridModel& m, const GridWindow& g, int x, int y, GridWindow::Drag& kind, int& index) {
  if (y < fixedRowsHeight(m)) {
    for (int c = 0; c < m.columnCount(); ++c) {
      const int edge = columnLeft(m, g, c) + m.columnWidth(c);
      if (std::abs(x - edge) <= kDividerGrip) return kind = GridWindow::Drag::Column, index = c, true;
    }
  }
  if (x < fixedColumnsWidth(m)) {
    int top = 0;
    for (int r = 0; r < std::min(m.fixedRows(), m.rowCount()); ++r) top += m.rowHeight(r);
    for (int r = g.firstRow; r < m.rowCount() && top <= y + kDividerGrip; ++r) {
      top += m.rowHeight(r);
      if (std::abs(y - top) <= kDividerGrip) return kind = GridWindow::Drag::Row, index = r, true;
    }
  }
  return false;
}

void onKey(HWND hwnd, GridWindow& g, WPARAM key) {
  GridModel& m = *g.model;
  RECT rc;
  GetClientRect(hwnd, &rc);
  const int page = rowsThatFit(m, g.firstRow, rc.bottom);
  int row = m.selectedRow() < 0 ? g.firstRow : m.selectedRow();
  switch (key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME: row = firstDataRow(m); break;
    case VK_END: row = m.rowCount() - 1; break;
    case VK_LEFT: onHScroll(hwnd, g, SB_LINELEFT); return;
    case VK_RIGHT: onHScroll(hwnd, g, SB_LINERIGHT); return;
    default: return;
  }
  row = std::clamp(row, firstDataRow(m), std::max(m.rowCount() - 1, firstDataRow(m)));
  if (row >= m.rowCount()) return;
  m.selectRow(row);
  int first = g.firstRow;
  if (row < first) first = row;
  while (row >= first + rowsThatFit(m, first, rc.bottom) - 1 && first < lastFirstRow(m, rc.bottom)) ++first;
  scrollToRow(hwnd, g, first);
}

LRESULT CALLBACK gridProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    auto* g = new GridWindow;
    g->model = static_cast<GridModel*>(cs->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(g));
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  GridWindow* g = stateOf(hwnd);
  if (g == nullptr) return DefWindowProcA(hwnd, msg, wp, lp);
  GridModel& m = *g->model;
  switch (msg) {
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      delete g;
      return 0;
    case WM_PAINT:
      onPaint(hwnd, *g);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // every pixel is painted in WM_PAINT
    case WM_SIZE:
      updateScrollBars(hwnd, *g);
      return 0;
    case WM_VSCROLL:
      onVScroll(hwnd, *g, LOWORD(wp));
      return 0;
    case WM_TIMER:
      if (wp == kThumbTimer) redrawThumb(hwnd, *g);
      return 0;
    case WM_HSCROLL:
      onHScroll(hwnd, *g, LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL: {
      const int lines = -GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * 3;
      for (int i = 0; i < std::abs(lines); ++i) onVScroll(hwnd, *g, lines > 0 ? SB_LINEDOWN : SB_LINEUP);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      onKey(hwnd, *g, wp);
      return 0;
    case WM_LBUTTONDOWN: {
      SetFocus(hwnd);
      const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
      GridWindow::Drag kind;
      int index = 0;
      if (dividerAt(m, *g, x, y, kind, index)) {
        g->drag = kind;
        g->dragIndex = index;
        g->dragOrigin = kind == GridWindow::Drag::Column ? x : y;
        g->dragStartSize = kind == GridWindow::Drag::Column ? m.columnWidth(index) : m.rowHeight(index);
        SetCapture(hwnd);
        return 0;
      }
      int row, column;
      hitTest(m, *g, x, y, row, column);
      if (row >= m.fixedRows() && column >= 0) {
        m.selectRow(row);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    }
    case WM_MOUSEMOVE: {
      const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
      if (g->drag != GridWindow::Drag::None) {
        const int size = g->dragStartSize + (g->drag == GridWindow::Drag::Column ? x : y) - g->dragOrigin;
        if (g->drag == GridWindow::Drag::Column) m.setColumnWidth(g->dragIndex, std::max(size, 0));
        else m.setRowHeight(g->dragIndex, std::max(size, 0));
        updateScrollBars(hwnd, *g);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    }
    case WM_LBUTTONUP:
      if (g->drag != GridWindow::Drag::None) {
        g->drag = GridWindow::Drag::None;
        ReleaseCapture();
      }
      return 0;
    case WM_SETCURSOR: {
      if (LOWORD(lp) == HTCLIENT) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(hwnd, &pt);
        GridWindow::Drag kind;
        int index;
        if (g->drag != GridWindow::Drag::None || dividerAt(m, *g, pt.x, pt.y, kind, index)) {
          const bool columns = g->drag == GridWindow::Drag::Column ||
                               (g->drag == GridWindow::Drag::None && kind == GridWindow::Drag::Column);
          SetCursor(LoadCursor(nullptr, columns ? IDC_SIZEWE : IDC_SIZENS));
          return TRUE;
        }
      }
      break;
    }
    case kGridSelectCellForText:
      g->readRow = static_cast<int>(wp);
      g->readColumn = static_cast<int>(lp);
      return m.cell(g->readRow, g->readColumn) != nullptr;
    case kGridGetRowCount:
      return m.rowCount();
    case kGridGetColumnCount:
      return m.columnCount();
    case kGridGetColumnWidth:
      return m.columnWidth(static_cast<int>(wp));
    case kGridGetRowHeight:
      return m.rowHeight(static_cast<int>(wp));
    case kGridGetSelectedRow:
      return m.selectedRow();
    case WM_GETTEXTLENGTH: {
      const std::string* text = m.cell(g->readRow, g->readColumn);
      return text ? static_cast<LRESULT>(text->size()) : 0;
    }
    case WM_GETTEXT: {
      const std::string* text = m.cell(g->readRow, g->readColumn);
      if (wp == 0) return 0;
      const std::size_t n = text ? std::min<std::size_t>(text->size(), wp - 1) : 0;
      char* out = reinterpret_cast<char*>(lp);
      if (n) std::memcpy(out, text->data(), n);
      out[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool registerGridControl(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = gridProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kGridClassName;
  return RegisterClassExA(&wc) != 0;
}

HWND createGridControl(HWND parent, int id, GridModel& model, HINSTANCE instance) {
  return CreateWindowExA(WS_EX_CLIENTEDGE, kGridClassName, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0,
                         0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, &model);
}

void refreshGridControl(HWND grid) {
  if (GridWindow* g = stateOf(grid)) updateScrollBars(grid, *g);
  InvalidateRect(grid, nullptr, FALSE);
}

}  // namespace qd
