#pragma once
// Why reading a workbook failed. The import never shows these; they exist
// for diagnostics (xlsdump) and tests.

namespace qd {

enum class DataError {
  None,
  BadConnectionString,  // no workbook path in the connection string
  FileUnreadable,       // missing, a folder, or cannot be read
  NotCompoundFile,      // no OLE2 compound-file header
  DamagedCompoundFile,  // header, FAT or directory out of bounds or looping
  NotWorkbook,          // no Workbook or Book stream
  NotConnected,         // query without an open connection
  BadQuery,             // not SELECT * FROM [name$]
  WorkbookStreamCut,    // the workbook stream's sectors run short
  DamagedWorkbook,      // BIFF records out of bounds or in a wrong order
  Encrypted,            // the workbook is protected by a password
  NoSuchSheet,          // no worksheet of that name
  SheetCut,             // the sheet ends before its EOF record
};

const char* describe(DataError error);

}  // namespace qd
