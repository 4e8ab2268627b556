#include "data/biff_records.h"

#include "data/little_endian.h"

namespace qd {

bool BiffRecordReader::next(BiffRecord& record) {
  if (pos_ >= stream_.size()) return false;
  if (stream_.size() - pos_ < 4) {
    cut_ = true;
    return false;
  }
  const std::uint8_t* h = stream_.data() + pos_;
  const std::size_t length = loadU16(h + 2);
  if (stream_.size() - pos_ - 4 < length) {
    cut_ = true;
    return false;
  }
  record.type = loadU16(h);
  record.data = stream_.subspan(pos_ + 4, length);
  pos_ += 4 + length;
  return true;
}

bool BiffRecordReader::peekType(std::uint16_t& type) const {
  if (pos_ >= stream_.size() || stream_.size() - pos_ < 4) return false;
  type = loadU16(stream_.data() + pos_);
  return true;
}

void BiffRecordReader::takeContinues(std::vector<Bytes>& pieces) {
  std::uint16_t type = 0;
  BiffRecord record;
  while (peekType(type) && type == biff::kContinue && next(record)) pieces.push_back(record.data);
}

}  // namespace qd
