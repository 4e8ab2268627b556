#include "workbook_reading.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "data/connection_string.h"
#include "data/database_connection.h"
#include "data/record_set.h"

namespace qd::test {

ReadResult readWorkbook(const ByteVec& fileBytes, const std::string& sheet, int fields) {
  static std::atomic<int> counter{0};
  const std::string path = ::testing::TempDir() + "qd_workbook_" + std::to_string(counter++) + ".xls";
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(fileBytes.data()), static_cast<std::streamsize>(fileBytes.size()));
  }
  ReadResult result;
  DatabaseConnection connection;
  RecordSet records;
  result.connected = connection.connect(buildConnectionString(path));
  result.error = connection.lastError();
  if (result.connected) {
    records.attach(&connection);
    result.opened = records.open("SELECT * FROM [" + sheet + "$]", SourceKind::SqlStatement);
    result.error = records.lastError();
    records.moveFirst();
    while (!records.isPastLast()) {
      std::vector<std::string> row(static_cast<std::size_t>(fields));
      for (int i = 0; i < fields; ++i) records.readField(i, row[static_cast<std::size_t>(i)]);
      result.records.push_back(std::move(row));
      records.moveNext();
    }
    records.close();
    connection.close();
  }
  std::remove(path.c_str());
  return result;
}

ByteVec workbookFile(const ByteVec& stream, const CompoundFileOptions& options, const std::u16string& streamName) {
  return buildCompoundFile({{streamName, stream}}, options);
}

ByteVec sheetFile(const std::vector<Record>& cells, const std::vector<Record>& globals,
                  const std::vector<Record>& afterSheets) {
  return workbookFile(workbookStream(globals, {{u"Sheet1", cells}}, afterSheets));
}

}  // namespace qd::test
