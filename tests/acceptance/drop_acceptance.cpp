// Acceptance test of dropping files on the table window: the real program
// under Wine, files dropped on it the way a file manager does (an X11 drag
// and drop, which Wine turns into WM_DROPFILES), checked from outside.
//   drop_acceptance PROGRAM_FOLDER FIXTURES_FOLDER DROP_TOOL SCRATCH_FOLDER
// DROP_TOOL is the Linux program that performs the drop; SCRATCH_FOLDER is a
// Unix path where the test makes the files it drops.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/ui_texts.h"
#include "quiz/quiz_control_ids.h"
#include "table/table_control_ids.h"
#include "text/ansi_codec.h"
#include "win_driver.h"
#include "workbook_records.h"

using namespace qd::driver;
namespace tids = qd::table_ids;
namespace qids = qd::quiz_ids;

namespace {

// Wine shows the Unix file system as drive Z:.
std::string windowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string readFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  char buffer[512];
  DWORD n = 0;
  ReadFile(file, buffer, sizeof buffer, &n, nullptr);
  CloseHandle(file);
  std::string text(buffer, n);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

struct Program {
  PROCESS_INFORMATION process{};
  HWND quiz = nullptr, table = nullptr, grid = nullptr, pathBox = nullptr;
  std::string dropTool, scratch;  // Unix paths

  HWND box() const { return messageBoxOf(process.dwProcessId); }
  int rows() const { return gridRows(grid); }

  // Drops the files (Unix paths, in this order) on the middle of the grid
  // and returns the drop tool's verdict: "ok" or "error: ...".
  std::string drop(const std::vector<std::string>& files) {
    const auto xWindow = reinterpret_cast<std::uintptr_t>(GetPropA(table, "__wine_x11_whole_window"));
    RECT r;
    GetWindowRect(grid, &r);
    const std::string result = scratch + "/drop-result";
    DeleteFileA(windowsPath(result).c_str());
    std::string command = windowsPath(dropTool) + " " + std::to_string(xWindow) + " " +
                          std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2) + " " +
                          result;
    for (const std::string& f : files) command += " " + f;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION tool{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &tool))
      return "error: the drop tool does not start";
    // Wine hands out no handle for a Linux program; close whatever came.
    if (tool.hProcess != nullptr) CloseHandle(tool.hProcess);
    if (tool.hThread != nullptr) CloseHandle(tool.hThread);
    // Wine gives no exit code for a Linux program; the tool writes its verdict.
    std::string verdict;
    for (int waited = 0; waited < 30000 && (verdict = readFile(windowsPath(result))).empty(); waited += 50) Sleep(50);
    return verdict.empty() ? "error: no verdict from the drop tool" : verdict;
  }

  // Waits until the grid has `count` rows; false after `ms`.
  bool waitForRows(int count, int ms = 20000) {
    return waitFor([&] { return rows() == count ? grid : nullptr; }, ms) != nullptr;
  }
};

// Makes a copy of a workbook (or any file) in the scratch folder.
std::string place(const Program& p, const std::string& source, const std::string& name) {
  const std::string unixPath = p.scratch + "/" + name;
  CopyFileA(source.c_str(), windowsPath(unixPath).c_str(), FALSE);
  return unixPath;
}

