#pragma once
// Walks the BIFF records of a workbook stream: a 4-byte header (type,
// length) and the record's data. A record that runs past the stream's end
// stops the walk and marks the stream as cut.
#include <cstdint>
#include <vector>

#include "data/byte_span.h"

namespace qd {

namespace biff {
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kFilePass = 0x002F;
constexpr std::uint16_t kCodePage = 0x0042;
constexpr std::uint16_t kDateMode = 0x0022;
constexpr std::uint16_t kFormat = 0x041E;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kMulRk = 0x00BD;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kRString = 0x00D6;
constexpr std::uint16_t kBoolErr = 0x0205;
constexpr std::uint16_t kFormula = 0x0006;
constexpr std::uint16_t kString = 0x0207;

constexpr std::uint16_t kBofGlobals = 0x0005;
constexpr std::uint16_t kBofWorksheet = 0x0010;
}  // namespace biff

struct BiffRecord {
  std::uint16_t type = 0;
  Bytes data;
};

class BiffRecordReader {
 public:
  BiffRecordReader(Bytes stream, std::size_t offset) : stream_(stream), pos_(offset) {}

  // The next record; false at the end of the stream or when the record is
  // cut off (then cut() is true).
  bool next(BiffRecord& record);

  // Appends the data of the CONTINUE records that follow, consuming them.
  void takeContinues(std::vector<Bytes>& pieces);

  bool cut() const { return cut_; }

 private:
  bool peekType(std::uint16_t& type) const;

  Bytes stream_;
  std::size_t pos_;
  bool cut_ = false;
};

}  // namespace qd
