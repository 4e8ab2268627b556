#pragma once
// Control ids of the quiz window, known to its tests as well.
namespace qd::quiz_ids {
enum : int {
  kQuestionLabel = 200,  // 标签1
  kQuestionBox,          // 编辑框1
  kAnswerLabel,          // 标签2
  kAnswerBox,            // 编辑框2
  kSecondAnswerLabel,    // 标签5
  kSecondAnswerBox,      // 编辑框3
  kNextButton,           // 按钮1
  kAnswerButton,         // 按钮2
  kSecondAnswerButton,   // 按钮3
  kAutoButton,           // 按钮4
  kResetLabel,           // 标签4
  kSettingsLabel,        // 标签3
};
constexpr char kWindowClass[] = "QuestionDrillQuizWindow";
}  // namespace qd::quiz_ids
