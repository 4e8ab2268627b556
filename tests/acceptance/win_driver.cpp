#include "win_driver.h"

#include <cstdio>
#include <vector>

#include "toolkit/win32/grid_control.h"

namespace qd::driver {

HWND waitFor(const std::function<HWND()>& probe, int ms) {
  for (int waited = 0;; waited += 50) {
    if (HWND w = probe()) return w;
    if (waited >= ms) return nullptr;
    Sleep(50);
  }
}

std::string textOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 30000, &length)) return {};
  std::vector<char> buffer(length + 2, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL, 30000,
                      &copied);
  return std::string(buffer.data());
}

void setText(HWND window, const std::string& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 30000, &result);
}

void settle(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
}

namespace {
struct Search {
  DWORD processId;
  const char* className;
  std::string caption;
  bool visibleOnly;
  HWND found = nullptr;
};

BOOL CALLBACK match(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[64] = {0};
  GetClassNameA(w, cls, sizeof cls);
  if (pid != s->processId || lstrcmpA(cls, s->className) != 0) return TRUE;
  if (s->visibleOnly && !IsWindowVisible(w)) return TRUE;
  if (!s->caption.empty() && textOf(w) != s->caption) return TRUE;
  s->found = w;
  return FALSE;
}
}  // namespace

HWND messageBoxOf(DWORD processId) {
  Search s{processId, "#32770", {}, true};
  EnumWindows(match, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::string messageText(HWND box) { return textOf(GetDlgItem(box, 0xFFFF)); }

void pressOk(HWND box) {
  HWND ok = GetDlgItem(box, IDOK);
  if (ok == nullptr) ok = GetDlgItem(box, IDCANCEL);
  PostMessageA(ok, BM_CLICK, 0, 0);
}

HWND topWindow(DWORD processId, const char* className, const std::string& caption) {
  Search s{processId, className, caption, false};
  EnumWindows(match, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::string gridCell(HWND grid, int row, int column) {
  DWORD_PTR inside = 0;
  SendMessageTimeoutA(grid, kGridSelectCellForText, static_cast<WPARAM>(row), column, SMTO_NORMAL, 30000, &inside);
  return inside ? textOf(grid) : std::string("<outside>");
}

int gridRows(HWND grid) {
  DWORD_PTR rows = 0;
  SendMessageTimeoutA(grid, kGridGetRowCount, 0, 0, SMTO_NORMAL, 30000, &rows);
  return static_cast<int>(rows);
}

RECT placeInParent(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool startProgram(const std::string& exe, const std::string& folder, PROCESS_INFORMATION& process) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::string commandLine = "\"" + exe + "\"";
  return CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &process) != 0;
}

std::string click(HWND control, DWORD processId) {
  PostMessageA(control, BM_CLICK, 0, 0);
  Sleep(30);                  // the idle program takes the posted click first ...
  settle(GetParent(control)); // ... and answers this once it is handled or a message box is up
  HWND box = waitFor([&] { return messageBoxOf(processId); }, 150);
  if (box == nullptr) return {};
  const std::string text = messageText(box) + "|" + textOf(box);
  pressOk(box);
  waitFor([&] { return IsWindow(box) ? nullptr : control; }, 5000);
  settle(GetParent(control));
  return text;
}

void pressAndRelease(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(control, WM_LBUTTONUP, 0, at);
}

DWORD exitCodeAfter(HANDLE process, int ms) {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process, static_cast<DWORD>(ms)) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
  return code;
}

namespace {
int passedChecks = 0, failedChecks = 0;
}  // namespace

void check(bool ok, const std::string& what) {
  ++(ok ? passedChecks : failedChecks);
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
  std::fflush(stdout);
}

int finishChecks() {
  std::printf("%d passed, %d failed\n", passedChecks, failedChecks);
  return failedChecks == 0 ? 0 : 1;
}

std::string utf8(const std::string& ansi) {
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  const int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(m), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, out.data(), m, nullptr, nullptr);
  return out;
}

}  // namespace qd::driver
