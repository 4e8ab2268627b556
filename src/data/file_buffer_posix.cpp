#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "data/file_buffer.h"

namespace qd {

bool FileBuffer::readFile(const std::string& path) {
  release();
  if (path.find('\0') != std::string::npos) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) <= kMaxWorkbookFileSize;
  const std::size_t size = ok ? static_cast<std::size_t>(st.st_size) : 0;
  std::uint8_t* memory = size > 0 ? allocate(size) : nullptr;
  if (size > 0 && memory == nullptr) ok = false;
  std::size_t done = 0;
  while (ok && done < size) {
    const ssize_t n = ::read(fd, memory + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // a file that shrank while being read keeps what was there
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return finish(ok, memory, done);
}

}  // namespace qd
