#include "data/file_buffer.h"

#include "data/large_memory.h"

namespace qd {

void FileBuffer::assign(std::vector<std::uint8_t> bytes) {
  release();
  copy_ = std::move(bytes);
  data_ = copy_.data();
  size_ = copy_.size();
}

std::uint8_t* FileBuffer::allocate(std::size_t size) {
  try {
    block_ = static_cast<std::uint8_t*>(allocateLarge(size));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  blockSize_ = size;
  return block_;
}

bool FileBuffer::finish(bool ok, std::uint8_t* memory, std::size_t bytesRead) {
  if (!ok) {
    release();
    return false;
  }
  data_ = memory;
  size_ = bytesRead;
  return true;
}

void FileBuffer::release() {
  freeLarge(block_, blockSize_);
  block_ = nullptr;
  blockSize_ = 0;
  copy_.clear();
  data_ = nullptr;
  size_ = 0;
}

}  // namespace qd
