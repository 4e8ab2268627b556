#pragma once
// Texts decoded once into one buffer and handed out by index.
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/large_memory.h"

namespace qd {

class TextPool {
 public:
  std::size_t size() const { return ends_.size(); }
  std::string_view at(std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_.data() + begin, ends_[i] - begin);
  }
  // Adds a text; returns its index.
  std::size_t add(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    ends_.push_back(bytes_.size());
    return ends_.size() - 1;
  }
  void reserve(std::size_t texts, std::size_t bytes) {
    ends_.reserve(texts);
    bytes_.reserve(bytes);
  }

 private:
  std::vector<char, LargeAllocator<char>> bytes_;
  std::vector<std::size_t, LargeAllocator<std::size_t>> ends_;
};

}  // namespace qd
