#include "biff_builder.h"

namespace qd::test {
namespace {

void append(ByteVec& out, const Record& r) {
  ByteWriter h;
  h.u16(r.type).u16(static_cast<unsigned>(r.data.size()));
  out.insert(out.end(), h.bytes().begin(), h.bytes().end());
  out.insert(out.end(), r.data.begin(), r.data.end());
}

Record boundSheet(std::uint32_t offset, const Sheet& s, int version) {
  ByteWriter w;
  w.u32(offset).u8(0).u8(s.kind);
  if (version == 8) {
    w.string8(s.name);
  } else {
    w.u8(static_cast<unsigned>(s.name.size()));
    for (char16_t c : s.name) w.u8(c);
  }
  return record(0x0085, w);
}

}  // namespace

ByteVec concat(const std::vector<Record>& records) {
  ByteVec out;
  for (const Record& r : records) append(out, r);
  return out;
}

ByteVec workbookStream(const std::vector<Record>& globals, const std::vector<Sheet>& sheets,
                       const std::vector<Record>& afterSheets, int version) {
  const std::uint16_t v = version == 8 ? 0x0600 : 0x0500;
  // First pass with zero offsets to learn the globals' length.
  auto build = [&](const std::vector<std::uint32_t>& offsets) {
    std::vector<Record> g{bof(0x0005, v)};
    g.insert(g.end(), globals.begin(), globals.end());
    for (std::size_t i = 0; i < sheets.size(); ++i) g.push_back(boundSheet(offsets[i], sheets[i], version));
    g.insert(g.end(), afterSheets.begin(), afterSheets.end());
    g.push_back(eof());
    return concat(g);
  };
  std::vector<std::uint32_t> offsets(sheets.size(), 0);
  ByteVec out = build(offsets);
  std::vector<ByteVec> bodies;
  std::uint32_t at = static_cast<std::uint32_t>(out.size());
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    std::vector<Record> s{bof(0x0010, v)};
    s.insert(s.end(), sheets[i].records.begin(), sheets[i].records.end());
    s.push_back(eof());
    bodies.push_back(concat(s));
    offsets[i] = at;
    at += static_cast<std::uint32_t>(bodies.back().size());
  }
  out = build(offsets);
  for (const ByteVec& b : bodies) out.insert(out.end(), b.begin(), b.end());
  return out;
}

}  // namespace qd::test
