#pragma once
// The record set of the table window over one worksheet: the rows of the
// sheet's used range after its first row (which names the columns), empty
// rows included, each with the range's columns as fields. Failures are
// silent: false, no records, a field that cannot be read is the empty text.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "data/data_error.h"
#include "data/worksheet.h"

namespace qd {

class DatabaseConnection;

enum class SourceKind { SqlStatement, TableName };

class RecordSet {
 public:
  // True when both the record set and the connection exist; makes no
  // contact with the workbook.
  bool attach(DatabaseConnection* connection);

  // Runs "SELECT * FROM [sheet$]" (or opens the table "sheet$"). True when
  // the query ran; the record set then stands on its first record. False
  // when no connection is open, the record set is already open, or the
  // workbook reports an error; no records then.
  bool open(std::string_view source, SourceKind kind);

  bool moveFirst();
  bool moveNext();
  // True after the last record, and when there are none or nothing is open.
  bool isPastLast() const;

  // Puts the text of the current record's field at `position` (from 0)
  // into `text`; the empty text when there is no such field or record.
  bool readField(long position, std::string& text) const;

  void close();
  bool isOpen() const { return sheet_ != nullptr; }
  std::size_t recordCount() const { return recordCount_; }
  DataError lastError() const { return lastError_; }

 private:
  void locateRecord();

  DatabaseConnection* connection_ = nullptr;
  std::unique_ptr<Worksheet> sheet_;
  std::size_t recordCount_ = 0;
  std::size_t current_ = 0;   // recordCount_ when past the last record
  std::size_t rowBegin_ = 0;  // the current record's cells in sheet_->cells
  std::size_t rowEnd_ = 0;
  DataError lastError_ = DataError::None;
};

}  // namespace qd
