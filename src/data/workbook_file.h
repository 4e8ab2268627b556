#pragma once
// An .xls file opened for reading: its bytes, its compound file and its
// workbook stream. Only the workbook globals and the one sheet asked for
// are ever parsed.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/compound_file.h"
#include "data/data_error.h"
#include "data/file_buffer.h"
#include "data/workbook_globals.h"
#include "data/worksheet.h"

namespace qd {

class WorkbookFile {
 public:
  WorkbookFile() = default;
  WorkbookFile(const WorkbookFile&) = delete;  // the compound file points into file_
  WorkbookFile& operator=(const WorkbookFile&) = delete;

  // Reads the file and finds its workbook stream. Fails for a file that
  // cannot be read, that is not a compound file, or that holds no
  // workbook; a workbook stream that is cut off fails later, in readSheet.
  DataError open(const std::string& path);
  // The same for bytes already in memory (tests, fuzzing).
  DataError open(std::vector<std::uint8_t> bytes);

  // The worksheet of that name (ASCII letters compared case-insensitively).
  DataError readSheet(std::string_view name, Worksheet& out);

  // The sheet list, for tools; empty when the globals cannot be read.
  const std::vector<SheetEntry>& sheets();

 private:
  DataError openBytes();
  DataError readGlobals();

  FileBuffer file_;
  CompoundFile compound_;
  std::vector<std::uint8_t> streamCopy_;
  Bytes stream_;
  DataError streamError_ = DataError::None;
  bool globalsRead_ = false;
  DataError globalsError_ = DataError::None;
  WorkbookGlobals globals_;
};

}  // namespace qd
