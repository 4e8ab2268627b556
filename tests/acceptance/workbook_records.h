#pragma once
// The records of a workbook's Sheet1 as our data source reads them (fields
// 0 to 3), to tell what the program should show.
#include <string>
#include <vector>

#include "app/ui_texts.h"
#include "data/connection_string.h"
#include "data/database_connection.h"
#include "data/record_set.h"

namespace qd::driver {

inline std::vector<std::vector<std::string>> workbookRecords(const std::string& path) {
  DatabaseConnection connection;
  RecordSet records;
  std::vector<std::vector<std::string>> rows;
  if (!connection.connect(buildConnectionString(path))) return rows;
  records.attach(&connection);
  records.open(text::kSelectAllFromSheet1, SourceKind::SqlStatement);
  for (records.moveFirst(); !records.isPastLast(); records.moveNext()) {
    std::vector<std::string> row(4);
    for (int i = 0; i < 4; ++i) records.readField(i, row[static_cast<std::size_t>(i)]);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace qd::driver
