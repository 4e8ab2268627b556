#include "app/quiz_state.h"

#include "app/fatal_error.h"
#include "app/ui_texts.h"

namespace qd {

void QuestionPool::check(std::int32_t position) const {
  if (position < 1) raiseFatalError(kIndexBelowOne, text::kIndexBelowOne);
  if (position > count()) raiseFatalError(kIndexBeyondCount, text::kIndexBeyondCount);
}

std::int32_t QuestionPool::at(std::int32_t position) const {
  check(position);
  return rows_[static_cast<std::size_t>(position - 1)];
}

void QuestionPool::removeAt(std::int32_t position) {
  check(position);
  rows_.erase(rows_.begin() + (position - 1));
}

void QuestionPool::rebuild(std::int32_t questionCount) {
  rows_.clear();
  for (std::int32_t row = 1; row <= questionCount; ++row) rows_.push_back(row);
}

void QuizState::startRound(std::int32_t gridRows) {
  questionCount = gridRows - 1;
  remainingCount = questionCount;
  questionPool.rebuild(questionCount);
}

}  // namespace qd
