#include "toolkit/win32/form.h"

#include <commctrl.h>

namespace qd {
namespace {
int loadedWindows = 0;

const char* classOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "STATIC";
    case ControlKind::Edit: return "EDIT";
    case ControlKind::Button: return "BUTTON";
    case ControlKind::ProgressBar: return PROGRESS_CLASSA;
  }
  return "STATIC";
}
}  // namespace

void createControls(HWND parent, std::span<const ControlForm> controls, HINSTANCE instance) {
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlForm& c : controls) {
    HWND hwnd = CreateWindowExA(c.exStyle, classOf(c.kind), c.caption, WS_CHILD | c.style, c.left, c.top, c.width,
                                c.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    SendMessageA(hwnd, WM_SETFONT, font, FALSE);
  }
}

void windowLoaded() { ++loadedWindows; }

void windowGone() {
  if (--loadedWindows <= 0) PostQuitMessage(0);
}

}  // namespace qd
