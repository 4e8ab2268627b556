// Acceptance test of the table window: starts the real program as a user
// would and checks it from outside, through window messages.
//   table_window_acceptance PROGRAM_FOLDER FIXTURES_FOLDER
// PROGRAM_FOLDER holds QuestionDrill.exe and 数据库.xls.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/ui_texts.h"
#include "table/run_directory.h"
#include "table/table_control_ids.h"
#include "table/table_layout.h"
#include "text/text_to_integer.h"
#include "toolkit/win32/grid_control.h"
#include "win_driver.h"
#include "workbook_records.h"

using namespace qd::driver;
namespace ids = qd::table_ids;

namespace {

// The records of a workbook as the import should put them into the grid.
std::vector<std::vector<std::string>> expectedRows(const std::string& path) {
  auto rows = workbookRecords(path);
  for (auto& row : rows) row[0] = std::to_string(qd::textToInteger(row[0]));
  return rows;
}

bool gridHolds(HWND grid, int firstRow, const std::vector<std::vector<std::string>>& rows) {
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 4; ++c)
      if (gridCell(grid, firstRow + static_cast<int>(r), c) != rows[r][static_cast<std::size_t>(c)]) return false;
  return true;
}

class RecordingPlacer : public qd::ControlPlacer {
 public:
  void move(qd::TableControl c, const qd::ControlPlace& p) override { places[c] = p; }
  qd::ControlPlace place(qd::TableControl c) override { return places[c]; }
  std::map<qd::TableControl, qd::ControlPlace> places;
};

bool laidOut(HWND table) {
  RECT client;
  GetClientRect(table, &client);
  RecordingPlacer expected;
  qd::layOutTableWindow(client.right, client.bottom, expected);
  const std::pair<qd::TableControl, int> controls[] = {
      {qd::TableControl::Label, ids::kLabel},         {qd::TableControl::PathBox, ids::kPathBox},
      {qd::TableControl::BrowseButton, ids::kBrowseButton}, {qd::TableControl::ReadButton, ids::kReadButton},
      {qd::TableControl::Grid, ids::kGrid},           {qd::TableControl::ProgressBar, ids::kProgressBar},
      {qd::TableControl::StartButton, ids::kStartButton},
  };
  bool ok = true;
  for (auto [control, id] : controls) {
    const RECT r = placeInParent(GetDlgItem(table, id));
    const qd::ControlPlace want = expected.places[control];
    if (r.left != want.left || r.top != want.top || r.right - r.left != want.width || r.bottom - r.top != want.height) {
      std::printf("  control %d at %ld,%ld %ldx%ld, expected %d,%d %dx%d\n", id, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, want.left, want.top, want.width, want.height);
      ok = false;
    }
  }
  return ok;
}

// Presses 读取 with `path` in the path box; the message shown, if any, is
// dismissed and returned.
std::string readWorkbook(HWND table, DWORD pid, const std::string& path) {
  setText(GetDlgItem(table, ids::kPathBox), path);
  PostMessageA(GetDlgItem(table, ids::kReadButton), BM_CLICK, 0, 0);
  Sleep(100);      // the idle program takes the posted click first ...
  settle(table);   // ... and answers this when the import is over or a message is up
  HWND box = waitFor([&] { return messageBoxOf(pid); }, 500);
  if (box == nullptr) return {};
  const std::string text = messageText(box) + "|" + textOf(box);
  pressOk(box);
  waitFor([&] { return messageBoxOf(pid) ? nullptr : table; }, 5000);
  return text;
}

