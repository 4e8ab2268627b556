#include <windows.h>

#include <algorithm>

#include "data/file_bytes.h"

namespace qd {

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
  out.clear();
  if (path.find('\0') != std::string::npos) return false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
            static_cast<std::uint64_t>(size.QuadPart) <= kMaxWorkbookFileSize;
  if (ok) {
    try {
      out.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (...) {
      ok = false;
    }
  }
  std::size_t done = 0;
  while (ok && done < out.size()) {
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(out.size() - done, 1u << 24));
    if (!ReadFile(file, out.data() + done, want, &n, nullptr) || n == 0) break;
    done += n;
  }
  CloseHandle(file);
  if (!ok) {
    out.clear();
    return false;
  }
  out.resize(done);
  return true;
}

}  // namespace qd
