#pragma once
// Reading BIFF strings into ANSI texts. BIFF8 strings are UTF-16, stored
// either compressed (one byte a character, high byte zero) or whole; a
// string may continue in CONTINUE records, and each continuation starts
// with a fresh flag byte that says how its characters are stored. BIFF5
// strings are bytes in the workbook's code page. Every text is cut at an
// embedded NUL character.
#include <cstdint>
#include <string>
#include <vector>

#include "data/byte_span.h"

namespace qd {

// Reads across the pieces of a record and its CONTINUE records.
class PieceReader {
 public:
  explicit PieceReader(const std::vector<Bytes>& pieces) : pieces_(pieces) {}

  bool readU8(std::uint8_t& v);
  bool readU16(std::uint16_t& v);
  bool readU32(std::uint32_t& v);
  bool skip(std::uint64_t count);

  // Reads `count` characters of a BIFF8 string whose flag byte said
  // `wide`, appending them in the ANSI code page to `out` (up to the first
  // NUL). At a piece boundary the next piece's first byte is the new flag.
  bool readChars(std::size_t count, bool wide, std::string& out);

  // Reads a whole BIFF8 string: character count (16 or 8 bits), flag byte,
  // rich-text runs and far-east data (skipped), characters.
  bool readString(bool countIs16Bit, std::string& out);

  bool atEnd() const;

 private:
  bool advancePiece();

  const std::vector<Bytes>& pieces_;
  std::size_t piece_ = 0;
  std::size_t pos_ = 0;
  bool stopped_ = false;  // a NUL was met in the current string
  std::vector<char16_t> units_;
};

// A BIFF8 string in a single record (no continuation).
bool readBiff8String(Bytes data, std::size_t offset, bool countIs16Bit, std::string& out);

// A BIFF5 byte string: its length (16 or 8 bits) and bytes in `codePage`.
bool readBiff5String(Bytes data, std::size_t offset, bool countIs16Bit, unsigned codePage, std::string& out);

}  // namespace qd
