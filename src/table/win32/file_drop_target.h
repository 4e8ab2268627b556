#pragma once
// Lets a top-level window take files dropped from the shell without touching
// the window's own code: it registers the window for drops, puts its own
// window procedure in front of the window's, hands the full path of every
// dropped file to a callback, and passes every other message on unchanged.
// From Windows Vista on it also opens the process's message filter, so that
// drops arrive when the program runs at a higher integrity level than the
// shell.
//
// The operations take the address of the variable that holds the object and
// read the object through it each time they run; the window-procedure stub
// keeps the same address.
#include <windows.h>

namespace qd {

class FileDropTarget {
 public:
  // Called once per dropped file with its full name in the ANSI code page;
  // the name lives only for the call.
  using DropCallback = void (*)(const char* path);

  HWND window = nullptr;                // the subclassed window
  WNDPROC previousWindowProc = nullptr;  // the procedure in place before attach
  DropCallback dropCallback = nullptr;

  // Registers the window for drops and subclasses it; opens the message
  // filter unless the system is Windows XP or has none.
  static void attach(FileDropTarget* const* object, HWND window, DropCallback callback);
  // The window no longer takes drops and has its previous procedure back.
  // Harmless on a window that is gone. The message filter stays open.
  static void detach(FileDropTarget* const* object);
  // Entered through the stub with the object variable's address first.
  static LRESULT CALLBACK windowProc(FileDropTarget* const* object, HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);
  // Detaches, releases the object and empties the variable.
  static void destroy(FileDropTarget** object);

 private:
  // The stub this object has put in front of `window`, while attached.
  WNDPROC stub_ = nullptr;
};

// The program's one drop target: made with its fields zero at start-up,
// attached by the table window, destroyed at exit.
extern FileDropTarget* fileDropTarget;

}  // namespace qd
