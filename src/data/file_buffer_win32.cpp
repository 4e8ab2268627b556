#include <windows.h>

#include <algorithm>

#include "data/file_buffer.h"

namespace qd {

bool FileBuffer::readFile(const std::string& path) {
  release();
  if (path.find('\0') != std::string::npos) return false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;  // also a folder
  LARGE_INTEGER fileSize{};
  bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &fileSize) && fileSize.QuadPart >= 0 &&
            static_cast<std::uint64_t>(fileSize.QuadPart) <= kMaxWorkbookFileSize;
  const std::size_t size = ok ? static_cast<std::size_t>(fileSize.QuadPart) : 0;
  std::uint8_t* memory = size > 0 ? allocate(size) : nullptr;
  if (size > 0 && memory == nullptr) ok = false;
  std::size_t done = 0;
  while (ok && done < size) {
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 24));
    if (!ReadFile(file, memory + done, want, &n, nullptr) || n == 0) break;
    done += n;
  }
  CloseHandle(file);
  return finish(ok, memory, done);
}

}  // namespace qd
