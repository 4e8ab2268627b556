#include "quiz/quiz.h"

#include "app/fatal_error.h"
#include "app/ui_texts.h"
#include "table/workbook_import.h"

namespace qd {

const std::string& Quiz::cellText(std::int32_t row, std::int32_t column) const {
  const std::string* text = grid_.cell(row, column);
  if (text == nullptr) raiseFatalError(kTypeMismatch, text::kTypeMismatch);
  return *text;
}

void Quiz::drawNextQuestion() {
  random_.seedFromClock(view_.tickCount());
  if (state_.remainingCount == 0) {
    view_.showInformation(text::kRoundOver);
    return;
  }
  const std::int32_t position = random_.between(1, state_.remainingCount);
  const std::int32_t row = state_.questionPool.at(position);
  state_.questionPool.removeAt(position);
  state_.remainingCount = state_.questionPool.count();
  state_.currentRow = row;
  view_.setQuestionBox(cellText(state_.currentRow, kQuestionColumn));
  view_.setAnswerBox("");
  view_.setSecondAnswerBox("");
}

void Quiz::resetRound() {
  state_.remainingCount = state_.questionCount;
  state_.questionPool.rebuild(state_.remainingCount);
  view_.setQuestionBox("");
  view_.setAnswerBox("");
  view_.showInformation(text::kRoundReset);
}

void Quiz::showAnswer() { view_.setAnswerBox(cellText(state_.currentRow, kAnswerColumn)); }

void Quiz::showSecondAnswer() {
  view_.setSecondAnswerBox(cellText(state_.currentRow, kSecondAnswerColumn));
  if (cellText(state_.currentRow, kSecondAnswerColumn).empty()) view_.setSecondAnswerBox(text::kNoSecondAnswer);
}

void Quiz::autoStep() {
  if (state_.autoDrawNext == 1) {
    drawNextQuestion();
    state_.autoDrawNext = 0;
  } else {
    showAnswer();
    state_.autoDrawNext = 1;
  }
}

}  // namespace qd
