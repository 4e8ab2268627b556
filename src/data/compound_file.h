#pragma once
// The OLE2 compound file ("structured storage") that holds a workbook's
// streams: header, FAT with DIFAT, mini stream with mini FAT, directory.
// Every offset, count and sector chain is checked against the file's real
// size; a hostile file makes a read fail, never crash, hang or allocate
// more than a small multiple of its own size.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/byte_span.h"
#include "data/data_error.h"

namespace qd {

class CompoundFile {
 public:
  // Reads the header, the sector tables and the directory of `file`, which
  // must outlive this object. NotCompoundFile when the header is missing,
  // DamagedCompoundFile when the tables or the directory are unusable.
  DataError open(Bytes file);

  // The directory entry of the stream of that name in the root storage
  // (ASCII letters compared case-insensitively), or -1.
  int findStream(std::u16string_view name) const;

  // The whole contents of a stream: a view into the file when its sectors
  // lie one after another, else a copy in `scratch`. WorkbookStreamCut when
  // its sectors run short of its size or leave the file.
  DataError readStream(int entry, std::vector<std::uint8_t>& scratch, Bytes& out);

 private:
  struct DirectoryEntry {
    std::u16string name;
    std::uint8_t type = 0;  // 1 storage, 2 stream, 5 root
    std::uint32_t left = 0, right = 0, child = 0;
    std::uint32_t start = 0;
    std::uint64_t size = 0;
  };

  std::size_t sectorOffset(std::uint32_t sector) const {
    return (static_cast<std::size_t>(sector) + 1) << sectorShift_;
  }
  // Bytes of a sector that lie inside the file (the last one may be short).
  std::size_t sectorBytesInFile(std::uint32_t sector) const;
  // Follows a FAT chain for at most `limit` sectors; false on a sector
  // outside the file or one met twice (a loop).
  bool followChain(std::uint32_t start, std::size_t limit, std::vector<std::uint32_t>& chain) const;
  DataError readFat();
  DataError readDirectory();
  DataError readMiniFat();
  DataError readRegularStream(std::uint32_t start, std::uint64_t size, std::vector<std::uint8_t>& scratch,
                              Bytes& out) const;
  DataError readMiniStream(std::uint32_t start, std::uint64_t size, std::vector<std::uint8_t>& scratch, Bytes& out);

  Bytes file_;
  unsigned sectorShift_ = 9;
  std::size_t sectorSize_ = 512;
  std::uint32_t sectorCount_ = 0;
  std::uint32_t miniCutoff_ = 4096;
  std::vector<std::uint32_t> fat_;
  std::vector<std::uint32_t> miniFat_;
  std::vector<DirectoryEntry> directory_;
  bool miniStreamLoaded_ = false;
  std::vector<std::uint8_t> miniStreamCopy_;
  Bytes miniStream_;
};

}  // namespace qd
