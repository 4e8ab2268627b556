#pragma once
// Texts decoded once into one buffer and handed out by index.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qd {

class TextPool {
 public:
  std::size_t size() const { return ends_.size(); }
  std::string_view at(std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_).substr(begin, ends_[i] - begin);
  }
  // The buffer that a new text is appended to; commit() ends the text.
  std::string& buffer() { return bytes_; }
  std::size_t commit() {
    ends_.push_back(bytes_.size());
    return ends_.size() - 1;
  }
  void reserve(std::size_t texts) { ends_.reserve(texts); }

 private:
  std::string bytes_;
  std::vector<std::size_t> ends_;
};

}  // namespace qd
