#pragma once
// The database connection of the table window: opens a workbook named by a
// connection string. Failures are silent: false, and nothing left open.
#include <memory>
#include <string_view>

#include "data/data_error.h"
#include "data/workbook_file.h"

namespace qd {

class DatabaseConnection {
 public:
  // True only when the connection is open. A connection already open is
  // closed first.
  bool connect(std::string_view connectionString);
  // Closes the connection if it is open.
  void close();
  bool isOpen() const { return workbook_ != nullptr; }

  // Why the last connect failed, for diagnostics.
  DataError lastError() const { return lastError_; }

  // The open workbook, or null.
  WorkbookFile* workbook() const { return workbook_.get(); }

 private:
  std::unique_ptr<WorkbookFile> workbook_;
  DataError lastError_ = DataError::None;
};

}  // namespace qd
