#include "data/biff_strings.h"

#include <algorithm>
#include <cstring>

#include "data/little_endian.h"
#include "text/ansi_codec.h"

namespace qd {
namespace {

// Characters that lie whole in one piece, converted straight from the
// record's bytes; plain ASCII in compressed form is copied as it is.
void appendChars(const std::uint8_t* src, std::size_t count, bool wide, std::vector<char16_t>& units,
                 std::string& out) {
  if (wide) {
    ansi::appendFromUtf16Le(src, count, out);
    return;
  }
  std::size_t plain = 0;  // leading characters in 1 .. 7F
  while (plain < count && src[plain] - 1u < 0x7Fu) ++plain;
  if (plain == count) {
    out.append(reinterpret_cast<const char*>(src), count);
    return;
  }
  // Compressed characters are the code points 0 .. FF.
  units.assign(src, src + count);
  std::size_t n = 0;
  while (n < count && units[n] != 0) ++n;  // a NUL ends the text
  ansi::appendFromUtf16(units.data(), n, out);
}

}  // namespace

bool PieceReader::advancePiece() {
  while (piece_ < pieces_.size() && pos_ >= pieces_[piece_].size()) {
    ++piece_;
    pos_ = 0;
  }
  return piece_ < pieces_.size();
}

bool PieceReader::atEnd() const {
  for (std::size_t p = piece_, at = pos_; p < pieces_.size(); ++p, at = 0)
    if (at < pieces_[p].size()) return false;
  return true;
}

bool PieceReader::readU8(std::uint8_t& v) {
  if (!advancePiece()) return false;
  v = pieces_[piece_][pos_++];
  return true;
}

bool PieceReader::readU16(std::uint16_t& v) {
  std::uint8_t a = 0, b = 0;
  if (!readU8(a) || !readU8(b)) return false;
  v = static_cast<std::uint16_t>(a | (b << 8));
  return true;
}

bool PieceReader::readU32(std::uint32_t& v) {
  std::uint16_t a = 0, b = 0;
  if (!readU16(a) || !readU16(b)) return false;
  v = static_cast<std::uint32_t>(a) | (static_cast<std::uint32_t>(b) << 16);
  return true;
}

bool PieceReader::skip(std::uint64_t count) {
  while (count > 0) {
    if (!advancePiece()) return false;
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, pieces_[piece_].size() - pos_));
    pos_ += n;
    count -= n;
  }
  return true;
}

bool PieceReader::readChars(std::size_t count, bool wide, std::string& out) {
  if (count == 0) return true;
  if (piece_ < pieces_.size()) {
    const Bytes& p = pieces_[piece_];
    const std::size_t bytes = wide ? 2 * count : count;
    if (pos_ < p.size() && p.size() - pos_ >= bytes) {
      appendChars(p.data() + pos_, count, wide, units_, out);
      pos_ += bytes;
      return true;
    }
  }
  // The characters run over into CONTINUE records.
  units_.clear();
  bool stopped = false;  // a NUL ends the text; the rest is read and dropped
  std::size_t remaining = count;
  while (remaining > 0) {
    if (piece_ >= pieces_.size()) return false;
    if (pos_ >= pieces_[piece_].size()) {
      // The characters go on in the next piece, behind a fresh flag byte.
      ++piece_;
      pos_ = 0;
      if (piece_ >= pieces_.size() || pieces_[piece_].empty()) return false;
      wide = (pieces_[piece_][pos_++] & 0x01) != 0;
      continue;
    }
    const Bytes& p = pieces_[piece_];
    const std::size_t available = p.size() - pos_;
    const std::size_t n = std::min(remaining, wide ? available / 2 : available);
    if (n == 0) return false;  // half a UTF-16 unit before the boundary
    const std::uint8_t* src = p.data() + pos_;
    for (std::size_t i = 0; i < n && !stopped; ++i) {
      const char16_t u = wide ? loadU16(src + 2 * i) : src[i];
      if (u == 0) {
        stopped = true;
      } else {
        units_.push_back(u);
      }
    }
    pos_ += wide ? 2 * n : n;
    remaining -= n;
  }
  ansi::appendFromUtf16(units_.data(), units_.size(), out);
  return true;
}

bool PieceReader::readString(bool countIs16Bit, std::string& out) {
  // The usual case: a plain string lying whole in the current piece.
  if (countIs16Bit && piece_ < pieces_.size() && pieces_[piece_].size() - pos_ >= 3 && pos_ < pieces_[piece_].size()) {
    const std::uint8_t* h = pieces_[piece_].data() + pos_;
    const std::size_t count = loadU16(h);
    const std::uint8_t flags = h[2];
    const std::size_t bytes = (flags & 0x01) ? 2 * count : count;
    if ((flags & 0x0C) == 0 && pieces_[piece_].size() - pos_ - 3 >= bytes) {
      pos_ += 3;
      return readChars(count, (flags & 0x01) != 0, out);
    }
  }
  std::uint16_t count = 0;
  std::uint8_t count8 = 0, flags = 0;
  if (countIs16Bit ? !readU16(count) : !readU8(count8)) return false;
  if (!countIs16Bit) count = count8;
  if (!readU8(flags)) return false;
  std::uint16_t runs = 0;
  std::uint32_t farEastBytes = 0;
  if ((flags & 0x08) && !readU16(runs)) return false;
  if ((flags & 0x04) && !readU32(farEastBytes)) return false;
  if (!readChars(count, (flags & 0x01) != 0, out)) return false;
  return skip(std::uint64_t{runs} * 4) && skip(farEastBytes);
}

bool readBiff8String(Bytes data, std::size_t offset, bool countIs16Bit, std::string& out) {
  if (offset > data.size()) return false;
  const std::vector<Bytes> pieces{data.subspan(offset)};
  PieceReader reader(pieces);
  return reader.readString(countIs16Bit, out);
}

bool readBiff5String(Bytes data, std::size_t offset, bool countIs16Bit, unsigned codePage, std::string& out) {
  const std::size_t header = countIs16Bit ? 2 : 1;
  if (offset > data.size() || data.size() - offset < header) return false;
  const std::size_t length = countIs16Bit ? loadU16(data.data() + offset) : data[offset];
  if (data.size() - offset - header < length) return false;
  const char* bytes = reinterpret_cast<const char*>(data.data() + offset + header);
  const void* nul = std::memchr(bytes, 0, length);
  const std::size_t kept = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes) : length;
  ansi::appendFromCodePage(codePage, bytes, kept, out);
  return true;
}

}  // namespace qd
