// The quiz over a grid of questions, with the clock and the window faked.
#include <gtest/gtest.h>

#include <set>

#include "app/fatal_error.h"
#include "gbk.h"
#include "quiz/quiz.h"
#include "table/question_grid_setup.h"

namespace {

struct FakeView : qd::QuizView {
  std::string question = "q?", answer = "a?", second = "s?";
  std::vector<std::string> messages;
  std::vector<std::uint32_t> ticks;  // handed out in turn, the last one repeated
  std::size_t tick = 0;
  void setQuestionBox(const std::string& t) override { question = t; }
  void setAnswerBox(const std::string& t) override { answer = t; }
  void setSecondAnswerBox(const std::string& t) override { second = t; }
  void showInformation(const std::string& t) override { messages.push_back(t); }
  std::uint32_t tickCount() override {
    if (ticks.empty()) return 12345;
    return ticks[std::min(tick++, ticks.size() - 1)];
  }
};

struct QuizFixture {
  qd::GridModel grid;
  qd::QuizState state;
  FakeView view;
  qd::Quiz quiz{state, grid, view};
  // A grid whose row r holds question "Qr", answer "Ar" and, for even r, second answer "Br".
  explicit QuizFixture(int questions) {
    qd::setUpQuestionGrid(grid);
    for (int r = 1; r <= questions; ++r) {
      grid.appendRow();
      grid.setCell(r, 0, std::to_string(r));
      grid.setCell(r, 1, "Q" + std::to_string(r));
      grid.setCell(r, 2, "A" + std::to_string(r));
      if (r % 2 == 0) grid.setCell(r, 3, "B" + std::to_string(r));
    }
    state.startRound(grid.rowCount());
    quiz.quizWindowCreated();
  }
};

struct FatalStop {
  int code;
};
class ThrowingHandler : public qd::FatalErrorHandler {
 public:
  ThrowingHandler() { qd::setFatalErrorHandler(this); }
  ~ThrowingHandler() override { qd::setFatalErrorHandler(nullptr); }
  void stop(int code, const std::string&) override { throw FatalStop{code}; }
};

}  // namespace

TEST(RandomGenerator, StepsAsTheLinearCongruentialGeneratorAndSeedsWithTheAccumulator) {
  qd::RandomGenerator g;
  g.seedFromClock(1000);
  EXPECT_EQ(g.state(), 1000u);
  EXPECT_EQ(g.next(), static_cast<std::int32_t>(((1000u * 214013u + 2531011u) >> 16) & 0x7FFF));
  g.seedFromClock(1000);  // the same millisecond: the accumulator (1000 & 0xFF) + 100 = 332 makes it differ
  EXPECT_EQ(g.state(), 1332u);
  g.seedFromClock(0xFFFFFFFFu);  // the accumulator is now 332 + (1332 & 0xFF) + 100 = 484; the sum wraps
  EXPECT_EQ(g.state(), 483u);
  const std::uint32_t before = g.state();
  EXPECT_EQ(g.between(7, 7), 7);  // equal bounds do not step the generator
  EXPECT_EQ(g.state(), before);
}

