#pragma once
// The one query the record set understands: every column of a worksheet.
#include <optional>
#include <string>
#include <string_view>

namespace qd {

// The sheet name of "SELECT * FROM [name$]" (keywords in any case, blanks
// free between the words, an optional ';' at the end); nothing for any other
// statement.
std::optional<std::string> sheetOfSelectAll(std::string_view sql);

// The sheet name of a table name "name$" or "[name$]".
std::optional<std::string> sheetOfTableName(std::string_view table);

}  // namespace qd
