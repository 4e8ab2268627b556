#include "table/table_layout.h"

namespace qd {

void layOutTableWindow(std::int32_t w, std::int32_t h, ControlPlacer& p) {
  using C = TableControl;
  p.move(C::Label, {8, 8, 96, 24});
  ControlPlace label = p.place(C::Label);
  p.move(C::PathBox, {label.left + label.width + 8, 8, w - 296, 24});
  ControlPlace path = p.place(C::PathBox);
  p.move(C::BrowseButton, {path.left + path.width + 8, 8, 80, 24});
  ControlPlace browse = p.place(C::BrowseButton);
  p.move(C::ReadButton, {browse.left + browse.width + 8, 8, 80, 24});
  label = p.place(C::Label);
  p.move(C::Grid, {8, label.top + label.height + 8, w - 16, h - 80});
  const ControlPlace grid = p.place(C::Grid);
  p.move(C::ProgressBar, {8, grid.top + grid.height + 8, w - 192, 24});
  p.move(C::StartButton, {w - 128, grid.top + grid.height + 8, 120, 24});
}

}  // namespace qd
