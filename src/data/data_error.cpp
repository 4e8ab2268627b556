#include "data/data_error.h"

namespace qd {

const char* describe(DataError error) {
  switch (error) {
    case DataError::None: return "no error";
    case DataError::BadConnectionString: return "the connection string names no workbook";
    case DataError::FileUnreadable: return "the file is missing, a folder, or cannot be read";
    case DataError::NotCompoundFile: return "not an Excel 97-2003 workbook (no OLE2 compound-file header)";
    case DataError::DamagedCompoundFile: return "the compound file is damaged (sector tables or directory)";
    case DataError::NotWorkbook: return "the compound file holds no Workbook or Book stream";
    case DataError::NotConnected: return "no connection is open";
    case DataError::BadQuery: return "the query is not of the form SELECT * FROM [sheet$]";
    case DataError::WorkbookStreamCut: return "the workbook stream is cut off";
    case DataError::DamagedWorkbook: return "the workbook stream is damaged";
    case DataError::Encrypted: return "the workbook is encrypted";
    case DataError::NoSuchSheet: return "the workbook has no worksheet of that name";
    case DataError::SheetCut: return "the worksheet is cut off";
  }
  return "unknown error";
}

}  // namespace qd
