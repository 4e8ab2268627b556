#pragma once
// The bytes of a whole file in memory. The platform side reads the file in
// one go into memory it hands out in one piece (on Windows with every share
// mode, so that a workbook open in a spreadsheet program can still be read).
#include <cstdint>
#include <string>
#include <vector>

#include "data/byte_span.h"

namespace qd {

// Files larger than this are not workbooks this program can load.
constexpr std::uint64_t kMaxWorkbookFileSize = 1ull << 30;

class FileBuffer {
 public:
  FileBuffer() = default;
  ~FileBuffer() { release(); }
  FileBuffer(const FileBuffer&) = delete;
  FileBuffer& operator=(const FileBuffer&) = delete;

  // False for a missing file, a folder, a file that cannot be read, and a
  // file larger than kMaxWorkbookFileSize. `path` is in the ANSI code page.
  bool readFile(const std::string& path);

  // Bytes already in memory (tests, fuzzing).
  void assign(std::vector<std::uint8_t> bytes);

  Bytes bytes() const { return Bytes(data_, size_); }

 private:
  // Memory for `size` bytes, or null; freed by release().
  std::uint8_t* allocate(std::size_t size);
  void release();
  // Keeps what was read, or frees the memory when reading failed.
  bool finish(bool ok, std::uint8_t* memory, std::size_t bytesRead);

  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  std::uint8_t* block_ = nullptr;
  std::size_t blockSize_ = 0;
  std::vector<std::uint8_t> copy_;
};

}  // namespace qd
