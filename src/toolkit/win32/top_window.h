#pragma once
// Top-level windows backed by a C++ object: the object is stored with the
// window at WM_NCCREATE and its handle(msg, wParam, lParam) answers every
// message from then on; at WM_NCDESTROY the window leaves the count of
// loaded windows, so the message loop ends with the last one.
#include <windows.h>

#include "toolkit/win32/form.h"

namespace qd {

// T has a member `HWND hwnd_` and `LRESULT handle(UINT, WPARAM, LPARAM)`,
// and names this function its friend.
template <class T>
LRESULT CALLBACK objectWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    windowGone();
    return 0;
  }
  return self->handle(msg, wp, lp);
}

// Registers a top-level window class with the dialog background colour.
inline bool registerTopWindowClass(HINSTANCE instance, const char* name, WNDPROC proc) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace qd
