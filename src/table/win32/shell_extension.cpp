#include "table/win32/shell_extension.h"

#include <windows.h>

#include "toolkit/win32/system_function.h"

namespace qd {
namespace {
SystemFunction<char* WINAPI(const char*)> pathFindExtension("shlwapi.dll", "PathFindExtensionA");
}  // namespace

std::string shellPathExtension(const std::string& path) { return pathFindExtension.get()(path.c_str()); }

}  // namespace qd
