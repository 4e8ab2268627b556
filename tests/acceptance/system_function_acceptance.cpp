// A system function bound by name: present ones are called; a missing one
// stops the program with the fatal-error box, and dismissing the box ends
// the process with exit code -1.
//   system_function_acceptance            runs the checks
//   system_function_acceptance --missing  binds a function no system has
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/fatal_error.h"
#include "app/ui_texts.h"
#include "toolkit/win32/dialogs.h"
#include "toolkit/win32/system_function.h"
#include "win_driver.h"

using namespace qd::driver;

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--missing") {
    qd::installFatalErrorBox();
    qd::SystemFunction<int WINAPI(void)> missing("kernel32.dll", "NoSuchFunctionAnywhere");
    missing.get()();
    return 0;  // never reached
  }
  qd::SystemFunction<DWORD WINAPI(void)> tickCount("kernel32.dll", "GetTickCount");
  check(tickCount.get()() > 0 && reinterpret_cast<void (*)()>(tickCount.get()) ==
                                    reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32"), "GetTickCount")),
        "a present function is bound and called");
  qd::SystemFunction<void WINAPI(void)> absent("no_such_library.dll", "Anything");
  check(!absent.available(), "a missing library is seen without stopping");
  qd::SystemFunction<BOOL WINAPI(UINT, DWORD)> absentFunction("user32.dll", "NoSuchMessageFilterFunction");
  check(!absentFunction.available(), "a function missing from a present library is seen without stopping");

  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = std::string("\"") + self + "\" --missing";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  CreateProcessA(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
  HWND box = waitFor([&] { return messageBoxOf(pi.dwProcessId); }, 20000);
  check(box != nullptr, "binding a missing function shows a box");
  if (box != nullptr) {
    const std::string want = qd::fatalErrorText(
        qd::kNoErrorCode, qd::missingSystemFunctionMessage("kernel32.dll", "NoSuchFunctionAnywhere"));
    check(textOf(box) == qd::text::kErrorTitle, "the box is titled 错误");
    check(messageText(box) == want, "it names the library and the function");
    pressOk(box);
  }
  DWORD code = 0;
  WaitForSingleObject(pi.hProcess, 10000);
  GetExitCodeProcess(pi.hProcess, &code);
  check(code == static_cast<DWORD>(-1), "the process ends with exit code -1");
  return finishChecks();
}
