#include "quiz/win32/quiz_window.h"

#include <commctrl.h>

#include "app/ui_texts.h"
#include "quiz/quiz_control_ids.h"
#include "toolkit/win32/dialogs.h"
#include "toolkit/win32/form.h"
#include "toolkit/win32/top_window.h"

namespace qd {
namespace {

constexpr int kOuterWidth = 533, kOuterHeight = 600;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_LEFT;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

namespace ids = quiz_ids;
const ControlForm kControls[] = {
    {ids::kQuestionLabel, ControlKind::Label, text::kHeaderQuestion, kLabel, 0, 26, 6, 112, 24},
    {ids::kQuestionBox, ControlKind::Edit, "", kEdit, WS_EX_CLIENTEDGE, 28, 32, 464, 104},
    {ids::kAnswerLabel, ControlKind::Label, text::kHeaderAnswer, kLabel, 0, 26, 139, 80, 24},
    {ids::kAnswerBox, ControlKind::Edit, "", kEdit, WS_EX_CLIENTEDGE, 28, 170, 464, 142},
    {ids::kSecondAnswerLabel, ControlKind::Label, text::kHeaderAnswer2, kLabel, 0, 32, 320, 80, 24},
    {ids::kSecondAnswerBox, ControlKind::Edit, "", kEdit, WS_EX_CLIENTEDGE, 28, 344, 464, 103},
    {ids::kNextButton, ControlKind::Button, text::kNextQuestionButton, kButton, 0, 32, 468, 124, 75},
    {ids::kAnswerButton, ControlKind::Button, text::kShowAnswerButton, kButton, 0, 176, 468, 120, 75},
    {ids::kSecondAnswerButton, ControlKind::Button, text::kHeaderAnswer2, kButton, 0, 320, 468, 68, 75},
    {ids::kAutoButton, ControlKind::Button, text::kAutoButton, kButton, 0, 408, 469, 96, 72},
    // SS_NOTIFY makes the labels take the mouse; their subclass acts on the release.
    {ids::kResetLabel, ControlKind::Label, text::kResetRoundLabel, kLabel | SS_NOTIFY, 0, 377, 8, 72, 24},
    {ids::kSettingsLabel, ControlKind::Label, text::kSettingsLabel, kLabel | SS_NOTIFY, 0, 464, 8, 48, 24},
};

}  // namespace

bool QuizWindow::registerClass(HINSTANCE instance) {
  return registerTopWindowClass(instance, ids::kWindowClass, objectWindowProc<QuizWindow>);
}

HWND QuizWindow::load(HINSTANCE instance, HWND tableWindow) {
  tableWindow_ = tableWindow;
  if (hwnd_ != nullptr) {
    if (IsIconic(hwnd_)) {
      ShowWindow(hwnd_, SW_RESTORE);
    } else {
      SetForegroundWindow(hwnd_);
    }
    return hwnd_;
  }
  instance_ = instance;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2;
  CreateWindowExA(0, ids::kWindowClass, text::kQuizWindowCaption,
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top, kOuterWidth,
                  kOuterHeight, nullptr, nullptr, instance, this);
  if (hwnd_ != nullptr) {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
  }
  return hwnd_;
}

LRESULT CALLBACK QuizWindow::labelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self) {
  if (msg == WM_LBUTTONUP) {
    auto* window = reinterpret_cast<QuizWindow*>(self);
    POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    RECT r;
    GetClientRect(hwnd, &r);
    if (PtInRect(&r, p)) {  // released over the label
      if (id == ids::kResetLabel) window->quiz_.resetRound();
      if (id == ids::kSettingsLabel) window->showTableWindow();
    }
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK QuizWindow::editProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  LRESULT code = DefSubclassProc(hwnd, msg, wp, lp);
  // Tab moves to the next control; Enter stays in the box.
  if (msg == WM_GETDLGCODE && lp != 0 && reinterpret_cast<MSG*>(lp)->message == WM_KEYDOWN &&
      reinterpret_cast<MSG*>(lp)->wParam == VK_TAB)
    code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  return code;
}

LRESULT QuizWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      onCreate();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        switch (LOWORD(wp)) {
          case ids::kNextButton: quiz_.drawNextQuestion(); return 0;
          case ids::kAnswerButton: quiz_.showAnswer(); return 0;
          case ids::kSecondAnswerButton: quiz_.showSecondAnswer(); return 0;
          case ids::kAutoButton: quiz_.autoStep(); return 0;
          default: break;
        }
      }
      break;
    case WM_DESTROY:
      quizWindowDestroyed();
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

void QuizWindow::onCreate() {
  windowLoaded();
  createControls(hwnd_, kControls, instance_);
  for (int id : {ids::kResetLabel, ids::kSettingsLabel})
    SetWindowSubclass(GetDlgItem(hwnd_, id), labelProc, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
  for (int id : {ids::kQuestionBox, ids::kAnswerBox, ids::kSecondAnswerBox})
    SetWindowSubclass(GetDlgItem(hwnd_, id), editProc, static_cast<UINT_PTR>(id), 0);
  quiz_.quizWindowCreated();
}

void QuizWindow::showTableWindow() {
  ShowWindow(tableWindow_, SW_SHOW);
  SetForegroundWindow(tableWindow_);
  ShowWindow(hwnd_, SW_HIDE);
}

void QuizWindow::quizWindowDestroyed() { PostMessageA(tableWindow_, kDestroyRequest, 0, 0); }

void QuizWindow::showInformation(const std::string& text) { showInformationMessage(text); }

void QuizWindow::setBox(int id, const std::string& text) { SetWindowTextA(GetDlgItem(hwnd_, id), text.c_str()); }

}  // namespace qd
