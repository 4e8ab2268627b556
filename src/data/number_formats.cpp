#include "data/number_formats.h"

namespace qd {

bool isBuiltInDateFormat(std::uint16_t id) {
  return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58);
}

bool isDateFormatString(std::string_view format) {
  int dateCodes = 0;
  int digitCodes = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    switch (c) {
      case ';':
        i = format.size();  // only the first section decides
        break;
      case '"': {
        const std::size_t close = format.find('"', i + 1);
        i = close == std::string_view::npos ? format.size() : close;
        break;
      }
      case '\\':
      case '_':
      case '*':
        ++i;  // the next character is literal (or padding)
        break;
      case '[': {
        const std::size_t close = format.find(']', i + 1);
        const std::string_view inside =
            format.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1);
        // Elapsed time [h], [mm], [ss]; colours, conditions and locales are not dates.
        if (!inside.empty() && inside.find_first_not_of(inside[0]) == std::string_view::npos &&
            (inside[0] == 'h' || inside[0] == 'H' || inside[0] == 'm' || inside[0] == 'M' || inside[0] == 's' ||
             inside[0] == 'S'))
          ++dateCodes;
        i = close == std::string_view::npos ? format.size() : close;
        break;
      }
      case 'y': case 'Y': case 'm': case 'M': case 'd': case 'D':
      case 'h': case 'H': case 's': case 'S':
        ++dateCodes;
        break;
      case '0': case '#': case '?':
        ++digitCodes;
        break;
      default:
        break;
    }
  }
  return dateCodes > 0 && dateCodes >= digitCodes;
}

}  // namespace qd
