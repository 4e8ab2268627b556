#pragma once
// The quiz over the question grid: drawing questions without repetition,
// the round reset, the answers and the auto button.
#include <cstdint>
#include <string>

#include "app/quiz_state.h"
#include "quiz/random_generator.h"
#include "toolkit/grid_model.h"

namespace qd {

// What the quiz uses of the quiz window and the system.
class QuizView {
 public:
  virtual ~QuizView() = default;
  // The whole content of 编辑框1 (question), 编辑框2 (answer), 编辑框3 (second answer).
  virtual void setQuestionBox(const std::string& text) = 0;
  virtual void setAnswerBox(const std::string& text) = 0;
  virtual void setSecondAnswerBox(const std::string& text) = 0;
  // An information message; returns when it has been dismissed.
  virtual void showInformation(const std::string& text) = 0;
  // The system's millisecond tick count.
  virtual std::uint32_t tickCount() = 0;
};

class Quiz {
 public:
  Quiz(QuizState& state, const GridModel& grid, QuizView& view) : state_(state), grid_(grid), view_(view) {}

  void quizWindowCreated() { state_.autoDrawNext = 1; }
  void drawNextQuestion();
  void resetRound();
  void showAnswer();
  void showSecondAnswer();
  void autoStep();

  const RandomGenerator& generator() const { return random_; }

 private:
  // A cell's text; a place outside the grid is the fatal type error.
  const std::string& cellText(std::int32_t row, std::int32_t column) const;

  QuizState& state_;
  const GridModel& grid_;
  QuizView& view_;
  RandomGenerator random_;
};

}  // namespace qd
