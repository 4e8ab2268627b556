// importWorkbook over fakes of the table window and the workbook source,
// and once over a real workbook.
#include <gtest/gtest.h>

#include "app/quiz_state.h"
#include "data/connection_string.h"
#include "gbk.h"
#include "table/database_workbook_source.h"
#include "table/question_grid_setup.h"
#include "table/workbook_import.h"
#include "toolkit/progress_bar_model.h"

namespace {

using Log = std::vector<std::string>;

class FakeWindow : public qd::ImportWindow {
 public:
  explicit FakeWindow(Log& log, std::string path) : log_(log), path_(std::move(path)) {}
  std::string pathBoxText() override { return path_; }
  void focusPathBox() override { log_.push_back("focus path box"); }
  void showInformation(const std::string& text) override { log_.push_back("message " + text); }
  void beginWaitPointer() override { log_.push_back("wait pointer"); }
  void endWaitPointer() override { log_.push_back("normal pointer"); }
  void lockGridPainting() override { log_.push_back("lock grid"); }
  void unlockPainting() override { log_.push_back("unlock"); }
  void repaintGrid() override { log_.push_back("repaint grid"); }
  void setProgressVisible(bool v) override { log_.push_back(v ? "show progress" : "hide progress"); }
  std::int32_t progressPosition() override { return bar.position(); }
  void setProgressPosition(std::int32_t p) override { bar.setPosition(p); }
  qd::ProgressBarModel bar{0, 100, 50};

 private:
  Log& log_;
  std::string path_;
};

struct FakeSource : qd::WorkbookSource {
  explicit FakeSource(Log& log) : log(log) {}
  bool connect(const std::string& cs) override {
    log.push_back("connect");
    connectionString = cs;
    return connects;
  }
  void closeConnection() override { log.push_back("close connection"); }
  bool attachRecords() override {
    log.push_back("attach");
    return attaches;
  }
  bool openRecords(const std::string& sql) override {
    log.push_back("open " + sql);
    position = 0;
    return opens;
  }
  bool moveFirst() override { position = 0; return !rows.empty(); }
  bool moveNext() override { ++position; return true; }
  bool isPastLast() override { return !opens || position >= rows.size(); }
  void readField(long i, std::string& text) override {
    const auto& row = rows[position];
    text = static_cast<std::size_t>(i) < row.size() ? row[static_cast<std::size_t>(i)] : "";
  }
  void closeRecords() override { log.push_back("close records"); }

  Log& log;
  bool connects = true, attaches = true, opens = true;
  std::vector<std::vector<std::string>> rows;
  std::size_t position = 0;
  std::string connectionString;
};

struct Import {
  Log log;
  qd::GridModel grid;
  qd::QuizState state;
  FakeSource source{log};
  Import() { qd::setUpQuestionGrid(grid); }
  void run(const std::string& path, FakeWindow* window = nullptr) {
    FakeWindow own(log, path);
    qd::importWorkbook(window ? *window : own, grid, source, state);
  }
  std::vector<std::string> row(int r) const {
    std::vector<std::string> texts;
    for (int c = 0; c < 5; ++c) texts.push_back(*grid.cell(r, c));
    return texts;
  }
};

}  // namespace

TEST(ImportWorkbook, AnEmptyPathAsksForOneAndChangesNothing) {
  for (const std::string& path : {std::string(), std::string("   "), gbk("　 　")}) {
    Import im;
    im.state.startRound(1);
    im.state.remainingCount = 99;  // would be reset by a new round
    im.run(path);
    EXPECT_EQ(im.log, (Log{"message " + gbk("请输入Excel数据文件地址。"), "focus path box"})) << path;
    EXPECT_EQ(im.grid.rowCount(), 1);
    EXPECT_EQ(im.state.remainingCount, 99);
  }
}

