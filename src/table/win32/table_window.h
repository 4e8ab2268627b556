#pragma once
// The table window "表读取": the path box with its buttons, the question
// grid, the progress bar and the button that leaves for the quiz.
#include <windows.h>

#include "app/quiz_state.h"
#include "table/database_workbook_source.h"
#include "table/dropped_file.h"
#include "table/table_control_ids.h"
#include "table/table_layout.h"
#include "table/workbook_import.h"
#include "toolkit/grid_model.h"
#include "toolkit/progress_bar_model.h"
#include "toolkit/win32/dialogs.h"
#include "toolkit/win32/top_window.h"

namespace qd {

class QuizWindow;

class TableWindow : public ImportWindow, public ControlPlacer, public DroppedFileReceiver {
 public:
  explicit TableWindow(QuizState& state) : state_(state) {}

  static bool registerClass(HINSTANCE instance);
  // Loads the window, hidden as its form says; its created handler runs.
  HWND load(HINSTANCE instance);
  HWND handle() const { return hwnd_; }
  const GridModel& grid() const { return grid_; }
  // The quiz window that setUpTableWindow loads and the handlers show.
  void setQuizWindow(QuizWindow* quiz) { quizWindow_ = quiz; }

  // ImportWindow
  std::string pathBoxText() override;
  void focusPathBox() override;
  void showInformation(const std::string& text) override { showInformationMessage(text); }
  void beginWaitPointer() override { wait_.begin(); }
  void endWaitPointer() override { wait_.end(); }
  void lockGridPainting() override { lockPainting(control(kGrid)); }
  void unlockPainting() override { qd::unlockPainting(); }
  void repaintGrid() override;
  void setProgressVisible(bool visible) override;
  std::int32_t progressPosition() override { return progress_.position(); }
  void setProgressPosition(std::int32_t position) override;

  // DroppedFileReceiver (showInformation as above)
  std::string extensionOf(const std::string& path) override;
  void setPathBoxText(const std::string& path) override;
  void importWorkbookFromPathBox() override { runImport(); }

  // ControlPlacer
  void move(TableControl control, const ControlPlace& place) override;
  ControlPlace place(TableControl control) override;

  // Control ids.
  enum : int {
    kLabel = table_ids::kLabel,
    kPathBox = table_ids::kPathBox,
    kBrowseButton = table_ids::kBrowseButton,
    kReadButton = table_ids::kReadButton,
    kGrid = table_ids::kGrid,
    kProgressBar = table_ids::kProgressBar,
    kStartButton = table_ids::kStartButton,
  };

 private:
  template <class T>
  friend LRESULT CALLBACK objectWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  void onCreate();
  void setUpTableWindow();
  void layOutTableWindow();
  void browseForWorkbook();
  void startQuiz();
  bool tableWindowCanClose();
  void tableWindowDestroyed();
  void runImport();
  void showQuizWindow();
  HWND control(int id) const { return GetDlgItem(hwnd_, id); }

  QuizState& state_;
  HWND hwnd_ = nullptr;
  HINSTANCE instance_ = nullptr;
  GridModel grid_;
  ProgressBarModel progress_{0, 100, 50};
  DatabaseWorkbookSource source_;
  OpenFileDialog browseDialog_;
  WaitPointer wait_;
  QuizWindow* quizWindow_ = nullptr;
};

}  // namespace qd
