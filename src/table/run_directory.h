#pragma once
#include <string>
#include <string_view>

namespace qd {

// The folder of the program file without a trailing backslash; for a
// program in a drive's root folder, the drive letter and colon alone.
std::string runDirectory(std::string_view programPath);

// The workbook imported at start: the run directory and "\数据库.xls".
std::string defaultWorkbookPath(std::string_view programPath);

}  // namespace qd
