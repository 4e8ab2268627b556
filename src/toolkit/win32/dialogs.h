#pragma once
// Message boxes, the open-file dialog, the wait pointer and the painting
// lock of the toolkit.
#include <windows.h>

#include <string>

namespace qd {

// An information message: title "信息：", OK only, no icon, no owner, modal
// to the whole program. Returns when it has been dismissed.
void showInformationMessage(const std::string& text);

// Shows fatal errors in the error box and ends the process at once with
// exit code -1 (the exit routine does not run). Installed at start-up.
void installFatalErrorBox();

struct OpenFileDialog {
  std::string title, filter, defaultExtension;
  std::string fileName;  // the last confirmed choice, offered again
  // True when the user confirmed a file; fileName then holds its full path.
  bool open(HWND owner);
};

// The wait pointer for as long as the object lives.
class WaitPointer {
 public:
  void begin();
  void end();

 private:
  HCURSOR previous_ = nullptr;
};

// One window at a time, system-wide, locked against painting.
void lockPainting(HWND window);
void unlockPainting();

}  // namespace qd
