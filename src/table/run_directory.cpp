#include "table/run_directory.h"

#include "app/ui_texts.h"
#include "text/cp936.h"

namespace qd {

std::string runDirectory(std::string_view programPath) {
  // The last backslash that is a character of its own, not the trail byte
  // of a two-byte character.
  std::size_t lastSeparator = std::string_view::npos;
  for (std::size_t i = 0; i < programPath.size();) {
    const std::size_t len = cp936::charLength(programPath.data(), programPath.size(), i);
    if (len == 1 && (programPath[i] == '\\' || programPath[i] == '/')) lastSeparator = i;
    i += len;
  }
  if (lastSeparator == std::string_view::npos) return {};
  return std::string(programPath.substr(0, lastSeparator));
}

std::string defaultWorkbookPath(std::string_view programPath) {
  return runDirectory(programPath) + text::kDefaultWorkbookName;
}

}  // namespace qd
