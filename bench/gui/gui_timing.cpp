// Times the running program as a user meets it: pressing 读取 on a large
// workbook until the grid has been repainted, and paging through the grid.
//   gui_timing PROGRAM_FOLDER WORKBOOK [RUNS]
// Prints the figures of each run; several runs show the machine's noise.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "table/table_control_ids.h"
#include "win_driver.h"

using namespace qd::driver;
namespace ids = qd::table_ids;

namespace {

double now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: gui_timing PROGRAM_FOLDER WORKBOOK [RUNS]\n");
    return 2;
  }
  const std::string folder = argv[1], workbook = argv[2];
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
  const std::string program = folder + "\\QuestionDrill.exe";
  for (int run = 1; run <= runs; ++run) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string commandLine = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi))
      return 1;
    HWND table = waitFor([&] { return topWindow(pi.dwProcessId, ids::kWindowClass); }, 20000);
    if (table == nullptr) return 1;
    settle(table);
    ShowWindow(table, SW_SHOWNORMAL);
    SetWindowPos(table, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
    settle(table);
    HWND grid = GetDlgItem(table, ids::kGrid);
    const int before = gridRows(grid);
    setText(GetDlgItem(table, ids::kPathBox), workbook);

    // The import runs inside the click and repaints the grid before it ends.
    // A message sent to the grid is answered before the posted click when
    // the program is idle, and only after the click's handler has returned
    // once it is busy: the first answer with more rows marks the end.
    const double start = now();
    PostMessageA(GetDlgItem(table, ids::kReadButton), BM_CLICK, 0, 0);
    int rows = before;
    while ((rows = gridRows(grid)) == before && now() - start < 60) {
    }
    const double importSeconds = now() - start;
    const int added = rows - before;

    std::vector<double> pages;
    for (int i = 0; i < 200; ++i) {
      const double t = now();
      SendMessageA(grid, WM_VSCROLL, i < 100 ? SB_PAGEDOWN : SB_PAGEUP, 0);
      RedrawWindow(grid, nullptr, nullptr, RDW_UPDATENOW);
      pages.push_back(now() - t);
    }
    std::vector<double> trips, repaints;
    for (int i = 0; i < 50; ++i) {
      double t0 = now();
      SendMessageA(grid, WM_NULL, 0, 0);
      trips.push_back(now() - t0);
      t0 = now();
      RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      repaints.push_back(now() - t0);
    }
    std::printf("  a message to the grid and back: median %.2f ms; repainting the page in place: median %.2f ms\n",
                1000 * median(trips), 1000 * median(repaints));
    const double t = now();
    SendMessageA(grid, WM_VSCROLL, SB_BOTTOM, 0);
    RedrawWindow(grid, nullptr, nullptr, RDW_UPDATENOW);
    const double toEnd = now() - t;

    std::printf("run %d: %d records imported in %.3f s (click to repainted grid); page repaint median %.2f ms, max %.2f ms;"
                " jump to the last row %.2f ms\n",
                run, added, importSeconds, 1000 * median(pages), 1000 * *std::max_element(pages.begin(), pages.end()),
                1000 * toEnd);
    std::fflush(stdout);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  return 0;
}
