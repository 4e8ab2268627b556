#pragma once
// The import's workbook source over our own connection and record set.
#include "data/database_connection.h"
#include "data/record_set.h"
#include "table/workbook_import.h"

namespace qd {

class DatabaseWorkbookSource : public WorkbookSource {
 public:
  bool connect(const std::string& connectionString) override { return connection_.connect(connectionString); }
  void closeConnection() override { connection_.close(); }
  bool attachRecords() override { return records_.attach(&connection_); }
  bool openRecords(const std::string& sql) override { return records_.open(sql, SourceKind::SqlStatement); }
  bool moveFirst() override { return records_.moveFirst(); }
  bool moveNext() override { return records_.moveNext(); }
  bool isPastLast() override { return records_.isPastLast(); }
  void readField(long position, std::string& text) override { records_.readField(position, text); }
  void closeRecords() override { records_.close(); }

 private:
  DatabaseConnection connection_;
  RecordSet records_;
};

}  // namespace qd
