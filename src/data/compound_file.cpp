#include "data/compound_file.h"

#include <algorithm>
#include <cstring>

#include "data/little_endian.h"

namespace qd {
namespace {

constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFA;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kMiniSectorSize = 64;
constexpr std::size_t kDirectoryEntrySize = 128;
constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

char16_t foldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

bool sameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  return true;
}

}  // namespace

DataError CompoundFile::open(Bytes file) {
  file_ = file;
  if (file.size() < 512 || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
    return DataError::NotCompoundFile;
  const std::uint16_t shift = loadU16(file.data() + 0x1E);
  if (shift != 9 && shift != 12) return DataError::DamagedCompoundFile;
  if (loadU16(file.data() + 0x20) != 6) return DataError::DamagedCompoundFile;
  sectorShift_ = shift;
  sectorSize_ = std::size_t{1} << shift;
  const std::size_t body = file.size() > sectorSize_ ? file.size() - sectorSize_ : 0;
  sectorCount_ = static_cast<std::uint32_t>(
      std::min<std::size_t>((body + sectorSize_ - 1) >> shift, kMaxRegularSector + std::size_t{1}));
  miniCutoff_ = loadU32(file.data() + 0x38);
  if (DataError e = readFat(); e != DataError::None) return e;
  if (DataError e = readDirectory(); e != DataError::None) return e;
  return readMiniFat();
}

std::size_t CompoundFile::sectorBytesInFile(std::uint32_t sector) const {
  if (sector >= sectorCount_) return 0;
  const std::size_t offset = sectorOffset(sector);
  return std::min(sectorSize_, file_.size() - offset);
}

bool CompoundFile::followChain(std::uint32_t start, std::size_t limit, std::vector<std::uint32_t>& chain) const {
  chain.clear();
  std::uint32_t sector = start;
  std::vector<bool> visited(sectorCount_, false);
  while (sector != kEndOfChain && chain.size() < limit) {
    if (sector >= sectorCount_ || visited[sector]) return false;  // outside the file, or a loop
    visited[sector] = true;
    chain.push_back(sector);
    sector = fat_[sector];
  }
  return true;
}

DataError CompoundFile::readFat() {
  const std::uint8_t* header = file_.data();
  const std::uint32_t fatSectorCount = loadU32(header + 0x2C);
  // The FAT's sector numbers: 109 in the header, the rest in the DIFAT chain.
  std::vector<std::uint32_t> fatSectors;
  const std::size_t wanted = std::min<std::size_t>(fatSectorCount, sectorCount_);
  for (std::size_t i = 0; i < kHeaderDifatEntries && fatSectors.size() < wanted; ++i) {
    const std::uint32_t s = loadU32(header + 0x4C + 4 * i);
    if (s == kFreeSector || s == kEndOfChain) break;
    fatSectors.push_back(s);
  }
  std::uint32_t difat = loadU32(header + 0x44);
  const std::size_t perDifatSector = sectorSize_ / 4 - 1;
  std::size_t steps = 0;
  while (fatSectors.size() < wanted && difat < sectorCount_) {
    if (++steps > sectorCount_) return DataError::DamagedCompoundFile;
    if (sectorBytesInFile(difat) < sectorSize_) break;
    const std::uint8_t* p = file_.data() + sectorOffset(difat);
    for (std::size_t i = 0; i < perDifatSector && fatSectors.size() < wanted; ++i) {
      const std::uint32_t s = loadU32(p + 4 * i);
      if (s == kFreeSector) continue;
      fatSectors.push_back(s);
    }
    difat = loadU32(p + 4 * perDifatSector);
  }
  // Only entries for sectors inside the file can lead anywhere; the rest of
  // the table (and FAT sectors beyond the file's end) read as free.
  fat_.assign(sectorCount_, kFreeSector);
  const std::size_t perSector = sectorSize_ / 4;
  for (std::size_t k = 0; k < fatSectors.size(); ++k) {
    const std::size_t first = k * perSector;
    if (first >= fat_.size()) break;
    const std::uint32_t s = fatSectors[k];
    const std::size_t available = sectorBytesInFile(s) / 4;
    const std::uint8_t* p = file_.data() + (available ? sectorOffset(s) : 0);
    const std::size_t count = std::min({perSector, available, fat_.size() - first});
    for (std::size_t i = 0; i < count; ++i) fat_[first + i] = loadU32(p + 4 * i);
  }
  return DataError::None;
}

DataError CompoundFile::readDirectory() {
  std::vector<std::uint32_t> chain;
  if (!followChain(loadU32(file_.data() + 0x30), sectorCount_, chain) || chain.empty())
    return DataError::DamagedCompoundFile;
  const std::size_t perSector = sectorSize_ / kDirectoryEntrySize;
  directory_.clear();
  directory_.reserve(chain.size() * perSector);
  for (std::uint32_t sector : chain) {
    const std::size_t available = sectorBytesInFile(sector) / kDirectoryEntrySize;
    const std::uint8_t* p = file_.data() + sectorOffset(sector);
    for (std::size_t i = 0; i < perSector; ++i) {
      DirectoryEntry entry;
      if (i < available) {
        const std::uint8_t* e = p + i * kDirectoryEntrySize;
        const std::size_t nameBytes = std::min<std::size_t>(loadU16(e + 0x40), 64);
        for (std::size_t k = 0; k + 1 < nameBytes; k += 2) {
          const char16_t c = loadU16(e + k);
          if (c == 0) break;
          entry.name.push_back(c);
        }
        entry.type = e[0x42];
        entry.left = loadU32(e + 0x44);
        entry.right = loadU32(e + 0x48);
        entry.child = loadU32(e + 0x4C);
        entry.start = loadU32(e + 0x74);
        entry.size = loadU32(e + 0x78);
        // Version 3 files may hold junk in the high half of the size.
        if (sectorShift_ == 12) entry.size |= static_cast<std::uint64_t>(loadU32(e + 0x7C)) << 32;
      }
      directory_.push_back(std::move(entry));
    }
  }
  if (directory_.empty() || directory_[0].type != 5) return DataError::DamagedCompoundFile;
  return DataError::None;
}

DataError CompoundFile::readMiniFat() {
  const std::uint32_t first = loadU32(file_.data() + 0x3C);
  const std::uint32_t count = loadU32(file_.data() + 0x40);
  miniFat_.clear();
  if (first == kEndOfChain || first == kFreeSector || count == 0) return DataError::None;
  std::vector<std::uint32_t> chain;
  // A broken mini FAT only breaks the small streams; they fail when read.
  followChain(first, std::min<std::size_t>(count, sectorCount_), chain);
  const std::size_t perSector = sectorSize_ / 4;
  miniFat_.reserve(chain.size() * perSector);
  for (std::uint32_t sector : chain) {
    const std::size_t available = sectorBytesInFile(sector) / 4;
    const std::uint8_t* p = file_.data() + sectorOffset(sector);
    for (std::size_t i = 0; i < available; ++i) miniFat_.push_back(loadU32(p + 4 * i));
    if (available < perSector) break;
  }
  return DataError::None;
}

int CompoundFile::findStream(std::u16string_view name) const {
  // Walk the root storage's tree of children; every entry is visited once,
  // so loops in the sibling links end the walk.
  std::vector<bool> seen(directory_.size(), false);
  std::vector<std::uint32_t> stack{directory_[0].child};
  while (!stack.empty()) {
    const std::uint32_t id = stack.back();
    stack.pop_back();
    if (id == kNoStream || id >= directory_.size() || seen[id]) continue;
    seen[id] = true;
    const DirectoryEntry& e = directory_[id];
    if (e.type == 2 && sameName(e.name, name)) return static_cast<int>(id);
    stack.push_back(e.left);
    stack.push_back(e.right);
  }
  return -1;
}

DataError CompoundFile::readStream(int entry, std::vector<std::uint8_t>& scratch, Bytes& out) {
  if (entry <= 0 || static_cast<std::size_t>(entry) >= directory_.size()) return DataError::NotWorkbook;
  const DirectoryEntry& e = directory_[static_cast<std::size_t>(entry)];
  if (e.size > file_.size()) return DataError::WorkbookStreamCut;  // no stream outgrows its file
  if (e.size < miniCutoff_) return readMiniStream(e.start, e.size, scratch, out);
  return readRegularStream(e.start, e.size, scratch, out);
}

DataError CompoundFile::readRegularStream(std::uint32_t start, std::uint64_t size, std::vector<std::uint8_t>& scratch,
                                          Bytes& out) const {
  const std::size_t needed = static_cast<std::size_t>((size + sectorSize_ - 1) >> sectorShift_);
  std::vector<std::uint32_t> chain;
  if (!followChain(start, needed, chain) || chain.size() < needed) return DataError::WorkbookStreamCut;
  bool consecutive = true;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const std::size_t want = std::min<std::size_t>(sectorSize_, static_cast<std::size_t>(size) - i * sectorSize_);
    if (sectorBytesInFile(chain[i]) < want) return DataError::WorkbookStreamCut;
    if (i > 0 && chain[i] != chain[i - 1] + 1) consecutive = false;
  }
  if (chain.empty()) {
    out = {};
    return DataError::None;
  }
  if (consecutive) {
    out = file_.subspan(sectorOffset(chain[0]), static_cast<std::size_t>(size));
    return DataError::None;
  }
  scratch.resize(static_cast<std::size_t>(size));
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const std::size_t want = std::min<std::size_t>(sectorSize_, scratch.size() - i * sectorSize_);
    std::memcpy(scratch.data() + i * sectorSize_, file_.data() + sectorOffset(chain[i]), want);
  }
  out = Bytes(scratch.data(), scratch.size());
  return DataError::None;
}