const std::string kRefused = qd::text::kDropWorkbookPlease;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: drop_acceptance PROGRAM_FOLDER FIXTURES_FOLDER DROP_TOOL SCRATCH_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1], fixtures = argv[2];
  Program p;
  p.dropTool = argv[3];
  p.scratch = argv[4];
  CreateDirectoryA(windowsPath(p.scratch).c_str(), nullptr);

  if (!startProgram(folder + "\\QuestionDrill.exe", folder, p.process)) {
    check(false, "the program starts");
    return finishChecks();
  }
  const DWORD pid = p.process.dwProcessId;
  p.quiz = waitFor([&] { return topWindow(pid, qids::kWindowClass); }, 20000);
  p.table = topWindow(pid, tids::kWindowClass);
  check(p.quiz != nullptr && p.table != nullptr, "the program starts with both windows");
  if (p.quiz == nullptr || p.table == nullptr) return finishChecks();
  p.grid = GetDlgItem(p.table, tids::kGrid);
  p.pathBox = GetDlgItem(p.table, tids::kPathBox);
  settle(p.table);

  // The user brings the table window up from the quiz window.
  pressAndRelease(GetDlgItem(p.quiz, qids::kSettingsLabel));
  check(waitFor([&] { return IsWindowVisible(p.table) ? p.table : nullptr; }, 5000) != nullptr,
        "the table window is shown");
  settle(p.table);

  // Three files in one drop: a.xls, b.txt, c.xls.
  const std::string textBook = fixtures + "\\text.xls", numbersBook = fixtures + "\\numbers.xls";
  const int textRows = static_cast<int>(workbookRecords(textBook).size());
  const int numberRows = static_cast<int>(workbookRecords(numbersBook).size());
  const std::string a = place(p, textBook, "a.xls");
  const std::string b = place(p, textBook, "b.txt");
  const std::string c = place(p, numbersBook, "c.xls");
  int rows = p.rows();
  check(p.drop({a, b, c}) == "ok", "a.xls, b.txt and c.xls are dropped in one drop");
  HWND box = waitFor([&] { return p.box(); }, 20000);
  check(box != nullptr && messageText(box) == kRefused && textOf(box) == qd::text::kInformationTitle,
        "b.txt is refused with 请拖入excel文件");
  check(p.rows() == rows + textRows && textOf(p.pathBox) == windowsPath(a),
        "a.xls was written to the path box and imported before the message");
  if (box != nullptr) pressOk(box);
  check(p.waitForRows(rows + textRows + numberRows), "c.xls is imported after the message is closed");
  check(textOf(p.pathBox) == windowsPath(c), "the path box ends on c.xls");
  Sleep(300);
  check(p.box() == nullptr, "one message for the drop");

  // Files with Chinese names; the shell hands them over in the ANSI code page.
  const std::string first = place(p, textBook, qd::ansi::fromUtf8("题库一.xls"));
  const std::string second = place(p, numbersBook, qd::ansi::fromUtf8("第二章.xls"));
  rows = p.rows();
  check(p.drop({first, second}) == "ok", "two workbooks with Chinese names are dropped");
  check(p.waitForRows(rows + textRows + numberRows), "both are imported");
  check(textOf(p.pathBox) == windowsPath(second), "the path box shows the Chinese name");

  // A name in capitals and a folder named like a workbook: the first is
  // refused, the second passes the test and imports nothing, silently.
  const std::string capitals = place(p, textBook, "CAPITALS.XLS");
  const std::string folderLikeBook = p.scratch + "/folder.xls";
  CreateDirectoryA(windowsPath(folderLikeBook).c_str(), nullptr);
  rows = p.rows();
  check(p.drop({capitals, folderLikeBook}) == "ok", "CAPITALS.XLS and a folder folder.xls are dropped");
  box = waitFor([&] { return p.box(); }, 20000);
  check(box != nullptr && messageText(box) == kRefused, "CAPITALS.XLS is refused");
  if (box != nullptr) pressOk(box);
  check(waitFor([&] { return textOf(p.pathBox) == windowsPath(folderLikeBook) ? p.pathBox : nullptr; }, 20000) !=
            nullptr,
        "the folder's path is written to the path box");
  settle(p.table);
  Sleep(300);
  check(p.rows() == rows && p.box() == nullptr, "the folder adds no rows and shows no message");

  // A hundred workbooks at once, imported one after the other.
  std::vector<std::string> hundred;
  for (int i = 1; i <= 100; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "book%03d.xls", i);
    hundred.push_back(place(p, textBook, name));
  }
  rows = p.rows();
  const auto started = std::chrono::steady_clock::now();
  check(p.drop(hundred) == "ok", "100 workbooks are dropped at once");
  const bool all = p.waitForRows(rows + 100 * textRows, 120000);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  check(all, "each of the 100 is imported");
  std::printf("  (100 workbooks of %d records dropped and imported in %.2f s)\n", textRows, seconds);
  check(textOf(p.pathBox) == windowsPath(hundred.back()) && p.box() == nullptr,
        "the path box ends on the last one, with no message");
  // Still responsive: 读取 imports the path box again.
  rows = p.rows();
  click(GetDlgItem(p.table, tids::kReadButton), pid);
  check(p.waitForRows(rows + textRows, 10000), "the window still answers: 读取 imports the last workbook again");

  // Ending the program: the quiz window closes, the table window goes with it.
  PostMessageA(p.quiz, WM_CLOSE, 0, 0);
  check(exitCodeAfter(p.process.hProcess, 15000) == 0, "the program ends with exit code 0");
  return finishChecks();
}
