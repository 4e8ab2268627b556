#include "data/database_connection.h"

#include <new>

#include "data/connection_string.h"

namespace qd {

bool DatabaseConnection::connect(std::string_view connectionString) {
  close();
  try {
    const auto path = workbookPathOf(connectionString);
    if (!path) {
      lastError_ = DataError::BadConnectionString;
      return false;
    }
    auto workbook = std::make_unique<WorkbookFile>();
    lastError_ = workbook->open(*path);
    if (lastError_ != DataError::None) return false;
    workbook_ = std::move(workbook);
    return true;
  } catch (const std::bad_alloc&) {
    lastError_ = DataError::FileUnreadable;
    return false;
  }
}

void DatabaseConnection::close() { workbook_.reset(); }

}  // namespace qd
