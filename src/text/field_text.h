#pragma once
#include <string>

#include "text/field_value.h"

namespace qd {

// Replaces `out` with the text of a field value: "%d" for whole numbers
// (8-bit ones unsigned, 64-bit ones by their low 32 bits), "%.8f" for
// doubles and decimals, "%.4f" for singles, "%Y-%m-%d %H:%M:%S" for dates,
// TRUE/FALSE, [BLOB], UN_KNOW, and currency as a plain number with the
// decimal separator given (the user's, see userDecimalSeparator()).
void assignFieldText(const FieldValue& value, std::string& out, std::string_view decimalSeparator = ".");

std::string fieldText(const FieldValue& value, std::string_view decimalSeparator = ".");

}  // namespace qd
