// Acceptance test of the quiz: starts the real program as a user would and
// goes through its journeys from outside, through window messages.
//   quiz_acceptance PROGRAM_FOLDER EMPTY_FOLDER
// PROGRAM_FOLDER holds QuestionDrill.exe and the sample 数据库.xls;
// EMPTY_FOLDER holds only a copy of the program (no question bank).
#include <windows.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/ui_texts.h"
#include "quiz/quiz_control_ids.h"
#include "table/table_control_ids.h"
#include "win_driver.h"
#include "workbook_records.h"

using namespace qd::driver;
namespace qids = qd::quiz_ids;
namespace tids = qd::table_ids;

namespace {

struct Question {
  std::string answer, second;
};

// question text -> answers, as the sample workbook holds them.
std::map<std::string, Question> sampleQuestions(const std::string& path) {
  std::map<std::string, Question> questions;
  for (const auto& row : workbookRecords(path)) questions[row[1]] = {row[2], row[3]};
  return questions;
}

const std::string roundOver = std::string(qd::text::kRoundOver) + "|" + qd::text::kInformationTitle;
const std::string roundReset = std::string(qd::text::kRoundReset) + "|" + qd::text::kInformationTitle;

struct Running {
  PROCESS_INFORMATION process{};
  HWND quiz = nullptr, table = nullptr;
  HWND item(int id) const { return GetDlgItem(quiz, id); }
  std::string box(int id) const { return textOf(item(id)); }
  std::string press(int id) { return click(item(id), process.dwProcessId); }
  // Releases the mouse over a label; returns the message it brought up, dismissed.
  std::string release(int id, bool expectMessage) {
    pressAndRelease(item(id));
    Sleep(50);
    settle(quiz);
    HWND box = waitFor([&] { return messageBoxOf(process.dwProcessId); }, expectMessage ? 5000 : 200);
    if (box == nullptr) return {};
    const std::string text = messageText(box) + "|" + textOf(box);
    pressOk(box);
    waitFor([&] { return IsWindow(box) ? nullptr : quiz; }, 5000);
    return text;
  }
};

bool start(const std::string& folder, Running& r) {
  if (!startProgram(folder + "\\QuestionDrill.exe", folder, r.process)) return false;
  r.quiz = waitFor([&] { return topWindow(r.process.dwProcessId, qids::kWindowClass); }, 20000);
  r.table = topWindow(r.process.dwProcessId, tids::kWindowClass);
  if (r.quiz) settle(r.quiz);
  return r.quiz != nullptr && r.table != nullptr;
}

// Draws until the round is over; the questions shown, in order.
std::vector<std::string> drawRound(Running& r, int limit, std::string& endMessage) {
  std::vector<std::string> shown;
  for (int i = 0; i <= limit; ++i) {
    const std::string message = r.press(qids::kNextButton);
    if (!message.empty()) {
      endMessage = message;
      break;
    }
    shown.push_back(r.box(qids::kQuestionBox));
  }
  return shown;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: quiz_acceptance PROGRAM_FOLDER EMPTY_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1], emptyFolder = argv[2];
  const auto questions = sampleQuestions(folder + qd::text::kDefaultWorkbookName);
  const int count = static_cast<int>(questions.size());

  Running r;
  check(start(folder, r), "the program starts with its two windows");
  if (!r.quiz) return 1;
  check(IsWindowVisible(r.quiz) && !IsWindowVisible(r.table), "at start only the quiz window is on screen");
  check(textOf(r.quiz) == qd::text::kQuizWindowCaption, "the quiz window is captioned 让我们玩个游戏吧");

