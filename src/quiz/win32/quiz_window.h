#pragma once
// The quiz window "让我们玩个游戏吧": the question and its two answers in
// three edit boxes, the quiz's buttons, and the two labels that reset the
// round and open the table window.
#include <windows.h>

#include "app/quiz_state.h"
#include "quiz/quiz.h"
#include "quiz/quiz_control_ids.h"
#include "toolkit/grid_model.h"
#include "toolkit/win32/top_window.h"

namespace qd {

class QuizWindow : public QuizView {
 public:
  QuizWindow(QuizState& state, const GridModel& grid) : quiz_(state, grid, *this) {}

  static bool registerClass(HINSTANCE instance);
  // Loads the window (visible, as its form says); a window already loaded
  // is restored when minimised, else activated.
  HWND load(HINSTANCE instance, HWND tableWindow);
  HWND handle() const { return hwnd_; }

  // QuizView
  void setQuestionBox(const std::string& text) override { setBox(kQuestionBoxId, text); }
  void setAnswerBox(const std::string& text) override { setBox(kAnswerBoxId, text); }
  void setSecondAnswerBox(const std::string& text) override { setBox(kSecondAnswerBoxId, text); }
  void showInformation(const std::string& text) override;
  std::uint32_t tickCount() override { return GetTickCount(); }

 private:
  static constexpr int kQuestionBoxId = quiz_ids::kQuestionBox, kAnswerBoxId = quiz_ids::kAnswerBox,
                       kSecondAnswerBoxId = quiz_ids::kSecondAnswerBox;
  template <class T>
  friend LRESULT CALLBACK objectWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK labelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  static LRESULT CALLBACK editProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  void onCreate();
  void showTableWindow();
  void quizWindowDestroyed();
  void setBox(int id, const std::string& text);

  Quiz quiz_;
  HWND hwnd_ = nullptr;
  HWND tableWindow_ = nullptr;
  HINSTANCE instance_ = nullptr;
};

// Asks a window to destroy itself when the message loop reaches the request.
constexpr UINT kDestroyRequest = WM_APP + 0x10;

}  // namespace qd
