#pragma once
// Builds BIFF workbook streams record by record for tests.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace qd::test {

using ByteVec = std::vector<std::uint8_t>;

class ByteWriter {
 public:
  ByteWriter& u8(unsigned v) { bytes_.push_back(static_cast<std::uint8_t>(v)); return *this; }
  ByteWriter& u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
  ByteWriter& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  ByteWriter& f64(double d) {
    std::uint64_t b;
    std::memcpy(&b, &d, 8);
    return u32(static_cast<std::uint32_t>(b)).u32(static_cast<std::uint32_t>(b >> 32));
  }
  ByteWriter& raw(const std::string& s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); return *this; }
  ByteWriter& utf16(const std::u16string& s) {
    for (char16_t c : s) u16(c);
    return *this;
  }
  // A BIFF8 string: 16-bit count, flag byte, characters (compressed when all fit a byte).
  ByteWriter& string16(const std::u16string& s) { return u16(static_cast<unsigned>(s.size())).chars(s); }
  ByteWriter& string8(const std::u16string& s) { return u8(static_cast<unsigned>(s.size())).chars(s); }
  ByteWriter& chars(const std::u16string& s) {
    bool narrow = true;
    for (char16_t c : s) narrow &= c < 0x100;
    u8(narrow ? 0 : 1);
    for (char16_t c : s) narrow ? u8(c) : u16(c);
    return *this;
  }
  const ByteVec& bytes() const { return bytes_; }

 private:
  ByteVec bytes_;
};

struct Record {
  std::uint16_t type;
  ByteVec data;
};

inline Record record(std::uint16_t type, const ByteWriter& w) { return {type, w.bytes()}; }

inline Record bof(std::uint16_t kind, std::uint16_t version = 0x0600) {
  return record(0x0809, ByteWriter().u16(version).u16(kind).u16(0).u16(0).u32(0).u32(0));
}
inline Record eof() { return {0x000A, {}}; }
inline Record xf(std::uint16_t format) {
  ByteWriter w;
  w.u16(0).u16(format);
  for (int i = 0; i < 16; ++i) w.u8(0);
  return record(0x00E0, w);
}
inline Record format(std::uint16_t id, const std::u16string& text) {
  return record(0x041E, ByteWriter().u16(id).string16(text));
}
inline Record number(unsigned row, unsigned col, double v, unsigned xfIndex = 0) {
  return record(0x0203, ByteWriter().u16(row).u16(col).u16(xfIndex).f64(v));
}
inline Record rk(unsigned row, unsigned col, std::uint32_t value, unsigned xfIndex = 0) {
  return record(0x027E, ByteWriter().u16(row).u16(col).u16(xfIndex).u32(value));
}
inline Record labelSst(unsigned row, unsigned col, std::uint32_t index) {
  return record(0x00FD, ByteWriter().u16(row).u16(col).u16(0).u32(index));
}
inline Record label(unsigned row, unsigned col, const std::u16string& text) {
  return record(0x0204, ByteWriter().u16(row).u16(col).u16(0).string16(text));
}
inline Record boolErr(unsigned row, unsigned col, unsigned value, bool isError) {
  return record(0x0205, ByteWriter().u16(row).u16(col).u16(0).u8(value).u8(isError ? 1 : 0));
}
inline Record blank(unsigned row, unsigned col) { return record(0x0201, ByteWriter().u16(row).u16(col).u16(0)); }
// A formula whose cached result is the 8 bytes given.
inline Record formula(unsigned row, unsigned col, const ByteVec& result, unsigned xfIndex = 0) {
  ByteWriter w;
  w.u16(row).u16(col).u16(xfIndex);
  for (std::uint8_t b : result) w.u8(b);
  w.u16(0).u32(0).u16(0);
  return record(0x0006, w);
}
inline ByteVec numberResult(double v) { return ByteWriter().f64(v).bytes(); }
// Special results: 0 text (a STRING record follows), 1 boolean, 2 error, 3 empty text.
inline ByteVec specialResult(unsigned kind, unsigned value = 0) {
  return ByteWriter().u8(kind).u8(0).u8(value).u8(0).u16(0).u16(0xFFFF).bytes();
}
inline Record stringRecord(const std::u16string& text) { return record(0x0207, ByteWriter().string16(text)); }
inline Record sst(const std::vector<std::u16string>& strings) {
  ByteWriter w;
  w.u32(static_cast<std::uint32_t>(strings.size())).u32(static_cast<std::uint32_t>(strings.size()));
  for (const auto& s : strings) w.string16(s);
  return record(0x00FC, w);
}

struct Sheet {
  std::u16string name;
  std::vector<Record> records;  // between the sheet's BOF and EOF
  std::uint8_t kind = 0;
};

// Globals BOF, `globals`, one BOUNDSHEET per sheet, `afterSheets` (the SST),
// EOF, then each sheet's substream. Version 5 writes byte-string names.
ByteVec workbookStream(const std::vector<Record>& globals, const std::vector<Sheet>& sheets,
                       const std::vector<Record>& afterSheets = {}, int version = 8);

ByteVec concat(const std::vector<Record>& records);

}  // namespace qd::test
