#pragma once
// A system function the program declares itself, bound by library and
// function name when it is first called. A library that cannot be loaded,
// or that lacks the function, is a fatal error without a code:
// "无法找到指定DLL库文件“library”中的输出命令“function”".
#include <windows.h>

#include "app/fatal_error.h"

namespace qd {

// The bound address, or null when the library or function is missing.
FARPROC findSystemFunction(const char* library, const char* function);

template <class Signature>
class SystemFunction {
 public:
  constexpr SystemFunction(const char* library, const char* function) : library_(library), function_(function) {}

  // The function, bound at the first call.
  Signature* get() {
    if (address_ == nullptr) {
      // Through void (*)(), the cast that says "any function type" to the compiler.
      address_ = reinterpret_cast<Signature*>(reinterpret_cast<void (*)()>(findSystemFunction(library_, function_)));
      if (address_ == nullptr) raiseFatalError(kNoErrorCode, missingSystemFunctionMessage(library_, function_));
    }
    return address_;
  }
  // Whether the system has it, without stopping the program.
  bool available() { return address_ != nullptr || findSystemFunction(library_, function_) != nullptr; }

 private:
  const char* library_;
  const char* function_;
  Signature* address_ = nullptr;
};

}  // namespace qd