  struct Place {
    int id, left, top, width, height;
    const char* caption;
  };
  const Place places[] = {
      {qids::kQuestionLabel, 26, 6, 112, 24, qd::text::kHeaderQuestion},
      {qids::kQuestionBox, 28, 32, 464, 104, ""},
      {qids::kAnswerLabel, 26, 139, 80, 24, qd::text::kHeaderAnswer},
      {qids::kAnswerBox, 28, 170, 464, 142, ""},
      {qids::kSecondAnswerLabel, 32, 320, 80, 24, qd::text::kHeaderAnswer2},
      {qids::kSecondAnswerBox, 28, 344, 464, 103, ""},
      {qids::kNextButton, 32, 468, 124, 75, qd::text::kNextQuestionButton},
      {qids::kAnswerButton, 176, 468, 120, 75, qd::text::kShowAnswerButton},
      {qids::kSecondAnswerButton, 320, 468, 68, 75, qd::text::kHeaderAnswer2},
      {qids::kAutoButton, 408, 469, 96, 72, qd::text::kAutoButton},
      {qids::kResetLabel, 377, 8, 72, 24, qd::text::kResetRoundLabel},
      {qids::kSettingsLabel, 464, 8, 48, 24, qd::text::kSettingsLabel},
  };
  bool placed = true;
  for (const Place& p : places) {
    const RECT at = placeInParent(r.item(p.id));
    placed &= at.left == p.left && at.top == p.top && at.right - at.left == p.width && at.bottom - at.top == p.height &&
              textOf(r.item(p.id)) == p.caption;
  }
  RECT outer;
  GetWindowRect(r.quiz, &outer);
  const LONG style = GetWindowLongA(r.quiz, GWL_STYLE);
  check(placed && outer.right - outer.left == 533 && outer.bottom - outer.top == 600 && (style & WS_MINIMIZEBOX) &&
            !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME),
        "the quiz window is 533 x 600, fixed, with every control at its place and caption");

  r.press(qids::kAnswerButton);
  r.press(qids::kSecondAnswerButton);
  check(r.box(qids::kAnswerBox) == qd::text::kHeaderAnswer2 && r.box(qids::kSecondAnswerBox) == qd::text::kNoSecondAnswer,
        "before any draw 显示答案 shows 答案2 and 答案2 shows 本题无答案");

  std::string end;
  std::vector<std::string> shown = drawRound(r, count, end);
  std::set<std::string> distinct(shown.begin(), shown.end());
  bool known = true;
  for (const auto& q : shown) known &= questions.count(q) == 1;
  check(count > 0 && static_cast<int>(shown.size()) == count && static_cast<int>(distinct.size()) == count && known,
        "下个问题 shows each sample question exactly once");
  check(end == roundOver && !shown.empty() && r.box(qids::kQuestionBox) == shown.back(),
        "the next press says 一轮结束了哦! and leaves the last question on screen");

  // Answers of the question on show.
  check(r.release(qids::kResetLabel, true) == roundReset, "releasing over 重置一轮问题 shows its message");
  bool answersRight = true, sawNoSecond = false, sawSecond = false;
  for (int i = 0; i < count; ++i) {
    r.press(qids::kNextButton);
    const Question& q = questions.at(r.box(qids::kQuestionBox));
    r.press(qids::kAnswerButton);
    r.press(qids::kSecondAnswerButton);
    answersRight &= r.box(qids::kAnswerBox) == q.answer;
    answersRight &= r.box(qids::kSecondAnswerBox) == (q.second.empty() ? qd::text::kNoSecondAnswer : q.second);
    (q.second.empty() ? sawNoSecond : sawSecond) = true;
  }
  check(answersRight && sawNoSecond && sawSecond, "显示答案 and 答案2 fill their boxes, 本题无答案 where there is none");

  // The reset in the middle of a round.
  r.release(qids::kResetLabel, true);
  r.press(qids::kNextButton);
  r.press(qids::kNextButton);
  r.press(qids::kSecondAnswerButton);
  const std::string third = r.box(qids::kSecondAnswerBox);
  const std::string message = r.release(qids::kResetLabel, true);
  check(message == roundReset && r.box(qids::kQuestionBox).empty() && r.box(qids::kAnswerBox).empty() &&
            r.box(qids::kSecondAnswerBox) == third && !third.empty(),
        "重置一轮问题 empties the first two boxes and keeps the third");
  shown = drawRound(r, count, end);
  check(static_cast<int>(std::set<std::string>(shown.begin(), shown.end()).size()) == count && end == roundOver,
        "after the reset a full round starts again");

  // 自动: draw, answer, draw, answer ...; the other buttons leave its state alone.
  r.release(qids::kResetLabel, true);
  r.press(qids::kAutoButton);
  const std::string first = r.box(qids::kQuestionBox);
  const bool drew = questions.count(first) == 1 && r.box(qids::kAnswerBox).empty();
  r.press(qids::kNextButton);  // another question, 自动 still due to answer
  const std::string second = r.box(qids::kQuestionBox);
  r.press(qids::kAutoButton);
  const bool answered = r.box(qids::kQuestionBox) == second && r.box(qids::kAnswerBox) == questions.at(second).answer;
  r.press(qids::kAutoButton);
  const bool drewAgain = r.box(qids::kQuestionBox) != second && r.box(qids::kAnswerBox).empty();
  check(drew && answered && drewAgain, "自动 alternates draw and answer, and 下个问题 does not change its state");

  // 设置内容 and back.
  r.release(qids::kSettingsLabel, false);
  settle(r.table);
  check(IsWindowVisible(r.table) && !IsWindowVisible(r.quiz), "设置内容 swaps to the table window");
  click(GetDlgItem(r.table, tids::kStartButton), r.process.dwProcessId);
  check(IsWindowVisible(r.quiz) && !IsWindowVisible(r.table), "让我们玩个游戏吧 on the table window brings the quiz back");
  r.release(qids::kSettingsLabel, false);
  ShowWindow(r.quiz, SW_MINIMIZE);  // the quiz window minimised while hidden
  PostMessageA(r.table, WM_SYSCOMMAND, SC_CLOSE, 0);
  settle(r.table);
  Sleep(200);
  check(IsWindowVisible(r.quiz) && !IsIconic(r.quiz) && !IsWindowVisible(r.table),
        "the table window's close box brings the quiz window back, restored");

  // A new import in the middle of a round restarts it over all rows.
  r.press(qids::kNextButton);
  r.press(qids::kNextButton);
  std::string path = folder + qd::text::kDefaultWorkbookName;
  r.release(qids::kSettingsLabel, false);
  setText(GetDlgItem(r.table, tids::kPathBox), path);
  click(GetDlgItem(r.table, tids::kReadButton), r.process.dwProcessId);
  click(GetDlgItem(r.table, tids::kStartButton), r.process.dwProcessId);
  shown = drawRound(r, 2 * count, end);
  std::map<std::string, int> times;
  for (const auto& q : shown) ++times[q];
  bool twice = static_cast<int>(times.size()) == count;
  for (const auto& [q, n] : times) twice &= n == 2;
  check(static_cast<int>(shown.size()) == 2 * count && twice && end == roundOver,
        "an import restarts the round over all rows, the new ones included");

  // Closing the quiz window ends the program, also with the table window on screen.
  r.release(qids::kSettingsLabel, false);
  PostMessageA(r.quiz, WM_SYSCOMMAND, SC_CLOSE, 0);
  check(exitCodeAfter(r.process.hProcess, 10000) == 0, "closing the quiz window ends the program with exit code 0");

  // Without a question bank the first draw ends the round at once.
  Running empty;
  check(start(emptyFolder, empty) && empty.press(qids::kNextButton) == roundOver,
        "with no default workbook the first draw says the round is over");
  PostMessageA(empty.quiz, WM_SYSCOMMAND, SC_CLOSE, 0);
  check(exitCodeAfter(empty.process.hProcess, 10000) == 0, "and closing its quiz window ends it with exit code 0");

  return finishChecks();
}
