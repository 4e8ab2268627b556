#include "table/win32/table_window.h"

#include <commctrl.h>

#include <vector>

#include "app/ui_texts.h"
#include "quiz/win32/quiz_window.h"
#include "table/question_grid_setup.h"
#include "table/run_directory.h"
#include "table/win32/file_drop_target.h"
#include "table/win32/shell_extension.h"
#include "toolkit/win32/form.h"
#include "toolkit/win32/top_window.h"
#include "toolkit/win32/grid_control.h"

namespace qd {
namespace {

constexpr const char* kClassName = table_ids::kWindowClass;
constexpr int kOuterWidth = 567, kOuterHeight = 494;

// The form's controls; layOutTableWindow places them before the window is shown.
const ControlForm kControls[] = {
    {TableWindow::kLabel, ControlKind::Label, text::kWorkbookLabel, WS_VISIBLE | SS_RIGHT | SS_CENTERIMAGE, 0, 0, 0, 0, 0},
    {TableWindow::kPathBox, ControlKind::Edit, "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE, 0,
     0, 0, 0},
    {TableWindow::kBrowseButton, ControlKind::Button, text::kBrowseButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0,
     0, 0},
    {TableWindow::kReadButton, ControlKind::Button, text::kReadButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
     0},
    {TableWindow::kProgressBar, ControlKind::ProgressBar, "", WS_VISIBLE, 0, 0, 0, 0, 0},
    {TableWindow::kStartButton, ControlKind::Button, text::kStartButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0,
     0, 0},
};

int idOf(TableControl c) {
  switch (c) {
    case TableControl::Label: return TableWindow::kLabel;
    case TableControl::PathBox: return TableWindow::kPathBox;
    case TableControl::BrowseButton: return TableWindow::kBrowseButton;
    case TableControl::ReadButton: return TableWindow::kReadButton;
    case TableControl::Grid: return TableWindow::kGrid;
    case TableControl::ProgressBar: return TableWindow::kProgressBar;
    case TableControl::StartButton: return TableWindow::kStartButton;
  }
  return 0;
}

// The table window that dropped files go to; the drop callback is a plain
// routine of one argument.
TableWindow* dropWindow = nullptr;

// Takes its own copy of the name: the drop target's buffer is reused for
// the next file.
void onFileDropped(const char* name) {
  const std::string path(name);
  if (dropWindow != nullptr) qd::onFileDropped(path, *dropWindow);
}

std::string programPath() {
  std::vector<char> path(32768);
  const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  return std::string(path.data(), n);
}

}  // namespace

bool TableWindow::registerClass(HINSTANCE instance) {
  return registerTopWindowClass(instance, kClassName, objectWindowProc<TableWindow>) && registerGridControl(instance);
}

HWND TableWindow::load(HINSTANCE instance) {
  if (hwnd_ != nullptr) return hwnd_;
  instance_ = instance;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2;
  CreateWindowExA(0, kClassName, text::kTableWindowCaption,
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top,
                  kOuterWidth, kOuterHeight, nullptr, nullptr, instance, this);
  return hwnd_;
}

LRESULT TableWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      onCreate();
      return 0;
    case WM_SIZE:
      layOutTableWindow();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        switch (LOWORD(wp)) {
          case kBrowseButton: browseForWorkbook(); return 0;
          case kReadButton: runImport(); return 0;
          case kStartButton: startQuiz(); return 0;
          default: break;
        }
      }
      break;
    case WM_CLOSE:
      if (!tableWindowCanClose()) return 0;
      break;
    case kDestroyRequest:
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      tableWindowDestroyed();
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

void TableWindow::onCreate() {
  windowLoaded();
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  loadQuestionGridForm(grid_, {GetRValue(face), GetGValue(face), GetBValue(face)});
  createControls(hwnd_, kControls, instance_);
  createGridControl(hwnd_, kGrid, grid_, instance_);
  SetWindowPos(control(kGrid), control(kReadButton), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // after 读取 in the z-order
  SendMessageA(control(kProgressBar), PBM_SETRANGE32, 0, 100);
  SendMessageA(control(kProgressBar), PBM_SETPOS, static_cast<WPARAM>(progress_.shownPosition()), 0);
  browseDialog_.title = text::kBrowseTitle;
  browseDialog_.filter = text::kBrowseFilter;
  browseDialog_.defaultExtension = "xls";
  setUpTableWindow();
}

void TableWindow::setUpTableWindow() {
  dropWindow = this;
  FileDropTarget::attach(&fileDropTarget, hwnd_, onFileDropped);
  setUpQuestionGrid(grid_);
  refreshGridControl(control(kGrid));
  setProgressVisible(false);
  SetWindowTextA(control(kPathBox), defaultWorkbookPath(programPath()).c_str());
  runImport();
  if (quizWindow_ != nullptr) quizWindow_->load(instance_, hwnd_);
}

void TableWindow::runImport() { importWorkbook(*this, grid_, source_, state_); }

void TableWindow::layOutTableWindow() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  qd::layOutTableWindow(rc.right - rc.left, rc.bottom - rc.top, *this);
}

void TableWindow::browseForWorkbook() {
  if (browseDialog_.open(hwnd_)) SetWindowTextA(control(kPathBox), browseDialog_.fileName.c_str());
}

// The quiz window on screen again, restored when it was minimised.
void TableWindow::showQuizWindow() {
  if (quizWindow_ == nullptr || quizWindow_->handle() == nullptr) return;
  HWND quiz = quizWindow_->handle();
  ShowWindow(quiz, IsIconic(quiz) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(quiz);
}

void TableWindow::startQuiz() {
  if (quizWindow_ != nullptr) quizWindow_->load(instance_, hwnd_);
  ShowWindow(hwnd_, SW_HIDE);
  showQuizWindow();
}

bool TableWindow::tableWindowCanClose() {
  ShowWindow(hwnd_, SW_HIDE);
  showQuizWindow();
  return false;
}

void TableWindow::tableWindowDestroyed() { FileDropTarget::detach(&fileDropTarget); }

std::string TableWindow::extensionOf(const std::string& path) { return shellPathExtension(path); }

void TableWindow::setPathBoxText(const std::string& path) { SetWindowTextA(control(kPathBox), path.c_str()); }

std::string TableWindow::pathBoxText() {
  HWND box = control(kPathBox);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TableWindow::focusPathBox() { SetFocus(control(kPathBox)); }

void TableWindow::repaintGrid() {
  refreshGridControl(control(kGrid));
  UpdateWindow(control(kGrid));
}

void TableWindow::setProgressVisible(bool visible) { ShowWindow(control(kProgressBar), visible ? SW_SHOW : SW_HIDE); }

void TableWindow::setProgressPosition(std::int32_t position) {
  const std::int32_t shown = progress_.shownPosition();
  progress_.setPosition(position);
  if (progress_.shownPosition() != shown)
    SendMessageA(control(kProgressBar), PBM_SETPOS, static_cast<WPARAM>(progress_.shownPosition()), 0);
}

void TableWindow::move(TableControl c, const ControlPlace& p) {
  MoveWindow(control(idOf(c)), p.left, p.top, p.width, p.height, TRUE);
}

ControlPlace TableWindow::place(TableControl c) {
  HWND h = control(idOf(c));
  RECT r;
  GetWindowRect(h, &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace qd
