#pragma once
// Windows built from forms written as data: a table of controls with their
// kind, place, caption and style, and one loader for any form.
#include <windows.h>

#include <span>

namespace qd {

enum class ControlKind { Label, Edit, Button, ProgressBar };

struct ControlForm {
  int id;
  ControlKind kind;
  const char* caption;
  DWORD style;    // beyond WS_CHILD
  DWORD exStyle;
  int left, top, width, height;
};

// Creates the controls of a form in `parent`, in order (which is also the
// tab order), each in the system's default GUI font.
void createControls(HWND parent, std::span<const ControlForm> controls, HINSTANCE instance);

// Counts the top-level windows the program has loaded; the message loop
// ends when the last one is gone.
void windowLoaded();
void windowGone();

}  // namespace qd