DataError CompoundFile::readMiniStream(std::uint32_t start, std::uint64_t size, std::vector<std::uint8_t>& scratch,
                                       Bytes& out) {
  if (!miniStreamLoaded_) {
    miniStreamLoaded_ = true;
    const DirectoryEntry& root = directory_[0];
    if (root.size > file_.size() ||
        readRegularStream(root.start, root.size, miniStreamCopy_, miniStream_) != DataError::None)
      miniStream_ = {};
  }
  const std::size_t needed = static_cast<std::size_t>((size + kMiniSectorSize - 1) / kMiniSectorSize);
  const std::size_t miniSectors = miniStream_.size() / kMiniSectorSize + (miniStream_.size() % kMiniSectorSize ? 1 : 0);
  scratch.resize(static_cast<std::size_t>(size));
  std::uint32_t sector = start;
  std::vector<bool> visited(miniSectors, false);
  for (std::size_t i = 0; i < needed; ++i) {
    if (sector >= miniSectors || visited[sector]) return DataError::WorkbookStreamCut;  // outside, or a loop
    visited[sector] = true;
    const std::size_t offset = static_cast<std::size_t>(sector) * kMiniSectorSize;
    const std::size_t want = std::min<std::size_t>(kMiniSectorSize, scratch.size() - i * kMiniSectorSize);
    if (offset + want > miniStream_.size()) return DataError::WorkbookStreamCut;
    std::memcpy(scratch.data() + i * kMiniSectorSize, miniStream_.data() + offset, want);
    if (i + 1 < needed) {
      if (sector >= miniFat_.size()) return DataError::WorkbookStreamCut;
      sector = miniFat_[sector];
    }
  }
  out = Bytes(scratch.data(), scratch.size());
  return DataError::None;
}

}  // namespace qd
