// Fuzz target for the text rules: trimming, text to integer, the connection
// string round trip, the query parser, number-format classification and the
// extension of a dropped file's path.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data/connection_string.h"
#include "data/excel_date.h"
#include "data/number_formats.h"
#include "data/sql_source.h"
#include "table/dropped_file.h"
#include "text/field_text.h"
#include "text/text_to_integer.h"
#include "text/trim.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string trimmed = qd::trimSpaces(text);
  if (trimmed.size() > text.size() || text.find(trimmed) == std::string::npos) std::abort();
  if (qd::trimSpaces(trimmed) != trimmed) std::abort();  // trimming twice changes nothing
  (void)qd::textToInteger(text);
  // Whatever path the import puts in, the connection finds it again.
  if (qd::workbookPathOf(qd::buildConnectionString(text)) != text && !text.empty()) std::abort();
  (void)qd::workbookPathOf(text);
  (void)qd::sheetOfSelectAll(text);
  (void)qd::isDateFormatString(text);
  // An extension is the path's own end: empty, or a dot and what follows.
  const std::string extension = qd::pathExtension(text);
  if (!extension.empty() && (extension[0] != '.' || text.size() < extension.size() ||
                             text.compare(text.size() - extension.size(), extension.size(), extension) != 0))
    std::abort();
  if (size >= 8) {
    double serial;
    std::memcpy(&serial, data, sizeof serial);
    for (bool date1904 : {false, true}) {
      if (const auto d = qd::dateFromSerial(serial, date1904)) {
        qd::FieldValue v;
        v.kind = qd::FieldValue::Kind::Date;
        v.date = *d;
        if (qd::fieldText(v).size() != 19) std::abort();
      }
    }
    qd::FieldValue real;
    real.kind = qd::FieldValue::Kind::Double;
    real.real = serial;
    (void)qd::fieldText(real);
  }
  return 0;
}
