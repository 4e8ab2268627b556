#include "table/workbook_import.h"

#include "app/ui_texts.h"
#include "data/connection_string.h"
#include "text/text_to_integer.h"
#include "text/trim.h"

namespace qd {

void importWorkbook(ImportWindow& window, GridModel& grid, WorkbookSource& source, QuizState& state) {
  const std::string path = trimSpaces(window.pathBoxText());
  if (path.empty()) {
    window.showInformation(text::kEnterWorkbookPath);
    window.focusPathBox();
    return;
  }
  if (source.connect(buildConnectionString(path))) {
    if (!source.attachRecords()) return;  // the connection stays open until the next connect
    window.beginWaitPointer();
    window.lockGridPainting();
    source.openRecords(text::kSelectAllFromSheet1);  // a failed query yields no records
    window.setProgressVisible(true);
    source.moveFirst();
    std::string number, question, answer, secondAnswer;
    while (!source.isPastLast()) {
      source.readField(0, number);
      source.readField(1, question);
      source.readField(2, answer);
      source.readField(3, secondAnswer);
      grid.appendRow();
      grid.setCell(grid.rowCount() - 1, kNumberColumn, std::to_string(textToInteger(number)));
      grid.setCell(grid.rowCount() - 1, kQuestionColumn, question);
      grid.setCell(grid.rowCount() - 1, kAnswerColumn, answer);
      grid.setCell(grid.rowCount() - 1, kSecondAnswerColumn, secondAnswer);
      window.setProgressPosition(window.progressPosition() + 1);
      source.moveNext();
    }
    source.closeRecords();
    source.closeConnection();
    window.unlockPainting();
    window.repaintGrid();
    window.setProgressVisible(false);
    window.endWaitPointer();
  }
  state.startRound(grid.rowCount());
}

}  // namespace qd
