#include "toolkit/win32/system_function.h"

namespace qd {

FARPROC findSystemFunction(const char* library, const char* function) {
  HMODULE module = GetModuleHandleA(library);
  if (module == nullptr) module = LoadLibraryA(library);
  return module != nullptr ? GetProcAddress(module, function) : nullptr;
}

}  // namespace qd
