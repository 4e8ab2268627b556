#include "compound_file_builder.h"

#include <algorithm>
#include <cstring>

namespace qd::test {
namespace {

constexpr std::uint32_t kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFatSect = 0xFFFFFFFD, kDifSect = 0xFFFFFFFC;

void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = v >> 8;
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

std::size_t sectorsFor(std::size_t bytes, std::size_t ss) { return (bytes + ss - 1) / ss; }

// A run of sector numbers for one chain, in chain order.
struct Chain {
  std::vector<std::uint32_t> ids;
  std::uint32_t first() const { return ids.empty() ? kEnd : ids[0]; }
};

}  // namespace

std::vector<std::uint8_t> buildCompoundFile(const std::vector<Stream>& streams, const CompoundFileOptions& o) {
  const std::size_t ss = std::size_t{1} << o.sectorShift;

  // Small streams go to the mini stream, 64 bytes a mini sector.
  std::vector<std::uint8_t> mini;
  std::vector<std::uint32_t> miniFat, miniStarts(streams.size(), kEnd);
  for (std::size_t i = 0; i < streams.size(); ++i) {
    const auto& bytes = streams[i].second;
    if (bytes.size() >= o.miniCutoff) continue;
    const std::size_t count = sectorsFor(bytes.size(), 64);
    if (count) miniStarts[i] = static_cast<std::uint32_t>(mini.size() / 64);
    for (std::size_t k = 0; k < count; ++k) {
      const std::uint32_t id = static_cast<std::uint32_t>(mini.size() / 64);
      mini.resize(mini.size() + 64, 0);
      std::memcpy(mini.data() + id * 64, bytes.data() + k * 64, std::min<std::size_t>(64, bytes.size() - k * 64));
      miniFat.push_back(k + 1 < count ? id + 1 : kEnd);
    }
  }
  std::vector<std::uint8_t> miniFatBytes(miniFat.size() * 4);
  for (std::size_t k = 0; k < miniFat.size(); ++k) put32(miniFatBytes, 4 * k, miniFat[k]);
  std::vector<std::uint8_t> dir(sectorsFor((streams.size() + 1) * 128, ss) * ss, 0);

  // How many sectors of each kind, then how many FAT and DIFAT sectors they need.
  std::size_t content = sectorsFor(mini.size(), ss) + sectorsFor(miniFatBytes.size(), ss) + dir.size() / ss;
  for (const auto& s : streams)
    if (s.second.size() >= o.miniCutoff) content += sectorsFor(s.second.size(), ss);
  const std::size_t perFat = ss / 4, perDifat = ss / 4 - 1;
  std::size_t fatCount = std::max<std::size_t>(o.fatSectors, 1), difatCount = 0;
  for (;;) {
    difatCount = fatCount > 109 ? sectorsFor(fatCount - 109, perDifat) : 0;
    const std::size_t need = sectorsFor(content + fatCount + difatCount, perFat);
    if (need <= fatCount) break;
    fatCount = need;
  }

  // Sector numbers, in the order the sectors lie in the file.
  std::uint32_t next = 0;
  auto take = [&](std::size_t count, bool backwards) {
    Chain c;
    for (std::size_t k = 0; k < count; ++k) c.ids.push_back(next++);
    if (backwards) std::reverse(c.ids.begin(), c.ids.end());
    return c;
  };
  Chain fatIds, difatIds;
  if (o.streamsLast) fatIds = take(fatCount, false), difatIds = take(difatCount, false);
  const Chain miniChain = take(sectorsFor(mini.size(), ss), false);
  const Chain miniFatChain = take(sectorsFor(miniFatBytes.size(), ss), false);
  const Chain dirChain = take(dir.size() / ss, false);
  std::vector<Chain> streamChains(streams.size());
  for (std::size_t i = 0; i < streams.size(); ++i)
    if (streams[i].second.size() >= o.miniCutoff)
      streamChains[i] = take(sectorsFor(streams[i].second.size(), ss), o.scatter);
  if (!o.streamsLast) fatIds = take(fatCount, false), difatIds = take(difatCount, false);

  std::vector<std::vector<std::uint8_t>> sectors(next, std::vector<std::uint8_t>(ss, 0));
  std::vector<std::uint32_t> fat(fatCount * perFat, kFree);
  auto write = [&](const Chain& c, const std::vector<std::uint8_t>& bytes) {
    for (std::size_t k = 0; k < c.ids.size(); ++k) {
      std::memcpy(sectors[c.ids[k]].data(), bytes.data() + k * ss, std::min(ss, bytes.size() - k * ss));
      fat[c.ids[k]] = k + 1 < c.ids.size() ? c.ids[k + 1] : kEnd;
    }
  };

  auto entry = [&](std::size_t id, const std::u16string& name, std::uint8_t type, std::uint32_t start,
                   std::uint64_t size, std::uint32_t child, std::uint32_t right) {
    const std::size_t at = id * 128;
    const std::size_t n = std::min<std::size_t>(name.size(), 31);
    for (std::size_t k = 0; k < n; ++k) put16(dir, at + 2 * k, name[k]);
    put16(dir, at + 0x40, static_cast<std::uint16_t>(2 * (n + 1)));
    dir[at + 0x42] = type;
    put32(dir, at + 0x44, kFree);
    put32(dir, at + 0x48, right);
    put32(dir, at + 0x4C, child);
    put32(dir, at + 0x74, start);
    put32(dir, at + 0x78, static_cast<std::uint32_t>(size));
  };
  for (std::size_t id = streams.size() + 1; id * 128 < dir.size(); ++id) entry(id, u"", 0, 0, 0, kFree, kFree);
  entry(0, u"Root Entry", 5, miniChain.first(), mini.size(), streams.empty() ? kFree : 1, kFree);
  for (std::size_t i = 0; i < streams.size(); ++i) {
    const bool small = streams[i].second.size() < o.miniCutoff;
    entry(i + 1, streams[i].first, 2, small ? miniStarts[i] : streamChains[i].first(), streams[i].second.size(),
          kFree, i + 1 < streams.size() ? static_cast<std::uint32_t>(i + 2) : kFree);
    if (!small) write(streamChains[i], streams[i].second);
  }
  write(miniChain, mini);
  write(miniFatChain, miniFatBytes);
  write(dirChain, dir);
  for (std::uint32_t id : fatIds.ids) fat[id] = kFatSect;
  for (std::uint32_t id : difatIds.ids) fat[id] = kDifSect;
  for (std::size_t k = 0; k < fatCount; ++k)
    for (std::size_t i = 0; i < perFat; ++i) put32(sectors[fatIds.ids[k]], 4 * i, fat[k * perFat + i]);
  for (std::size_t d = 0; d < difatCount; ++d) {
    auto& s = sectors[difatIds.ids[d]];
    for (std::size_t i = 0; i < perDifat; ++i) {
      const std::size_t k = 109 + d * perDifat + i;
      put32(s, 4 * i, k < fatCount ? fatIds.ids[k] : kFree);
    }
    put32(s, 4 * perDifat, d + 1 < difatCount ? difatIds.ids[d + 1] : kEnd);
  }

  std::vector<std::uint8_t> file(ss, 0);
  const std::uint8_t sig[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  std::memcpy(file.data(), sig, 8);
  put16(file, 0x18, 0x3E);
  put16(file, 0x1A, o.sectorShift == 12 ? 4 : 3);
  put16(file, 0x1C, 0xFFFE);
  put16(file, 0x1E, static_cast<std::uint16_t>(o.sectorShift));
  put16(file, 0x20, 6);
  put32(file, 0x2C, static_cast<std::uint32_t>(fatCount));
  put32(file, 0x30, dirChain.first());
  put32(file, 0x38, o.miniCutoff);
  put32(file, 0x3C, miniFatChain.first());
  put32(file, 0x40, static_cast<std::uint32_t>(miniFatChain.ids.size()));
  put32(file, 0x44, difatCount ? difatIds.ids[0] : kEnd);
  put32(file, 0x48, static_cast<std::uint32_t>(difatCount));
  for (std::size_t i = 0; i < 109; ++i) put32(file, 0x4C + 4 * i, i < fatCount ? fatIds.ids[i] : kFree);
  for (const auto& s : sectors) file.insert(file.end(), s.begin(), s.end());
  return file;
}

}  // namespace qd::test
