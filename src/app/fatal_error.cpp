#include "app/fatal_error.h"

#include <cstdlib>

#include "app/ui_texts.h"

namespace qd {
namespace {
FatalErrorHandler* handler = nullptr;
}  // namespace

std::string fatalErrorText(int code, const std::string& message) {
  std::string text = text::kRuntimeError;
  if (code != kNoErrorCode) text += std::string("\r\n\r\n") + text::kErrorCode + std::to_string(code);
  text += std::string("\r\n\r\n") + text::kErrorMessage + message;
  return text;
}

std::string missingSystemFunctionMessage(const std::string& library, const std::string& function) {
  std::string message = text::kMissingSystemFunction;
  std::size_t from = 0;
  for (const std::string* part : {&library, &function}) {
    const std::size_t at = message.find("%s", from);
    if (at == std::string::npos) break;
    message.replace(at, 2, *part);
    from = at + part->size();  // names holding "%s" stay as they are
  }
  return message;
}

void setFatalErrorHandler(FatalErrorHandler* h) { handler = h; }

void raiseFatalError(int code, const std::string& message) {
  if (handler != nullptr) handler->stop(code, message);
  std::abort();  // no handler, or one that came back: never go on past a broken invariant
}

}  // namespace qd