TEST(ImportWorkbook, ReadsEveryRecordIntoANewGridRowAndStartsARound) {
  Import im;
  im.source.rows = {{"1.00000000", "q1", "a1", "b1"}, {"-3.5", "q2", "", ""}, {"Q7", "q3", "a3"}, {gbk("１２"), "", "", "x", "ignored"}};
  FakeWindow window(im.log, "  C:\\quiz\\bank.xls\t ");
  im.run("", &window);
  EXPECT_EQ(im.source.connectionString, qd::buildConnectionString("C:\\quiz\\bank.xls\t"));  // spaces go, the tab stays
  EXPECT_EQ(im.log, (Log{"connect", "attach", "wait pointer", "lock grid", "open SELECT * FROM [Sheet1$]", "show progress",
                         "close records", "close connection", "unlock", "repaint grid", "hide progress", "normal pointer"}));
  ASSERT_EQ(im.grid.rowCount(), 5);
  EXPECT_EQ(im.row(1), (std::vector<std::string>{"1", "q1", "a1", "b1", ""}));
  EXPECT_EQ(im.row(2), (std::vector<std::string>{"-3", "q2", "", "", ""}));
  EXPECT_EQ(im.row(3), (std::vector<std::string>{"0", "q3", "a3", "", ""}));
  EXPECT_EQ(im.row(4), (std::vector<std::string>{"12", "", "", "x", ""}));
  EXPECT_EQ(window.bar.position(), 54);
  EXPECT_EQ(im.state.questionCount, 4);
  EXPECT_EQ(im.state.remainingCount, 4);
  EXPECT_EQ(im.state.questionPool.at(4), 4);
}

TEST(ImportWorkbook, RowsAccumulateOverImports) {
  Import im;
  for (int i = 1; i <= 10; ++i) im.source.rows.push_back({std::to_string(i), "q"});
  im.run("a.xls");
  EXPECT_EQ(im.grid.rowCount(), 11);
  EXPECT_EQ(im.state.questionCount, 10);
  im.state.questionPool.removeAt(1);  // a round under way
  im.run("a.xls");
  EXPECT_EQ(im.grid.rowCount(), 21);
  EXPECT_EQ(im.state.questionCount, 20);
  EXPECT_EQ(im.state.remainingCount, 20);
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(im.state.questionPool.at(i), i);
  EXPECT_EQ(*im.grid.cell(20, 0), "10");
}

TEST(ImportWorkbook, FailuresAreSilentAndRestartTheRoundWhereTheySay) {
  {  // no connection: nothing touched, the round restarted over the rows there are
    Import im;
    im.grid.appendRow();
    im.source.connects = false;
    im.run("missing.xls");
    EXPECT_EQ(im.log, (Log{"connect"}));
    EXPECT_EQ(im.state.questionCount, 1);
    EXPECT_EQ(im.state.questionPool.count(), 1);
  }
  {  // attaching fails: the import ends at once, without a new round
    Import im;
    im.source.attaches = false;
    im.state.remainingCount = 5;
    im.run("a.xls");
    EXPECT_EQ(im.log, (Log{"connect", "attach"}));
    EXPECT_EQ(im.state.remainingCount, 5);
  }
  {  // the query fails: pointer and progress bar come and go, no rows
    Import im;
    im.source.opens = false;
    im.source.rows = {{"1"}};
    im.run("no_sheet1.xls");
    EXPECT_EQ(im.log, (Log{"connect", "attach", "wait pointer", "lock grid", "open SELECT * FROM [Sheet1$]", "show progress",
                           "close records", "close connection", "unlock", "repaint grid", "hide progress", "normal pointer"}));
    EXPECT_EQ(im.grid.rowCount(), 1);
    EXPECT_EQ(im.state.questionCount, 0);
  }
}

TEST(ImportWorkbook, TheProgressPositionCarriesOverAndStopsAt32767) {
  Import im;
  FakeWindow window(im.log, "one.xls");
  im.source.rows = {{"1", "q"}};
  im.run("", &window);
  EXPECT_EQ(window.bar.position(), 51);
  for (int i = 2; i <= 60; ++i) im.run("", &window);
  EXPECT_EQ(window.bar.position(), 110);
  EXPECT_EQ(window.bar.shownPosition(), 100);
  EXPECT_EQ(im.state.questionCount, 60);
  window.bar.setPosition(32766);
  im.source.rows.assign(3, {"1", "q"});
  im.run("", &window);
  EXPECT_EQ(window.bar.position(), 32767);
}

TEST(ImportWorkbook, ReadsARealWorkbook) {
  Import im;
  qd::DatabaseWorkbookSource source;
  FakeWindow window(im.log, std::string(QD_FIXTURES_DIR) + "/lo_question_bank.xls");
  qd::importWorkbook(window, im.grid, source, im.state);
  EXPECT_EQ(im.state.questionCount, 500);
  EXPECT_EQ(*im.grid.cell(1, 0), "1");
  EXPECT_FALSE(im.grid.cell(1, 1)->empty());
  FakeWindow missing(im.log, std::string(QD_FIXTURES_DIR) + "/no_such.xls");
  qd::importWorkbook(missing, im.grid, source, im.state);
  EXPECT_EQ(im.state.questionCount, 500);
}
