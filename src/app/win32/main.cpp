// The program's entry: the shared quiz state, the table window (hidden;
// its created handler imports the default workbook and loads the quiz
// window), the message loop until the last window is gone, and the exit
// routine once after it.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/quiz_state.h"
#include "table/run_directory.h"
#include "quiz/win32/quiz_window.h"
#include "table/win32/file_drop_target.h"
#include "table/win32/table_window.h"
#include "toolkit/win32/dialogs.h"

namespace {

qd::QuizState quizState;

// The exit routine: releases the shared state, once. Destroying the drop
// target detaches it a second time, from a window that is gone, harmlessly.
void exitRoutine() {
  static bool ran = false;
  if (ran) return;
  ran = true;
  quizState.questionPool.release();
  qd::FileDropTarget::destroy(&qd::fileDropTarget);
}

void enterProgramFolder() {
  std::vector<char> path(32768);
  const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::string folder = qd::runDirectory(std::string(path.data(), n));
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // the root folder of a drive
  SetCurrentDirectoryA(folder.c_str());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  enterProgramFolder();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  qd::installFatalErrorBox();
  qd::fileDropTarget = new qd::FileDropTarget{};
  if (!qd::TableWindow::registerClass(instance) || !qd::QuizWindow::registerClass(instance)) return 1;

  static qd::TableWindow tableWindow(quizState);
  static qd::QuizWindow quizWindow(quizState, tableWindow.grid());
  tableWindow.setQuizWindow(&quizWindow);
  tableWindow.load(instance);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    HWND active = GetActiveWindow();
    if (active != nullptr && IsDialogMessageA(active, &msg)) continue;  // Tab moves between controls
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  exitRoutine();
  return 0;
}
