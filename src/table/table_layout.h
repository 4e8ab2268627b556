#pragma once
// layOutTableWindow: fits the table window's controls to its client size.
#include <cstdint>

namespace qd {

enum class TableControl { Label, PathBox, BrowseButton, ReadButton, Grid, ProgressBar, StartButton };

struct ControlPlace {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ControlPlace&) const = default;
};

// Moves controls and reads their places back (the window may adjust them).
class ControlPlacer {
 public:
  virtual ~ControlPlacer() = default;
  virtual void move(TableControl control, const ControlPlace& place) = 0;
  virtual ControlPlace place(TableControl control) = 0;
};

// Applies the layout formulas as they stand for a client area of
// width x height, whatever the size (a minimised window has 0 x 0).
void layOutTableWindow(std::int32_t width, std::int32_t height, ControlPlacer& placer);

}  // namespace qd
