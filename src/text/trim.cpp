#include "text/trim.h"

#include "text/cp936.h"

namespace qd {

std::string trimSpaces(std::string_view text) {
  const char* p = text.data();
  const std::size_t n = text.size();
  std::size_t begin = n;  // first byte of the first kept character
  std::size_t end = 0;    // one past the last kept character
  for (std::size_t i = 0; i < n;) {
    const std::size_t len = cp936::charLength(p, n, i);
    const bool space = (len == 1 && p[i] == ' ') || (len == 2 && cp936::isIdeographicSpace(p + i));
    if (!space) {
      if (begin == n) begin = i;
      end = i + len;
    }
    i += len;
  }
  if (begin == n) return {};
  return std::string(text.substr(begin, end - begin));
}

}  // namespace qd
