#pragma once
// Reads a workbook in memory the way the import does: written to a
// temporary file, connected, queried, every record's first fields read.
#include <string>
#include <vector>

#include "biff_builder.h"
#include "compound_file_builder.h"
#include "data/data_error.h"

namespace qd::test {

struct ReadResult {
  bool connected = false;
  bool opened = false;
  DataError error = DataError::None;
  std::vector<std::vector<std::string>> records;  // ANSI texts of fields 0 .. fields-1
};

ReadResult readWorkbook(const ByteVec& fileBytes, const std::string& sheet = "Sheet1", int fields = 4);

// A compound file holding one workbook stream.
ByteVec workbookFile(const ByteVec& stream, const CompoundFileOptions& options = {},
                     const std::u16string& streamName = u"Workbook");

// A BIFF8 workbook whose Sheet1 holds the given cell records.
ByteVec sheetFile(const std::vector<Record>& cells, const std::vector<Record>& globals = {},
                  const std::vector<Record>& afterSheets = {});

}  // namespace qd::test
