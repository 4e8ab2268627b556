#include "toolkit/win32/dialogs.h"

#include <commdlg.h>

#include <algorithm>

#include <vector>

#include "app/fatal_error.h"
#include "app/ui_texts.h"

namespace qd {

void showInformationMessage(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), text::kInformationTitle, MB_OK | MB_TASKMODAL);
}

namespace {
class FatalErrorBox : public FatalErrorHandler {
 public:
  void stop(int code, const std::string& message) override {
    MessageBoxA(nullptr, fatalErrorText(code, message).c_str(), text::kErrorTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(-1));  // nothing else runs
  }
};
}  // namespace

void installFatalErrorBox() {
  static FatalErrorBox box;
  setFatalErrorHandler(&box);
}

bool OpenFileDialog::open(HWND owner) {
  // "Name|pattern|..." becomes the double-NUL list the dialog wants.
  std::string filterList = filter;
  for (char& c : filterList)
    if (c == '|') c = '\0';
  filterList.append(2, '\0');
  std::vector<char> name(32768, '\0');
  fileName.copy(name.data(), std::min(fileName.size(), name.size() - 1));
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filterList.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = defaultExtension.c_str();
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&ofn)) return false;
  fileName = name.data();
  return true;
}

void WaitPointer::begin() { previous_ = SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

void WaitPointer::end() { SetCursor(previous_ ? previous_ : LoadCursor(nullptr, IDC_ARROW)); }

void lockPainting(HWND window) { LockWindowUpdate(window); }

void unlockPainting() { LockWindowUpdate(nullptr); }

}  // namespace qd
