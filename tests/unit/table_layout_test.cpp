#include <gtest/gtest.h>

#include <map>

#include "table/run_directory.h"
#include "table/table_layout.h"
#include "gbk.h"

using qd::ControlPlace;
using qd::TableControl;

namespace {

// Keeps places as given, or, like a window system, with negative sizes made 0.
class Placer : public qd::ControlPlacer {
 public:
  explicit Placer(bool clampSizes = false) : clamp_(clampSizes) {}
  void move(TableControl c, const ControlPlace& p) override {
    ControlPlace kept = p;
    if (clamp_) kept.width = std::max(kept.width, 0), kept.height = std::max(kept.height, 0);
    places[c] = kept;
  }
  ControlPlace place(TableControl c) override { return places[c]; }
  std::map<TableControl, ControlPlace> places;

 private:
  bool clamp_;
};

}  // namespace

TEST(TableLayout, FitsTheControlsToTheClientArea) {
  Placer p;
  qd::layOutTableWindow(600, 500, p);
  EXPECT_EQ(p.places[TableControl::Label], (ControlPlace{8, 8, 96, 24}));
  EXPECT_EQ(p.places[TableControl::PathBox], (ControlPlace{112, 8, 304, 24}));
  EXPECT_EQ(p.places[TableControl::BrowseButton], (ControlPlace{424, 8, 80, 24}));
  EXPECT_EQ(p.places[TableControl::ReadButton], (ControlPlace{512, 8, 80, 24}));
  EXPECT_EQ(p.places[TableControl::Grid], (ControlPlace{8, 40, 584, 420}));
  EXPECT_EQ(p.places[TableControl::ProgressBar], (ControlPlace{8, 468, 408, 24}));
  EXPECT_EQ(p.places[TableControl::StartButton], (ControlPlace{472, 468, 120, 24}));
}

TEST(TableLayout, AppliesTheFormulasAsTheyStandForAnySize) {
  Placer p;
  qd::layOutTableWindow(0, 0, p);  // minimised
  EXPECT_EQ(p.places[TableControl::PathBox], (ControlPlace{112, 8, -296, 24}));
  EXPECT_EQ(p.places[TableControl::BrowseButton], (ControlPlace{-176, 8, 80, 24}));
  EXPECT_EQ(p.places[TableControl::Grid], (ControlPlace{8, 40, -16, -80}));
  EXPECT_EQ(p.places[TableControl::StartButton], (ControlPlace{-128, -32, 120, 24}));
  // Places read back after each move: a system that clamps sizes moves the rest.
  Placer clamping(true);
  qd::layOutTableWindow(0, 0, clamping);
  EXPECT_EQ(clamping.places[TableControl::BrowseButton], (ControlPlace{120, 8, 80, 24}));
  EXPECT_EQ(clamping.places[TableControl::ProgressBar], (ControlPlace{8, 48, 0, 24}));
}

TEST(RunDirectory, IsTheProgramsFolderWithoutATrailingBackslash) {
  EXPECT_EQ(qd::runDirectory("C:\\quiz\\quiz.exe"), "C:\\quiz");
  EXPECT_EQ(qd::runDirectory("C:\\quiz.exe"), "C:");
  EXPECT_EQ(qd::defaultWorkbookPath("C:\\quiz.exe"), gbk("C:\\数据库.xls"));
  EXPECT_EQ(qd::defaultWorkbookPath("C:\\quiz\\quiz.exe"), gbk("C:\\quiz\\数据库.xls"));
  // 表 is B1 ED; a folder whose name ends in a character with trail byte 5C (丶 is 81 5C) keeps it.
  EXPECT_EQ(qd::runDirectory("D:\\\x81\x5C\\q.exe"), "D:\\\x81\x5C");
  EXPECT_EQ(qd::runDirectory("\\\\server\\share\\q.exe"), "\\\\server\\share");
}
