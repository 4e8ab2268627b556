// How long a draw and its display take with the largest question table:
// drawNextQuestion over 65,535 questions, the clock and the window faked.
#include <benchmark/benchmark.h>

#include "quiz/quiz.h"
#include "table/question_grid_setup.h"

namespace {

struct NullView : qd::QuizView {
  std::string question, answer, second;
  std::uint32_t tick = 0;
  void setQuestionBox(const std::string& t) override { question = t; }
  void setAnswerBox(const std::string& t) override { answer = t; }
  void setSecondAnswerBox(const std::string& t) override { second = t; }
  void showInformation(const std::string&) override {}
  std::uint32_t tickCount() override { return tick += 17; }
};

void drawFromTheFullTable(benchmark::State& state) {
  qd::GridModel grid;
  qd::setUpQuestionGrid(grid);
  for (int r = 1; r <= 65535; ++r) {
    grid.appendRow();
    grid.setCell(r, 1, "\xb5\xda" + std::to_string(r) + "\xcc\xe2\xa3\xba\xd5\xe2\xca\xc7\xd2\xbb\xb8\xf6\xce\xca\xcc\xe2");
    grid.setCell(r, 2, "answer " + std::to_string(r));
  }
  qd::QuizState quizState;
  NullView view;
  qd::Quiz quiz(quizState, grid, view);
  quizState.startRound(grid.rowCount());
  for (auto _ : state) {
    if (quizState.remainingCount == 0) {
      state.PauseTiming();
      quizState.startRound(grid.rowCount());
      state.ResumeTiming();
    }
    quiz.drawNextQuestion();
    quiz.showAnswer();
    benchmark::DoNotOptimize(view.question.data());
  }
}
BENCHMARK(drawFromTheFullTable)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
