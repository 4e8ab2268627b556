#pragma once
// The connection string that names a workbook, and finding the workbook's
// path in it again.
#include <optional>
#include <string>
#include <string_view>

namespace qd {

// "Driver={Microsoft Excel Driver (*.xls)};DriverId=790;Dbq=P;DefaultDir=P;"
// with the path P put in twice, unchanged.
std::string buildConnectionString(std::string_view workbookPath);

// The workbook path of a connection string. A string built by
// buildConnectionString gives its P back exactly, whatever P holds (';',
// '=', braces, spaces at its ends). Any other string is read as ODBC
// key=value pairs separated by ';', a value in braces running to the
// matching '}' ("}}" standing for '}'), and gives the value of DBQ.
std::optional<std::string> workbookPathOf(std::string_view connectionString);

}  // namespace qd
