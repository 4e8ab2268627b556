#include <gtest/gtest.h>

#include "app/fatal_error.h"
#include "app/quiz_state.h"
#include "app/ui_texts.h"
#include "gbk.h"

namespace {

struct FatalStop {
  int code;
  std::string message;
};

// Records a fatal error and leaves the failing routine by throwing.
class ThrowingHandler : public qd::FatalErrorHandler {
 public:
  ThrowingHandler() { qd::setFatalErrorHandler(this); }
  ~ThrowingHandler() override { qd::setFatalErrorHandler(nullptr); }
  void stop(int code, const std::string& message) override { throw FatalStop{code, message}; }
};

int fatalCodeOf(const std::function<void()>& f) {
  ThrowingHandler handler;
  try {
    f();
  } catch (const FatalStop& stop) {
    return stop.code;
  }
  return 0;
}

}  // namespace

TEST(QuestionPool, RebuildListsEveryRowAndRemovalKeepsTheOrder) {
  qd::QuestionPool pool;
  pool.rebuild(5);
  EXPECT_EQ(pool.count(), 5);
  pool.removeAt(2);
  pool.removeAt(4);
  std::vector<int> rows;
  for (int i = 1; i <= pool.count(); ++i) rows.push_back(pool.at(i));
  EXPECT_EQ(rows, (std::vector<int>{1, 3, 4}));
  pool.rebuild(0);
  EXPECT_EQ(pool.count(), 0);
}

TEST(QuestionPool, PositionsOutsideThePoolAreFatal) {
  qd::QuestionPool pool;
  pool.rebuild(3);
  EXPECT_EQ(fatalCodeOf([&] { pool.at(0); }), qd::kIndexBelowOne);
  EXPECT_EQ(fatalCodeOf([&] { pool.at(-7); }), qd::kIndexBelowOne);
  EXPECT_EQ(fatalCodeOf([&] { pool.at(4); }), qd::kIndexBeyondCount);
  EXPECT_EQ(fatalCodeOf([&] { pool.removeAt(4); }), qd::kIndexBeyondCount);
  EXPECT_EQ(fatalCodeOf([&] { pool.at(3); }), 0);
  EXPECT_EQ(pool.count(), 3);
}

TEST(QuizState, StartRoundCountsTheDataRows) {
  qd::QuizState state;
  state.currentRow = 7;
  state.autoDrawNext = 1;
  state.startRound(11);
  EXPECT_EQ(state.questionCount, 10);
  EXPECT_EQ(state.remainingCount, 10);
  EXPECT_EQ(state.questionPool.count(), 10);
  EXPECT_EQ(state.questionPool.at(10), 10);
  EXPECT_EQ(state.currentRow, 7);  // left as it was
  EXPECT_EQ(state.autoDrawNext, 1);
  state.startRound(1);
  EXPECT_EQ(state.questionCount, 0);
  EXPECT_EQ(state.questionPool.count(), 0);
}

TEST(FatalError, TextHasItsLinesWithEmptyLinesBetween) {
  EXPECT_EQ(qd::fatalErrorText(4, qd::text::kIndexBelowOne),
            gbk("运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1"));
  EXPECT_EQ(qd::fatalErrorText(qd::kNoErrorCode, "x"), gbk("运行时出错!\r\n\r\n错误信息：x"));
  // A library name holding %s is not read as a place for the function's name.
  EXPECT_EQ(qd::missingSystemFunctionMessage("user32.dll", "ChangeWindowMessageFilter"),
            gbk("无法找到指定DLL库文件“user32.dll”中的输出命令“ChangeWindowMessageFilter”"));
  EXPECT_EQ(qd::missingSystemFunctionMessage("a%sb", "f"), gbk("无法找到指定DLL库文件“a%sb”中的输出命令“f”"));
}
