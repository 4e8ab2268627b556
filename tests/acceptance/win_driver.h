#pragma once
// A small automation driver: uses the running program from another
// process as a person would, through window messages.
#include <windows.h>

#include <functional>
#include <string>

namespace qd::driver {

// Polls `probe` until it gives a window, for at most `ms` milliseconds.
HWND waitFor(const std::function<HWND()>& probe, int ms = 10000);

// The window text as WM_GETTEXT gives it across processes (ANSI).
std::string textOf(HWND window);
void setText(HWND window, const std::string& text);

// Waits until the window's thread has handled what was sent before.
void settle(HWND window);

// A visible message box (#32770) of the process, or null.
HWND messageBoxOf(DWORD processId);
// The message text of a message box, and its OK button pressed.
std::string messageText(HWND box);
void pressOk(HWND box);

// A top-level window of the process with that class and caption, or null.
HWND topWindow(DWORD processId, const char* className, const std::string& caption = {});

// A cell of the grid control, and its row count.
std::string gridCell(HWND grid, int row, int column);
int gridRows(HWND grid);

// A control's place in its parent's client area.
RECT placeInParent(HWND control);

// Starts a program in a folder; false when it cannot be started.
bool startProgram(const std::string& exe, const std::string& folder, PROCESS_INFORMATION& process);

// Clicks a control as a user would and waits until the program has handled
// the click, or until the click has brought up a message box. Returns that
// message box's text and title as "text|title", dismissed, or "" for none.
std::string click(HWND control, DWORD processId);

// Releases the left mouse button over a control (press and release inside it).
void pressAndRelease(HWND control);

// The exit code once the process has ended, waiting up to `ms`; STILL_ACTIVE if not.
DWORD exitCodeAfter(HANDLE process, int ms);

// Counts and prints one check (descriptions are UTF-8).
void check(bool ok, const std::string& what);
// Prints the closing line "N passed, M failed"; returns the exit status.
int finishChecks();

// UTF-8 for reports.
std::string utf8(const std::string& ansi);

}  // namespace qd::driver