// The dialog's file name box: the edit of the combo box 0x47C in the
// Explorer-style dialog, else the first edit box inside it.
HWND fileNameBox(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, 0x47C))
    if (HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr)) return edit;
  HWND found = nullptr;
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM lp) -> BOOL {
        char cls[32] = {0};
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpiA(cls, "Edit") != 0 || !IsWindowVisible(w)) return TRUE;
        *reinterpret_cast<HWND*>(lp) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: table_window_acceptance PROGRAM_FOLDER FIXTURES_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1], fixtures = argv[2];
  const std::string program = folder + "\\QuestionDrill.exe";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string commandLine = "\"" + program + "\"";
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
    std::printf("FAILED: cannot start %s\n", program.c_str());
    return 1;
  }
  const DWORD pid = pi.dwProcessId;

  HWND table = waitFor([&] { return topWindow(pid, ids::kWindowClass); }, 20000);
  check(table != nullptr, "the table window is created");
  if (table == nullptr) return 1;
  // The table window is found while its creation runs; its set-up is over
  // once it has loaded the quiz window.
  waitFor([&] { return topWindow(pid, "QuestionDrillQuizWindow"); }, 20000);
  settle(table);
  HWND grid = GetDlgItem(table, ids::kGrid);
  Sleep(500);
  check(WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT, "the program stays up");
  check(!IsWindowVisible(table), "the table window is hidden at start");
  check(textOf(table) == qd::text::kTableWindowCaption, "its caption is 表读取");

  const auto sample = expectedRows(folder + qd::text::kDefaultWorkbookName);
  check(!sample.empty() && gridRows(grid) == 1 + static_cast<int>(sample.size()), "the grid holds the sample's records");
  check(gridCell(grid, 0, 0) == qd::text::kHeaderQuestion && gridCell(grid, 0, 1) == qd::text::kHeaderAnswer &&
            gridCell(grid, 0, 2) == qd::text::kHeaderAnswer2 && gridCell(grid, 0, 3).empty(),
        "the header row reads 问题 答案 答案2");
  check(gridHolds(grid, 1, sample), "every sample record stands in its grid row");
  check(textOf(GetDlgItem(table, ids::kPathBox)) == folder + qd::text::kDefaultWorkbookName,
        "the path box names the default workbook");

  ShowWindow(table, SW_SHOWNORMAL);
  settle(table);
  check(IsWindowVisible(table) && laidOut(table), "shown, the controls stand where the layout puts them");
  SetWindowPos(table, nullptr, 0, 0, 760, 560, SWP_NOMOVE | SWP_NOZORDER);
  settle(table);
  check(laidOut(table), "after a resize the controls follow");
  ShowWindow(table, SW_MINIMIZE);
  settle(table);
  ShowWindow(table, SW_RESTORE);
  settle(table);
  check(laidOut(table), "after minimise and restore the controls are back in place");

  // The grid: a click selects a whole row, the keys move it a page, the
  // dividers of the fixed row and column can be dragged.
  auto gridValue = [&](UINT message, WPARAM wp) {
    DWORD_PTR value = 0;
    SendMessageTimeoutA(grid, message, wp, 0, SMTO_NORMAL, 30000, &value);
    return static_cast<int>(static_cast<LRESULT>(value));
  };
  auto mouse = [&](UINT message, int x, int y) {
    SendMessageTimeoutA(grid, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y), SMTO_NORMAL, 30000,
                        nullptr);
  };
  mouse(WM_LBUTTONDOWN, 120 + 50, 24 * 3 + 10);  // column 1 of the third data row on screen
  mouse(WM_LBUTTONUP, 120 + 50, 24 * 3 + 10);
  check(gridValue(qd::kGridGetSelectedRow, 0) == 3, "a click on a data cell selects its row");
  SendMessageTimeoutA(grid, WM_KEYDOWN, VK_NEXT, 0, SMTO_NORMAL, 30000, nullptr);
  const int paged = gridValue(qd::kGridGetSelectedRow, 0);
  SendMessageTimeoutA(grid, WM_KEYDOWN, VK_HOME, 0, SMTO_NORMAL, 30000, nullptr);
  check(paged > 3 + 5 && gridValue(qd::kGridGetSelectedRow, 0) == 1, "Page Down and Home move the selection");
  mouse(WM_LBUTTONDOWN, 320, 10);  // the divider after column 1, in the header row
  mouse(WM_MOUSEMOVE, 350, 10);
  mouse(WM_LBUTTONUP, 350, 10);
  mouse(WM_LBUTTONDOWN, 60, 48);  // the divider below the first data row, in the fixed column
  mouse(WM_MOUSEMOVE, 60, 58);
  mouse(WM_LBUTTONUP, 60, 58);
  check(gridValue(qd::kGridGetColumnWidth, 1) == 230 && gridValue(qd::kGridGetRowHeight, 1) == 34 &&
            gridValue(qd::kGridGetRowHeight, 2) == 24,
        "dragging the dividers widens a column and heightens a row");

  int rows = gridRows(grid);
  const std::string askForPath = std::string(qd::text::kEnterWorkbookPath) + "|" + qd::text::kInformationTitle;
  check(readWorkbook(table, pid, "") == askForPath && gridRows(grid) == rows, "an empty path asks for one");
  check(readWorkbook(table, pid, "   ") == askForPath && gridRows(grid) == rows, "a path of spaces asks for one");

  const std::string bank = fixtures + "\\lo_question_bank.xls";
  const auto bankRows = expectedRows(bank);
  check(readWorkbook(table, pid, "  " + bank + " ").empty() && gridRows(grid) == rows + static_cast<int>(bankRows.size()) &&
            gridHolds(grid, rows, bankRows),
        "读取 appends the records of the workbook typed");
  rows = gridRows(grid);
  for (const char* name : {"no_such_file.xls", "", "not_ole2.xls", "no_sheet1.xls", "encrypted.xls"}) {
    const std::string path = fixtures + "\\" + name;
    check(readWorkbook(table, pid, path).empty() && gridRows(grid) == rows,
          std::string("nothing added and nothing shown for ") + (*name ? name : "a folder"));
  }

  PostMessageA(GetDlgItem(table, ids::kBrowseButton), BM_CLICK, 0, 0);
  HWND dialog = waitFor([&] { return topWindow(pid, "#32770", qd::text::kBrowseTitle); }, 10000);
  check(dialog != nullptr, "浏览... opens the dialog 数据表格导出Excel");
  if (dialog != nullptr) {
    HWND edit = fileNameBox(dialog);
    setText(edit, bank);
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    const bool closed = waitFor([&] { return IsWindow(dialog) ? nullptr : table; }, 10000) != nullptr;
    settle(table);
    if (!closed || textOf(GetDlgItem(table, ids::kPathBox)) != bank)
      std::printf("  file name box %p, dialog closed %d, path box now %s\n", static_cast<void*>(edit), closed,
                  utf8(textOf(GetDlgItem(table, ids::kPathBox))).c_str());
    check(textOf(GetDlgItem(table, ids::kPathBox)) == bank && gridRows(grid) == rows,
          "a confirmed file fills the path box and imports nothing");
  }

  PostMessageA(table, WM_SYSCOMMAND, SC_CLOSE, 0);
  settle(table);
  Sleep(300);
  check(IsWindow(table) && !IsWindowVisible(table) && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT,
        "the close box hides the table window and the program keeps running");

  // The program ends when its quiz window is closed, with exit code 0.
  HWND quiz = topWindow(pid, "QuestionDrillQuizWindow");
  PostMessageA(quiz, WM_SYSCOMMAND, SC_CLOSE, 0);
  check(quiz != nullptr && exitCodeAfter(pi.hProcess, 10000) == 0, "ending the program leaves exit code 0");
  if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
  return finishChecks();
}
