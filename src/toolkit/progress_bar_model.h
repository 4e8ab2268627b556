#pragma once
// The position of a progress bar as the toolkit keeps it: a written value
// is limited to 0 .. 32767 and reads back as written (not clamped to the
// bar's range); the bar draws it clamped to its range.
#include <algorithm>
#include <cstdint>

namespace qd {

class ProgressBarModel {
 public:
  static constexpr std::int32_t kMaxPosition = 32767;

  ProgressBarModel(std::int32_t minimum, std::int32_t maximum, std::int32_t position)
      : minimum_(minimum), maximum_(maximum) {
    setPosition(position);
  }
  std::int32_t position() const { return position_; }
  void setPosition(std::int32_t p) { position_ = std::clamp<std::int32_t>(p, 0, kMaxPosition); }
  std::int32_t shownPosition() const { return std::clamp(position_, minimum_, maximum_); }
  std::int32_t minimum() const { return minimum_; }
  std::int32_t maximum() const { return maximum_; }

 private:
  std::int32_t minimum_, maximum_, position_ = 0;
};

}  // namespace qd
