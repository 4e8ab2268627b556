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

void setFatalErrorHandler(FatalErrorHandler* h) { handler = h; }

void raiseFatalError(int code, const std::string& message) {
  if (handler != nullptr) handler->stop(code, message);
  std::abort();  // no handler, or one that came back: never go on past a broken invariant
}

}  // namespace qd
