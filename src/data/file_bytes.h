#pragma once
// Reading a whole file into memory, with every share mode on Windows so
// that a workbook open in a spreadsheet program can still be read.
#include <cstdint>
#include <string>
#include <vector>

namespace qd {

// Files larger than this are not workbooks this program can load.
constexpr std::uint64_t kMaxWorkbookFileSize = 1ull << 30;

// False for a missing file, a folder, a file that cannot be read, and a
// file larger than kMaxWorkbookFileSize. `path` is in the ANSI code page.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out);

}  // namespace qd