TEST(Quiz, AFixedClockGivesExactlyTheseRows) {
  // Worked out by hand from the seeding, the generator and the removal.
  QuizFixture f(5);
  f.view.ticks = {1000, 1000, 1017, 5, 4294967295u, 77};
  std::vector<std::string> shown;
  for (int i = 0; i < 5; ++i) {
    f.quiz.drawNextQuestion();
    shown.push_back(f.view.question);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Q5", "Q1", "Q4", "Q3", "Q2"}));
  QuizFixture g(8);
  g.view.ticks = {0};
  shown.clear();
  for (int i = 0; i < 8; ++i) {
    g.quiz.drawNextQuestion();
    shown.push_back(g.view.question);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Q7", "Q2", "Q6", "Q5", "Q3", "Q1", "Q4", "Q8"}));
}

TEST(Quiz, ARoundAsksEveryQuestionOnceThenSaysItIsOver) {
  QuizFixture f(40);
  std::set<int> rows;
  for (int i = 0; i < 40; ++i) {
    f.quiz.showAnswer();
    f.quiz.drawNextQuestion();
    EXPECT_EQ(f.view.question, "Q" + std::to_string(f.state.currentRow));
    EXPECT_EQ(f.view.answer, "");
    EXPECT_EQ(f.view.second, "");
    rows.insert(f.state.currentRow);
    EXPECT_EQ(f.state.remainingCount, 39 - i);
    EXPECT_EQ(f.state.questionPool.count(), f.state.remainingCount);
  }
  EXPECT_EQ(rows.size(), 40u);
  f.quiz.showAnswer();
  const std::string last = f.view.question, answer = f.view.answer;
  const int lastRow = f.state.currentRow;
  f.quiz.drawNextQuestion();
  EXPECT_EQ(f.view.messages, std::vector<std::string>{gbk("一轮结束了哦!")});
  EXPECT_EQ(f.view.question, last);  // the last question stays on show, with its answer
  EXPECT_EQ(f.view.answer, answer);
  EXPECT_EQ(f.state.currentRow, lastRow);
}

TEST(Quiz, AnEmptyTableEndsTheRoundAtTheFirstDraw) {
  QuizFixture f(0);
  f.quiz.drawNextQuestion();
  EXPECT_EQ(f.view.messages, std::vector<std::string>{gbk("一轮结束了哦!")});
  EXPECT_EQ(f.view.question, "q?");
  f.quiz.resetRound();
  EXPECT_EQ(f.state.questionPool.count(), 0);
  EXPECT_EQ(f.view.messages.back(), gbk("一轮问题重置完成!可以重新回答了"));
}

TEST(Quiz, MoreThan32768QuestionsDrawPositionsUpTo32768) {
  QuizFixture f(40000);
  for (std::uint32_t tick = 0; tick < 3000; tick += 7) {
    f.state.startRound(f.grid.rowCount());  // a fresh pool: the row drawn is its position
    f.view.ticks = {tick};
    f.view.tick = 0;
    f.quiz.drawNextQuestion();
    EXPECT_LE(f.state.currentRow, 32768) << tick;
  }
}

TEST(Quiz, TheLastQuestionIsDrawnWithoutSteppingTheGenerator) {
  QuizFixture f(1);
  f.view.ticks = {4242};
  f.quiz.drawNextQuestion();
  EXPECT_EQ(f.state.currentRow, 1);
  EXPECT_EQ(f.quiz.generator().state(), 4242u);  // seeded, not stepped
}

TEST(Quiz, ResetPutsEveryRowBackAndClearsTwoOfTheThreeBoxes) {
  QuizFixture f(6);
  f.view.ticks = {3};
  for (int i = 0; i < 4; ++i) f.quiz.drawNextQuestion();
  f.quiz.showAnswer();
  f.quiz.showSecondAnswer();
  const int row = f.state.currentRow;
  const std::string second = f.view.second;
  f.state.autoDrawNext = 0;
  f.quiz.resetRound();
  EXPECT_EQ(f.state.remainingCount, 6);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(f.state.questionPool.at(i), i);
  EXPECT_EQ(f.view.question, "");
  EXPECT_EQ(f.view.answer, "");
  EXPECT_EQ(f.view.second, second);
  EXPECT_EQ(f.state.currentRow, row);
  EXPECT_EQ(f.state.autoDrawNext, 0);
  EXPECT_EQ(f.view.messages, std::vector<std::string>{gbk("一轮问题重置完成!可以重新回答了")});
  f.quiz.showAnswer();  // the previous question's answer again
  EXPECT_EQ(f.view.answer, "A" + std::to_string(row));
}

TEST(Quiz, AnswersComeFromTheCurrentRow) {
  QuizFixture f(4);
  f.quiz.showAnswer();  // before any draw: the header row
  f.quiz.showSecondAnswer();
  EXPECT_EQ(f.view.answer, gbk("答案2"));
  EXPECT_EQ(f.view.second, gbk("本题无答案"));
  f.state.currentRow = 2;
  f.quiz.showSecondAnswer();
  EXPECT_EQ(f.view.second, "B2");
  f.grid.setCell(2, 3, "   ");
  f.quiz.showSecondAnswer();
  EXPECT_EQ(f.view.second, "   ");  // spaces are shown as they are
  f.state.currentRow = 3;
  f.quiz.showSecondAnswer();
  EXPECT_EQ(f.view.second, gbk("本题无答案"));
}

TEST(Quiz, TheAutoButtonAlternatesWhateverTheRoutineDid) {
  QuizFixture f(2);
  EXPECT_EQ(f.state.autoDrawNext, 1);
  std::vector<std::string> seen;
  for (int i = 0; i < 6; ++i) {
    f.quiz.autoStep();
    seen.push_back(f.state.autoDrawNext == 0 ? "drew" : "answered");
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"drew", "answered", "drew", "answered", "drew", "answered"}));
  EXPECT_EQ(f.view.messages, std::vector<std::string>{gbk("一轮结束了哦!")});  // the third draw found the round over
  f.quiz.drawNextQuestion();  // the other buttons leave the state alone
  f.quiz.showAnswer();
  EXPECT_EQ(f.state.autoDrawNext, 1);
}

TEST(Quiz, ACurrentRowOutsideTheGridIsTheFatalTypeError) {
  QuizFixture f(2);
  f.state.currentRow = 9;
  ThrowingHandler handler;
  int code = 0;
  try {
    f.quiz.showAnswer();
  } catch (const FatalStop& stop) {
    code = stop.code;
  }
  EXPECT_EQ(code, qd::kTypeMismatch);
}
