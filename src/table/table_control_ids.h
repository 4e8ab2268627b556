#pragma once
// Control ids of the table window, known to its tests as well.
namespace qd::table_ids {
enum : int { kLabel = 100, kPathBox, kBrowseButton, kReadButton, kGrid, kProgressBar, kStartButton };
constexpr char kWindowClass[] = "QuestionDrillTableWindow";
}  // namespace qd::table_ids
