#pragma once
// importWorkbook: loads the records of worksheet Sheet1 of the workbook
// named in the path box into the question grid, then starts a new round.
#include <cstdint>
#include <string>

#include "app/quiz_state.h"
#include "toolkit/grid_model.h"

namespace qd {

// What the import uses of the table window besides the grid.
class ImportWindow {
 public:
  virtual ~ImportWindow() = default;
  virtual std::string pathBoxText() = 0;
  virtual void focusPathBox() = 0;
  // An information message; returns when it has been dismissed.
  virtual void showInformation(const std::string& text) = 0;
  virtual void beginWaitPointer() = 0;
  virtual void endWaitPointer() = 0;
  virtual void lockGridPainting() = 0;
  virtual void unlockPainting() = 0;
  virtual void repaintGrid() = 0;
  virtual void setProgressVisible(bool visible) = 0;
  virtual std::int32_t progressPosition() = 0;
  virtual void setProgressPosition(std::int32_t position) = 0;
};

// The database connection and its record set, as the import drives them.
// Every operation fails silently.
class WorkbookSource {
 public:
  virtual ~WorkbookSource() = default;
  virtual bool connect(const std::string& connectionString) = 0;
  virtual void closeConnection() = 0;
  virtual bool attachRecords() = 0;
  virtual bool openRecords(const std::string& sql) = 0;
  virtual bool moveFirst() = 0;
  virtual bool moveNext() = 0;
  virtual bool isPastLast() = 0;
  virtual void readField(long position, std::string& text) = 0;
  virtual void closeRecords() = 0;
};

// The grid's columns for a question.
enum QuestionColumn : std::int32_t { kNumberColumn = 0, kQuestionColumn = 1, kAnswerColumn = 2, kSecondAnswerColumn = 3 };

void importWorkbook(ImportWindow& window, GridModel& grid, WorkbookSource& source, QuizState& state);

}  // namespace qd
