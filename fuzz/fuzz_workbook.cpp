// Fuzz target for the workbook reader. The first byte picks what the rest
// is: 0 a whole file, anything else a workbook stream that is packed into a
// compound file first (so mutations reach the BIFF records directly).
// Every sheet is read and every cell turned into its field text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "compound_file_builder.h"
#include "data/workbook_file.h"
#include "text/field_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::vector<std::uint8_t> rest(data + 1, data + size);
  std::vector<std::uint8_t> file;
  if (data[0] == 0) {
    file = std::move(rest);
  } else {
    qd::test::CompoundFileOptions options;
    options.sectorShift = (data[0] & 1) ? 12 : 9;
    options.scatter = (data[0] & 2) != 0;
    file = qd::test::buildCompoundFile({{(data[0] & 4) ? u"Book" : u"Workbook", rest}}, options);
  }
  qd::WorkbookFile workbook;
  if (workbook.open(std::move(file)) != qd::DataError::None) return 0;
  std::vector<std::string> names{"Sheet1"};
  for (const auto& sheet : workbook.sheets()) names.push_back(sheet.name);
  std::string text;
  for (const std::string& name : names) {
    qd::Worksheet sheet;
    if (workbook.readSheet(name, sheet) != qd::DataError::None) continue;
    for (const qd::Cell& cell : sheet.cells) qd::assignFieldText(sheet.value(cell), text);
  }
  return 0;
}
