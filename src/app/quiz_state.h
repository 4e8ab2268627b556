#pragma once
// The quiz state that both windows share. All numbers are 32-bit signed.
#include <cstdint>
#include <vector>

namespace qd {

// Grid row numbers of the questions not yet drawn in this round. Positions
// count from 1; a position outside 1 .. count is a fatal error.
class QuestionPool {
 public:
  std::int32_t count() const { return static_cast<std::int32_t>(rows_.size()); }
  std::int32_t at(std::int32_t position) const;
  // Removes the element at `position`, keeping the others in their order.
  void removeAt(std::int32_t position);
  // The pool rebuild rule: 1, 2, ..., questionCount.
  void rebuild(std::int32_t questionCount);
  void release() { rows_.clear(), rows_.shrink_to_fit(); }

 private:
  void check(std::int32_t position) const;
  std::vector<std::int32_t> rows_;
};

struct QuizState {
  QuestionPool questionPool;
  std::int32_t remainingCount = 0;
  std::int32_t questionCount = 0;
  std::int32_t currentRow = 0;    // 0, the header row, until the first draw
  std::int32_t autoDrawNext = 0;  // 1: the next press of 自动 draws; 0: it shows the answer

  // A new round over every data row of a grid with `gridRows` rows (the
  // header included).
  void startRound(std::int32_t gridRows);
};

}  // namespace qd
