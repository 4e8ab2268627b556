#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "data/file_bytes.h"

namespace qd {

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
  out.clear();
  if (path.find('\0') != std::string::npos) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) <= kMaxWorkbookFileSize;
  if (ok) {
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    out.resize(done);  // a file that shrank while being read keeps what was there
  }
  ::close(fd);
  if (!ok) out.clear();
  return ok;
}

}  // namespace qd
